#include "Sci_XMLUtils.h"

#include <charconv>
#include <cmath>

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


void appendElement(TiXmlElement * parent, const char * name, const std::string & text) {
	BVX::appendSingleAttributeElement(parent, name, nullptr, std::string(), text);
}

} // namespace SCI
