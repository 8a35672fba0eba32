#ifndef Sci_LegendH
#define Sci_LegendH

#include <qwt_legend.h>

class QwtPlot;

namespace SCI {

/*! Legend widget beside the canvas; the plot owns it once inserted. */
class Legend : public QwtLegend {
	Q_OBJECT
public:
	/*! Inserts itself into the plot at position (a QwtPlot::LegendPosition). */
	Legend(QwtPlot * parent, int position);

	void setMaxColumns(int columns);
	/*! Spacing between icon and text of every label, also of labels made later. */
	void setSpacing(int spacing);
	int spacing() const { return m_spacing; }

protected:
	QWidget * createWidget(const QwtLegendData & legendData) const override;

private:
	int m_spacing = 5;
};

} // namespace SCI

#endif // Sci_LegendH
