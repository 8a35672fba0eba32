#include "QtExt_ReportFrameBase.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextDocument>

#include "QtExt_Table.h"

namespace QtExt {

ReportFrameBase::ReportFrameBase(Report * report, QTextDocument * textDocument) :
	m_report(report),
	m_textDocument(textDocument)
{
}


ReportFrameBase::~ReportFrameBase() = default;


std::vector<double> ReportFrameBase::breakPositions() const {
	return std::vector<double>();
}


std::vector<double> ReportFrameBase::lineBreaks() const {
	return std::vector<double>();
}


double ReportFrameBase::contentBottom() const {
	return m_frameRect.height();
}


double ReportFrameBase::repeatedHeight(double /*from*/) const {
	return 0;
}


void ReportFrameBase::drawPart(QPainter * painter, const QRectF & rect, double from, double /*to*/) {
	painter->save();
	painter->setClipRect(rect, Qt::IntersectClip);
	draw(painter, QRectF(rect.left(), rect.top() - from, rect.width(), m_frameRect.height()));
	painter->restore();
}


double ReportFrameBase::lineSpacing(QPaintDevice * device) const {
	return QFontMetricsF(m_textDocument->defaultFont(), device).lineSpacing();
}


double ReportFrameBase::ruleWidth(QPaintDevice * device) {
	return Table::deviceFactorFor(device);
}

} // namespace QtExt
