#ifndef QtExt_RectHatchingFunctionsH
#define QtExt_RectHatchingFunctionsH

class QPainter;
class QRectF;

namespace QtExt {

/*! Hatch patterns of a rectangle. Each function draws with the painter's current pen,
	line spacing distance in pixels, integer line coordinates. A rectangle without area
	or a distance below 1 draws nothing.
*/

/*! Horizontal lines. */
void drawHorizontalHatching(QPainter * painter, const QRectF & rect, int distance);
/*! Vertical lines. */
void drawVerticalHatching(QPainter * painter, const QRectF & rect, int distance);
/*! Diagonal lines falling to the right. */
void drawFallingDiagonalHatching(QPainter * painter, const QRectF & rect, int distance);
/*! Diagonal lines rising to the right. */
void drawRisingDiagonalHatching(QPainter * painter, const QRectF & rect, int distance);
/*! Insulation loops along the longer side. */
void drawInsulationHatching(QPainter * painter, const QRectF & rect, int distance);

/*! Pattern of a hatching type: 1 horizontal, 2 vertical, 3 falling diagonals, 4 rising
	diagonals, 5 both diagonals, 6 grid, 7 insulation loops; other types draw nothing.
*/
void drawHatching(QPainter * painter, const QRectF & rect, int hatchingType, int distance);

} // namespace QtExt

#endif // QtExt_RectHatchingFunctionsH
