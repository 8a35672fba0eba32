#include "QtExt_ReportFrameBase.h"

#include <QFontMetricsF>
#include <QTextDocument>

#include "QtExt_Table.h"

namespace QtExt {

ReportFrameBase::ReportFrameBase(Report * report, QTextDocument * textDocument) :
	m_report(report),
	m_textDocument(textDocument)
{
}


ReportFrameBase::~ReportFrameBase() = default;


double ReportFrameBase::lineSpacing(QPaintDevice * device) const {
	return QFontMetricsF(m_textDocument->defaultFont(), device).lineSpacing();
}


double ReportFrameBase::ruleWidth(QPaintDevice * device) {
	return Table::deviceFactorFor(device);
}

} // namespace QtExt
