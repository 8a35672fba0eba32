#ifndef Sci_PlotCurveH
#define Sci_PlotCurveH

#include <string>

#include <qwt_plot_curve.h>

namespace SCI {

/*! Curve with a lock (invisible and without data while its arrays are being replaced),
	optional line breaks at points with a NaN coordinate and a bounding rectangle that
	ignores such points. */
class PlotCurve : public QwtPlotCurve {
public:
	explicit PlotCurve(const QString & title = QString());

	/*! Invalid rectangle while locked, else the extent of all non-NaN coordinates. */
	QRectF boundingRect() const override;
	/*! 0 while locked. */
	size_t dataSize() const override;

	void lock() { ++m_lockCounter; }
	/*! Returns the remaining lock count. */
	int unlock();
	bool isLocked() const { return m_lockCounter > 0; }

	/*! NaN points become gaps of the line. */
	void setSplitAtNaN(bool split) { m_splitAtNaN = split; }
	bool splitAtNaN() const { return m_splitAtNaN; }

	/*! Shows the arrays in place (no copy); refused while locked. */
	bool setCurveData(const double * x, const double * y, int count, std::string & errmsg);

protected:
	void drawSeries(QPainter * painter, const QwtScaleMap & xMap, const QwtScaleMap & yMap,
					const QRectF & canvasRect, int from, int to) const override;

private:
	int		m_lockCounter = 0;
	bool	m_splitAtNaN = false;
};

} // namespace SCI

#endif // Sci_PlotCurveH
