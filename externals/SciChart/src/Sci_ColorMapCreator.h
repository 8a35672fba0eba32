#ifndef Sci_ColorMapCreatorH
#define Sci_ColorMapCreatorH

class QwtColorMap;

namespace SCI {

class ColorMap;

/*! Turns a colour map description into a Qwt colour map. */
class ColorMapCreator {
public:
	/*! A new Qwt map owned by the caller: QwtAlphaColorMap for an alpha map, QwtLinearColorMap
		(fixed colours changing at the stops, or scaled colours) for a linear map; null for an
		unknown type. Malformed stops are logged and give a usable default map. */
	static QwtColorMap * createColorMap(const ColorMap & colorMap, bool fixedColors);
};

} // namespace SCI

#endif // Sci_ColorMapCreatorH
