#ifndef QtExt_ConstructionLayerH
#define QtExt_ConstructionLayerH

#include <QColor>
#include <QString>

namespace QtExt {

/*! One drawn layer of a construction cross-section. */
class ConstructionLayer {
public:
	ConstructionLayer() = default;
	ConstructionLayer(double width, const QString & name, const QColor & color = Qt::green,
					  int id = -1, int hatchingType = 0) :
		m_width(width), m_name(name), m_color(color), m_id(id), m_hatchingType(hatchingType)
	{}

	/*! Widths equal within 1e-4 m, same name, colour and id; the hatching is not compared. */
	bool operator==(const ConstructionLayer & other) const;
	bool operator!=(const ConstructionLayer & other) const { return !(*this == other); }

	/*! Layer thickness in m. */
	double	m_width = 0;
	/*! Text written into the layer (the material name). */
	QString	m_name;
	/*! Fill and outline colour. */
	QColor	m_color = Qt::green;
	/*! Identifier of the layer's content (the material id). */
	int		m_id = -1;
	/*! Hatch pattern number, 0 none (see drawHatching()). */
	int		m_hatchingType = 0;
};

} // namespace QtExt

#endif // QtExt_ConstructionLayerH
