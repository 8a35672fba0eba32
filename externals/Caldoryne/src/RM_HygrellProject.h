#ifndef RM_HygrellProjectH
#define RM_HygrellProjectH

#include <map>
#include <string>
#include <vector>

#include <BVX_Color.h>
#include <BVX_Parameter.h>
#include <BVX_Path.h>

class TiXmlElement;

namespace RM {

/*! Project record of the hygrothermal program Hygrell (format 6): a one-dimensional
	construction whose layers refer to material files. Plain value; writeXML() writes the
	project file.
*/
class HygrellProject {
public:
	/*! Reference of one layer to a material file. */
	class MaterialReference {
	public:
		/*! Empty name and path, colour components 1, hatch code 0. */
		MaterialReference();

		/*! Appends a "MaterialReference" element to parent; nothing for an empty file path. */
		void write(TiXmlElement * parent) const;

		std::string		m_name;
		/*! Material file, usually with the "${Materials}" placeholder in front. */
		BVX::Path		m_filePath;
		BVX::Color		m_color;
		unsigned int	m_hatchCode;
	};

	/*! One layer: its thickness and its material. */
	class Layer {
	public:
		/*! Width "width" of 0.1 m. */
		Layer();

		BVX::Parameter		m_width;
		MaterialReference	m_materialReference;
	};

	HygrellProject();

	void setId(int id) { m_id = id; }
	void setFilePath(const std::string & filePath) { m_filePath = filePath; }
	void setDisplayName(const std::string & displayName) { m_displayName = displayName; }

	/*! Writes the project file; throws BVX::Exception when it cannot be written. */
	void writeXML(const std::string & filePath) const;

	/*! Not written; the construction type id of an export. */
	int								m_id;
	/*! Not written; the target file of an export. */
	std::string						m_filePath;
	std::string						m_comment;
	std::string						m_displayName;
	/*! Placeholder name -> directory. */
	std::map<std::string, BVX::Path>	m_placeholders;
	/*! Outside layer first. */
	std::vector<Layer>				m_layers;

private:
	void writeProjectInfo(TiXmlElement * root) const;
	void writePlaceholders(TiXmlElement * root) const;
	void writeMaterials(TiXmlElement * root) const;
	void writeDiscretization(TiXmlElement * root) const;
	void writeAssignments(TiXmlElement * root) const;
};

} // namespace RM

#endif // RM_HygrellProjectH
