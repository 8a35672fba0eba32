#ifndef QwtDateTimeScaleDrawH
#define QwtDateTimeScaleDrawH

#include <QCoreApplication>
#include <QString>

#include <qwt_scale_draw.h>

#include "MonthNames.h"

/*! Bottom-axis scale draw of a time axis in days since 1 January: paints month names
	(long or short, as they fit) with week numbers, week labels or day labels itself,
	depending on the visible range. */
class QwtDateTimeScaleDraw : public QwtScaleDraw {
	Q_DECLARE_TR_FUNCTIONS(QwtDateTimeScaleDraw)
public:
	void draw(QPainter * painter, const QPalette & palette) const override;

	/*! True when every long month name fits into monthWidth pixels with these metrics. */
	bool longMonthNamesFit(const QFontMetrics & fm, int monthWidth) const;

	MonthNames m_months;

protected:
	/*! Labels are drawn by draw() itself. */
	void drawLabel(QPainter * painter, double value) const override;

private:
	void drawWeekLabels(QPainter * painter, const QList<double> & majorTicks) const;
	void drawDayLabels(QPainter * painter, const QList<double> & majorTicks) const;
	void drawMonthLabels(QPainter * painter, unsigned int m1, unsigned int m2, double d1) const;
	void drawWeekNumbers(QPainter * painter) const;
};

#endif // QwtDateTimeScaleDrawH
