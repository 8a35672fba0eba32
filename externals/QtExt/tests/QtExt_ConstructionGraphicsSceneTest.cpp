#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <limits>

#include <gtest/gtest.h>

#include <QGraphicsLineItem>
#include <QGraphicsTextItem>
#include <QImage>
#include <QLocale>
#include <QRegularExpression>
#include <QTextDocument>

#include <QtExt_ConstructionGraphicsScene.h>
#include <QtExt_GraphicsRectItemWithHatch.h>

using QtExt::ConstructionGraphicsScene;
using QtExt::ConstructionLayer;

namespace {

QVector<ConstructionLayer> layers(std::initializer_list<double> widths) {
	QVector<ConstructionLayer> res;
	int i = 0;
	for (double w : widths) {
		res.append(ConstructionLayer(w, QString("Material %1").arg(i), QColor::fromHsv(40 * i, 200, 220), 100 + i));
		++i;
	}
	return res;
}

std::vector<QGraphicsTextItem *> textItems(const QGraphicsScene & scene, const QString & text) {
	std::vector<QGraphicsTextItem *> res;
	for (QGraphicsItem * item : scene.items())
		if (auto * t = qgraphicsitem_cast<QGraphicsTextItem *>(item))
			if (t->toPlainText() == text)
				res.push_back(t);
	return res;
}

QGraphicsTextItem * textItem(const QGraphicsScene & scene, const QString & text) {
	const auto items = textItems(scene, text);
	return items.size() == 1 ? items.front() : nullptr;
}

/*! Layer rectangles, left to right. */
std::vector<QGraphicsRectItem *> layerRects(const QGraphicsScene & scene) {
	std::vector<QGraphicsRectItem *> res;
	for (QGraphicsItem * item : scene.items())
		if (auto * r = qgraphicsitem_cast<QGraphicsRectItem *>(item))
			res.push_back(r);
	std::sort(res.begin(), res.end(), [](QGraphicsRectItem * a, QGraphicsRectItem * b) {
		return a->sceneBoundingRect().left() < b->sceneBoundingRect().left();
	});
	return res;
}

bool overlap(const QGraphicsItem * a, const QGraphicsItem * b) {
	return a->sceneBoundingRect().intersects(b->sceneBoundingRect());
}

class ConstructionSceneTest : public ::testing::Test {
protected:
	ConstructionSceneTest() : m_device(10, 10, QImage::Format_ARGB32), m_scene(true, &m_device) {}
	void draw(const QVector<ConstructionLayer> & l) { m_scene.setup(FRAME, &m_device, 1.0, l); }

	const QRect FRAME = QRect(5, 5, 640, 320);
	QImage						m_device;
	ConstructionGraphicsScene	m_scene;
};

} // namespace


TEST(ConstructionSceneLabels, widthLabelsInMillimetres) {
	struct Case { double widthM; const char * label; };
	const Case cases[] = {
		{ 0.24, "240" }, { 0.0125, "12.5" }, { 0.2525, "252.5" }, { 0.001, "1" },
		{ 0.36, "360" }, { 0.2399999999, "240" }, { 0.07, "70" }, { 0.29, "290" },
		{ 0.00505, "5" }, { 0.0057, "5.7" }, { 1.5, "1500" },
	};
	QLocale saved;
	QLocale::setDefault(QLocale(QLocale::German));	// never localised
	for (const Case & c : cases)
		EXPECT_EQ(ConstructionGraphicsScene::widthLabel(c.widthM), QString(c.label)) << c.widthM;
	QLocale::setDefault(saved);
}


TEST_F(ConstructionSceneTest, layerAndTotalLabelsAlsoUnderGermanLocale) {
	for (QLocale::Language lang : { QLocale::English, QLocale::German }) {
		QLocale saved;
		QLocale::setDefault(QLocale(lang));
		m_scene.clear();
		draw(layers({ 0.24, 0.0125 }));
		EXPECT_NE(textItem(m_scene, "240"), nullptr) << lang;
		EXPECT_NE(textItem(m_scene, "12.5"), nullptr) << lang;
		EXPECT_NE(textItem(m_scene, "252.5"), nullptr) << lang;
		QGraphicsTextItem * caption = textItem(m_scene, "Layer widths in [mm]");
		ASSERT_NE(caption, nullptr);
		EXPECT_TRUE(caption->isVisible());
		QLocale::setDefault(saved);
	}
}


TEST_F(ConstructionSceneTest, layoutOfFittingLabels) {
	draw(layers({ 0.175, 0.05, 0.02 }));
	const auto rects = layerRects(m_scene);
	ASSERT_EQ(rects.size(), 3u);
	const double H = textItem(m_scene, "175")->boundingRect().height();
	const QRectF inner = m_scene.innerRect();
	const double chainY = inner.bottom() + H;	// labels sit on the chain line

	// the drawing lies in the frame, layers side by side without gaps, the chain below them
	for (std::size_t i = 0; i < rects.size(); ++i) {
		const QRectF r = rects[i]->rect();
		EXPECT_TRUE(QRectF(FRAME).contains(r)) << i;
		if (i > 0) {
			EXPECT_EQ(r.left(), rects[i - 1]->rect().right()) << i;
		}
	}
	const char * texts[] = { "175", "50", "20" };
	for (std::size_t i = 0; i < 3; ++i) {
		QGraphicsTextItem * label = textItem(m_scene, texts[i]);
		ASSERT_NE(label, nullptr) << texts[i];
		const QRectF lr = label->sceneBoundingRect();
		const QRectF r = rects[i]->rect();
		EXPECT_GE(lr.left(), r.left()) << texts[i];
		EXPECT_LE(lr.right(), r.right()) << texts[i];
		EXPECT_NEAR(lr.bottom(), chainY, 0.5) << texts[i];
		EXPECT_GE(lr.top(), r.bottom() - 0.5) << texts[i];
	}
	// total below the chain, caption below the total
	QGraphicsTextItem * total = textItem(m_scene, "245");
	QGraphicsTextItem * caption = textItem(m_scene, "Layer widths in [mm]");
	ASSERT_TRUE(total && caption);
	EXPECT_GE(total->sceneBoundingRect().top(), chainY - 0.5);
	EXPECT_GT(caption->sceneBoundingRect().top(), total->sceneBoundingRect().top());
	EXPECT_FALSE(overlap(total, caption));
	// the chain rises to 2.1 label heights above the bottom
	EXPECT_NEAR(chainY, static_cast<int>(FRAME.height() - 15) - 2.1 * H, 1e-6);

	// "outside" left of the construction, "inside" right of it
	QGraphicsTextItem * outside = textItem(m_scene, "outside");
	QGraphicsTextItem * inside = textItem(m_scene, "inside");
	ASSERT_TRUE(outside && inside);
	EXPECT_LE(outside->pos().x() + outside->document()->idealWidth(), rects.front()->rect().left() + 1);
	EXPECT_GE(outside->pos().x(), FRAME.left() - 5);
	EXPECT_GE(inside->pos().x(), rects.back()->rect().right() - 1);
}


TEST_F(ConstructionSceneTest, narrowLayersHangTheirLabelsBelowTheChain) {
	draw(layers({ 0.2, 0.004, 0.006, 0.005, 0.2 }));
	const auto rects = layerRects(m_scene);
	ASSERT_EQ(rects.size(), 5u);
	const auto wideLabels = textItems(m_scene, "200");
	ASSERT_EQ(wideLabels.size(), 2u);
	const double H = wideLabels.front()->boundingRect().height();
	const double chainY = m_scene.innerRect().bottom() + H;
	EXPECT_NEAR(chainY, static_cast<int>(FRAME.height() - 15) - 3.1 * H, 1e-6);

	std::vector<QGraphicsTextItem *> moved;
	for (const char * t : { "4", "6", "5" }) {
		QGraphicsTextItem * label = textItem(m_scene, t);
		ASSERT_NE(label, nullptr) << t;
		EXPECT_NEAR(label->sceneBoundingRect().top(), chainY, 0.5) << t;
		moved.push_back(label);
	}
	// left to right as their layers, none over another, none over the total
	QGraphicsTextItem * total = textItem(m_scene, "415");
	ASSERT_NE(total, nullptr);
	for (std::size_t i = 0; i < moved.size(); ++i) {
		EXPECT_FALSE(overlap(moved[i], total)) << i;
		for (std::size_t j = i + 1; j < moved.size(); ++j) {
			EXPECT_FALSE(overlap(moved[i], moved[j])) << i << " " << j;
			EXPECT_LT(moved[i]->sceneBoundingRect().left(), moved[j]->sceneBoundingRect().left());
		}
	}
	// a leader line from each narrow layer's centre on the chain down to its label
	int leaders = 0;
	for (QGraphicsItem * item : m_scene.items()) {
		auto * line = qgraphicsitem_cast<QGraphicsLineItem *>(item);
		if (line == nullptr || std::abs(line->line().y1() - chainY) > 1e-6 || line->line().y2() <= chainY)
			continue;
		const double x = line->line().x1();
		for (std::size_t i = 1; i <= 3; ++i)
			if (std::abs(x - rects[i]->rect().center().x()) <= 1)
				++leaders;
	}
	EXPECT_EQ(leaders, 3);
	// the wide layers keep their labels on the chain
	for (QGraphicsTextItem * label : wideLabels)
		EXPECT_NEAR(label->sceneBoundingRect().bottom(), chainY, 0.5);
}


TEST_F(ConstructionSceneTest, nothingButTheHiddenCaptionWithoutDrawableLayers) {
	const QVector<ConstructionLayer> cases[] = {
		{},
		layers({ 0.2, 0.0, 0.1 }),
		layers({ -0.1 }),
		layers({ 0.1, std::numeric_limits<double>::quiet_NaN() }),
		layers({ std::numeric_limits<double>::infinity() }),
	};
	for (const auto & l : cases) {
		draw(layers({ 0.2, 0.1 }));		// something to replace
		draw(l);
		ASSERT_EQ(m_scene.items().size(), 1) << l.size();
		auto * caption = qgraphicsitem_cast<QGraphicsTextItem *>(m_scene.items().front());
		ASSERT_NE(caption, nullptr);
		EXPECT_EQ(caption->toPlainText(), QString("Layer widths in [mm]"));
		EXPECT_FALSE(caption->isVisible());
	}
	draw(layers({ 0.2, 0.1 }));
	m_scene.clear();
	EXPECT_EQ(m_scene.items().size(), 1);
}


TEST_F(ConstructionSceneTest, layerRectanglesCountFromTheOutside) {
	const auto l = layers({ 0.1, 0.2, 0.05 });
	draw(l);
	const auto rects = layerRects(m_scene);
	ASSERT_EQ(rects.size(), 3u);
	for (int i = 0; i < 3; ++i) {
		EXPECT_EQ(rects[i]->data(0).toInt(), i);
		EXPECT_TRUE(rects[i]->flags() & QGraphicsItem::ItemIsSelectable);
		EXPECT_EQ(rects[i]->brush().color(), l[i].m_color);
	}
	// widths in proportion to the thickness (integer pixels)
	EXPECT_NEAR(rects[1]->rect().width() / rects[0]->rect().width(), 2.0, 0.05);
	EXPECT_NEAR(rects[0]->rect().width() / rects[2]->rect().width(), 2.0, 0.1);
}


TEST_F(ConstructionSceneTest, nameShownOnlyWhereItFits) {
	QVector<ConstructionLayer> l;
	l << ConstructionLayer(0.3, "Concrete") << ConstructionLayer(0.003, "Foil") << ConstructionLayer(0.1, "Plaster");
	draw(l);
	const auto rects = layerRects(m_scene);
	ASSERT_EQ(rects.size(), 3u);
	for (int i = 0; i < 3; ++i) {
		QGraphicsTextItem * name = textItem(m_scene, l[i].m_name);
		ASSERT_NE(name, nullptr);
		const double textHeight = name->boundingRect().height();
		EXPECT_EQ(name->isVisible(), textHeight < rects[i]->rect().width() - 2) << i;
		if (name->isVisible()) {
			// written upwards inside its layer: the text runs from pos up by its ideal width
			const QRectF nr = name->sceneBoundingRect();
			const QRectF r = rects[i]->rect();
			EXPECT_GE(nr.left(), r.left() - 1) << i;
			EXPECT_LE(nr.right(), r.right() + 1) << i;
			EXPECT_LE(name->pos().y(), r.bottom() + 1) << i;
			EXPECT_GE(name->pos().y() - name->document()->idealWidth(), r.top() - 1) << i;
		}
	}
	EXPECT_TRUE(textItem(m_scene, "Concrete")->isVisible());
	EXPECT_FALSE(textItem(m_scene, "Foil")->isVisible());
}


TEST_F(ConstructionSceneTest, unchangedSetupKeepsTheItems) {
	auto l = layers({ 0.24, 0.0125 });
	draw(l);
	const QList<QGraphicsItem *> before = m_scene.items();

	auto same = l;
	same[0].m_width += 5e-5;
	same[1].m_hatchingType = 3;		// the hatching is not compared
	draw(same);
	EXPECT_EQ(m_scene.items(), before);

	struct Change { const char * what; std::function<void(QVector<ConstructionLayer> &)> apply; };
	const Change changes[] = {
		{ "width by 2e-4", [](QVector<ConstructionLayer> & v) { v[0].m_width += 2e-4; } },
		{ "name", [](QVector<ConstructionLayer> & v) { v[1].m_name = "Other"; } },
		{ "colour", [](QVector<ConstructionLayer> & v) { v[1].m_color = Qt::blue; } },
		{ "id", [](QVector<ConstructionLayer> & v) { v[1].m_id = 7; } },
		{ "count", [](QVector<ConstructionLayer> & v) { v.append(v[0]); } },
	};
	for (const Change & c : changes) {
		draw(l);
		const QList<QGraphicsItem *> drawn = m_scene.items();
		auto changed = l;
		c.apply(changed);
		draw(changed);
		EXPECT_NE(m_scene.items(), drawn) << c.what;
	}
	draw(l);
	const QList<QGraphicsItem *> drawn = m_scene.items();
	m_scene.setup(FRAME.adjusted(0, 0, 1, 0), &m_device, 1.0, l);
	EXPECT_NE(m_scene.items(), drawn);
}


TEST(ConstructionScenePrint, offsetsAndPensScaleWithTheResolution) {
	// the same drawing at four times the resolution on a device of four times the density
	const auto l = layers({ 0.24, 0.06, 0.1 });
	struct Drawing { std::vector<QRectF> rects; QPen dim, boundary, surface; };
	auto drawAt = [&](double res) {
		QImage device(10, 10, QImage::Format_ARGB32);
		device.setDotsPerMeterX(static_cast<int>(3780 * res));
		device.setDotsPerMeterY(static_cast<int>(3780 * res));
		ConstructionGraphicsScene scene(false, &device);
		scene.setup(QRect(QPoint(int(20 * res), int(10 * res)), QSize(int(700 * res), int(300 * res))), &device, res, l);
		Drawing d;
		for (QGraphicsRectItem * r : layerRects(scene))
			d.rects.push_back(r->rect());
		d.dim = scene.dimensionPen();
		d.boundary = scene.boundaryPen();
		d.surface = scene.surfacePen();
		return d;
	};
	const Drawing small = drawAt(5), large = drawAt(20);
	ASSERT_EQ(small.rects.size(), 3u);
	ASSERT_EQ(large.rects.size(), 3u);
	for (std::size_t i = 0; i < 3; ++i) {
		EXPECT_NEAR(large.rects[i].left(), 4 * small.rects[i].left(), 8) << i;
		EXPECT_NEAR(large.rects[i].top(), 4 * small.rects[i].top(), 8) << i;
		EXPECT_NEAR(large.rects[i].width(), 4 * small.rects[i].width(), 8) << i;
	}
	EXPECT_DOUBLE_EQ(large.dim.widthF(), 4 * small.dim.widthF());
	EXPECT_EQ(large.boundary.width(), 4 * small.boundary.width());
	EXPECT_DOUBLE_EQ(large.surface.widthF(), 4 * small.surface.widthF());
	EXPECT_EQ(small.dim.color(), QColor(Qt::black));		// print: black dimension lines
}


// Real build-ups have many thin layers: every width label that is shown lies inside the
// drawing and clear of the others; a label left out keeps its width in the layer's tool tip.
TEST(ConstructionSceneChain, labelsStayInsideAndApartForUpToFifteenLayers) {
	QImage device(10, 10, QImage::Format_ARGB32);
	const std::function<double(int, int)> patterns[] = {
		[](int, int) { return 0.001; },
		[](int, int) { return 0.3; },
		[](int i, int) { return i % 2 == 0 ? 0.001 : 0.3; },
		[](int i, int n) { return 0.001 + 0.299 * i / std::max(1, n - 1); },
		[](int i, int) { return i % 5 == 2 ? 0.24 : 0.001 * (1 + i % 4); },	// insulation between foils
	};
	const QRect frames[] = { QRect(5, 5, 640, 320), QRect(5, 5, 480, 260) };
	const QRegularExpression widthText("^\\d+(\\.\\d)?$");
	for (const QRect & frame : frames) {
		for (std::size_t p = 0; p < std::size(patterns); ++p) {
			for (int n = 1; n <= 15; ++n) {
				SCOPED_TRACE(QString("frame %1, pattern %2, %3 layers").arg(frame.width()).arg(p).arg(n).toStdString());
				QVector<ConstructionLayer> l;
				for (int i = 0; i < n; ++i)
					l.append(ConstructionLayer(patterns[p](i, n), QString("M%1").arg(i), Qt::gray, i));
				ConstructionGraphicsScene scene(true, &device);
				scene.setup(frame, &device, 1.0, l);

				std::vector<QGraphicsTextItem *> labels;
				int widthLabels = 0;
				for (QGraphicsItem * item : scene.items()) {
					auto * t = qgraphicsitem_cast<QGraphicsTextItem *>(item);
					if (t == nullptr || !t->isVisible())
						continue;
					if (widthText.match(t->toPlainText()).hasMatch()) {
						labels.push_back(t);
						++widthLabels;
					}
					else if (t->toPlainText() == "Layer widths in [mm]")
						labels.push_back(t);
				}
				EXPECT_GE(widthLabels, 1);	// the total at least
				for (std::size_t a = 0; a < labels.size(); ++a) {
					const QRectF ra = labels[a]->sceneBoundingRect();
					EXPECT_TRUE(scene.sceneRect().contains(ra)) << labels[a]->toPlainText().toStdString();
					for (std::size_t b = a + 1; b < labels.size(); ++b)
						EXPECT_FALSE(overlap(labels[a], labels[b]))
							<< labels[a]->toPlainText().toStdString() << " / " << labels[b]->toPlainText().toStdString();
				}
				for (QGraphicsRectItem * r : layerRects(scene)) {
					const int i = r->data(0).toInt();
					EXPECT_TRUE(r->toolTip().contains(ConstructionGraphicsScene::widthLabel(l[i].m_width) + " mm"));
				}
			}
		}
	}
}
