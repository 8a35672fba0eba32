#ifndef Sci_LegendItemMoverH
#define Sci_LegendItemMoverH

#include <QObject>

class QwtPlot;

namespace SCI {

class PlotPicker;

/*! Event filter on the chart canvas through which the in-canvas legend will be dragged;
	for now every event passes on. */
class LegendItemMover : public QObject {
	Q_OBJECT
public:
	LegendItemMover(QwtPlot * parent, PlotPicker * picker);

	bool eventFilter(QObject * object, QEvent * event) override;

	PlotPicker * picker() const { return m_picker; }

private:
	PlotPicker *	m_picker;
};

} // namespace SCI

#endif // Sci_LegendItemMoverH
