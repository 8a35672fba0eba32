// Colour maps: HSV ramps of stops, their Qwt maps with scaled or fixed colours, and the
// errors of malformed stops.
#include <memory>

#include <gtest/gtest.h>

#include <QVariant>

#include <qwt_color_map.h>

#include <BVX_Exception.h>

#include <Sci_ColorMap.h>
#include <Sci_ColorMapCreator.h>

#include "Sci_TestHelpers.h"

using SCI::ColorMap;
using SCI::ColorMapCreator;
using SCI_Test::MessageCollector;

namespace {

std::unique_ptr<QwtColorMap> create(const ColorMap & map, bool fixed) {
	return std::unique_ptr<QwtColorMap>(ColorMapCreator::createColorMap(map, fixed));
}

QColor colorAt(const QwtColorMap & map, double value) {
	return QColor::fromRgba(map.rgb(QwtInterval(0, 10), value));
}

} // namespace


TEST(SciColorMap, DefaultIsElevenStopsFromRedToBlue) {
	const ColorMap m;
	EXPECT_EQ(m.m_type, ColorMap::Linear);
	EXPECT_EQ(m.m_alphaColor, QColor(Qt::black));
	ASSERT_EQ(m.m_colorStops.size(), 11u);
	EXPECT_EQ(m.m_colorStops.front().m_color, QColor(Qt::red));
	EXPECT_EQ(m.m_colorStops.back().m_color, QColor(Qt::blue));
	EXPECT_DOUBLE_EQ(m.m_colorStops[3].m_pos, 0.3);
}


TEST(SciColorMap, LinearMapRunsThroughTheHuesBetweenItsEnds) {
	ColorMap m;
	// red (hue 0) to blue (hue 240): the middle stop has hue 120, pure green
	m.setLinearMap(Qt::red, Qt::blue, 2);
	ASSERT_EQ(m.m_colorStops.size(), 3u);
	EXPECT_EQ(m.m_colorStops[0].m_pos, 0.0);
	EXPECT_EQ(m.m_colorStops[1].m_pos, 0.5);
	EXPECT_EQ(m.m_colorStops[2].m_pos, 1.0);
	EXPECT_EQ(m.m_colorStops[1].m_color.rgb(), QColor(0, 255, 0).rgb());

	// white has no hue: the inner stops take blue's, saturation rises in quarters
	m.setLinearMap(Qt::white, Qt::blue, 4);
	ASSERT_EQ(m.m_colorStops.size(), 5u);
	for (int i = 1; i < 4; ++i) {
		EXPECT_EQ(m.m_colorStops[i].m_color.hue(), 240) << i;
		EXPECT_NEAR(m.m_colorStops[i].m_color.saturationF(), i * 0.25, 0.01) << i;
	}
	EXPECT_EQ(m.m_colorStops[1].m_color.rgb(), QColor(191, 191, 255).rgb());
	// likewise with the achromatic colour at the upper end
	m.setLinearMap(Qt::red, Qt::black, 2);
	EXPECT_EQ(m.m_colorStops[1].m_color.hue(), 0);

	// the ends keep their colours, alpha included; inner stops are opaque
	const QColor translucent(255, 0, 0, 128);
	m.setLinearMap(translucent, QColor(0, 0, 255, 64), 3);
	EXPECT_EQ(m.m_colorStops.front().m_color, translucent);
	EXPECT_EQ(m.m_colorStops.back().m_color.alpha(), 64);
	EXPECT_EQ(m.m_colorStops[1].m_color.alpha(), 255);
}


TEST(SciColorMap, FewerThanTwoStepsThrowAndKeepTheStops) {
	ColorMap m;
	m.setLinearMap(Qt::yellow, Qt::green, 3);
	const ColorMap before = m;
	m.m_type = ColorMap::Alpha;
	for (unsigned int n : { 0u, 1u }) {
		try {
			m.setLinearMap(Qt::red, Qt::blue, n);
			ADD_FAILURE() << "no exception for " << n << " steps";
		}
		catch (BVX::Exception & ex) {
			EXPECT_STREQ(ex.what(), "Invalid number of steps, must be > 1.");
		}
	}
	EXPECT_EQ(m.m_type, ColorMap::Linear);
	EXPECT_TRUE(m.m_colorStops == before.m_colorStops);
}


TEST(SciColorMap, TravelsInAVariantUnderItsName) {
	EXPECT_EQ(QMetaType::type("SCI::ColorMap"), qMetaTypeId<ColorMap>());
	ColorMap m;
	m.setLinearMap(Qt::white, Qt::darkGreen, 5);
	const QVariant v = QVariant::fromValue(m);
	ASSERT_TRUE(v.canConvert<ColorMap>());
	EXPECT_TRUE(v.value<ColorMap>() == m);
	EXPECT_FALSE(QVariant(42).canConvert<ColorMap>());
}


TEST(SciColorMapCreator, ScaledColoursBlendAndFixedColoursStepAtTheStops) {
	const ColorMap m;	// stops every 0.1 from red to blue
	MessageCollector messages;
	auto scaled = create(m, false);
	auto fixed = create(m, true);
	ASSERT_TRUE(dynamic_cast<QwtLinearColorMap *>(scaled.get()) != nullptr);
	EXPECT_EQ(dynamic_cast<QwtLinearColorMap *>(fixed.get())->mode(), QwtLinearColorMap::FixedColors);
	EXPECT_EQ(dynamic_cast<QwtLinearColorMap *>(scaled.get())->mode(), QwtLinearColorMap::ScaledColors);
	EXPECT_EQ(dynamic_cast<QwtLinearColorMap *>(scaled.get())->colorStops().size(), 11);

	// z range 0..10: value 5 is the middle stop, green (hue 120)
	EXPECT_EQ(colorAt(*scaled, 5).rgb(), QColor(0, 255, 0).rgb());
	// stop 0.1 has hue 24: (255, 102, 0); halfway to red blends to (255, 51, 0)
	const QColor half = colorAt(*scaled, 0.5);
	EXPECT_EQ(half.red(), 255);
	EXPECT_NEAR(half.green(), 51, 1);
	EXPECT_EQ(half.blue(), 0);
	// fixed colours take the stop below
	EXPECT_EQ(colorAt(*fixed, 0.5).rgb(), QColor(Qt::red).rgb());
	EXPECT_EQ(colorAt(*fixed, 1.5).rgb(), QColor(255, 102, 0).rgb());
	EXPECT_TRUE(messages.m_messages.empty());
}


TEST(SciColorMapCreator, AlphaMapsAndUnknownTypes) {
	ColorMap m;
	m.m_type = ColorMap::Alpha;
	m.m_alphaColor = QColor(0, 0, 255);
	auto alpha = create(m, false);
	ASSERT_TRUE(dynamic_cast<QwtAlphaColorMap *>(alpha.get()) != nullptr);
	EXPECT_EQ(dynamic_cast<QwtAlphaColorMap *>(alpha.get())->color(), QColor(0, 0, 255));
	const QRgb mid = alpha->rgb(QwtInterval(0, 1), 0.5);
	EXPECT_NEAR(qAlpha(mid), 128, 2);
	EXPECT_EQ(qAlpha(alpha->rgb(QwtInterval(0, 1), 1.0)), 255);

	m.m_type = static_cast<ColorMap::ColorMapType>(7);
	EXPECT_TRUE(create(m, false) == nullptr);
}


TEST(SciColorMapCreator, MalformedStopsAreLoggedAndGiveAUsableMap) {
	struct Case {
		std::vector<ColorMap::ColorStop> stops;
		const char * message;
	};
	const Case cases[] = {
		{ { ColorMap::ColorStop(0, Qt::red) }, "Not enough color stops in color map." },
		{ { ColorMap::ColorStop(0.05, Qt::red), ColorMap::ColorStop(0.5, Qt::green), ColorMap::ColorStop(1, Qt::blue) },
		  "Invalid color map, first position must be 0 (got 0.05), last position must be 1 (got 1)." },
		{ { ColorMap::ColorStop(0, Qt::red), ColorMap::ColorStop(0.9, Qt::blue) },
		  "Invalid color map, first position must be 0 (got 0), last position must be 1 (got 0.9)." },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.message);
		ColorMap m;
		m.m_colorStops = c.stops;
		MessageCollector messages;
		auto map = create(m, false);
		ASSERT_EQ(messages.m_messages.size(), 1u);
		EXPECT_EQ(messages.m_messages[0].text, c.message);
		EXPECT_EQ(messages.m_messages[0].type, BVX::MSG_ERROR);
		EXPECT_EQ(messages.m_messages[0].functionID, "[ColorMapCreator::createColorMap]");
		// Qwt's own two-colour default, none of the given stops
		QwtLinearColorMap * linear = dynamic_cast<QwtLinearColorMap *>(map.get());
		ASSERT_TRUE(linear != nullptr);
		EXPECT_EQ(linear->colorStops().size(), 2);
		EXPECT_NE(linear->color1(), QColor(Qt::red));
		EXPECT_TRUE(QColor::fromRgba(map->rgb(QwtInterval(0, 1), 0.5)).isValid());
	}
}
