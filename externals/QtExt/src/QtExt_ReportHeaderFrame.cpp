#include "QtExt_ReportHeaderFrame.h"

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


void ReportHeaderFrame::draw(QPainter * painter, const QRectF & frame) {
	QPaintDevice * device = painter->device();
	const double line = lineSpacing(device);
	const QRectF textRect(frame.left(), frame.top(), frame.width(), line);
	painter->save();
	painter->setFont(m_textDocument->defaultFont());
	painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, m_headerText);
	painter->drawText(textRect, Qt::AlignRight | Qt::AlignVCenter, m_headerText2);
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
