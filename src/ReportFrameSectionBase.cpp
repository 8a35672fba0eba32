#include "ReportFrameSectionBase.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <QTextDocument>

#include "Report.h"

ReportFrameSectionBase::ReportFrameSectionBase(Report * report, QTextDocument * textDocument) :
	QtExt::ReportFrameBase(report, textDocument)
{
}


QStringList ReportFrameSectionBase::bodyLines() const {
	return QStringList();
}


Report * ReportFrameSectionBase::report() const {
	return static_cast<Report *>(m_report);
}


void ReportFrameSectionBase::update(QPaintDevice * device, double width) {
	const double line = lineSpacing(device);
	const int lines = (heading().isEmpty() ? 0 : 1) + bodyLines().size();
	// one spare line below the section
	m_frameRect = QRectF(0, 0, width, (lines + 1) * line);
}


void ReportFrameSectionBase::draw(QPainter * painter, const QRectF & frame) {
	const double line = lineSpacing(painter->device());
	painter->save();
	QFont font = m_textDocument->defaultFont();
	double y = frame.top();
	if (!heading().isEmpty()) {
		QFont bold = font;
		bold.setBold(true);
		painter->setFont(bold);
		painter->drawText(QRectF(frame.left(), y, frame.width(), line), Qt::AlignLeft | Qt::AlignVCenter, heading());
		y += line;
	}
	painter->setFont(font);
	for (const QString & text : bodyLines()) {
		painter->drawText(QRectF(frame.left(), y, frame.width(), line), Qt::AlignLeft | Qt::AlignVCenter, text);
		y += line;
	}
	painter->restore();
}
