#ifndef MonthAxisScaleDrawH
#define MonthAxisScaleDrawH

#include <QCoreApplication>
#include <QString>

#include <qwt_scale_draw.h>

/*! Month axis of the monthly bars (month j at x = j): each month's name centred between its
	two ticks, long names when all of them fit, else the short ones. */
class MonthAxisScaleDraw : public QwtScaleDraw {
	Q_DECLARE_TR_FUNCTIONS(MonthAxisScaleDraw)
public:
	MonthAxisScaleDraw();

	void draw(QPainter * painter, const QPalette & palette) const override;

	/*! The names draw() uses with these metrics and a slot width in pixels. */
	const QString * monthNames(const QFontMetrics & fm, int slotWidth) const;

	QString m_monthNames[12];
	QString m_shortMonthNames[12];

protected:
	/*! Labels are drawn by draw() itself. */
	void drawLabel(QPainter * painter, double value) const override;
};

#endif // MonthAxisScaleDrawH
