#include "QtExt_TextFrame.h"
#include "QtExt_TextFrameInformations.h"

#include <algorithm>

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>
#include <QTextCursor>

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
	TextFrameInformations::useReportWrap(m_textDocument);
	m_textDocument->setHtml(html);
	return QRectF(0, 0, m_textDocument->idealWidth(), m_textDocument->documentLayout()->documentSize().height());
}


void TextFrame::prepareDrawing(QPainter * painter, double width) {
	m_textDocument->documentLayout()->setPaintDevice(painter->device());
	m_textDocument->setTextWidth(width);
	m_textDocument->setDocumentMargin(0);
	TextFrameInformations::useReportWrap(m_textDocument);
	m_textDocument->setHtml(m_text);
	// the background goes under the whole text once: an opaque background behind each line
	// would paint over the descenders of the line above wherever a line reaches higher
	painter->setBackgroundMode(Qt::TransparentMode);
	painter->setPen(m_textColor);
}


void TextFrame::fillBackground(QPainter * painter, const QRectF & rect) const {
	if (m_backgroundColor.alpha() > 0)
		painter->fillRect(rect, m_backgroundColor);
}


void TextFrame::drawFrame(QPainter * painter, const QPointF & pos, double width) {
	if (painter == nullptr || painter->device() == nullptr)
		return;
	painter->save();
	prepareDrawing(painter, width);
	painter->translate(pos);
	fillBackground(painter, QRectF(QPointF(0, 0), m_textDocument->size()));
	m_textDocument->drawContents(painter);
	painter->restore();
}


std::vector<double> TextFrame::lineBreaks(QPaintDevice * device, double width) {
	std::vector<double> breaks;
	if (frameRect(device, width).isNull())
		return breaks;
	QAbstractTextDocumentLayout * layout = m_textDocument->documentLayout();
	// the bottom of the last table: the block the document keeps after a table reports a
	// top inside the table's last row
	double tableBottom = 0;
	for (QTextBlock b = m_textDocument->begin(); b.isValid(); b = b.next()) {
		const QTextLayout * lines = b.layout();
		if (lines == nullptr)
			continue;
		const QTextCursor cursor(b);
		if (QTextTable * table = cursor.currentTable()) {
			// the first block of a row's first cell stands for the row: the break lies above
			// its padding and the borders between the rows (which both parts draw)
			const QTextTableCell cell = table->cellAt(cursor);
			tableBottom = std::max(tableBottom, layout->frameBoundingRect(table).bottom());
			if (cell.column() != 0 || cell.firstPosition() != b.position())
				continue;
			const QTextTableFormat format = table->format();
			const double unit = device->logicalDpiY() / 96.0;
			breaks.push_back(layout->blockBoundingRect(b).top() - (format.cellPadding() + 2 * format.border()) * unit);
			continue;
		}
		const double origin = layout->blockBoundingRect(b).top() - lines->boundingRect().top();
		// a line may reach into the next one (leading below 0): break at line tops
		for (int i = 0; i < lines->lineCount(); ++i)
			breaks.push_back(std::max(tableBottom, origin + lines->lineAt(i).y()));
	}
	// nothing above the first line or row
	std::sort(breaks.begin(), breaks.end());
	breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
	if (!breaks.empty())
		breaks.erase(breaks.begin());
	return breaks;
}


QTextBlock TextFrame::blockCutAt(double y) const {
	const double eps = 0.5;
	QAbstractTextDocumentLayout * layout = m_textDocument->documentLayout();
	for (QTextBlock b = m_textDocument->begin(); b.isValid(); b = b.next()) {
		const QRectF r = layout->blockBoundingRect(b);
		if (r.top() < y - eps && r.bottom() > y + eps && b.layout() != nullptr && b.layout()->lineCount() > 1)
			return b;
	}
	return QTextBlock();
}


double TextFrame::tableBorderReach(QPaintDevice * device) const {
	double border = 0;
	for (QTextBlock b = m_textDocument->begin(); b.isValid(); b = b.next())
		if (const QTextTable * table = QTextCursor(b).currentTable())
			border = std::max(border, table->format().border());
	return 2 * border * device->logicalDpiY() / 96.0;
}


void TextFrame::drawPart(QPainter * painter, const QPointF & pos, double width, double from, double to) {
	if (painter == nullptr || painter->device() == nullptr || to <= from)
		return;
	painter->save();
	prepareDrawing(painter, width);
	const QSizeF size = m_textDocument->size();
	const double bottom = std::min(to, size.height());
	const QRectF part(0, from, size.width(), std::max(0.0, bottom - from));
	painter->translate(pos.x(), pos.y() - from);
	fillBackground(painter, part);
	// the borders below the last table row of the part reach past it: drawn on both pages
	painter->setClipRect(part.adjusted(0, 0, 0, tableBorderReach(painter->device())), Qt::IntersectClip);

	// The whole document clipped to the part, so that it looks as the text printed in one
	// piece (list numbers, table borders and padding). The layout also draws the lines next
	// to its clip rectangle, which a PDF would hold as hidden text: a block cut at the top
	// of the part is left to the line-by-line pass below, and the layout's clip starts
	// below it and ends above the line that starts the next part.
	const double eps = 0.5;
	QAbstractTextDocumentLayout * layout = m_textDocument->documentLayout();
	const QTextBlock cut = blockCutAt(from);
	const double top = cut.isValid() ? layout->blockBoundingRect(cut).bottom() : from;
	QAbstractTextDocumentLayout::PaintContext context;
	context.palette.setColor(QPalette::Text, painter->pen().color());
	context.clip = QRectF(0, top + 1, size.width(), std::max(0.0, bottom - 1 - top - 1));
	if (context.clip.height() > 0)
		layout->draw(painter, context);
	if (cut.isValid()) {
		const QTextLayout * lines = cut.layout();
		const QPointF origin = layout->blockBoundingRect(cut).topLeft() - lines->boundingRect().topLeft();
		for (int i = 0; i < lines->lineCount(); ++i) {
			const QTextLine line = lines->lineAt(i);
			// each line belongs to the part in which it starts
			const double y = origin.y() + line.y();
			if (y >= from - eps && y < to - eps)
				line.draw(painter, origin);
		}
	}
	painter->restore();
}

} // namespace QtExt
