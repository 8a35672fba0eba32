#ifndef Sci_SeriesPropertiesH
#define Sci_SeriesPropertiesH

#include <QPen>
#include <QString>

namespace SCI {

/*! Properties of one line series. */
struct SeriesProperties {
	QString		m_titleText;
	QPen		m_pen = QPen(Qt::SolidLine);
	/*! True: the series belongs to the left y axis, else to the right one. */
	bool		m_leftAxis = true;
	int			m_lineStyle = 1;
	int			m_markerStyle = -1;
	bool		m_inverted = false;
	bool		m_fitted = false;
	bool		m_inLegend = true;
};

} // namespace SCI

#endif // Sci_SeriesPropertiesH
