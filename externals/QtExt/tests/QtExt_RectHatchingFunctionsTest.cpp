#include <vector>

#include <gtest/gtest.h>

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include <QtExt_GraphicsRectItemWithHatch.h>
#include <QtExt_RectHatchingFunctions.h>

namespace {

/*! Paint engine that records what is drawn. */
class RecordingEngine : public QPaintEngine {
public:
	RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
	bool begin(QPaintDevice *) override { return true; }
	bool end() override { return true; }
	void updateState(const QPaintEngineState &) override {}
	void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
	void drawLines(const QLine * lines, int count) override { m_lines.insert(m_lines.end(), lines, lines + count); }
	void drawLines(const QLineF * lines, int count) override {
		for (int i = 0; i < count; ++i)
			m_lines.push_back(lines[i].toLine());
	}
	void drawPath(const QPainterPath &) override { ++m_paths; }
	Type type() const override { return QPaintEngine::User; }

	std::vector<QLine>	m_lines;
	int					m_paths = 0;
};

class RecordingDevice : public QPaintDevice {
public:
	QPaintEngine * paintEngine() const override { return &m_engine; }
	int metric(PaintDeviceMetric m) const override {
		switch (m) {
			case PdmWidth: case PdmHeight: return 1000;
			case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 96;
			case PdmDepth: return 32;
			case PdmDevicePixelRatio: return 1;
			case PdmDevicePixelRatioScaled: return 1 * QPaintDevice::devicePixelRatioFScale();
			default: return 1000;
		}
	}
	mutable RecordingEngine m_engine;
};

struct Recording {
	std::vector<QLine>	m_lines;
	int					m_paths = 0;
};

Recording record(const QRectF & rect, int type, int distance) {
	RecordingDevice dev;
	QPainter p(&dev);
	QtExt::drawHatching(&p, rect, type, distance);
	p.end();
	return Recording{ dev.m_engine.m_lines, dev.m_engine.m_paths };
}

/*! Bounding box of the non-white pixels; empty when nothing was painted. */
QRect paintedArea(const QImage & img) {
	QRect box;
	for (int y = 0; y < img.height(); ++y)
		for (int x = 0; x < img.width(); ++x)
			if (img.pixel(x, y) != qRgb(255, 255, 255))
				box |= QRect(x, y, 1, 1);
	return box;
}

QImage paint(const QRectF & rect, int type, int distance) {
	QImage img(300, 300, QImage::Format_RGB32);
	img.fill(Qt::white);
	QPainter p(&img);
	p.setPen(QPen(Qt::black, 1));
	QtExt::drawHatching(&p, rect, type, distance);
	p.end();
	return img;
}

} // namespace


TEST(RectHatching, everyPatternStaysInsideItsRectangle) {
	const QRectF rects[] = {
		QRectF(10, 15, 20, 200),	// tall
		QRectF(12, 40, 250, 30),	// wide
		QRectF(50, 50, 3, 3),		// tiny
		QRectF(20, 20, 60, 60),		// square
	};
	for (int type = 1; type <= 7; ++type) {
		for (const QRectF & r : rects) {
			for (int distance : { 1, 5, 9 }) {
				const QRect painted = paintedArea(paint(r, type, distance));
				// a pen of width 1 may reach one pixel beyond the edge
				const QRect allowed = r.toAlignedRect().adjusted(-1, -1, 1, 1);
				EXPECT_TRUE(painted.isEmpty() || allowed.contains(painted))
						<< "type " << type << " rect " << r.x() << "," << r.y() << " " << r.width() << "x"
						<< r.height() << " distance " << distance << ": painted " << painted.x() << ","
						<< painted.y() << " " << painted.width() << "x" << painted.height();
			}
		}
	}
}


TEST(RectHatching, largeRectanglesAreHatched) {
	for (int type = 1; type <= 7; ++type)
		EXPECT_FALSE(paintedArea(paint(QRectF(10, 10, 120, 150), type, 6)).isEmpty()) << type;
}


TEST(RectHatching, nothingWithoutAreaOrSpacing) {
	// a very thin layer rounds to 0 pixels; the insulation loops divide by width and height
	const QRectF rects[] = { QRectF(10, 10, 0, 100), QRectF(10, 10, 100, 0), QRectF(10, 10, 0, 0),
							 QRectF(10, 10, -5, 40) };
	for (int type = 1; type <= 7; ++type) {
		for (const QRectF & r : rects) {
			const Recording e = record(r, type, 5);
			EXPECT_TRUE(e.m_lines.empty() && e.m_paths == 0) << "type " << type << " " << r.width() << "x" << r.height();
		}
		const Recording e = record(QRectF(0, 0, 50, 50), type, 0);
		EXPECT_TRUE(e.m_lines.empty() && e.m_paths == 0) << "type " << type << " distance 0";
	}
}


TEST(RectHatching, parallelLinesAtTheSpacing) {
	// 100 / 7 = 14.3: 14 horizontal lines; 50 / 7 = 7.1: 7 vertical lines
	const QRectF r(10, 20, 50, 100);
	const Recording h = record(r, 1, 7);
	ASSERT_EQ(h.m_lines.size(), 14u);
	for (std::size_t k = 0; k < h.m_lines.size(); ++k) {
		const QLine & l = h.m_lines[k];
		EXPECT_EQ(l.y1(), l.y2());
		EXPECT_EQ(l.y1(), 20 + 7 * static_cast<int>(k + 1));
		EXPECT_EQ(l.x1(), 10);
		EXPECT_EQ(l.x2(), 60);
	}
	const Recording v = record(r, 2, 7);
	ASSERT_EQ(v.m_lines.size(), 7u);
	for (const QLine & l : v.m_lines) {
		EXPECT_EQ(l.x1(), l.x2());
		EXPECT_EQ(l.y1(), 20);
		EXPECT_EQ(l.y2(), 120);
	}
	// grid and both diagonals are the sums of their parts
	EXPECT_EQ(record(r, 6, 7).m_lines.size(), 21u);
	EXPECT_EQ(record(r, 5, 7).m_lines.size(), record(r, 3, 7).m_lines.size() + record(r, 4, 7).m_lines.size());
	// a rectangle lower than the spacing gets no line
	EXPECT_TRUE(record(QRectF(0, 0, 50, 6), 1, 7).m_lines.empty());
}


TEST(RectHatching, diagonalsFallAndRiseAtFortyFiveDegrees) {
	const QRectF r(0, 0, 80, 40);
	for (int type : { 3, 4 }) {
		const Recording e = record(r, type, 5);
		ASSERT_FALSE(e.m_lines.empty()) << type;
		for (const QLine & l : e.m_lines) {
			const int dx = l.x2() - l.x1(), dy = l.y2() - l.y1();
			EXPECT_GT(dx, 0) << type;
			EXPECT_NEAR(std::abs(dy), dx, 2) << type;			// truncation: a pixel each end
			EXPECT_EQ(dy > 0, type == 3) << type;			// falling: y grows to the right
		}
	}
}


TEST(RectHatching, otherTypesDrawNothing) {
	for (int type : { 0, 8, -1, 100 }) {
		const Recording e = record(QRectF(0, 0, 50, 50), type, 5);
		EXPECT_TRUE(e.m_lines.empty() && e.m_paths == 0) << type;
	}
}


TEST(RectHatching, itemPaintsHatchOverItsFill) {
	QtExt::GraphicsRectItemWithHatch item(QRectF(10, 10, 60, 60), 1, 10);
	item.setBrush(QBrush(Qt::green));
	item.setPen(QPen(Qt::green));
	item.setHatchPen(QPen(Qt::black, 1));
	QImage img(100, 100, QImage::Format_RGB32);
	img.fill(Qt::white);
	QPainter p(&img);
	QStyleOptionGraphicsItem option;
	item.paint(&p, &option, nullptr);
	p.end();
	EXPECT_EQ(img.pixel(40, 15), QColor(Qt::green).rgb());
	EXPECT_EQ(img.pixel(40, 20), qRgb(0, 0, 0));		// first hatch line at 10 + 10
}
