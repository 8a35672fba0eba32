#include "Sci_ColorGridSeries.h"

#include <cmath>
#include <limits>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>

#include "Sci_Chart.h"
#include "Sci_PlotSpectrogram.h"

namespace SCI {

ColorGridSeries::ColorGridSeries(Chart * chart, const QString & title) :
	ChartSeries(new PlotSpectrogram(title), chart),
	m_contourLineDistance(std::numeric_limits<double>::quiet_NaN())
{
}


PlotSpectrogram * ColorGridSeries::spectrogram() const {
	return static_cast<PlotSpectrogram *>(m_ser);
}


void ColorGridSeries::setData(unsigned int xGridSize, const double * xGrid, unsigned int yGridSize,
							  const double * yGrid, unsigned int xValueCount, unsigned int yValueCount,
							  const double * values, const ColorGridCell * cells) {
	PlotSpectrogram * s = spectrogram();
	try {
		PlotSpectrogram::checkSizes(xGridSize, yGridSize, xValueCount, yValueCount, "[ColorGridSeries::setData]");
		ColorGrid3DData * data = new ColorGrid3DData(xGridSize, xGrid, yGridSize, yGrid, xValueCount, yValueCount,
													 values, cells);
		// the z range belongs to the series, not to one grid
		if (s->gridData() != nullptr)
			data->setInterval(Qt::ZAxis, s->gridData()->interval(Qt::ZAxis));
		s->setData(data, s->interpolation());
	}
	catch (BVX::Exception &) {
		m_dataValid = false;
		throw;
	}
	s->setDisplayMode(QwtPlotSpectrogram::ImageMode, true);
	setContourLineDistance(m_contourLineDistance);
	m_dataValid = true;
}


void ColorGridSeries::setColorMap(QwtColorMap * map) {
	spectrogram()->setColorMap(map);
}


void ColorGridSeries::setContourLineDistance(double distance) {
	const char * const FUNC_ID = "[ColorGridSeries::setContourLineDistance]";
	if (std::isnan(distance))
		return;
	if (!std::isfinite(distance) || distance <= 0) {
		BVX::BVX_Message(BVX::FormatText("Invalid contour line distance %1, contour levels unchanged.").arg(distance),
						 BVX::MSG_ERROR, FUNC_ID, -1);
		return;
	}
	m_contourLineDistance = distance;
	PlotSpectrogram * s = spectrogram();
	if (s->gridData() == nullptr)
		return;
	const QwtInterval range = s->gridData()->interval(Qt::ZAxis);
	QList<double> levels;
	if (range.isValid()) {
		for (int k = 0;; ++k) {
			const double level = range.minValue() + k * distance;
			if (!(level < range.maxValue()))
				break;
			if (k == MAX_CONTOUR_LEVELS) {
				BVX::BVX_Message(BVX::FormatText("Contour line distance %1 gives more than %2 levels, only the first %2 are drawn.")
								 .arg(distance).arg(MAX_CONTOUR_LEVELS), BVX::MSG_ERROR, FUNC_ID, -1);
				break;
			}
			levels.append(level);
		}
	}
	s->setContourLevels(levels);
}


void ColorGridSeries::setContourLinesColoredByLevel(bool byLevel) {
	if (byLevel == m_contourLinesColoredByLevel)
		return;
	m_contourLinesColoredByLevel = byLevel;
	setContourPen(m_contourPen);
}


void ColorGridSeries::setContourPen(const QPen & pen) {
	m_contourPen = pen;
	PlotSpectrogram * s = spectrogram();
	// a default pen of NoPen makes Qwt ask contourPen() for every level
	s->setDefaultContourPen(m_contourLinesColoredByLevel ? QPen(Qt::NoPen) : pen);
	s->setContourPen(pen);
}


void ColorGridSeries::setDisplayType(int type) {
	PlotSpectrogram * s = spectrogram();
	if (type == 1) {
		s->setDisplayMode(QwtPlotSpectrogram::ContourMode, false);
		s->setDisplayMode(QwtPlotSpectrogram::ImageMode, true);
	}
	else if (type >= 2) {
		s->setDisplayMode(QwtPlotSpectrogram::ContourMode, true);
		s->setDisplayMode(QwtPlotSpectrogram::ImageMode, type >= 3);
		setContourLineDistance(m_contourLineDistance);
	}
}


void ColorGridSeries::setInterpolationMode(int mode) {
	spectrogram()->setInterpolation(mode != 0);
	if (m_chart != nullptr)
		m_chart->replot();
}


void ColorGridSeries::setZRange(const QwtInterval & range) {
	PlotSpectrogram * s = spectrogram();
	if (s->gridData() == nullptr)
		return;
	s->data()->setInterval(Qt::ZAxis, range);
	setContourLineDistance(m_contourLineDistance);
}

} // namespace SCI
