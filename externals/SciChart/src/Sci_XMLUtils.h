#ifndef Sci_XMLUtilsH
#define Sci_XMLUtilsH

#include <string>

class QColor;
class QDateTime;
class QFont;
class QString;
class QStringList;
class TiXmlElement;

/*! Text conversions of the chart-properties XML. Every writer here produces text that
	its reader turns back into the identical value. */
namespace SCI {

/*! Shortest text that reads back to exactly the same double ("0.1", "9.5e+11");
	infinities as "inf" and "-inf". */
std::string xmlNumber(double value);
/*! The double of a text written by xmlNumber() (also "inf", "-inf" and NaN);
	throws BVX::Exception for any other text that is no number. */
double numberFromXml(const std::string & text);
/*! "1" or "0". */
std::string xmlBool(bool value);
/*! "#rrggbb" for an opaque colour, "#aarrggbb" otherwise (both read by QColor::setNamedColor). */
std::string xmlColor(const QColor & color);
/*! The colour of a "#rrggbb"/"#aarrggbb" or named-colour text. */
QColor colorFromXml(const std::string & text);
/*! ISO 8601 with milliseconds; UTC and offset times carry their zone. */
std::string xmlDateTime(const QDateTime & dateTime);
/*! ISO 8601 (with or without milliseconds); older files hold Qt's TextDate form. */
QDateTime dateTimeFromXml(const std::string & text);
std::string xmlFont(const QFont & font);
QFont fontFromXml(const std::string & text);
std::string toUtf8(const QString & text);
QString fromUtf8(const std::string & text);

/*! Text of an element, empty when it has none. */
std::string elementText(const TiXmlElement * element);
/*! Appends <name>text</name> to parent. A text that the XML reader would alter
	(leading, trailing or double blanks, white space only) is written as a CDATA
	section, which keeps it as it is. */
void appendElement(TiXmlElement * parent, const char * name, const std::string & text);

} // namespace SCI

#endif // Sci_XMLUtilsH
