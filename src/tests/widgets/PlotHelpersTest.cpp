// Shared plot helpers: month of a day, date-scale ticks and labels, tracker texts, legend icon.
#include <gtest/gtest.h>

#include <QImage>
#include <QLocale>
#include <QPaintEngine>
#include <QPainter>

#include <qwt_graphic.h>
#include <qwt_plot.h>
#include <qwt_scale_map.h>
#include <qwt_transform.h>

#include <QtExt_LanguageHandler.h>

#include "GuiTestHarness.h"
#include "MonthOfDay.h"
#include "PlotCurveWithFramedLegendIcon.h"
#include "PlotZoomer.h"
#include "QwtDateTimeScaleDraw.h"
#include "QwtDateTimeScaleEngine.h"
#include "TimePlotPicker.h"

namespace {

/*! Paint device that records the texts drawn on it. */
class TextRecorder : public QPaintDevice {
public:
	class Engine : public QPaintEngine {
	public:
		Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}
		bool begin(QPaintDevice *) override { return true; }
		bool end() override { return true; }
		void updateState(const QPaintEngineState &) override {}
		void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
		void drawPath(const QPainterPath &) override {}
		void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
		void drawTextItem(const QPointF & p, const QTextItem & item) override {
			m_texts.append(item.text());
			m_positions.append(p);
		}
		Type type() const override { return User; }
		QStringList			m_texts;
		QList<QPointF>		m_positions;
	};

	explicit TextRecorder(QSize size) : m_size(size) {}
	QPaintEngine * paintEngine() const override { return &m_engine; }
	const QStringList & texts() const { return m_engine.m_texts; }

protected:
	int metric(PaintDeviceMetric m) const override {
		switch (m) {
			case PdmWidth : return m_size.width();
			case PdmHeight : return m_size.height();
			case PdmDpiX : case PdmDpiY : case PdmPhysicalDpiX : case PdmPhysicalDpiY : return 96;
			case PdmDepth : return 32;
			case PdmDevicePixelRatio : return 1;
			case PdmDevicePixelRatioScaled : return int(devicePixelRatioFScale());
			default : return 0;
		}
	}

private:
	QSize			m_size;
	mutable Engine	m_engine;
};

/*! Texts that a bottom date scale of the given pixel length draws over [x1, x2]. */
QStringList scaleTexts(double x1, double x2, int length) {
	QwtDateTimeScaleEngine engine;
	QwtDateTimeScaleDraw draw;
	draw.setAlignment(QwtScaleDraw::BottomScale);
	draw.setScaleDiv(engine.divideScale(x1, x2, 10, 5));
	draw.move(10, 0);
	draw.setLength(length);
	TextRecorder recorder(QSize(length + 100, 60));
	QPainter painter(&recorder);
	draw.draw(&painter, QPalette());
	painter.end();
	return recorder.texts();
}

QList<double> ticks(double x1, double x2, QwtScaleDiv::TickType type) {
	return QwtDateTimeScaleEngine().divideScale(x1, x2, 10, 5).ticks(type);
}

QList<double> series(double from, double to, double step) {
	QList<double> s;
	for (double x = from; x <= to + 1e-9; x += step)
		s.append(x);
	return s;
}

class PlotHelpersTest : public ::testing::Test {
protected:
	void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

/*! Exposes the zoomer's tracker text. */
class TestZoomer : public PlotZoomer {
public:
	using PlotZoomer::PlotZoomer;
	using PlotZoomer::trackerTextF;
};

class TestPicker : public TimePlotPicker {
public:
	using TimePlotPicker::TimePlotPicker;
	using TimePlotPicker::trackerTextF;
};

} // namespace


TEST(MonthOfDayTest, MonthIndexByDay) {
	const std::pair<unsigned, unsigned> cases[] = {
		{ 0, 0 }, { 1, 0 }, { 31, 0 }, { 32, 1 }, { 59, 1 }, { 60, 2 }, { 181, 5 }, { 182, 6 },
		{ 334, 10 }, { 335, 11 }, { 365, 11 }, { 366, 12 }, { 1000, 12 }
	};
	for (const auto & c : cases)
		EXPECT_EQ(monthOfDay(c.first), c.second) << "day " << c.first;
}


TEST(QwtDateTimeScaleEngineTest, TicksByVisibleRange) {
	struct Case {
		const char *	m_what;
		double			m_x1, m_x2;
		QList<double>	m_major, m_minor;
	};
	QList<double> yearMajor = { 0 };
	for (unsigned d : MONTH_END_DAYS)
		yearMajor.append(d);
	const Case cases[] = {
		{ "year", 0, 365, yearMajor, series(0, 357, 7) },
		{ "year from day 10", 10, 365, yearMajor.mid(1), series(14, 364, 7) },
		{ "20 days", 100, 120, { 105, 112, 119 }, series(100, 120, 1) },
		{ "3 days", 180, 183, { 180, 181, 182, 183 }, series(180, 183, 1/24.) },
		{ "30 days panned before day 0", -10, 20, { 0, 7, 14 }, series(0, 20, 1) },
		{ "2 days panned before day 0", -1.5, 0.5, { 0 }, series(0, 0.5, 1/24.) },
		{ "year panned before day 0", -50, 315, yearMajor.mid(1, 11), series(0, 315, 7) },
		{ "wholly before day 0", -400, -10, {}, {} },
		{ "reversed interval", 365, 0, yearMajor, series(0, 357, 7) },
	};
	for (const Case & c : cases) {
		const QList<double> major = ticks(c.m_x1, c.m_x2, QwtScaleDiv::MajorTick);
		const QList<double> minor = ticks(c.m_x1, c.m_x2, QwtScaleDiv::MinorTick);
		ASSERT_EQ(major.size(), c.m_major.size()) << c.m_what;
		for (int i = 0; i < major.size(); ++i)
			EXPECT_NEAR(major[i], c.m_major[i], 1e-9) << c.m_what;
		ASSERT_EQ(minor.size(), c.m_minor.size()) << c.m_what;
		for (int i = 0; i < minor.size(); ++i)
			EXPECT_NEAR(minor[i], c.m_minor[i], 1e-9) << c.m_what;
		EXPECT_TRUE(ticks(c.m_x1, c.m_x2, QwtScaleDiv::MediumTick).isEmpty());
	}
}


TEST_F(PlotHelpersTest, ScaleLabelsByVisibleRange) {
	const QStringList longNames = { "January", "February", "March", "April", "May", "June", "July",
		"August", "September", "October", "November", "December" };
	const QStringList shortNames = { "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };
	QStringList weekNumbers;
	for (int w = 1; w <= 52; ++w)
		weekNumbers << QString::number(w);

	// wide: long names and week numbers
	QStringList wide = scaleTexts(0, 365, 3000);
	EXPECT_EQ(wide.mid(0, 12), longNames);
	EXPECT_EQ(wide.mid(12), weekNumbers);

	// narrow: short names, weeks too close for numbers
	EXPECT_EQ(scaleTexts(0, 365, 500), shortNames);

	// the longest name decides: all long names or none
	QwtDateTimeScaleDraw draw;
	const QFontMetrics fm{QFont()};
	int widest = 0;
	for (const QString & n : longNames)
		widest = qMax(widest, fm.boundingRect(n).width());
	EXPECT_TRUE(draw.longMonthNamesFit(fm, widest));
	EXPECT_FALSE(draw.longMonthNamesFit(fm, widest - 1));

	// each week label over its own week (days 105 to 111 are week 16); the week of day 119 is
	// too little visible for its label
	EXPECT_EQ(scaleTexts(100, 120, 600), QStringList({ "Week 16", "Week 17" }));
	EXPECT_EQ(scaleTexts(98, 126, 600), QStringList({ "Week 15", "Week 16", "Week 17", "Week 18" }));
	// a day label at the very end of the axis would run past it
	EXPECT_EQ(scaleTexts(0, 3, 600), QStringList({ "Mon Jan/01", "Tue Jan/02", "Wed Jan/03" }));
	// leap years play no part: day 59 is 1 March
	EXPECT_EQ(scaleTexts(58, 60.5, 600), QStringList({ "Wed Feb/28", "Thu Mar/01", "Fri Mar/02" }));
}


/*! Under German the month, week and day labels are German (scale draws made after the switch). */
TEST_F(PlotHelpersTest, ScaleLabelsInGerman) {
	QtExt::LanguageHandler::instance().installTranslator("de");
	EXPECT_EQ(scaleTexts(0, 365, 500), QStringList({ "Jan", "Feb", QString::fromUtf8("M\xc3\xa4r"), "Apr", "Mai",
		"Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez" }));
	EXPECT_EQ(scaleTexts(0, 365, 3000).mid(2, 3), QStringList({ QString::fromUtf8("M\xc3\xa4rz"), "April", "Mai" }));
	EXPECT_EQ(scaleTexts(100, 120, 600), QStringList({ "Woche 16", "Woche 17" }));
	EXPECT_EQ(scaleTexts(58, 60.5, 600), QStringList({ "Mi. 28.02.", "Do. 01.03.", "Fr. 02.03." }));
	QtExt::LanguageHandler::instance().installTranslator("en");
}


TEST_F(PlotHelpersTest, TrackerTextsByRubberBand) {
	QwtPlot plot;
	TestPicker picker(QwtPlot::xBottom, QwtPlot::yLeft, plot.canvas());
	picker.setUnit("C");
	TestZoomer zoomer(QwtPlot::xBottom, QwtPlot::yLeft, plot.canvas());
	zoomer.setUnit("C");
	EXPECT_EQ(zoomer.rubberBand(), QwtPicker::RectRubberBand);

	struct Case {
		double					m_x;
		QwtPicker::RubberBand	m_band;
		const char *			m_text;
	};
	const Case cases[] = {
		{ 1.5, QwtPicker::RectRubberBand, "Tue, 02. Jan 12:00:00, 21.46 C" },
		{ 1.5, QwtPicker::HLineRubberBand, "Tue, 02. Jan 12:00:00" },
		{ 1.5, QwtPicker::VLineRubberBand, "21.46 C" },
		{ 1.5, QwtPicker::CrossRubberBand, "Tue, 02. Jan 12:00:00, 21.46 C" },
		{ 0, QwtPicker::HLineRubberBand, "Mon, 01. Jan 00:00:00" },			// day 0 is a Monday
		{ 59.5, QwtPicker::HLineRubberBand, "Thu, 01. Mar 12:00:00" },		// no leap day
		{ 88.5, QwtPicker::HLineRubberBand, "Fri, 30. Mar 12:00:00" },		// no daylight-saving jump
		{ 364.5, QwtPicker::HLineRubberBand, "Mon, 31. Dec 12:00:00" },
	};
	for (const Case & c : cases) {
		const QPointF pos(c.m_x, 21.456);
		picker.setRubberBand(c.m_band);
		EXPECT_EQ(picker.trackerTextF(pos).text(), c.m_text) << c.m_x << " band " << c.m_band;
		zoomer.setRubberBand(c.m_band);
		EXPECT_EQ(zoomer.trackerTextF(pos).text(), c.m_text) << c.m_x << " band " << c.m_band;
	}
	EXPECT_EQ(picker.trackerTextF(QPointF(0, 0)).font().family(), QFont("Consolas").family());
}


TEST(TimePlotPickerTest, TrackerHidesWhileARectangleIsDragged) {
	QwtPlot plot;
	class Picker : public TimePlotPicker {
	public:
		using TimePlotPicker::TimePlotPicker;
		using TimePlotPicker::begin;
		using TimePlotPicker::end;
	} picker(QwtPlot::xBottom, QwtPlot::yLeft, plot.canvas());
	picker.begin();
	EXPECT_EQ(picker.trackerMode(), QwtPicker::AlwaysOff);
	picker.end(true);
	EXPECT_EQ(picker.trackerMode(), QwtPicker::AlwaysOn);
}


TEST(PlotZoomerTest, MousePatternsAndRubberBand) {
	QwtPlot plot;
	PlotZoomer zoomer(QwtPlot::xBottom, QwtPlot::yLeft, plot.canvas());
	const QVector<QwtEventPattern::MousePattern> patterns = zoomer.mousePattern();
	EXPECT_EQ(patterns[QwtEventPattern::MouseSelect2].button, Qt::RightButton);
	EXPECT_EQ(patterns[QwtEventPattern::MouseSelect2].modifiers, Qt::ShiftModifier);
	EXPECT_EQ(patterns[QwtEventPattern::MouseSelect3].button, Qt::RightButton);
	EXPECT_EQ(patterns[QwtEventPattern::MouseSelect3].modifiers, Qt::NoModifier);
	EXPECT_EQ(patterns[QwtEventPattern::MouseSelect1].button, Qt::LeftButton);
	EXPECT_EQ(zoomer.trackerMode(), QwtPicker::ActiveOnly);
	EXPECT_EQ(zoomer.rubberBandPen().color(), QColor(Qt::lightGray));
}


TEST(PlotCurveWithFramedLegendIconTest, BlackFrameFilledWithTheCurveColour) {
	PlotCurveWithFramedLegendIcon curve("Air temperature");
	curve.setPen(QPen(QColor(200, 30, 40), 2));
	EXPECT_TRUE(curve.legendIcon(0, QSizeF()).isNull());

	const QwtGraphic icon = curve.legendIcon(0, QSizeF(20, 12));
	EXPECT_EQ(icon.defaultSize(), QSizeF(20, 12));
	QImage img(20, 12, QImage::Format_ARGB32);
	img.fill(Qt::white);
	QPainter p(&img);
	icon.render(&p, QRectF(0, 0, 20, 12));
	p.end();
	EXPECT_EQ(img.pixelColor(0, 5), QColor(Qt::black)) << "left frame";
	EXPECT_EQ(img.pixelColor(10, 0), QColor(Qt::black)) << "top frame";
	EXPECT_EQ(img.pixelColor(10, 6), QColor(200, 30, 40)) << "fill";
	EXPECT_EQ(img.pixelColor(5, 3), QColor(200, 30, 40)) << "fill";
}
