#include "RM_HygrellProject.h"

#include <set>
#include <sstream>

#include <tinyxml.h>

#include <BVX_Conversions.h>
#include <BVX_Rectangle.h>
#include <BVX_TinyXMLHelpers.h>

#include "RM_TextFile.h"

namespace RM {

HygrellProject::MaterialReference::MaterialReference() :
	m_color(1, 1, 1, 1),
	m_hatchCode(0)
{
}


void HygrellProject::MaterialReference::write(TiXmlElement * parent) const {
	if (!m_filePath.isValid())
		return;
	TiXmlElement * e = BVX::appendSingleAttributeElement(parent, "MaterialReference", "name", m_name, m_filePath.str());
	if (m_color.m_red != 0 || m_color.m_green != 0 || m_color.m_blue != 0 || m_color.m_alpha != 0)
		e->SetAttribute("color", m_color.htmlString());
	if (m_hatchCode != 0)
		e->SetAttribute("hatchCode", BVX::val2string(m_hatchCode));
}


HygrellProject::Layer::Layer() :
	m_width("width", 0.1, BVX::Unit("m"))
{
}


HygrellProject::HygrellProject() :
	m_id(0)
{
}


void HygrellProject::writeXML(const std::string & filePath) const {
	TiXmlDocument doc;
	doc.LinkEndChild(new TiXmlDeclaration("1.0", "UTF-8", ""));
	TiXmlElement * root = new TiXmlElement("HygrellProject");
	doc.LinkEndChild(root);
	root->SetAttribute("fileVersion", "6.2.0");

	writeProjectInfo(root);
	writePlaceholders(root);
	writeMaterials(root);
	writeDiscretization(root);
	writeAssignments(root);

	TiXmlPrinter printer;
	doc.Accept(&printer);
	writeTextFile(BVX::Path(filePath), printer.Str(), "[HygrellProject::writeXML]");
}


void HygrellProject::writeProjectInfo(TiXmlElement * root) const {
	if (m_comment.empty() && m_displayName.empty())
		return;
	TiXmlElement * info = new TiXmlElement("ProjectInfo");
	root->LinkEndChild(info);
	if (!m_comment.empty())
		BVX::appendSingleAttributeElement(info, "Comment", nullptr, std::string(), m_comment);
	if (!m_displayName.empty())
		BVX::appendSingleAttributeElement(info, "DisplayName", nullptr, std::string(), m_displayName);
}


void HygrellProject::writePlaceholders(TiXmlElement * root) const {
	if (m_placeholders.empty())
		return;
	TiXmlElement * placeholders = new TiXmlElement("DirectoryPlaceholders");
	root->LinkEndChild(placeholders);
	for (const std::pair<const std::string, BVX::Path> & p : m_placeholders)
		BVX::appendSingleAttributeElement(placeholders, "Placeholder", "name", p.first, p.second.str());
}


void HygrellProject::writeMaterials(TiXmlElement * root) const {
	std::set<std::string> names;
	for (const Layer & layer : m_layers)
		names.insert(layer.m_materialReference.m_name);
	names.erase(std::string());
	if (names.empty())
		return;
	TiXmlElement * materials = new TiXmlElement("Materials");
	root->LinkEndChild(materials);
	for (const std::string & name : names) {
		for (const Layer & layer : m_layers) {
			if (layer.m_materialReference.m_name == name) {
				layer.m_materialReference.write(materials);
				break;
			}
		}
	}
}


void HygrellProject::writeDiscretization(TiXmlElement * root) const {
	if (m_layers.empty())
		return;
	TiXmlElement * disc = new TiXmlElement("Discretization");
	root->LinkEndChild(disc);
	disc->SetAttribute("geometryType", "2D");
	std::string widths;
	for (const Layer & layer : m_layers) {
		if (!widths.empty())
			widths += ' ';
		widths += BVX::val2string(layer.m_width.m_value);
	}
	BVX::appendSingleAttributeElement(disc, "XSteps", "unit", m_layers.front().m_width.m_ioUnit.name(), widths);
}


void HygrellProject::writeAssignments(TiXmlElement * root) const {
	if (m_layers.empty())
		return;
	TiXmlElement * assignments = new TiXmlElement("Assignments");
	root->LinkEndChild(assignments);
	for (unsigned int i = 0; i < m_layers.size(); ++i) {
		TiXmlElement * a = new TiXmlElement("Assignment");
		assignments->LinkEndChild(a);
		a->SetAttribute("type", "Material");
		a->SetAttribute("location", "Element");
		BVX::appendSingleAttributeElement(a, "Reference", nullptr, std::string(), m_layers[i].m_materialReference.m_name);
		std::ostringstream range;
		BVX::rectangle<unsigned int>(i, 0, i, 0).write(range);
		BVX::appendSingleAttributeElement(a, "Range", nullptr, std::string(), range.str());
	}
}

} // namespace RM
