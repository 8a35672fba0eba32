#ifndef Sci_ScalePenH
#define Sci_ScalePenH

class QPainter;

namespace SCI {

/*! Fractional pen width for the ticks and backbone of a scale draw. Qwt's scale draws
	take whole-number widths only: 1 prints a quarter millimetre, 0 a hairline of one
	printer dot. A width above 0 here replaces the whole-number width while drawing.
*/
class ScalePen {
public:
	virtual ~ScalePen();

	/*! Width in painter units; 0 keeps the scale draw's own width. */
	void setPenWidthF(double width) { m_penWidthF = width; }
	double penWidthF() const { return m_penWidthF; }

protected:
	/*! Gives the painter's pen the fractional width, if one is set. */
	void applyPenWidthF(QPainter * painter) const;

private:
	double	m_penWidthF = 0;
};

} // namespace SCI

#endif // Sci_ScalePenH
