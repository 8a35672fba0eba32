// Plot curve lock, NaN gaps and bounding rect; data reduction passes and their report.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <qwt_scale_map.h>

#include <Sci_DataReductionCurveFitter.h>
#include <Sci_PlotCurve.h>

#include "Sci_TestHelpers.h"

using SCI::PlotCurve;

namespace {

const double NaN = std::numeric_limits<double>::quiet_NaN();

/*! Records the index ranges Qwt is asked to draw. */
class RunRecordingCurve : public PlotCurve {
public:
	void drawAll(int from, int to) {
		QImage img(50, 50, QImage::Format_ARGB32);
		QPainter p(&img);
		QwtScaleMap m;
		m.setPaintInterval(0, 50);
		m.setScaleInterval(0, 10);
		drawSeries(&p, m, m, QRectF(0, 0, 50, 50), from, to);
	}
	std::vector<std::pair<int, int>> m_runs;

protected:
	void drawCurve(QPainter *, int, const QwtScaleMap &, const QwtScaleMap &, const QRectF &, int from, int to) const override {
		const_cast<RunRecordingCurve *>(this)->m_runs.push_back({from, to});
	}
};

} // namespace


TEST(SciPlotCurve, LocksNestAndRefuseData) {
	PlotCurve c;
	const double x[] = { 0, 1 }, y[] = { 2, 3 };
	std::string err;
	ASSERT_TRUE(c.setCurveData(x, y, 2, err));
	c.lock();
	c.lock();
	EXPECT_EQ(c.dataSize(), 0u);
	EXPECT_FALSE(c.boundingRect().isValid());
	const double x2[] = { 5 }, y2[] = { 6 };
	EXPECT_FALSE(c.setCurveData(x2, y2, 1, err));
	EXPECT_EQ(err, "curve is locked");
	EXPECT_EQ(c.unlock(), 1);
	EXPECT_EQ(c.dataSize(), 0u);
	EXPECT_EQ(c.unlock(), 0);
	EXPECT_EQ(c.unlock(), 0);	// unlocking an unlocked curve keeps 0
	// the old samples are still in place
	ASSERT_EQ(c.dataSize(), 2u);
	EXPECT_EQ(c.sample(1), QPointF(1, 3));
}


TEST(SciPlotCurve, NaNPointsSplitRunsAndStayOutOfTheBoundingRect) {
	struct Case {
		std::vector<double> x, y;
		bool split;
		std::vector<std::pair<int, int>> runs;
	};
	const Case cases[] = {
		{ {0, 1, 2}, {1, NaN, 3}, true, {{0, 0}, {2, 2}} },
		{ {0, 1, 2, 3, 4}, {1, 2, NaN, 4, 5}, true, {{0, 1}, {3, 4}} },
		{ {NaN, 1, 2, 3}, {1, 2, 3, NaN}, true, {{1, 2}} },
		{ {0, 1, 2}, {1, NaN, 3}, false, {{0, 2}} },
	};
	for (const Case & cs : cases) {
		RunRecordingCurve c;
		c.setSplitAtNaN(cs.split);
		std::string err;
		c.setCurveData(cs.x.data(), cs.y.data(), int(cs.x.size()), err);
		c.drawAll(0, -1);
		EXPECT_EQ(c.m_runs, cs.runs);
	}

	PlotCurve c;
	std::vector<double> x = { 0, 1, 2 }, y = { 1, NaN, 3 };
	std::string err;
	c.setCurveData(x.data(), y.data(), 3, err);
	EXPECT_EQ(c.boundingRect(), QRectF(QPointF(0, 1), QPointF(2, 3)));
	// values changed in place: the rect follows without a new hand-over
	y[2] = -7;
	x[0] = NaN;
	EXPECT_EQ(c.boundingRect(), QRectF(QPointF(1, -7), QPointF(2, 1)));
	// no valid coordinate at all
	y = { NaN, NaN, NaN };
	EXPECT_EQ(c.boundingRect(), QRectF(QPointF(1, 1), QPointF(2, -1)));
}


TEST(SciPlotCurve, FreshCurveHasEmptyData) {
	PlotCurve c;
	EXPECT_EQ(c.dataSize(), 0u);
	RunRecordingCurve r;
	r.drawAll(0, -1);
	EXPECT_TRUE(r.m_runs.empty());
}


TEST(SciDataReductionCurveFitter, StopsAtFiveHundredPointsOrTolerancePointOne) {
	struct Case {
		int n;
		double amplitude;	// of the noise on a straight line
		const char * tol;
		bool atMost500;
	};
	// a straight line weeds to its end points at once; noise of 0.05 survives 0.01 but not 0.1;
	// noise of 5 survives every pass
	const Case cases[] = {
		{ 2000, 0.0, "0.0001", true },
		{ 2000, 0.05, "0.1", true },
		{ 2000, 5.0, "0.1", false },
	};
	for (const Case & cs : cases) {
		QPolygonF points;
		for (int i = 0; i < cs.n; ++i)
			points << QPointF(i, i * 0.5 + ((i % 2) ? cs.amplitude : -cs.amplitude));
		SCI_Test::MessageCollector msgs;
		SCI::DataReductionCurveFitter f;
		const QPolygonF out = f.fitCurve(points);
		EXPECT_EQ(out.size() <= 500, cs.atMost500) << cs.amplitude;
		EXPECT_EQ(out.first(), points.first());
		EXPECT_EQ(out.last(), points.last());
		ASSERT_EQ(msgs.m_messages.size(), 1u);
		const std::string expected = std::string("Data reduction (tol=") + cs.tol + "): 2000   -> "
			+ std::to_string(out.size()) + "\n";
		EXPECT_EQ(msgs.m_messages[0].text, expected);
		EXPECT_EQ(msgs.m_messages[0].functionID, "[DataReductionCurveFitter::fitCurve]");
		// not for the user: neither console nor log of the programs (threshold 2) show it
		EXPECT_GT(msgs.m_messages[0].verbosity, 2);
	}
}
