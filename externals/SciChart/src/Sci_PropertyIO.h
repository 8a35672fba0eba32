#ifndef Sci_PropertyIOH
#define Sci_PropertyIOH

#include <string>

#include <QVariant>

#include <tinyxml.h>

#include <BVX_Conversions.h>
#include <BVX_TinyXMLHelpers.h>

#include "Sci_XMLUtils.h"

/*! Helpers shared by the property setters and readers of the chart models. */
namespace SCI {

/*! Stores a changed value and tells whether it changed. */
template <typename T>
bool assignChanged(T & stored, const T & value) {
	if (stored == value)
		return false;
	stored = value;
	return true;
}

/*! Numbers from a QVariant; false when the value is no number. */
inline bool convertVariant(const QVariant & value, int & result) {
	bool ok;
	result = value.toInt(&ok);
	return ok;
}

inline bool convertVariant(const QVariant & value, double & result) {
	bool ok;
	result = value.toDouble(&ok);
	return ok;
}

/*! Stores the converted value when it converts; changed tells whether it differed. */
template <typename T>
bool assignConverted(T & stored, const QVariant & value, bool & changed) {
	T converted;
	if (!convertVariant(value, converted))
		return false;
	changed = assignChanged(stored, converted);
	return true;
}

/*! The text of the named child converted into value, when the child exists.
	Unconvertible text throws BVX::Exception. */
template <typename T>
bool readChild(const TiXmlElement * parent, const char * name, T & value) {
	const TiXmlElement * child = parent->FirstChildElement(name);
	if (child == nullptr)
		return false;
	value = BVX::string2val<T>(elementText(child));
	return true;
}

/*! Doubles also as infinities (fixed limits may be infinite). */
inline bool readChild(const TiXmlElement * parent, const char * name, double & value) {
	const TiXmlElement * child = parent->FirstChildElement(name);
	if (child == nullptr)
		return false;
	value = numberFromXml(elementText(child));
	return true;
}

/*! The named attribute converted into value, when it exists. */
template <typename T>
bool readAttribute(const TiXmlElement * element, const char * name, T & value) {
	const TiXmlAttribute * attrib = BVX::findAttribute(element, name);
	if (attrib == nullptr)
		return false;
	value = BVX::string2val<T>(attrib->ValueStr());
	return true;
}

} // namespace SCI

#endif // Sci_PropertyIOH
