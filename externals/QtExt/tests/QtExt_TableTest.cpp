#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <QtExt_Table.h>

using QtExt::Table;
using QtExt::TableCell;

namespace {

int screenDpi() {
	return static_cast<int>(QGuiApplication::primaryScreen()->logicalDotsPerInchX());
}

/*! An image at the screen's resolution: device factor 1. */
QImage screenImage(int w, int h) {
	QImage img(w, h, QImage::Format_RGB32);
	const int dpm = qRound(screenDpi() / 0.0254);
	img.setDotsPerMeterX(dpm);
	img.setDotsPerMeterY(dpm);
	img.fill(Qt::white);
	return img;
}

/*! A table without spacing and padding whose columns are as wide as their cells'
	left + right margins (empty texts), so natural widths are exact. */
void setupNaturalWidths(Table & t, const std::vector<double> & widths, int rows = 1) {
	t.setColRowCount(static_cast<int>(widths.size()), rows);
	t.setSpacing(0);
	t.setMargin(0);
	for (size_t c = 0; c < widths.size(); ++c) {
		t.cell(int(c), 0).setMarginLeft(widths[c] / 2);
		t.cell(int(c), 0).setMarginRight(widths[c] / 2);
	}
}

} // namespace


TEST(Table, widthsWidenOrCapToTheAvailableWidth) {
	struct Case {
		std::vector<double> natural;
		std::vector<int> kinds;		// per column, Table::SizeKind
		double fixed;				// width of fixed columns
		double available;
		std::vector<double> expected;
	};
	const Case cases[] = {
		// widen: only stretch columns gain (available - S) / count
		{ { 100, 50, 0 }, { Table::Stretch, Table::Natural, Table::Fixed }, 80, 500, { 100 + 90, 50, 80 } },
		{ { 100, 100 }, { Table::Stretch, Table::Stretch }, 0, 300, { 150, 150 } },
		{ { 100, 100 }, { Table::Stretch, Table::Stretch }, 0, 200, { 100, 100 } },
		// narrow: E = 150; the two widest are capped at (450 - 100) / 2
		{ { 300, 200, 100 }, { Table::Stretch, Table::Stretch, Table::Stretch }, 0, 450, { 175, 175, 100 } },
		// the cap applies to any kind
		{ { 300, 200, 100 }, { Table::Natural, Table::Stretch, Table::Natural }, 0, 450, { 175, 175, 100 } },
		// no step reaches the excess: all share alike
		{ { 100, 100, 100 }, { Table::Stretch, Table::Stretch, Table::Stretch }, 0, 150, { 50, 50, 50 } }
	};
	QImage img = screenImage(1000, 400);
	for (const Case & c : cases) {
		Table t(nullptr, QSize());
		setupNaturalWidths(t, c.natural);
		for (size_t i = 0; i < c.kinds.size(); ++i)
			t.setColumnWidth(int(i), c.kinds[i], c.fixed);
		const QRectF r = t.tableRect(&img, c.available);
		double sum = 0;
		for (size_t i = 0; i < c.expected.size(); ++i) {
			EXPECT_NEAR(t.columnWidth(int(i)), c.expected[i], 1e-9) << "column " << i << " available " << c.available;
			sum += c.expected[i];
		}
		EXPECT_NEAR(r.width(), sum, 1e-9);
		EXPECT_LE(r.width(), c.available + 1e-9);
	}
}


TEST(Table, setColumnWidthRules) {
	Table t(nullptr, QSize());
	setupNaturalWidths(t, { 40, 40 });
	QSignalSpy changed(&t, &Table::changed);
	t.setColumnWidth(0, Table::Stretch, 10);	// cannot go back to stretch
	t.setColumnWidth(0, 3, 10);				// unknown kind
	EXPECT_EQ(changed.count(), 0);
	t.setColumnWidth(0, Table::Natural, 0);
	EXPECT_EQ(changed.count(), 1);
	t.setColumnWidth(0, Table::Natural, 0);	// already natural: nothing
	EXPECT_EQ(changed.count(), 1);
	t.setColumnWidth(1, Table::Fixed, 30);
	t.setColumnWidth(1, Table::Fixed, 70);		// fixed again stores the new width
	EXPECT_EQ(changed.count(), 3);
	QImage img = screenImage(400, 100);
	t.tableRect(&img, 400);
	EXPECT_DOUBLE_EQ(t.columnWidth(0), 40);
	EXPECT_DOUBLE_EQ(t.columnWidth(1), 70);
}


TEST(Table, refusedMergesLeaveCellsUnmerged) {
	Table t(nullptr, QSize());
	t.setColRowCount(3, 3);
	EXPECT_FALSE(t.mergeCells(2, 0, 2, 1));	// one column past the last
	EXPECT_FALSE(t.mergeCells(0, 2, 1, 2));	// one row past the last
	for (int c = 0; c < 3; ++c)
		for (int r = 0; r < 3; ++r) {
			EXPECT_FALSE(t.cell(c, r).isMerged());
			EXPECT_EQ(t.spanIndex(c, r), -1);
		}
	ASSERT_TRUE(t.mergeCells(0, 0, 2, 2));
	EXPECT_FALSE(t.mergeCells(1, 1, 2, 1));	// overlaps the span
	EXPECT_FALSE(t.cell(2, 1).isMerged());
	EXPECT_EQ(t.spanIndex(1, 1), 0);
	EXPECT_EQ(t.spanIndex(2, 1), -1);
	EXPECT_TRUE(t.mergeCells(2, 0, 1, 3));
	EXPECT_EQ(t.spanIndex(2, 2), 1);
}


TEST(Table, spansWidenColumnsAndHeightenRows) {
	QImage img = screenImage(2000, 2000);
	const QString wide = "A heading across both columns of the table";
	const QString tall = "First line<br>Second line<br>Third line<br>Fourth line";

	Table t(nullptr, QSize());
	t.setColRowCount(2, 3);
	t.setSpacing(0);
	t.setMargin(0);
	t.setColumnWidth(0, Table::Natural, 0);
	t.setColumnWidth(1, Table::Natural, 0);
	t.setCellText(0, 0, wide);
	t.setCellText(0, 1, "a");
	t.setCellText(1, 1, "b");
	t.setCellText(0, 2, tall);
	ASSERT_TRUE(t.mergeCells(0, 0, 2, 1));
	ASSERT_TRUE(t.mergeCells(0, 1, 1, 2)); // "a" spans rows 1 and 2, next to "b" and tall text
	t.tableRect(&img, 2000);

	// the span's text needs the two columns together
	const double wideWidth = t.cell(0, 0).textSize(-1).width();
	EXPECT_GE(t.columnWidth(0) + t.columnWidth(1), wideWidth);
	EXPECT_NEAR(t.columnWidth(0) + t.columnWidth(1), wideWidth, 1e-6);
	EXPECT_GE(t.spanRect(0).width(), wideWidth);
	EXPECT_NEAR(t.spanRect(1).height(), t.rowHeight(1) + t.rowHeight(2), 1e-9);
	// the tall cell sits in a span, so its row gets no height from it: the span's height
	// comes from its first cell only
	EXPECT_NEAR(t.rowHeight(0), t.cell(0, 0).textSize(-1).height(), 1e-6);
	EXPECT_GT(t.rowHeight(1), 0);
}


TEST(Table, spansOnImage) {
	// A 3 x 2 grid, the top row merged across all columns, red background in cell (1, 1)
	// which has no text: span's outline drawn, no grid line inside, background fills.
	QImage img = screenImage(300, 200);
	Table t(nullptr, QSize());
	t.setColRowCount(3, 2);
	t.setInnerBorderWidth(2);
	t.setSpacing(4);
	for (int c = 0; c < 3; ++c) {
		t.setColumnWidth(c, Table::Fixed, 60);
		t.cell(c, 0).setMarginTop(15);
		t.cell(c, 0).setMarginBottom(15);
		t.cell(c, 1).setMarginTop(15);
		t.cell(c, 1).setMarginBottom(15);
	}
	t.cell(1, 1).setBackgroundColor(Qt::red);
	ASSERT_TRUE(t.mergeCells(0, 0, 3, 1));
	t.tableRect(&img, 300);
	QPainter p(&img);
	t.drawTable(&p, QPointF(10, 10));
	p.end();

	const QRectF span = t.spanRect(0).translated(10, 10);
	const QRectF red = t.cell(1, 1).cellRect().translated(10, 10);
	const int midSpanY = int(span.center().y());
	const int gridX = int(red.left());			// grid line between columns 0 and 1
	EXPECT_EQ(img.pixelColor(gridX, midSpanY), QColor(Qt::white)) << "grid line inside the span";
	EXPECT_NE(img.pixelColor(gridX, int(red.center().y())), QColor(Qt::white)) << "grid line below the span";
	EXPECT_NE(img.pixelColor(int(span.center().x()), int(span.top())), QColor(Qt::white)) << "span outline";
	EXPECT_NE(img.pixelColor(int(span.left()), midSpanY), QColor(Qt::white)) << "span outline";
	// the empty cell: background and borders, no text
	for (int y = int(red.top()) + 3; y < int(red.bottom()) - 2; ++y)
		for (int x = int(red.left()) + 3; x < int(red.right()) - 2; ++x)
			ASSERT_EQ(img.pixelColor(x, y), QColor(Qt::red)) << x << "," << y;
	EXPECT_NE(img.pixelColor(int(red.center().x()), int(red.bottom())), QColor(Qt::red));
}


TEST(Table, deviceFactorScalesMarginsSpacingAndBorders) {
	const int screen = screenDpi();
	QTemporaryDir dir;
	QPdfWriter pdf(dir.filePath("t.pdf"));
	pdf.setResolution(1200);
	const double expected = std::max(1, 1200 / screen);
	EXPECT_DOUBLE_EQ(Table::deviceFactorFor(&pdf), expected);
	if (screen == 96) {
		EXPECT_DOUBLE_EQ(expected, 12);
	}

	// empty cells: a column is 2 x margin + margins wide, times the factor
	Table t(nullptr, QSize());
	t.setColRowCount(2, 1);
	t.setMargin(2);
	t.setSpacing(3);
	t.cell(0, 0).setMarginLeft(1);
	t.setColumnWidth(0, Table::Natural, 0);
	t.setColumnWidth(1, Table::Natural, 0);
	const QRectF r = t.tableRect(&pdf, 2000);
	EXPECT_DOUBLE_EQ(t.columnWidth(0), (2 * 2 + 1) * expected);
	EXPECT_DOUBLE_EQ(t.columnWidth(1), (2 * 2) * expected);
	EXPECT_DOUBLE_EQ(t.cell(0, 0).cellRect().left(), 3 * expected);
	EXPECT_DOUBLE_EQ(r.width(), 9 * expected);

	// a device coarser than the screen keeps factor 1: margins do not vanish
	QImage coarse(200, 200, QImage::Format_RGB32);
	coarse.setDotsPerMeterX(qRound(screen / 2 / 0.0254));
	EXPECT_DOUBLE_EQ(Table::deviceFactorFor(&coarse), 1.0);
	Table c(nullptr, QSize());
	c.setColRowCount(1, 1);
	c.tableRect(&coarse, 200);
	EXPECT_DOUBLE_EQ(c.columnWidth(0), 4 + 200 - 4 - 4); // padding 4 plus the stretch share
	EXPECT_DOUBLE_EQ(c.cell(0, 0).cellRect().left(), 2);
}


TEST(Table, rowHeightsHoldWrappedText) {
	QImage img = screenImage(400, 400);
	Table t(nullptr, QSize());
	t.setColRowCount(2, 1);
	t.setColumnWidth(0, Table::Fixed, 100);
	t.setCellText(0, 0, "several words that do not fit into a hundred pixels on one line");
	t.setCellText(1, 0, "x");
	t.tableRect(&img, 400);
	TableCell & c = t.cell(0, 0);
	EXPECT_GT(c.textRect().height(), c.textSize(-1).height());
	EXPECT_LE(c.textRect().width(), c.innerRect().width());
	EXPECT_LE(c.innerRect().bottom(), c.cellRect().bottom());
	EXPECT_TRUE(c.cellRect().contains(c.textRect()));
}


// A word or a number is never broken inside: a column narrower than its widest word or
// number is widened, the room taken from columns wider than theirs; where all of them side
// by side do not fit into the table, the texts are set smaller. Each cell stays one line per
// word, inside its cell, and the painted neighbour of a long word stays blank.
TEST(Table, wordsAndNumbersAreNeverBrokenInsideTheirCells) {
	struct Case {
		const char *			name;
		std::vector<double>		fixed;		// fixed column widths; 0: stretch
		QStringList				texts;
		double					available;
		bool					smaller;	// texts set smaller
	};
	const QString word = QString::fromUtf8("Wärmeschutzverglasung,");
	const Case cases[] = {
		{ "long word, wide neighbour", { 60, 0 }, { word, "" }, 300, false },
		{ "numbers in narrow fixed columns", { 150, 20, 20, 20 }, { "Name of the layer", "1800.0", "0.040", "1000" }, 300, false },
		{ "units in narrow fixed columns", { 20, 20 }, { "m<sup>2</sup>K/W", "W/m<sup>2</sup>K" }, 300, false },
		{ "numbers wider than the table", { 10, 10, 10, 10 }, { "1800.0", "115.00", "1004.0", "0.375" }, 60, true },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.name);
		QImage img = screenImage(400, 300);
		Table t(nullptr, QSize());
		const int cols = int(c.fixed.size());
		t.setColRowCount(cols, 1);
		t.setBackgroundColor(Qt::white, true);
		t.setInnerBorderWidth(0);
		for (int col = 0; col < cols; ++col) {
			if (c.fixed[size_t(col)] > 0)
				t.setColumnWidth(col, Table::Fixed, c.fixed[size_t(col)]);
			t.setCellText(col, 0, c.texts[col]);
			t.cell(col, 0).setAlignment(Qt::AlignLeft | Qt::AlignTop);
		}
		const QRectF r = t.tableRect(&img, c.available);
		EXPECT_LE(r.width(), c.available);
		EXPECT_EQ(t.textScale() < 1, c.smaller) << t.textScale();
		for (int col = 0; col < cols; ++col) {
			TableCell & cell = t.cell(col, 0);
			if (c.texts[col].isEmpty())
				continue;
			EXPECT_LE(cell.textRect().right(), cell.innerRect().right() + 1e-9) << col;
			EXPECT_TRUE(cell.cellRect().contains(cell.textRect())) << col;
			// one line per word: the words of the first case on two lines, a number on one
			const int words = c.texts[col].split(' ').size();
			EXPECT_LE(cell.textRect().height(), words * cell.textSize(-1).height() * t.textScale() + 1e-9) << col;
		}
	}

	// the neighbour of the long word stays blank
	QImage img = screenImage(400, 300);
	Table t(nullptr, QSize());
	t.setColRowCount(2, 1);
	t.setBackgroundColor(Qt::white, true);
	t.setInnerBorderWidth(0);
	t.setColumnWidth(0, Table::Fixed, 60);
	t.cell(0, 0).setAlignment(Qt::AlignLeft | Qt::AlignTop);
	t.setCellText(0, 0, word + " zweifach");
	const QRectF r = t.tableRect(&img, 300);
	QPainter painter(&img);
	t.drawTable(&painter, QPointF(0, 0));
	painter.end();
	const QRect neighbour = t.cell(1, 0).cellRect().toAlignedRect().adjusted(1, 0, 0, 0) & QRect(0, 0, int(r.width()), int(r.height()));
	int ink = 0;
	for (int y = neighbour.top(); y <= neighbour.bottom(); ++y)
		for (int x = neighbour.left(); x <= neighbour.right(); ++x)
			if (qGray(img.pixel(x, y)) < 128)
				++ink;
	EXPECT_EQ(ink, 0);
}
