#ifndef Sci_ChartSeriesH
#define Sci_ChartSeriesH

#include <QObject>

class QwtPlotItem;

namespace SCI {

class Chart;

/*! One model series on a chart: owns its Qwt item and attaches it to the chart. */
class ChartSeries : public QObject {
	Q_OBJECT
public:
	/*! Takes ownership of ser; attaches it when a chart is given. */
	ChartSeries(QwtPlotItem * ser, Chart * chart);
	~ChartSeries() override;

	/*! Kind of series with the numbers of the model's seriesType(). */
	virtual int type() const { return 0; }
	virtual void lock() = 0;
	virtual void unlock() = 0;

	void setTitle(const QString & title);
	/*! Moves the item from the right to the left y axis and enables that axis. */
	void setLeftAxis();
	/*! Moves the item from the left to the right y axis and enables that axis. */
	void setRightAxis();

	QwtPlotItem * item() const { return m_ser; }
	bool dataValid() const { return m_dataValid; }

protected:
	/*! Moves the item from the y axis from to the y axis to and enables that; nothing when on another. */
	void moveAxis(int from, int to);

	QwtPlotItem *	m_ser;
	bool			m_dataValid = false;
	Chart *			m_chart = nullptr;
};

} // namespace SCI

#endif // Sci_ChartSeriesH
