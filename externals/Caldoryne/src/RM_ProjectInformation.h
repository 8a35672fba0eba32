#ifndef RM_ProjectInformationH
#define RM_ProjectInformationH

#include <QString>

class QXmlStreamReader;
class QXmlStreamWriter;

namespace RM {

/*! The descriptive header of a project, stored in the project file and printed in the report. */
class ProjectInformation {
public:
	/*! Reads the children of the current "ProjectInformation" element up to its end;
		unknown children are skipped silently. */
	void readXML(QXmlStreamReader & reader);
	/*! Writes one "ProjectInformation" element, every text included even when empty. */
	void writeXML(QXmlStreamWriter & writer) const;

	QString		m_projectName;
	QString		m_constructionID;
	QString		m_userName;
	QString		m_company;
	QString		m_description;
	QString		m_location;
	QString		m_disclaimerText;
};

} // namespace RM

#endif // RM_ProjectInformationH
