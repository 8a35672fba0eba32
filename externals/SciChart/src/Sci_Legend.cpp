#include "Sci_Legend.h"

#include <QLayout>
#include <QScrollBar>

#include <qwt_legend_label.h>
#include <qwt_plot.h>

namespace SCI {

Legend::Legend(QwtPlot * parent, int position) :
	QwtLegend(parent)
{
	Q_ASSERT_X(parent != nullptr, "Legend::Legend", "parent != 0");
	horizontalScrollBar()->hide();
	verticalScrollBar()->hide();
	parent->insertLegend(this, static_cast<QwtPlot::LegendPosition>(position), -1);
}


void Legend::setMaxColumns(int columns) {
	QwtLegend::setMaxColumns(static_cast<uint>(columns));
	updateGeometry();
}


void Legend::setSpacing(int spacing) {
	m_spacing = spacing;
	QLayout * l = contentsWidget()->layout();
	if (l == nullptr)
		return;
	for (int i = 0; i < l->count(); ++i) {
		if (QwtLegendLabel * label = qobject_cast<QwtLegendLabel *>(l->itemAt(i)->widget()))
			label->setSpacing(spacing);
	}
}


QWidget * Legend::createWidget(const QwtLegendData & legendData) const {
	QWidget * w = QwtLegend::createWidget(legendData);
	if (QwtLegendLabel * label = qobject_cast<QwtLegendLabel *>(w))
		label->setSpacing(m_spacing);
	return w;
}

} // namespace SCI
