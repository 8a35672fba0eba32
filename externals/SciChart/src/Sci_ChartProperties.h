#ifndef Sci_ChartPropertiesH
#define Sci_ChartPropertiesH

#include <QColor>
#include <QFont>
#include <QPen>
#include <QSize>
#include <QString>

namespace SCI {

/*! Chart-wide properties: title, legend, flags and construction lines. */
struct ChartProperties {
	ChartProperties();

	QString		m_titleText;
	QFont		m_titleFont;
	bool		m_legendVisible = true;
	/*! 0 Left, 1 Right, 2 Bottom, 3 Top, 4 Inside. */
	int			m_legendPosition = 2;
	int			m_legendAlignment = 3;
	int			m_legendIconStyle = 0;
	int			m_legendIconWidth = 20;
	int			m_legendMaxColumns = 0;
	bool		m_legendHasFrame = true;
	double		m_legendBackgroundTransparency = 1.0;
	QColor		m_legendBackgroundColor = Qt::white;
	QSize		m_legendOffset = QSize(10, 10);
	QFont		m_legendFont;
	int			m_legendSpacing = 8;
	bool		m_proportional = false;
	bool		m_axisY2TitleInverted = false;
	bool		m_axisScalesInside = false;
	bool		m_constructionLinesVisible = false;
	QPen		m_constructionLinesPen = QPen(Qt::SolidLine);
};

} // namespace SCI

#endif // Sci_ChartPropertiesH
