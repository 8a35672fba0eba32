#ifndef RM_XmlTreeH
#define RM_XmlTreeH

#include <vector>

#include <QString>
#include <QXmlStreamAttributes>

namespace RMTest {

/*! An element of a parsed XML file: qualified name, attributes, own text and children. */
struct XmlNode {
	QString					m_name;
	QXmlStreamAttributes	m_attributes;
	QString					m_text;
	std::vector<XmlNode>	m_children;

	QString attribute(const QString & name) const { return m_attributes.value(name).toString(); }
	/*! First child of that name; fails the current test and returns an empty node when missing. */
	const XmlNode & child(const QString & name) const;
	/*! All children of that name, in document order. */
	std::vector<const XmlNode *> children(const QString & name) const;
	/*! All elements of that name below this one, depth first. */
	void collect(const QString & name, std::vector<const XmlNode *> & found) const;
	/*! Text of the "BVX:Parameter" child with that name attribute (empty when missing). */
	QString parameter(const QString & name) const;
};

/*! Reads a whole file with QXmlStreamReader; false with the reader's error text when the file
	is missing or not well-formed. */
bool readXmlTree(const QString & fileName, XmlNode & root, QString & error);

/*! The whole file as UTF-8 text (empty when missing). */
QString fileText(const QString & fileName);

} // namespace RMTest

#endif // RM_XmlTreeH
