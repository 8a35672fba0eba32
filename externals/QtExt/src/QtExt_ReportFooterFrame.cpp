#include "QtExt_ReportFooterFrame.h"

#include <algorithm>

#include <QCoreApplication>
#include <QFontMetricsF>
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


ReportFooterFrame::TextLayout ReportFooterFrame::textLayout(QPaintDevice * device, const QRectF & frame) const {
	const QFontMetricsF metrics(m_textDocument->defaultFont(), device);
	const double line = metrics.lineSpacing();
	const QRectF lineRect(frame.left(), frame.bottom() - line, frame.width(), line);
	TextLayout layout;
	double room = lineRect.width();
	if (m_pageNumbersVisible) {
		layout.m_pageNumber = pageText(m_pageNumber, m_pageCount);
		// a line too narrow for the words (very large fonts) keeps the numbers, on every page
		if (metrics.horizontalAdvance(pageText(m_pageCount, m_pageCount)) > room)
			layout.m_pageNumber = QString("%1/%2").arg(m_pageNumber).arg(m_pageCount);
		const double w = std::min(room, metrics.horizontalAdvance(layout.m_pageNumber));
		layout.m_pageNumberRect = QRectF(lineRect.right() - w, lineRect.top(), w, line);
		// an em of space between the footer text and the page number
		room = std::max(0.0, room - w - metrics.height());
	}
	layout.m_text = metrics.elidedText(m_footerText, Qt::ElideRight, room);
	layout.m_textRect = QRectF(lineRect.left(), lineRect.top(), std::min(room, metrics.horizontalAdvance(layout.m_text)), line);
	return layout;
}


void ReportFooterFrame::draw(QPainter * painter, const QRectF & frame) {
	QPaintDevice * device = painter->device();
	const double line = lineSpacing(device);
	const TextLayout layout = textLayout(device, frame);
	painter->save();
	painter->setFont(m_textDocument->defaultFont());
	QPen pen = painter->pen();
	pen.setWidthF(ruleWidth(device));
	painter->setPen(pen);
	const double y = frame.bottom() - line - 0.1 * line;
	painter->drawLine(QPointF(frame.left(), y), QPointF(frame.right(), y));
	painter->drawText(layout.m_textRect, Qt::AlignLeft | Qt::AlignVCenter, layout.m_text);
	if (m_pageNumbersVisible)
		painter->drawText(layout.m_pageNumberRect, Qt::AlignRight | Qt::AlignVCenter, layout.m_pageNumber);
	painter->restore();
}

} // namespace QtExt
