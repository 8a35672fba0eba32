#ifndef MonthAxisScaleDrawH
#define MonthAxisScaleDrawH

#include <qwt_scale_draw.h>

#include "MonthNames.h"

/*! Month axis of the monthly bars (month j at x = j): each month's name centred between its
	two ticks, long names when all of them fit, else the short ones. */
class MonthAxisScaleDraw : public QwtScaleDraw {
public:
	void draw(QPainter * painter, const QPalette & palette) const override;

	/*! The names draw() uses with these metrics and a slot width in pixels. */
	const QString * monthNames(const QFontMetrics & fm, int slotWidth) const;

	MonthNames m_months;

protected:
	/*! Labels are drawn by draw() itself. */
	void drawLabel(QPainter * painter, double value) const override;
};

#endif // MonthAxisScaleDrawH
