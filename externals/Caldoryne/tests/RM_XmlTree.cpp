#include "RM_XmlTree.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QXmlStreamReader>

namespace RMTest {

const XmlNode & XmlNode::child(const QString & name) const {
	static const XmlNode EMPTY;
	for (const XmlNode & c : m_children)
		if (c.m_name == name)
			return c;
	ADD_FAILURE() << "no element " << name.toStdString() << " in " << m_name.toStdString();
	return EMPTY;
}


std::vector<const XmlNode *> XmlNode::children(const QString & name) const {
	std::vector<const XmlNode *> res;
	for (const XmlNode & c : m_children)
		if (c.m_name == name)
			res.push_back(&c);
	return res;
}


void XmlNode::collect(const QString & name, std::vector<const XmlNode *> & found) const {
	for (const XmlNode & c : m_children) {
		if (c.m_name == name)
			found.push_back(&c);
		c.collect(name, found);
	}
}


QString XmlNode::parameter(const QString & name) const {
	for (const XmlNode & c : m_children)
		if (c.m_name == "BVX:Parameter" && c.attribute("name") == name)
			return c.m_text;
	return QString();
}


namespace {

void readElement(QXmlStreamReader & reader, XmlNode & node) {
	node.m_name = reader.qualifiedName().toString();
	node.m_attributes = reader.attributes();
	while (!reader.atEnd()) {
		reader.readNext();
		if (reader.isStartElement()) {
			node.m_children.emplace_back();
			readElement(reader, node.m_children.back());
		}
		else if (reader.isCharacters())
			node.m_text += reader.text();
		else if (reader.isEndElement())
			return;
	}
}

} // namespace


bool readXmlTree(const QString & fileName, XmlNode & root, QString & error) {
	QFile file(fileName);
	if (!file.open(QIODevice::ReadOnly)) {
		error = "cannot open " + fileName;
		return false;
	}
	QXmlStreamReader reader(&file);
	while (!reader.atEnd()) {
		reader.readNext();
		if (reader.isStartElement())
			readElement(reader, root);
	}
	error = reader.errorString();
	return !reader.hasError();
}


QString fileText(const QString & fileName) {
	QFile file(fileName);
	if (!file.open(QIODevice::ReadOnly))
		return QString();
	return QString::fromUtf8(file.readAll());
}

} // namespace RMTest
