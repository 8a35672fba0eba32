#ifndef Sci_ScaleDrawH
#define Sci_ScaleDrawH

#include <qwt_scale_draw.h>

#include "Sci_ScalePen.h"

namespace SCI {

/*! Plain number scale draw whose ticks and backbone may take a fractional pen width. */
class ScaleDraw : public QwtScaleDraw, public ScalePen {
protected:
	void drawTick(QPainter * painter, double value, double len) const override;
	void drawBackbone(QPainter * painter) const override;
};

} // namespace SCI

#endif // Sci_ScaleDrawH
