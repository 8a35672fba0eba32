#ifndef QtExt_ConstructionGraphicsSceneH
#define QtExt_ConstructionGraphicsSceneH

#include <vector>

#include <QFont>
#include <QGraphicsScene>
#include <QPen>
#include <QVector>

#include "QtExt_ConstructionLayer.h"

class QGraphicsTextItem;
class QPaintDevice;

namespace QtExt {

/*! Cross-section drawing of one construction: a rectangle per layer from the outside
	(left) to the inside (right), width proportional to the thickness, the surface lines,
	"outside" and "inside", and below a dimension chain with the layer widths and the
	total width in mm.

	The layer rectangles are selectable and carry the layer index (0 = outside) in data
	slot 0. On screen sizes are in pixels; in print mode offsets and pens scale with the
	resolution factor. Texts are laid out for the given paint device.
*/
class ConstructionGraphicsScene : public QGraphicsScene {
	Q_OBJECT
public:
	/*! Smallest width of a layer rectangle on screen, in pixels. */
	static constexpr double MIN_SCREEN_LAYER_WIDTH = 4;

	ConstructionGraphicsScene(bool onScreen, QPaintDevice * device, QObject * parent = nullptr);
	~ConstructionGraphicsScene() override;

	/*! (Re)draws everything into frame. Nothing happens when frame, resolution, device
		and layers equal those of the last drawing.
	*/
	void setup(const QRect & frame, QPaintDevice * device, double res,
			   const QVector<ConstructionLayer> & layers);

	/*! Area of the layer rectangles of the last drawing. */
	const QRectF & innerRect() const { return m_inner; }
	/*! x of every layer boundary of the last drawing, left to right. */
	const std::vector<double> & xPositions() const { return m_xPositions; }
	/*! Pen of dimension chain, leader lines and hatching. */
	const QPen & dimensionPen() const { return m_dimensionPen; }
	/*! Pen of the outer lines left and right. */
	const QPen & boundaryPen() const { return m_boundaryPen; }
	/*! Pen of the dashed surface lines top and bottom. */
	const QPen & surfacePen() const { return m_surfacePen; }

	/*! Text of a width in m as written in the chain: mm without decimals when within
		0.1 mm of a whole number, else one decimal; never localised.
	*/
	static QString widthLabel(double widthInM);

public slots:
	/*! Removes all items and the layers; only the hidden caption stays. */
	void clear();

private:
	/*! A width label below the chain: layer index, row (0 or 1) and left edge. */
	struct HangingLabel {
		int		m_layer;
		int		m_row;
		double	m_x;
	};

	void updatePens();
	void createCaption();
	QGraphicsTextItem * addTextItem(const QString & text, const QFont & font);
	void calculatePositions();
	/*! Width in pixels of every layer: proportional to its thickness, on screen at least
		MIN_SCREEN_LAYER_WIDTH, together available. */
	std::vector<double> drawnWidths(double available) const;
	void drawDimensions();
	/*! Places the labels of the layers in shown (left to right) in up to two rows below the
		chain, inside the frame and apart by gap; leaves out the labels of the thinnest
		layers until the rest fit. */
	std::vector<HangingLabel> placeHangingLabels(const std::vector<QGraphicsTextItem *> & labels,
												 std::vector<int> shown, double gap) const;
	void drawLayers();

	QVector<ConstructionLayer>	m_layers;
	QFont						m_textFont;
	QFont						m_captionFont;
	QFont						m_screenTextFont;
	QFont						m_printTextFont;
	QFont						m_screenCaptionFont;
	QFont						m_printCaptionFont;
	/*! Whole drawing area given to setup(). */
	QRectF						m_frame;
	/*! Area of the layer rectangles. */
	QRectF						m_inner;
	std::vector<double>			m_xPositions;
	int							m_xStart = 0;
	int							m_xEnd = 0;
	/*! Sum of the layer widths in m. */
	double						m_totalWidth = 0;
	bool						m_onScreen;
	/*! Resolution factor, 1 on screen. */
	double						m_res = 1.0;
	/*! Device the texts are laid out for (not owned). */
	QPaintDevice *				m_device;
	QPen						m_dimensionPen;
	QPen						m_boundaryPen;
	QPen						m_surfacePen;
	/*! "Layer widths in [mm]", owned by the scene. */
	QGraphicsTextItem *			m_caption = nullptr;
};

} // namespace QtExt

#endif // QtExt_ConstructionGraphicsSceneH
