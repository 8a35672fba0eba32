#include "BVX_TinyXMLHelpers.h"

#include <cstring>

#include <tinyxml.h>

namespace BVX {

TiXmlElement * appendSingleAttributeElement(TiXmlElement * parent, const char * elementName,
	const char * attributeName, const std::string & attributeValue, const std::string & text)
{
	if (parent == nullptr)
		return nullptr;
	// LinkEndChild takes ownership of the new node
	TiXmlElement * e = new TiXmlElement(elementName);
	parent->LinkEndChild(e);
	if (attributeName != nullptr)
		e->SetAttribute(attributeName, attributeValue.c_str());
	if (!text.empty())
		e->LinkEndChild(new TiXmlText(text));
	return e;
}


const TiXmlAttribute * findAttribute(const TiXmlElement * element, const char * attributeName) {
	if (element == nullptr || attributeName == nullptr)
		return nullptr;
	for (const TiXmlAttribute * a = element->FirstAttribute(); a != nullptr; a = a->Next()) {
		if (std::strcmp(a->Name(), attributeName) == 0)
			return a;
	}
	return nullptr;
}

} // namespace BVX
