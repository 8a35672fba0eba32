#include "QtExt_Table.h"

#include "QtExt_LineBreaks.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextLayout>

namespace QtExt {

Table::Table(QTextDocument * textDocument, QSize size, QObject * parent) :
	QObject(parent),
	m_textDocument(textDocument),
	m_ownDocument(textDocument == nullptr),
	m_backgroundColor(Qt::transparent),
	m_size(size)
{
	if (m_ownDocument)
		m_textDocument = new QTextDocument;
}


Table::~Table() {
	if (m_ownDocument)
		delete m_textDocument;
}


void Table::clear() {
	m_cells.clear();
	m_hLines.clear();
	m_vLines.clear();
	m_columns.clear();
	m_rowRecords.clear();
	m_spans.clear();
	m_cols = 0;
	m_rows = 0;
	m_margin = 2.0;
	m_spacing = 2.0;
	m_outerBorderWidth = 0;
	m_innerBorderWidth = 1.0;
	m_deviceFactor = 1.0;
	m_backgroundColor = Qt::transparent;
	m_size = QSize();
	m_headerRows = 0;
	m_textDocument->clear();
	invalidate();
}


void Table::setColRowCount(int cols, int rows) {
	if (cols == m_cols && rows == m_rows)
		return;
	m_cols = cols;
	m_rows = rows;
	const size_t c = static_cast<size_t>(cols);
	const size_t r = static_cast<size_t>(rows);
	m_cells.assign(c, std::vector<TableCell>(r, TableCell(m_innerBorderWidth)));
	m_hLines.assign(c, std::vector<BorderLine>(r + 1));
	m_vLines.assign(c + 1, std::vector<BorderLine>(r));
	m_columns.resize(c);
	m_rowRecords.assign(r, SizeRecord());
	for (SizeRecord & row : m_rowRecords)
		row.m_kind = Natural;
	invalidate();
}


TableCell & Table::cell(int col, int row) {
	Q_ASSERT_X(col < m_cols, "Table::cell", "col < m_cols");
	Q_ASSERT_X(row < m_rows, "Table::cell", "row < m_rows");
	invalidate();
	return at(col, row);
}


void Table::setCellText(int col, int row, const QString & html) {
	Q_ASSERT_X(col < m_cols, "Table::setCellText", "col < m_cols");
	Q_ASSERT_X(row < m_rows, "Table::setCellText", "row < m_rows");
	at(col, row).setText(html);
	invalidate();
	emit changed();
}


void Table::setColumnWidth(int col, int kind, double value) {
	Q_ASSERT_X(col < m_cols, "Table::setColumnWidth", "col < m_cols");
	if (kind != Natural && kind != Fixed)
		return;
	SizeRecord & rec = m_columns[static_cast<size_t>(col)];
	if (kind == rec.m_kind && kind != Fixed)
		return;
	rec.m_kind = kind;
	if (kind == Fixed)
		rec.m_fixed = value;
	invalidate();
	emit changed();
}


void Table::setRowMargins(int row, double top, double bottom) {
	Q_ASSERT_X(row < m_rows, "Table::setRowMargins", "row < m_rows");
	for (int c = 0; c < m_cols; ++c) {
		TableCell & cl = at(c, row);
		if (top >= 0)
			cl.m_marginTop = top;
		if (bottom >= 0)
			cl.m_marginBottom = bottom;
	}
}


template <typename T>
void Table::assignChanged(T & member, const T & value) {
	if (member == value)
		return;
	member = value;
	invalidate();
	emit changed();
}


void Table::setMargin(double margin) {
	assignChanged(m_margin, margin);
}


void Table::setSpacing(double spacing) {
	assignChanged(m_spacing, spacing);
}


void Table::setOuterBorderWidth(double width) {
	Q_ASSERT_X(width >= 0, "Table::setOuterBorderWidth", "width >= 0");
	assignChanged(m_outerBorderWidth, width);
}


void Table::setInnerBorderWidth(double width) {
	Q_ASSERT_X(width >= 0, "Table::setInnerBorderWidth", "width >= 0");
	if (width == m_innerBorderWidth)
		return;
	m_innerBorderWidth = width;
	invalidate();
	for (std::vector<TableCell> & column : m_cells)
		for (TableCell & c : column)
			c.setBorderWidth(TableCell::AllBorders, width);
	emit changed();
}


void Table::setBackgroundColor(const QColor & color, bool allCells) {
	m_backgroundColor = color;
	if (!allCells)
		return;
	for (std::vector<TableCell> & column : m_cells)
		for (TableCell & c : column)
			c.m_backgroundColor = color;
}


void Table::setSize(QSize size) {
	assignChanged(m_size, size);
}


void Table::setBorderRect(int col1, int col2, int row1, int row2, int width) {
	Q_ASSERT_X(col1 < m_cols && col2 < m_cols, "Table::setBorderRect", "col < m_cols");
	Q_ASSERT_X(row1 < m_rows && row2 < m_rows, "Table::setBorderRect", "row < m_rows");
	const double w = width;
	for (int r = row1; r <= row2; ++r) {
		at(col1, r).m_borderLeft = w;
		at(col2, r).m_borderRight = w;
	}
	for (int c = col1; c <= col2; ++c) {
		at(c, row1).m_borderTop = w;
		at(c, row2).m_borderBottom = w;
	}
	invalidate();
}


bool Table::mergeCells(int col, int row, int numCols, int numRows) {
	Q_ASSERT_X(numCols > 1 || numRows > 1, "Table::mergeCells", "numCols > 1 || numRows > 1");
	if (col < 0 || row < 0 || col + numCols > m_cols || row + numRows > m_rows)
		return false;
	for (int c = col; c < col + numCols; ++c)
		for (int r = row; r < row + numRows; ++r)
			if (at(c, r).m_merged != 0)
				return false;
	for (int c = col; c < col + numCols; ++c)
		for (int r = row; r < row + numRows; ++r)
			at(c, r).m_merged = 1;
	Span s;
	s.m_col1 = static_cast<unsigned>(col);
	s.m_row1 = static_cast<unsigned>(row);
	s.m_col2 = static_cast<unsigned>(col + numCols - 1);
	s.m_row2 = static_cast<unsigned>(row + numRows - 1);
	m_spans.push_back(s);
	invalidate();
	return true;
}


int Table::spanIndex(int col, int row) const {
	Q_ASSERT_X(col < m_cols, "Table::spanIndex", "col < m_cols");
	Q_ASSERT_X(row < m_rows, "Table::spanIndex", "row < m_rows");
	const unsigned c = static_cast<unsigned>(col);
	const unsigned r = static_cast<unsigned>(row);
	for (size_t i = 0; i < m_spans.size(); ++i) {
		const Span & s = m_spans[i];
		if (s.m_col1 <= c && c <= s.m_col2 && s.m_row1 <= r && r <= s.m_row2)
			return static_cast<int>(i);
	}
	return -1;
}


QRectF Table::tableRect(QPaintDevice * device, double width) {
	if (device == nullptr)
		return QRectF();
	if (width <= 0)
		width = device->width();
	m_size = QSize(static_cast<int>(width), -1);
	layoutTable(device);
	if (m_cols == 0 || m_rows == 0)
		return QRectF();
	const QRectF first = at(0, 0).m_cellRect;
	const QRectF last = at(m_cols - 1, m_rows - 1).m_cellRect;
	return QRectF(0, 0, last.right() - first.left(), last.bottom() - first.top());
}


double Table::deviceFactorFor(QPaintDevice * device) {
	int screenDpi = 96;
	if (const QScreen * screen = QGuiApplication::primaryScreen())
		screenDpi = static_cast<int>(screen->logicalDotsPerInchX());
	if (device == nullptr || screenDpi <= 0)
		return 1.0;
	// a device coarser than the screen still needs visible borders and margins
	return std::max(1, device->logicalDpiX() / screenDpi);
}


double Table::extent(const std::vector<SizeRecord> & records, unsigned first, unsigned last) {
	double sum = 0;
	for (unsigned i = first; i <= last; ++i)
		sum += records[i].m_width;
	return sum;
}


std::vector<double> Table::naturalColumnWidths() {
	const double f = m_deviceFactor;
	std::vector<double> natural(static_cast<size_t>(m_cols), 0.0);
	for (int c = 0; c < m_cols; ++c) {
		double content = 0;
		double marginSum = 0;
		for (int r = 0; r < m_rows; ++r) {
			TableCell & cl = at(c, r);
			if (cl.m_merged)
				continue;
			content = std::max(content, scaledTextSize(cl, -1).width());
			marginSum = std::max(marginSum, cl.m_marginLeft + cl.m_marginRight);
		}
		const SizeRecord & rec = m_columns[static_cast<size_t>(c)];
		if (rec.m_kind == Fixed)
			content = rec.m_fixed;
		natural[static_cast<size_t>(c)] = content + (2 * m_margin + marginSum) * f;
	}
	// spans widen their columns equally when their text needs more room
	for (const Span & s : m_spans) {
		TableCell & first = at(int(s.m_col1), int(s.m_row1));
		const double needed = scaledTextSize(first, -1).width()
				+ (first.m_marginLeft + at(int(s.m_col2), int(s.m_row1)).m_marginRight + 2 * m_margin) * f;
		double sum = 0;
		for (unsigned c = s.m_col1; c <= s.m_col2; ++c)
			sum += natural[c];
		if (sum < needed) {
			const double share = (needed - sum) / (s.m_col2 - s.m_col1 + 1);
			for (unsigned c = s.m_col1; c <= s.m_col2; ++c)
				natural[c] += share;
		}
	}
	return natural;
}


void Table::distributeWidths(const std::vector<double> & natural) {
	const double f = m_deviceFactor;
	const double available = m_size.width() - 2 * m_spacing * f;
	Q_ASSERT_X(available > 0, "Table::layoutTable", "tablewidth > 0");
	const double sum = std::accumulate(natural.begin(), natural.end(), 0.0);
	const size_t n = natural.size();
	if (available >= sum) {
		const double share = (available - sum) / n;
		for (size_t c = 0; c < n; ++c) {
			SizeRecord & rec = m_columns[c];
			if (rec.m_kind == Natural)
				rec.m_width = natural[c];
			else if (rec.m_kind == Fixed)
				rec.m_width = rec.m_fixed;
			else
				rec.m_width = natural[c] + share;
		}
		return;
	}
	// Narrow: cap the widest columns at a common width so that the table fits.
	std::vector<double> sorted(natural);
	std::sort(sorted.begin(), sorted.end(), std::greater<double>());
	const double excess = sum - available;
	double cap = available / n;
	double reduced = 0;
	for (size_t i = 1; i < n; ++i) {
		reduced += sorted[0] - sorted[i];
		if (reduced >= excess) {
			const double rest = std::accumulate(sorted.begin() + static_cast<std::ptrdiff_t>(i), sorted.end(), 0.0);
			cap = (available - rest) / i;
			break;
		}
	}
	for (size_t c = 0; c < n; ++c)
		m_columns[c].m_width = std::min(natural[c], cap);
}


QSizeF Table::scaledTextSize(TableCell & c, double width) const {
	if (width < 0)
		return c.textSize(-1) * m_textScale;
	return c.textSize(width / m_textScale) * m_textScale;
}


void Table::columnWordWidths(std::vector<double> & words, std::vector<double> & padding) const {
	const double f = m_deviceFactor;
	words.assign(static_cast<size_t>(m_cols), 0.0);
	padding.assign(static_cast<size_t>(m_cols), 0.0);
	for (int c = 0; c < m_cols; ++c) {
		double marginSum = 0;
		for (int r = 0; r < m_rows; ++r) {
			const TableCell & cl = at(c, r);
			if (cl.m_merged)
				continue;
			words[size_t(c)] = std::max(words[size_t(c)], cl.wordWidth());
			marginSum = std::max(marginSum, cl.m_marginLeft + cl.m_marginRight);
		}
		padding[size_t(c)] = (2 * m_margin + marginSum) * f;
	}
	// a span's widest word needs room over its columns together
	for (const Span & s : m_spans) {
		const TableCell & first = spanFirst(s);
		const double pad = (first.m_marginLeft + at(int(s.m_col2), int(s.m_row1)).m_marginRight + 2 * m_margin) * f;
		double sum = 0;
		for (unsigned c = s.m_col1; c <= s.m_col2; ++c)
			sum += words[c] + padding[c];
		const double shortfall = first.wordWidth() + pad - sum;
		if (shortfall > 0)
			for (unsigned c = s.m_col1; c <= s.m_col2; ++c)
				words[c] += shortfall / (s.m_col2 - s.m_col1 + 1);
	}
}


void Table::fitWordWidths() {
	const double available = m_size.width() - 2 * m_spacing * m_deviceFactor;
	const size_t n = static_cast<size_t>(m_cols);
	std::vector<double> words;
	std::vector<double> padding;
	columnWordWidths(words, padding);
	// columns without text need nothing; the others their padding and one pixel for the
	// integer inner rectangles
	double wordSum = 0;
	double paddingSum = 0;
	double texts = 0;
	for (size_t c = 0; c < n; ++c) {
		if (words[c] <= 0)
			continue;
		wordSum += words[c];
		paddingSum += padding[c];
		texts += 1;
	}
	if (wordSum > 0 && wordSum + paddingSum + texts > available)
		m_textScale = std::max(0.05, (available - paddingSum - 2 * texts) / wordSum);
	std::vector<double> minimum(n, 0.0);
	double total = 0;
	double slack = 0;
	for (size_t c = 0; c < n; ++c) {
		if (words[c] > 0)
			minimum[c] = std::ceil(words[c] * m_textScale) + 1 + padding[c];
		double & w = m_columns[c].m_width;
		w = std::max(w, minimum[c]);
		total += w;
		slack += w - minimum[c];
	}
	const double excess = total - available;
	if (excess <= 0 || slack <= 0)
		return;
	const double share = std::min(1.0, excess / slack);
	for (size_t c = 0; c < n; ++c)
		m_columns[c].m_width -= (m_columns[c].m_width - minimum[c]) * share;
}


void Table::layoutRows() {
	const double f = m_deviceFactor;
	std::vector<double> natural(static_cast<size_t>(m_rows), 0.0);
	for (int r = 0; r < m_rows; ++r) {
		double textHeight = 0;
		double marginSum = 0;
		for (int c = 0; c < m_cols; ++c) {
			TableCell & cl = at(c, r);
			if (cl.m_merged)
				continue;
			const double w = columnWidth(c) - (cl.m_marginLeft + cl.m_marginRight + 2 * m_margin) * f;
			textHeight = std::max(textHeight, scaledTextSize(cl, w).height());
			marginSum = std::max(marginSum, cl.m_marginTop + cl.m_marginBottom);
		}
		natural[static_cast<size_t>(r)] = textHeight + (2 * m_margin + marginSum) * f;
	}
	for (Span & s : m_spans) {
		TableCell & first = at(int(s.m_col1), int(s.m_row1));
		const double width = extent(m_columns, s.m_col1, s.m_col2);
		const double padding = first.m_marginLeft + at(int(s.m_col2), int(s.m_row1)).m_marginRight + 2 * m_margin;
		const double needed = scaledTextSize(first, width - padding * f).height()
				+ (2 * m_margin + first.m_marginTop + at(int(s.m_col1), int(s.m_row2)).m_marginBottom) * f;
		double sum = 0;
		for (unsigned r = s.m_row1; r <= s.m_row2; ++r)
			sum += natural[r];
		if (sum < needed) {
			const double share = (needed - sum) / (s.m_row2 - s.m_row1 + 1);
			for (unsigned r = s.m_row1; r <= s.m_row2; ++r)
				natural[r] += share;
			sum = needed;
		}
		s.m_rect = QRectF(0, 0, width, sum);
	}
	const double available = std::max(0.0, m_size.height() - 2 * m_spacing * f);
	const double sum = std::accumulate(natural.begin(), natural.end(), 0.0);
	const double share = std::max(0.0, available - sum) / std::max(1, m_rows);
	double total = 0;
	for (size_t r = 0; r < natural.size(); ++r) {
		SizeRecord & rec = m_rowRecords[r];
		if (rec.m_kind == Fixed)
			rec.m_width = rec.m_fixed;
		else if (rec.m_kind == Natural)
			rec.m_width = natural[r];
		else
			rec.m_width = natural[r] + share;
		total += rec.m_width;
	}
	m_size.setHeight(static_cast<int>(2 * m_spacing * f + total));
}


void Table::placeCells() {
	const double f = m_deviceFactor;
	const double start = m_spacing * f;
	double x = start;
	for (int c = 0; c < m_cols; ++c) {
		double y = start;
		for (int r = 0; r < m_rows; ++r) {
			TableCell & cl = at(c, r);
			cl.m_cellRect = QRectF(x, y, columnWidth(c), rowHeight(r));
			cl.m_innerRect = QRectF(int(x + (cl.m_marginLeft + m_margin) * f),
									int(y + (cl.m_marginTop + m_margin) * f),
									int(cl.m_cellRect.width() - (cl.m_marginLeft + cl.m_marginRight + 2 * m_margin) * f),
									int(cl.m_cellRect.height() - (cl.m_marginTop + cl.m_marginBottom + 2 * m_margin) * f));
			y += rowHeight(r);
		}
		x += columnWidth(c);
	}
	for (Span & s : m_spans) {
		const TableCell & first = spanFirst(s);
		const double w = extent(m_columns, s.m_col1, s.m_col2);
		const double h = extent(m_rowRecords, s.m_row1, s.m_row2);
		s.m_rect = QRectF(first.m_cellRect.topLeft(), QSizeF(w, h));
		const double right = at(int(s.m_col2), int(s.m_row1)).m_marginRight;
		const double bottom = at(int(s.m_col1), int(s.m_row2)).m_marginBottom;
		s.m_innerRect = QRectF(s.m_rect.x() + (first.m_marginLeft + m_margin) * f,
							   s.m_rect.y() + (first.m_marginTop + m_margin) * f,
							   w - (2 * m_margin + first.m_marginLeft + right) * f,
							   h - (2 * m_margin + first.m_marginTop + bottom) * f);
	}
	for (int c = 0; c < m_cols; ++c) {
		for (int r = 0; r < m_rows; ++r) {
			TableCell & cl = at(c, r);
			if (cl.m_merged)
				continue;
			cl.m_textRect = QRectF(cl.m_innerRect.topLeft(), scaledTextSize(cl, cl.m_innerRect.width()));
		}
	}
	for (Span & s : m_spans) {
		TableCell & first = at(int(s.m_col1), int(s.m_row1));
		s.m_textRect = QRectF(s.m_innerRect.topLeft(), scaledTextSize(first, s.m_innerRect.width()));
		first.m_textRect = s.m_textRect;
	}
}


void Table::placeBorderLines() {
	for (int c = 0; c < m_cols; ++c) {
		for (int r = 0; r < m_rows; ++r) {
			const TableCell & cl = at(c, r);
			const QRectF & rc = cl.m_cellRect;
			const int span = spanIndex(c, r);
			const Span * s = span >= 0 ? &m_spans[static_cast<size_t>(span)] : nullptr;

			BorderLine & top = m_hLines[static_cast<size_t>(c)][static_cast<size_t>(r)];
			top.m_line = QLineF(rc.topLeft(), rc.topRight());
			top.m_width = cl.m_borderTop;
			if (r > 0)
				top.m_width = std::max(top.m_width, at(c, r - 1).m_borderBottom);
			if (s != nullptr && unsigned(r) != s->m_row1)
				top.m_width = 0;

			BorderLine & left = m_vLines[static_cast<size_t>(c)][static_cast<size_t>(r)];
			left.m_line = QLineF(rc.topLeft(), rc.bottomLeft());
			left.m_width = cl.m_borderLeft;
			if (c > 0)
				left.m_width = std::max(left.m_width, at(c - 1, r).m_borderRight);
			if (s != nullptr && unsigned(c) != s->m_col1)
				left.m_width = 0;
		}
		const TableCell & last = at(c, m_rows - 1);
		BorderLine & bottom = m_hLines[static_cast<size_t>(c)][static_cast<size_t>(m_rows)];
		bottom.m_line = QLineF(last.m_cellRect.bottomLeft(), last.m_cellRect.bottomRight());
		bottom.m_width = last.m_borderBottom;
	}
	for (int r = 0; r < m_rows; ++r) {
		const TableCell & last = at(m_cols - 1, r);
		BorderLine & right = m_vLines[static_cast<size_t>(m_cols)][static_cast<size_t>(r)];
		right.m_line = QLineF(last.m_cellRect.topRight(), last.m_cellRect.bottomRight());
		right.m_width = last.m_borderRight;
	}
}


void Table::layoutTable(QPaintDevice * device) {
	if (m_valid)
		return;
	m_textDocument->documentLayout()->setPaintDevice(device);
	m_deviceFactor = deviceFactorFor(device);
	if (m_cols == 0 || m_rows == 0) {
		m_valid = true;
		return;
	}
	for (std::vector<TableCell> & column : m_cells) {
		for (TableCell & c : column) {
			// measured afresh: device and fonts may differ from the last layout
			c.m_textInfo = TextFrameInformations();
			if (!c.m_text.isEmpty())
				c.m_textInfo.setText(m_textDocument, c.m_text);
		}
	}
	m_textScale = 1.0;
	distributeWidths(naturalColumnWidths());
	fitWordWidths();
	layoutRows();
	placeCells();
	placeBorderLines();
	m_valid = true;
}


QPointF Table::cellTextOrigin(const TableCell & c, const QRectF & inner) const {
	const QSizeF textSize = c.m_textRect.size();
	double x = inner.left();
	double y = inner.top();
	if (c.m_alignment & Qt::AlignHCenter)
		x = inner.left() + (inner.width() - textSize.width()) / 2;
	else if (c.m_alignment & Qt::AlignRight)
		x = inner.right() - textSize.width();
	if (c.m_alignment & Qt::AlignBottom)
		y = inner.bottom() - textSize.height();
	else if (c.m_alignment & Qt::AlignVCenter)
		y = inner.top() + (inner.height() - textSize.height()) / 2;
	return QPointF(x, y);
}


QTextOption Table::prepareCellText(const TableCell & c) const {
	// the width as measured, in the unscaled text's pixels
	const double textWidth = c.m_textRect.width() / m_textScale + 1e-3;
	m_textDocument->setTextWidth(textWidth);
	m_textDocument->setDocumentMargin(0);
	m_textDocument->setHtml("<meta charset=\"utf-8\"/>" + c.m_text);
	const QTextOption previous = m_textDocument->defaultTextOption();
	QTextOption option = previous;
	option.setAlignment(c.m_alignment);
	// as measured: words break inside only where they are wider than the cell
	option.setWrapMode(textWidth < c.wordWidth() ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::WordWrap);
	m_textDocument->setDefaultTextOption(option);
	return previous;
}


namespace {

/*! Calls f(line, origin of its block, top of the line) for every laid-out line of a document. */
template <typename F>
void forEachLine(QTextDocument * doc, F f) {
	QAbstractTextDocumentLayout * layout = doc->documentLayout();
	for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
		const QTextLayout * lines = b.layout();
		if (lines == nullptr)
			continue;
		const QPointF origin = layout->blockBoundingRect(b).topLeft() - lines->boundingRect().topLeft();
		for (int i = 0; i < lines->lineCount(); ++i)
			f(lines->lineAt(i), origin, origin.y() + lines->lineAt(i).y());
	}
}

} // namespace


void Table::drawCellText(QPainter * painter, const TableCell & c, const QRectF & inner, const QPointF & pos,
						 double from, double to)
{
	const QPointF origin = cellTextOrigin(c, inner);
	const QTextOption previous = prepareCellText(c);
	painter->save();
	painter->translate(origin + pos);
	painter->scale(m_textScale, m_textScale);
	if (from < -1e29 && to > 1e29)
		m_textDocument->drawContents(painter);
	else {
		// only the lines of this part: a clipped line would still be text in a PDF
		const double eps = 0.5;
		painter->setPen(QPalette().color(QPalette::Text));
		forEachLine(m_textDocument, [&](const QTextLine & line, const QPointF & blockOrigin, double top) {
			const double y = origin.y() + top * m_textScale;
			if (y >= from - eps && y < to - eps)
				line.draw(painter, blockOrigin);
		});
	}
	painter->restore();
	m_textDocument->setDefaultTextOption(previous);
}


bool Table::rowLines(int row, std::vector<std::pair<double, double>> & lines) const {
	lines.clear();
	for (int c = 0; c < m_cols; ++c) {
		const TableCell * cell = &at(c, row);
		QRectF inner = cell->m_innerRect;
		const int span = spanIndex(c, row);
		if (span >= 0) {
			const Span & s = m_spans[size_t(span)];
			if (s.m_row1 != s.m_row2)
				return false;
			if (unsigned(c) != s.m_col1)
				continue;
			cell = &spanFirst(s);
			inner = s.m_innerRect;
		}
		if (cell->m_text.isEmpty())
			continue;
		const QPointF origin = cellTextOrigin(*cell, inner);
		const QTextOption previous = prepareCellText(*cell);
		forEachLine(m_textDocument, [&](const QTextLine & line, const QPointF &, double top) {
			lines.emplace_back(origin.y() + top * m_textScale, origin.y() + (top + line.height()) * m_textScale);
		});
		m_textDocument->setDefaultTextOption(previous);
	}
	return true;
}


std::vector<double> Table::lineBreaks() const {
	std::vector<double> breaks;
	std::vector<std::pair<double, double>> lines;
	for (int r = std::max(0, m_headerRows); r < m_rows; ++r)
		if (rowLines(r, lines))
			LineBreaks::addRowBreaks(lines, breaks);
	LineBreaks::sortUnique(breaks);
	return breaks;
}


void Table::layoutForPainter(QPainter * painter) {
	Q_ASSERT_X(painter != nullptr, "Table::drawTable", "painter != NULL");
	QPaintDevice * device = painter->device();
	Q_ASSERT_X(device != nullptr, "Table::drawTable", "device != NULL");
	if (m_size.width() < 1) {
		m_size = QSize(device->width(), -1);
		invalidate();
	}
	layoutTable(device);
}


void Table::drawRowRange(QPainter * painter, const QPointF & pos, int first, int end, double from, double to) {
	const double f = m_deviceFactor;
	painter->save();
	for (const std::vector<TableCell> & column : m_cells)
		for (int r = first; r < end; ++r)
			painter->fillRect(column[size_t(r)].m_cellRect.translated(pos), column[size_t(r)].m_backgroundColor);
	QPen pen = painter->pen();
	pen.setJoinStyle(Qt::MiterJoin);
	auto drawLine = [&](const BorderLine & l) {
		if (l.m_width * f <= 0)
			return;
		pen.setWidthF(l.m_width * f);
		painter->setPen(pen);
		painter->drawLine(l.m_line.translated(pos));
	};
	// the line below the last row is the top line of the next one
	for (const std::vector<BorderLine> & v : m_hLines)
		for (int r = first; r <= end; ++r)
			drawLine(v[size_t(r)]);
	for (const std::vector<BorderLine> & v : m_vLines)
		for (int r = first; r < end; ++r)
			drawLine(v[size_t(r)]);
	painter->restore();

	for (int r = first; r < end; ++r) {
		for (int c = 0; c < m_cols; ++c) {
			const TableCell & cl = at(c, r);
			if (cl.m_text.isEmpty())
				continue;
			const int span = spanIndex(c, r);
			if (span < 0)
				drawCellText(painter, cl, cl.m_innerRect, pos, from, to);
			else if (unsigned(c) == m_spans[size_t(span)].m_col1 && unsigned(r) == m_spans[size_t(span)].m_row1)
				drawCellText(painter, cl, m_spans[size_t(span)].m_innerRect, pos, from, to);
		}
	}
}


void Table::drawOutline(QPainter * painter, const QPointF & pos, int first, int end) {
	if (m_outerBorderWidth <= 0 || first >= end)
		return;
	const QRectF outline(at(0, first).m_cellRect.topLeft(), at(m_cols - 1, end - 1).m_cellRect.bottomRight());
	painter->save();
	QPen outer = painter->pen();
	outer.setWidthF(m_outerBorderWidth * m_deviceFactor);
	painter->setPen(outer);
	painter->setBrush(Qt::NoBrush);
	painter->drawRect(outline.translated(pos));
	painter->restore();
}


void Table::drawTable(QPainter * painter, const QPointF & pos) {
	if (m_rows == 0 || m_cols == 0)
		return;
	layoutForPainter(painter);
	painter->fillRect(QRectF(pos, QSizeF(m_size)), m_backgroundColor);
	drawRowRange(painter, pos, 0, m_rows);
	drawOutline(painter, pos, 0, m_rows);
}


std::vector<double> Table::rowBreaks() const {
	std::vector<double> breaks;
	if (m_cols == 0)
		return breaks;
	for (int r = std::max(0, m_headerRows); r + 1 < m_rows; ++r) {
		bool spanned = false;
		for (const Span & s : m_spans)
			spanned = spanned || (int(s.m_row1) <= r && r < int(s.m_row2));
		if (!spanned)
			breaks.push_back(at(0, r).m_cellRect.bottom());
	}
	return breaks;
}


double Table::contentBottom() const {
	if (m_rows == 0 || m_cols == 0)
		return 0;
	const double bottom = at(m_cols - 1, m_rows - 1).m_cellRect.bottom();
	if (m_outerBorderWidth > 0 || m_innerBorderWidth > 0)
		return bottom;
	for (int r = m_rows - 1; r >= 0; --r)
		for (int c = 0; c < m_cols; ++c)
			if (!QTextDocumentFragment::fromHtml(at(c, r).m_text).toPlainText().trimmed().isEmpty()) {
				const int span = spanIndex(c, r);
				return span < 0 ? at(c, r).m_cellRect.bottom() : at(c, int(m_spans[size_t(span)].m_row2)).m_cellRect.bottom();
			}
	return 0;
}


double Table::headerHeight() const {
	const int rows = std::min(m_headerRows, m_rows);
	if (rows <= 0 || m_cols == 0)
		return 0;
	return at(0, rows - 1).m_cellRect.bottom() - at(0, 0).m_cellRect.top();
}


void Table::drawRows(QPainter * painter, const QPointF & pos, double from, double to) {
	if (m_rows == 0 || m_cols == 0)
		return;
	layoutForPainter(painter);
	// half a device pixel: break positions are row edges
	const double eps = 0.5;
	int first = m_rows;
	int end = 0;
	bool cut = false;
	for (int r = 0; r < m_rows; ++r) {
		const QRectF & rc = at(0, r).m_cellRect;
		if (rc.bottom() > from + eps && rc.top() < to - eps) {
			first = std::min(first, r);
			end = r + 1;
			// a row taller than a page is cut between its lines: each part shows its lines
			cut = cut || rc.top() < from - eps || rc.bottom() > to + eps;
		}
	}
	if (first >= end)
		return;
	const double top = at(0, 0).m_cellRect.top();
	double header = 0;
	if (from > top + eps && m_headerRows > 0 && first >= m_headerRows) {
		const int rows = std::min(m_headerRows, first);
		const QPointF headerPos(pos.x(), pos.y() - top);
		drawRowRange(painter, headerPos, 0, rows);
		drawOutline(painter, headerPos, 0, rows);
		header = headerHeight();
	}
	const QPointF bodyPos(pos.x(), pos.y() + header - from);
	painter->save();
	if (cut)
		painter->setClipRect(QRectF(pos.x() - m_size.width(), pos.y() + header, 3.0 * m_size.width(),
									std::min(to - from, 1e7)), Qt::IntersectClip);
	if (cut)
		drawRowRange(painter, bodyPos, first, end, from, to);
	else
		drawRowRange(painter, bodyPos, first, end);
	drawOutline(painter, bodyPos, first, end);
	painter->restore();
}

} // namespace QtExt
