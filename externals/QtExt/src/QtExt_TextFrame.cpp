#include "QtExt_TextFrame.h"
#include "QtExt_TextFrameInformations.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>

namespace QtExt {

TextFrame::TextFrame(QTextDocument * textDocument, QObject * parent) :
	QObject(parent),
	m_textDocument(textDocument),
	m_ownDocument(textDocument == nullptr),
	m_backgroundColor(Qt::transparent),
	m_textColor(Qt::black)
{
	if (m_ownDocument)
		m_textDocument = new QTextDocument;
}


TextFrame::~TextFrame() {
	if (m_ownDocument)
		delete m_textDocument;
}


void TextFrame::setText(const QString & html) {
	m_text = html;
	emit changed();
}


void TextFrame::setDefaultFont(const QFont & font) {
	m_textDocument->setDefaultFont(font);
}


QRectF TextFrame::frameRect(QPaintDevice * device, double width) {
	if (device == nullptr)
		return QRectF();
	if (width <= 0)
		width = device->width();
	m_textDocument->documentLayout()->setPaintDevice(device);
	return measureText(m_text, width);
}


QRectF TextFrame::measureText(const QString & html, double width) const {
	if (html.isEmpty())
		return QRectF();
	m_textDocument->setTextWidth(width);
	m_textDocument->setDocumentMargin(0);
	TextFrameInformations::useWordWrap(m_textDocument);
	m_textDocument->setHtml(html);
	return QRectF(0, 0, m_textDocument->idealWidth(), m_textDocument->documentLayout()->documentSize().height());
}


void TextFrame::drawFrame(QPainter * painter, const QPointF & pos, double width) {
	if (painter == nullptr || painter->device() == nullptr)
		return;
	m_textDocument->documentLayout()->setPaintDevice(painter->device());
	m_textDocument->setTextWidth(width);
	m_textDocument->setDocumentMargin(0);
	TextFrameInformations::useWordWrap(m_textDocument);
	m_textDocument->setHtml(m_text);
	painter->save();
	painter->setBackgroundMode(Qt::OpaqueMode);
	painter->setBackground(QBrush(m_backgroundColor));
	painter->setPen(m_textColor);
	painter->translate(pos);
	m_textDocument->drawContents(painter);
	painter->restore();
}

} // namespace QtExt
