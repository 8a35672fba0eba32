#include "QtExt_TextFrame.h"
#include "QtExt_LineBreaks.h"
#include "QtExt_TextFrameInformations.h"

#include <algorithm>
#include <map>
#include <set>

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
	// the empty blocks the document keeps around a table report tops inside the table:
	// a break of the text outside tables within a table moves to the table's bottom
	std::vector<std::pair<double, double>> tables;
	for (QTextBlock b = m_textDocument->begin(); b.isValid(); b = b.next())
		if (QTextTable * table = QTextCursor(b).currentTable()) {
			const QRectF r = layout->frameBoundingRect(table);
			tables.emplace_back(r.top(), r.bottom());
		}
	auto outsideTables = [&tables](double y) {
		for (const auto & t : tables)
			if (t.first + 0.5 < y && y < t.second - 0.5)
				return t.second;
		return y;
	};
	for (QTextBlock b = m_textDocument->begin(); b.isValid(); b = b.next()) {
		const QTextLayout * lines = b.layout();
		if (lines == nullptr)
			continue;
		const QTextCursor cursor(b);
		if (QTextTable * table = cursor.currentTable()) {
			// the first block of a row's first cell stands for the row: the break lies above
			// its padding and the borders between the rows (which both parts draw)
			const QTextTableCell cell = table->cellAt(cursor);
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
			breaks.push_back(outsideTables(origin + lines->lineAt(i).y()));
	}
	// nothing above the first line or row
	std::sort(breaks.begin(), breaks.end());
	breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
	if (!breaks.empty())
		breaks.erase(breaks.begin());
	return breaks;
}


std::vector<TextFrame::BlockLines> TextFrame::blockLines() const {
	std::vector<BlockLines> list;
	QAbstractTextDocumentLayout * layout = m_textDocument->documentLayout();
	for (QTextBlock b = m_textDocument->begin(); b.isValid(); b = b.next()) {
		const QTextLayout * lines = b.layout();
		if (lines == nullptr)
			continue;
		const QPointF origin = layout->blockBoundingRect(b).topLeft() - lines->boundingRect().topLeft();
		BlockLines bl{ b, origin, origin.y(), origin.y(), origin.y() };
		if (lines->lineCount() > 0) {
			const QTextLine last = lines->lineAt(lines->lineCount() - 1);
			bl.m_top = origin.y() + lines->lineAt(0).y();
			bl.m_lastTop = origin.y() + last.y();
			bl.m_bottom = bl.m_lastTop + last.height();
		}
		list.push_back(bl);
	}
	return list;
}


std::vector<double> TextFrame::rowLineBreaks(QPaintDevice * device, double width) {
	std::vector<double> breaks;
	if (frameRect(device, width).isNull())
		return breaks;
	typedef std::pair<const QTextTable *, int> RowKey;
	std::map<RowKey, std::vector<std::pair<double, double>>> rows;
	std::set<RowKey> spanned;
	for (const BlockLines & bl : blockLines()) {
		const QTextCursor cursor(bl.m_block);
		const QTextTable * table = cursor.currentTable();
		if (table == nullptr)
			continue;
		const QTextTableCell cell = table->cellAt(cursor);
		const RowKey key(table, cell.row());
		if (cell.rowSpan() > 1)
			spanned.insert(key);
		const QTextLayout * lines = bl.m_block.layout();
		for (int i = 0; i < lines->lineCount(); ++i) {
			const double top = bl.m_origin.y() + lines->lineAt(i).y();
			rows[key].emplace_back(top, top + lines->lineAt(i).height());
		}
	}
	for (const auto & row : rows)
		if (spanned.count(row.first) == 0)
			LineBreaks::addRowBreaks(row.second, breaks);
	LineBreaks::sortUnique(breaks);
	return breaks;
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
	// piece (list numbers, table borders and padding). The layout also draws the last line
	// above its clip rectangle in a block the clip cuts and a line that reaches into it from
	// above, which a PDF would hold as hidden text: its clip starts below such lines, and the
	// blocks it leaves out then are drawn line by line, each line in the part it starts in.
	const double eps = 0.5;
	const std::vector<BlockLines> blocks = blockLines();
	double clipTop = from + 1;
	bool cut = false;
	for (const BlockLines & bl : blocks) {
		// empty blocks (those the document keeps around a table) draw nothing
		if (bl.m_block.text().isEmpty())
			continue;
		if (bl.m_lastTop < from - eps)
			clipTop = std::max(clipTop, bl.m_bottom + 1);
		else if (bl.m_top < from - eps) {
			clipTop = std::max(clipTop, bl.m_bottom + 1);
			cut = true;
		}
	}
	// beside a cut block (a row of a table): every block that starts above the clip
	for (bool grown = cut; grown;) {
		grown = false;
		for (const BlockLines & bl : blocks) {
			if (!bl.m_block.text().isEmpty() && bl.m_top < clipTop && bl.m_bottom + 1 > clipTop) {
				clipTop = bl.m_bottom + 1;
				grown = true;
			}
		}
	}
	QAbstractTextDocumentLayout * layout = m_textDocument->documentLayout();
	QAbstractTextDocumentLayout::PaintContext context;
	context.palette.setColor(QPalette::Text, painter->pen().color());
	// below: the layout also draws the first line under its clip in a table cell the clip
	// nears, so the clip ends just below the top of the part's last line
	double lastTop = -1;
	for (const BlockLines & bl : blocks) {
		const QTextLayout * lines = bl.m_block.layout();
		for (int i = 0; i < lines->lineCount(); ++i) {
			const double y = bl.m_origin.y() + lines->lineAt(i).y();
			if (y >= from - eps && y < to - eps)
				lastTop = std::max(lastTop, y);
		}
	}
	// (still a band below the clip's top: the borders of a cut row's cells are drawn with it)
	const double clipBottom = std::min(bottom - 1, std::max(lastTop, clipTop) + 1);
	context.clip = QRectF(0, clipTop, size.width(), std::max(0.0, clipBottom - clipTop));
	if (context.clip.height() > 0)
		layout->draw(painter, context);
	for (const BlockLines & bl : blocks) {
		if (bl.m_bottom + 1 > clipTop || bl.m_lastTop < from - eps)
			continue;
		const QTextLayout * lines = bl.m_block.layout();
		for (int i = 0; i < lines->lineCount(); ++i) {
			const QTextLine line = lines->lineAt(i);
			const double y = bl.m_origin.y() + line.y();
			if (y >= from - eps && y < to - eps)
				line.draw(painter, bl.m_origin);
		}
	}
	painter->restore();
}

} // namespace QtExt
