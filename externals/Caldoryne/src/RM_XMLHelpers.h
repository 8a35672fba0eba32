#ifndef RM_XMLHelpersH
#define RM_XMLHelpersH

#include <functional>
#include <vector>

#include <QByteArray>
#include <QString>

class QXmlStreamReader;
class QXmlStreamWriter;

namespace BVX {
	class LinearSpline;
}

/*! Shared reading and writing steps of all readXML()/writeXML() functions of the room model.

	Every reading helper is a no-op when the reader is already in its error state,
	so a failed parse runs to its end without further damage and the caller reports
	the reader's error. The helpers throw nothing.
*/
namespace RM {

/*! Text of the current start element; the reader then stands on its end element.
	A child element puts the reader into its error state. */
QString readElementText(QXmlStreamReader & reader);

/*! Skips the current start element with all its content, up to and including its end element. */
void skipElement(QXmlStreamReader & reader);

/*! Consumes the rest of the current element, skipping every child element whole. */
void readUntilEndElement(QXmlStreamReader & reader);

/*! Reads the children of the current start element up to its end element: readChild is called
	on every child start element with its tag and must consume that child whole. With endTag
	given, only an end element of that name ends the reading. Stops also on a reader error.
*/
void readChildElements(QXmlStreamReader & reader, const std::function<void(const QString & tag)> & readChild,
					   const QString & endTag = QString());

/*! Warns about an unknown child element of the given section and skips it whole. */
void skipUnknownElement(QXmlStreamReader & reader, const char * section, const QString & tag,
						const char * functionID);

/*! Sets modelType to the index i < count whose keyword(i) equals the "modelType" attribute
	of the current element; an unknown or missing keyword leaves it unchanged. */
void readModelTypeAttribute(QXmlStreamReader & reader, int count, QString (*keyword)(int), int & modelType);

/*! The one conversion of number texts of project and database files: C notation, white
	space around the number allowed. False for text that is no number: empty text, a decimal
	comma ("2,5"), more text after the number ("2.5x", "20abc"), hexadecimal ("0x10"). The
	program never writes such texts; reading them as 0 would simulate another room. */
bool parseNumber(const QString & text, double & value);

/*! As parseNumber() for a whole decimal number within the range of long long. */
bool parseWholeNumber(const QString & text, long long & value);

/*! Reads a numeric attribute of the current element (C notation, parseNumber()). On success
	the value is set and true returned. On failure the value stays; a missing attribute raises
	the reader's error "Invalid value for attribute '%1'." unless optional, a present one that
	is no finite number (nan, inf, "2,5", "") raises an error also when optional.
*/
bool readDoubleAttribute(QXmlStreamReader & reader, const QString & attributeName, double & value, bool optional);

/*! Number in the text of the current start element (parseNumber()); the reader then stands on
	its end element. Text that is no finite number raises the reader's error naming the element,
	and gives 0. */
double readDoubleElement(QXmlStreamReader & reader);

/*! Whole number in the text of the current start element (decimal); the reader then stands
	on its end element. Text that is no whole number of the type's range (nan, inf, 2.5, 1e308,
	"abc", "") raises the reader's error naming the element, and gives 0. */
unsigned int readUIntElement(QXmlStreamReader & reader);
int readIntElement(QXmlStreamReader & reader);

/*! A whole-number attribute (parseWholeNumber()) within 0..UINT_MAX: a missing attribute gives
	0, a present one that is no such number raises "Invalid value for attribute '%1'." and gives 0. */
unsigned int readUIntAttribute(QXmlStreamReader & reader, const QString & attributeName);

/*! False, with the reader's error raised naming the element or attribute, when a value
	is not finite. */
bool checkFiniteValues(QXmlStreamReader & reader, const std::vector<double> & values, const QString & name);

/*! As checkFiniteValues() for white-space separated numbers in a text: parseDoubles() stops
	silently at "nan", "inf" or a text that is no number ("2,5"), which is a read error instead. */
bool checkFiniteText(QXmlStreamReader & reader, const QString & text, const QString & name);

/*! Reads a "LinearSpline" element (reader on its start tag): its name, the units of its
	children "X" and "Y" and the values. The spline is set only from equal, non-empty
	value lists, else it is cleared; checking validity is the caller's task.
*/
void readNamedBVXSplineData(QXmlStreamReader & reader, QString & name, QString & xUnit, QString & yUnit,
							BVX::LinearSpline & spline);

/*! Writes a "LinearSpline" element; nothing for a spline without points.
	The values are written as held, also for a spline that is not valid. */
void writeLinearSpline(QXmlStreamWriter & writer, const QString & name, const QString & xUnit,
					   const QString & yUnit, const BVX::LinearSpline & spl);

/*! Numbers in the default stream notation (6 significant digits), each followed by
	the separator; with trailingSeparator false there is none after the last. */
QString doubleVectorToString(const std::vector<double> & values, bool trailingSeparator);

/*! Parses white-space separated numbers until a text that is no number. */
std::vector<double> parseDoubles(const QString & text);

/*! A double in general notation with six significant digits, C locale. */
QString doubleToString(double value);

/*! True when both values are written alike to a file (six significant digits), so an item
	compares equal to its own stored copy. */
bool sameAsStored(double a, double b);
bool sameAsStored(const std::vector<double> & a, const std::vector<double> & b);

/*! Finds the first byte of bytes that is not part of a valid UTF-8 sequence (overlong forms,
	surrogates and code points above U+10FFFF included). True when there is one, with its line
	and column (both from 1; the column counts characters). The XML reader decodes in blocks and
	reports such a byte at the end of its first block instead. */
bool findInvalidUtf8(const QByteArray & bytes, long long & line, long long & column);

/*! True unless the XML declaration at the start names an encoding other than UTF-8. */
bool declaresUtf8(const QByteArray & bytes);

} // namespace RM

#endif // RM_XMLHelpersH
