#ifndef QtExt_TableH
#define QtExt_TableH

#include <vector>

#include <QColor>
#include <QLineF>
#include <QObject>
#include <QRectF>
#include <QSize>
#include <QTextOption>

#include "QtExt_TableCell.h"

class QTextDocument;
class QPaintDevice;
class QPainter;

namespace QtExt {

/*! A bordered table of html cells for the printed report. It lays itself out for a
	paint device and a width and paints itself at a position. Widths, margins, spacing
	and borders are layout units, multiplied by the device factor (device resolution
	over screen resolution) so that a printed table looks like the one on screen.
*/
class Table : public QObject {
	Q_OBJECT
public:
	/*! Kinds of column widths (rows use the same kinds). */
	enum SizeKind {
		Stretch	= 0,	///< natural width plus an equal share of the remaining width
		Natural	= 1,	///< the widest unwrapped text plus padding
		Fixed	= 2		///< a given width
	};

	/*! Without a document the table creates and owns one. */
	Table(QTextDocument * textDocument, QSize size, QObject * parent = nullptr);
	~Table() override;

	void clear();
	void setColRowCount(int cols, int rows);
	int columnCount() const { return m_cols; }
	int rowCount() const { return m_rows; }

	/*! Cell for modification; invalidates the layout. */
	TableCell & cell(int col, int row);
	void setCellText(int col, int row, const QString & html);

	/*! Kinds 1 (natural) and 2 (fixed, value is the width); a column cannot return to stretch. */
	void setColumnWidth(int col, int kind, double value);
	/*! Top and bottom margin of every cell of a row; a negative value leaves it. */
	void setRowMargins(int row, double top, double bottom);
	void setMargin(double margin);
	void setSpacing(double spacing);
	void setOuterBorderWidth(double width);
	void setInnerBorderWidth(double width);
	double innerBorderWidth() const { return m_innerBorderWidth; }
	void setBackgroundColor(const QColor & color, bool allCells);
	void setSize(QSize size);
	QSize size() const { return m_size; }
	/*! Outline of the block of cells col1..col2, row1..row2. */
	void setBorderRect(int col1, int col2, int row1, int row2, int width);

	/*! Merges a block into a span; false when it reaches past the grid or overlaps a span. */
	bool mergeCells(int col, int row, int numCols, int numRows);
	int spanIndex(int col, int row) const;

	/*! Grid rectangle at (0, 0) laid out for the device; width <= 0 means the device width.
		A valid layout is kept even for another width. */
	QRectF tableRect(QPaintDevice * device, double width);
	void drawTable(QPainter * painter, const QPointF & pos);
	void layoutTable(QPaintDevice * device);

	/*! Leading rows repeated at the top of every continuation of a table broken over pages
		(column titles and units); 0 after clear(). */
	void setHeaderRowCount(int rows) { m_headerRows = rows; }
	int headerRowCount() const { return m_headerRows; }
	/*! After a layout: where the table may be broken, in the coordinates of drawTable's
		position: below every row from the first row after the header rows on, except the
		last row and rows that share a span with the next. */
	std::vector<double> rowBreaks() const;
	/*! After a layout: where a row taller than a page may be cut, between the text lines of
		its cells at positions no line of the row reaches over (same coordinates); none in
		the header rows and in rows spanned together with others. */
	std::vector<double> lineBreaks() const;
	/*! After a layout: bottom of what the table shows (same coordinates): the grid with
		borders, else the last row with a text that is not blank. */
	double contentBottom() const;
	/*! Laid-out height of the header rows. */
	double headerHeight() const;
	/*! Paints the rows lying within from..to (coordinates of drawTable's position) with
		from at pos. A part that starts below the first row starts with the header rows; of a
		row cut at from or to it paints the text lines that start within from..to. */
	void drawRows(QPainter * painter, const QPointF & pos, double from, double to);

	/*! Laid-out column width and row height in device pixels. */
	double columnWidth(int col) const { return m_columns[static_cast<size_t>(col)].m_width; }
	double rowHeight(int row) const { return m_rowRecords[static_cast<size_t>(row)].m_width; }
	/*! Device factor of the last layout. */
	double deviceFactor() const { return m_deviceFactor; }
	/*! Scale of the cell texts in the last layout: 1, or less where the widest words and
		numbers of the columns side by side are wider than the table. */
	double textScale() const { return m_textScale; }
	/*! Span rectangle of the last layout. */
	QRectF spanRect(int index) const { return m_spans[static_cast<size_t>(index)].m_rect; }

	/*! Device factor: integer quotient of device and screen resolution, at least 1. */
	static double deviceFactorFor(QPaintDevice * device);

signals:
	void changed();

private:
	struct SizeRecord {
		double	m_width		= 0;
		double	m_fixed		= 0;
		int		m_kind		= Stretch;
	};
	struct Span {
		unsigned	m_col1, m_row1, m_col2, m_row2;
		QRectF		m_rect;
		QRectF		m_textRect;
		QRectF		m_innerRect;
	};
	struct BorderLine {
		QLineF	m_line;
		double	m_width = 1.0;
	};

	void invalidate() { m_valid = false; }
	/*! Stores a changed value, invalidates the layout and emits changed(). */
	template <typename T>
	void assignChanged(T & member, const T & value);
	TableCell & at(int col, int row) { return m_cells[static_cast<size_t>(col)][static_cast<size_t>(row)]; }
	const TableCell & at(int col, int row) const { return m_cells[static_cast<size_t>(col)][static_cast<size_t>(row)]; }
	const TableCell & spanFirst(const Span & s) const { return at(int(s.m_col1), int(s.m_row1)); }

	/*! Laid-out width (height) of the columns (rows) first..last. */
	static double extent(const std::vector<SizeRecord> & records, unsigned first, unsigned last);
	std::vector<double> naturalColumnWidths();
	void distributeWidths(const std::vector<double> & natural);
	/*! Widens the columns to their widest word or number, taking the room from columns
		wider than theirs; where all of them side by side do not fit, the texts are scaled. */
	void fitWordWidths();
	/*! Per column the widest word or number of its cells (spans spread over their
		columns) and its padding, in device pixels. */
	void columnWordWidths(std::vector<double> & words, std::vector<double> & padding) const;
	/*! Text size of a cell at the table's text scale (width < 0: unwrapped). */
	QSizeF scaledTextSize(TableCell & c, double width) const;
	void layoutRows();
	void placeCells();
	void placeBorderLines();
	/*! Sets up the text document for a cell's text as laid out; returns the former text option. */
	QTextOption prepareCellText(const TableCell & c) const;
	/*! Top-left of a cell's text in the inner rectangle. */
	QPointF cellTextOrigin(const TableCell & c, const QRectF & inner) const;
	/*! Top and bottom of the laid-out text lines of the cells of a row (table coordinates);
		false for a row spanned together with others. */
	bool rowLines(int row, std::vector<std::pair<double, double>> & lines) const;
	/*! Paints a cell's text; with a range, only the lines starting within from..to. */
	void drawCellText(QPainter * painter, const TableCell & c, const QRectF & inner, const QPointF & pos,
					  double from, double to);
	/*! Lays the table out for the painter's device (the device width when no size is set). */
	void layoutForPainter(QPainter * painter);
	/*! Backgrounds, grid lines and texts of the rows first..end-1, moved by pos. */
	void drawRowRange(QPainter * painter, const QPointF & pos, int first, int end,
					  double from = -1e30, double to = 1e30);
	/*! The outline around the rows first..end-1, moved by pos, when there is an outer border. */
	void drawOutline(QPainter * painter, const QPointF & pos, int first, int end);

	QTextDocument *						m_textDocument;
	bool								m_ownDocument;
	int									m_cols = 0;
	int									m_rows = 0;
	std::vector<std::vector<TableCell>>	m_cells;
	std::vector<SizeRecord>				m_columns;
	std::vector<SizeRecord>				m_rowRecords;
	double								m_margin = 2.0;
	double								m_spacing = 2.0;
	double								m_outerBorderWidth = 0;
	double								m_innerBorderWidth = 1.0;
	QColor								m_backgroundColor;
	std::vector<Span>					m_spans;
	QSize								m_size;
	std::vector<std::vector<BorderLine>>	m_hLines;
	std::vector<std::vector<BorderLine>>	m_vLines;
	double								m_deviceFactor = 1.0;
	double								m_textScale = 1.0;
	bool								m_valid = false;
	int									m_headerRows = 0;
};

} // namespace QtExt

#endif // QtExt_TableH
