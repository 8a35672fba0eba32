#include "QtExt_ReportBlockFrame.h"

#include <algorithm>
#include <limits>

#include <QPainter>

#include "QtExt_Table.h"
#include "QtExt_TextFrame.h"

namespace QtExt {

namespace {

/*! Half a device pixel: positions that meet at a block, line or row edge. */
const double EPS = 0.5;

} // namespace


ReportBlockFrame::ReportBlockFrame(Report * report, QTextDocument * textDocument) :
	ReportFrameBase(report, textDocument)
{
}


void ReportBlockFrame::update(QPaintDevice * device, double width) {
	m_blocks.clear();
	m_bottomSpace = 0;
	m_device = device;
	m_width = width;
	m_deviceFactor = Table::deviceFactorFor(device);
	if (hasContent())
		layoutBlocks();
	m_frameRect = QRectF(0, 0, width, m_blocks.empty() ? 0 : m_blocks.back().bottom() + m_bottomSpace);
}


double ReportBlockFrame::nextTop(double spaceAbove) const {
	return (m_blocks.empty() ? 0 : m_blocks.back().bottom()) + spaceAbove;
}


void ReportBlockFrame::placeText(TextFrame * block, const QString & html, double spaceAbove) {
	block->setText(html);
	block->setBackgroundColor(Qt::white);
	const QRectF r = block->frameRect(m_device, m_width);
	if (r.height() <= 0)
		return;
	const double top = nextTop(spaceAbove);
	m_blocks.push_back(Block{ block, nullptr, top, r });
}


void ReportBlockFrame::placeTable(Table * table, double spaceAbove, double tableWidth) {
	const QRectF r = table->tableRect(m_device, tableWidth > 0 ? tableWidth : m_width);
	const double top = nextTop(spaceAbove);
	m_blocks.push_back(Block{ nullptr, table, top, r });
}


void ReportBlockFrame::draw(QPainter * painter, const QRectF & frame) {
	for (const Block & b : m_blocks) {
		const double y = frame.top() + b.m_top;
		if (b.m_text != nullptr)
			b.m_text->drawFrame(painter, QPointF(frame.left(), y), m_width);
		else
			b.m_table->drawTable(painter, QPointF(frame.left() + b.m_rect.left(), y));
	}
}


std::vector<double> ReportBlockFrame::innerBreaks(const Block & b) const {
	if (b.m_text != nullptr)
		return b.m_text->lineBreaks(m_device, m_width);
	return b.m_table->rowBreaks();
}


std::vector<double> ReportBlockFrame::breakPositions() const {
	std::vector<double> breaks;
	for (size_t i = 0; i < m_blocks.size(); ++i) {
		const Block & b = m_blocks[i];
		const std::vector<double> inner = innerBreaks(b);
		for (double y : inner)
			breaks.push_back(b.m_top + y);
		// after a block with content of its own: not after a heading
		const bool content = b.m_table != nullptr || !inner.empty();
		if (content && i + 1 < m_blocks.size())
			breaks.push_back(b.bottom());
	}
	std::sort(breaks.begin(), breaks.end());
	return breaks;
}


std::vector<double> ReportBlockFrame::lineBreaks() const {
	std::vector<double> breaks;
	for (const Block & b : m_blocks) {
		const std::vector<double> inner = b.m_text != nullptr ? b.m_text->rowLineBreaks(m_device, m_width)
															  : b.m_table->lineBreaks();
		for (double y : inner)
			breaks.push_back(b.m_top + y);
	}
	std::sort(breaks.begin(), breaks.end());
	return breaks;
}


double ReportBlockFrame::contentBottom() const {
	if (m_blocks.empty())
		return 0;
	const Block & b = m_blocks.back();
	return b.m_table != nullptr ? b.m_top + b.m_table->contentBottom() : b.bottom();
}


const ReportBlockFrame::Block * ReportBlockFrame::blockAround(double y) const {
	for (const Block & b : m_blocks)
		if (b.m_top + EPS < y && y < b.bottom() - EPS)
			return &b;
	return nullptr;
}


double ReportBlockFrame::repeatedHeight(double from) const {
	const Block * b = blockAround(from);
	return b != nullptr && b->m_table != nullptr ? b->m_table->headerHeight() : 0;
}


void ReportBlockFrame::drawPart(QPainter * painter, const QRectF & rect, double from, double to) {
	// frame position -> page position of everything below from
	const double shift = rect.top() - from + repeatedHeight(from);
	for (const Block & b : m_blocks) {
		if (b.bottom() <= from + EPS || b.m_top >= to - EPS)
			continue;
		drawBlockPart(painter, b, rect, from, to, shift);
	}
}


void ReportBlockFrame::drawBlockPart(QPainter * painter, const Block & b, const QRectF & rect,
									 double from, double to, double shift)
{
	const bool whole = b.m_top >= from - EPS && b.bottom() <= to + EPS;
	const double x = rect.left() + (b.m_text != nullptr ? 0 : b.m_rect.left());
	if (whole) {
		const QPointF pos(x, b.m_top + shift);
		if (b.m_text != nullptr)
			b.m_text->drawFrame(painter, pos, m_width);
		else
			b.m_table->drawTable(painter, pos);
		return;
	}
	// a block cut at the part's top starts at the top of the part
	const double start = std::max(from, b.m_top) - b.m_top;
	// the rest of the block: a table's grid reaches past its measured height by its spacing
	const double end = to >= b.bottom() - EPS ? std::numeric_limits<double>::max() : to - b.m_top;
	const QPointF pos(x, b.m_top < from ? rect.top() : b.m_top + shift);
	if (b.m_text != nullptr)
		b.m_text->drawPart(painter, pos, m_width, start, end);
	else
		b.m_table->drawRows(painter, pos, start, end);
}


std::vector<Table *> ReportBlockFrame::tables() const {
	std::vector<Table *> list;
	for (const Block & b : m_blocks)
		if (b.m_table != nullptr)
			list.push_back(b.m_table);
	return list;
}


QStringList ReportBlockFrame::texts() const {
	QStringList list;
	for (const Block & b : m_blocks)
		if (b.m_text != nullptr)
			list << b.m_text->text();
	return list;
}

} // namespace QtExt
