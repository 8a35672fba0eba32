#include "TimePlotPicker.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

TimePlotPicker::TimePlotPicker(int xAxis, int yAxis, QWidget * canvas) :
	QwtPlotPicker(xAxis, yAxis, canvas)
{
}


QString TimePlotPicker::trackerText(const QPointF & pos, const QString & unit, QwtPicker::RubberBand band) {
	// the weekdays of the Monday ticks: day 0 is a Monday of a non-leap year, without daylight saving
	const QDateTime epoch(QDate(2001, 1, 1), QTime(0, 0, 0), Qt::UTC);
	const QDateTime t = epoch.addSecs(static_cast<qint64>(pos.x()*24*3600));
	const QString dateText = QLocale().toString(t, QCoreApplication::translate("TimePlotPicker",
												"ddd, dd. MMM hh:mm:ss", "Date/time format."));
	const QString valueText = QString("%1 %2").arg(pos.y(), 0, 'f', 2).arg(unit);
	switch (band) {
		case QwtPicker::HLineRubberBand : return dateText;
		case QwtPicker::VLineRubberBand : return valueText;
		default : return QString("%1, %2").arg(dateText, valueText);
	}
}


void TimePlotPicker::begin() {
	setTrackerMode(QwtPicker::AlwaysOff);
	QwtPlotPicker::begin();
}


bool TimePlotPicker::end(bool ok) {
	setTrackerMode(QwtPicker::AlwaysOn);
	return QwtPlotPicker::end(ok);
}


QwtText TimePlotPicker::trackerTextF(const QPointF & pos) const {
	QwtText text(trackerText(pos, m_unit, rubberBand()), QwtText::RichText);
	text.setFont(QFont("Consolas"));
	return text;
}
