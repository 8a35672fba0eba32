#include "QtExt_ReportHeaderFrame.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPainter>
#include <QTextDocument>

namespace QtExt {

ReportHeaderFrame::ReportHeaderFrame(Report * report, QTextDocument * textDocument) :
	ReportFrameBase(report, textDocument)
{
}


void ReportHeaderFrame::update(QPaintDevice * device, double width) {
	// one text line, a rule and half a line of space below it
	m_frameRect = QRectF(0, 0, width, 1.5 * lineSpacing(device));
}


ReportHeaderFrame::TextLayout ReportHeaderFrame::textLayout(QPaintDevice * device, const QRectF & frame) const {
	const QFontMetricsF metrics(m_textDocument->defaultFont(), device);
	const double line = metrics.lineSpacing();
	TextLayout layout;
	double room = frame.width();
	if (!m_headerText2.isEmpty()) {
		layout.m_text2 = metrics.elidedText(m_headerText2, Qt::ElideRight, frame.width()/2);
		const double w = std::min(frame.width()/2, metrics.horizontalAdvance(layout.m_text2));
		layout.m_text2Rect = QRectF(frame.right() - w, frame.top(), w, line);
		room = std::max(0.0, room - w - metrics.height());
	}
	layout.m_text = metrics.elidedText(m_headerText, Qt::ElideRight, room);
	layout.m_textRect = QRectF(frame.left(), frame.top(), std::min(room, metrics.horizontalAdvance(layout.m_text)), line);
	return layout;
}


void ReportHeaderFrame::draw(QPainter * painter, const QRectF & frame) {
	QPaintDevice * device = painter->device();
	const double line = lineSpacing(device);
	const QRectF textRect(frame.left(), frame.top(), frame.width(), line);
	const TextLayout layout = textLayout(device, frame);
	painter->save();
	painter->setFont(m_textDocument->defaultFont());
	painter->drawText(layout.m_textRect, Qt::AlignLeft | Qt::AlignVCenter, layout.m_text);
	if (!layout.m_text2.isEmpty())
		painter->drawText(layout.m_text2Rect, Qt::AlignRight | Qt::AlignVCenter, layout.m_text2);
	if (!m_logo.isNull()) {
		QSizeF logoSize = QSizeF(m_logo.size()).scaled(QSizeF(frame.width() / 3, line), Qt::KeepAspectRatio);
		QRectF logoRect(QPointF(0, 0), logoSize);
		logoRect.moveCenter(textRect.center());
		painter->drawPixmap(logoRect, m_logo, QRectF(m_logo.rect()));
	}
	QPen pen = painter->pen();
	pen.setWidthF(ruleWidth(device));
	painter->setPen(pen);
	const double y = frame.top() + 1.1 * line;
	painter->drawLine(QPointF(frame.left(), y), QPointF(frame.right(), y));
	painter->restore();
}

} // namespace QtExt
