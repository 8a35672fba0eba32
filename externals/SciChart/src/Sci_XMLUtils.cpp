#include "Sci_XMLUtils.h"

#include <charconv>
#include <cmath>
#include <limits>

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QString>

#include <tinyxml.h>

#include <BVX_Conversions.h>
#include <BVX_TinyXMLHelpers.h>

namespace SCI {

std::string xmlNumber(double value) {
	if (std::isnan(value))
		return BVX::NAN_TEXT;
	char buf[64];
	std::to_chars_result res = std::to_chars(buf, buf + sizeof(buf), value);
	return std::string(buf, res.ptr);
}


double numberFromXml(const std::string & text) {
	// the stream reading of the base library knows no infinities
	if (text == "inf" || text == "+inf")
		return std::numeric_limits<double>::infinity();
	if (text == "-inf")
		return -std::numeric_limits<double>::infinity();
	return BVX::string2val<double>(text);
}


std::string xmlBool(bool value) {
	return value ? "1" : "0";
}


std::string xmlColor(const QColor & color) {
	QColor::NameFormat format = color.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb;
	return color.name(format).toStdString();
}


QColor colorFromXml(const std::string & text) {
	QColor c;
	c.setNamedColor(QString::fromStdString(text));
	return c;
}


std::string xmlDateTime(const QDateTime & dateTime) {
	return dateTime.toString(Qt::ISODateWithMs).toStdString();
}


QDateTime dateTimeFromXml(const std::string & text) {
	QString str = QString::fromStdString(text);
	QDateTime dt = QDateTime::fromString(str, Qt::ISODateWithMs);
	if (!dt.isValid())
		dt = QDateTime::fromString(str, Qt::TextDate);
	return dt;
}


std::string xmlFont(const QFont & font) {
	return font.toString().toStdString();
}


QFont fontFromXml(const std::string & text) {
	QFont f;
	f.fromString(QString::fromStdString(text));
	return f;
}


std::string toUtf8(const QString & text) {
	return text.toUtf8().toStdString();
}


QString fromUtf8(const std::string & text) {
	return QString::fromUtf8(text.c_str(), static_cast<int>(text.size()));
}


std::string elementText(const TiXmlElement * element) {
	const char * text = element->GetText();
	return text == nullptr ? std::string() : std::string(text);
}


namespace {

/*! True for a text that the reader would change: the reader condenses runs of blanks,
	drops leading and trailing ones and drops a text of white space only (line feeds and
	tabs are written as character references and survive otherwise). */
bool alteredByReader(const std::string & text) {
	if (text.empty())
		return false;
	if (text.front() == ' ' || text.back() == ' ' || text.find("  ") != std::string::npos)
		return true;
	return text.find_first_not_of(" \t\n\r") == std::string::npos;
}

} // namespace


void appendElement(TiXmlElement * parent, const char * name, const std::string & text) {
	if (!alteredByReader(text) || text.find("]]>") != std::string::npos) {
		BVX::appendSingleAttributeElement(parent, name, nullptr, std::string(), text);
		return;
	}
	TiXmlElement * e = new TiXmlElement(name);
	TiXmlText * t = new TiXmlText(text);
	t->SetCDATA(true);
	e->LinkEndChild(t);
	parent->LinkEndChild(e);
}

} // namespace SCI
