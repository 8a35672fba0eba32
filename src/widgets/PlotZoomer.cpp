#include "PlotZoomer.h"

#include <qwt_picker_machine.h>

#include "TimePlotPicker.h"

PlotZoomer::PlotZoomer(int xAxis, int yAxis, QWidget * canvas) :
	QwtPlotZoomer(xAxis, yAxis, canvas, true)
{
	setStateMachine(new QwtPickerDragRectMachine);
	setTrackerPen(QPen(Qt::black));
	setRubberBand(QwtPicker::RectRubberBand);
	setRubberBandPen(QPen(Qt::lightGray));
	setTrackerMode(QwtPicker::ActiveOnly);
	setMousePattern(QwtEventPattern::MouseSelect2, Qt::RightButton, Qt::ShiftModifier);
	setMousePattern(QwtEventPattern::MouseSelect3, Qt::RightButton);
}


QwtText PlotZoomer::trackerTextF(const QPointF & pos) const {
	// same epoch as the picker and the date scale: 1 January 2001 (a Monday), UTC
	QwtText text(TimePlotPicker::trackerText(pos, m_unit, rubberBand()).trimmed(), QwtText::RichText);
	text.setFont(QFont("Consolas"));
	return text;
}
