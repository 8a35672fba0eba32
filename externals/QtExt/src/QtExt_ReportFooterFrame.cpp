#include "QtExt_ReportFooterFrame.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTextDocument>

namespace QtExt {

ReportFooterFrame::ReportFooterFrame(Report * report, QTextDocument * textDocument) :
	ReportFrameBase(report, textDocument)
{
}


void ReportFooterFrame::update(QPaintDevice * device, double width) {
	// half a line of space, a rule and one text line
	m_frameRect = QRectF(0, 0, width, 1.5 * lineSpacing(device));
}


QString ReportFooterFrame::pageText(int page, int pageCount) {
	return QCoreApplication::translate("QtExt::ReportFooterFrame", "Page %1 of %2").arg(page).arg(pageCount);
}


void ReportFooterFrame::draw(QPainter * painter, const QRectF & frame) {
	QPaintDevice * device = painter->device();
	const double line = lineSpacing(device);
	const QRectF textRect(frame.left(), frame.bottom() - line, frame.width(), line);
	painter->save();
	painter->setFont(m_textDocument->defaultFont());
	QPen pen = painter->pen();
	pen.setWidthF(ruleWidth(device));
	painter->setPen(pen);
	const double y = textRect.top() - 0.1 * line;
	painter->drawLine(QPointF(frame.left(), y), QPointF(frame.right(), y));
	painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, m_footerText);
	if (m_pageNumbersVisible)
		painter->drawText(textRect, Qt::AlignRight | Qt::AlignVCenter, pageText(m_pageNumber, m_pageCount));
	painter->restore();
}

} // namespace QtExt
