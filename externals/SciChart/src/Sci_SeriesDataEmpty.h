#ifndef Sci_SeriesDataEmptyH
#define Sci_SeriesDataEmptyH

#include <qwt_series_data.h>

namespace SCI {

/*! Series data of a curve that has none. */
class SeriesDataEmpty : public QwtSeriesData<QPointF> {
public:
	size_t size() const override { return 0; }
	QPointF sample(size_t) const override { return QPointF(0, 0); }
	QRectF boundingRect() const override { return QRectF(0, 0, 0, 0); }
	void setRectOfInterest(const QRectF &) override {}
};

} // namespace SCI

#endif // Sci_SeriesDataEmptyH
