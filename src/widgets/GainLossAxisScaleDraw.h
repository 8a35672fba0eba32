#ifndef GainLossAxisScaleDrawH
#define GainLossAxisScaleDrawH

#include <QCoreApplication>

#include <qwt_scale_draw.h>

/*! Axis of the annual balance: "Gains" under the bar at x = 0, "Losses" under the one at x = 1. */
class GainLossAxisScaleDraw : public QwtScaleDraw {
	Q_DECLARE_TR_FUNCTIONS(GainLossAxisScaleDraw)
public:
	void draw(QPainter * painter, const QPalette & palette) const override;

protected:
	/*! Labels are drawn by draw() itself. */
	void drawLabel(QPainter * painter, double value) const override;
};

#endif // GainLossAxisScaleDrawH
