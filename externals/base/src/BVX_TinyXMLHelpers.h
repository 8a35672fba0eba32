#ifndef BVX_TinyXMLHelpersH
#define BVX_TinyXMLHelpersH

#include <string>

class TiXmlElement;
class TiXmlAttribute;

namespace BVX {

/*! Creates an element named elementName as last child of parent. With a non-null
	attributeName the attribute is set to attributeValue; a non-empty text is added as
	text node. Returns the new element (owned by parent), or null for a null parent. */
TiXmlElement * appendSingleAttributeElement(TiXmlElement * parent, const char * elementName,
	const char * attributeName, const std::string & attributeValue, const std::string & text);

/*! The first attribute of element whose name equals attributeName byte by byte, or
	null (also for a null element). */
const TiXmlAttribute * findAttribute(const TiXmlElement * element, const char * attributeName);

} // namespace BVX

#endif // BVX_TinyXMLHelpersH
