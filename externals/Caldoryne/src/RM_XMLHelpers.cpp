#include "RM_XMLHelpers.h"

#include <cmath>
#include <limits>
#include <locale>
#include <sstream>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <BVX_FormatText.h>
#include <BVX_LinearSpline.h>
#include <BVX_MessageHandler.h>

namespace RM {

QString readElementText(QXmlStreamReader & reader) {
	if (reader.hasError())
		return QString();
	Q_ASSERT(reader.isStartElement());
	return reader.readElementText();
}


void skipElement(QXmlStreamReader & reader) {
	if (reader.hasError())
		return;
	Q_ASSERT(reader.isStartElement());
	readUntilEndElement(reader);
}


void readUntilEndElement(QXmlStreamReader & reader) {
	// depth counter instead of recursion: deeply nested input cannot exhaust the stack
	unsigned int depth = 0;
	while (!reader.atEnd() && !reader.hasError()) {
		reader.readNext();
		if (reader.isStartElement())
			++depth;
		else if (reader.isEndElement()) {
			if (depth == 0)
				break;
			--depth;
		}
	}
}


void readChildElements(QXmlStreamReader & reader, const std::function<void(const QString & tag)> & readChild,
					   const QString & endTag)
{
	while (!reader.atEnd() && !reader.hasError()) {
		reader.readNext();
		if (reader.isEndElement() && (endTag.isEmpty() || reader.name() == endTag))
			break;
		if (!reader.isStartElement())
			continue;
		readChild(reader.name().toString());
	}
}


void skipUnknownElement(QXmlStreamReader & reader, const char * section, const QString & tag,
						const char * functionID)
{
	BVX::BVX_Message(BVX::FormatText("Found unknown element in %1 tag: '%2'.").arg(section).arg(tag.toStdString()),
					 BVX::MSG_WARNING, functionID, 1);
	skipElement(reader);
}


void readModelTypeAttribute(QXmlStreamReader & reader, int count, QString (*keyword)(int), int & modelType) {
	const QString typeText = reader.attributes().value("modelType").toString();
	for (int i = 0; i < count; ++i)
		if (typeText == keyword(i))
			modelType = i;
}


bool parseNumber(const QString & text, double & value) {
	// QString::toDouble reads the C notation only and refuses any text around the number
	bool ok = false;
	const double v = text.toDouble(&ok);
	if (ok)
		value = v;
	return ok;
}


bool parseWholeNumber(const QString & text, long long & value) {
	bool ok = false;
	const long long v = text.trimmed().toLongLong(&ok, 10);
	if (ok)
		value = v;
	return ok;
}


namespace {

void refuseAttribute(QXmlStreamReader & reader, const QString & attributeName) {
	if (!reader.hasError())
		reader.raiseError(QCoreApplication::translate("XMLHelpers", "Invalid value for attribute '%1'.").arg(attributeName));
}

} // namespace


bool readDoubleAttribute(QXmlStreamReader & reader, const QString & attributeName, double & value, bool optional) {
	if (reader.hasError())
		return false;
	const QXmlStreamAttributes attribs = reader.attributes();
	if (!attribs.hasAttribute(attributeName)) {
		if (!optional)
			refuseAttribute(reader, attributeName);
		return false;
	}
	double v = 0;
	if (!parseNumber(attribs.value(attributeName).toString(), v) || !std::isfinite(v)) {
		refuseAttribute(reader, attributeName);
		return false;
	}
	value = v;
	return true;
}


unsigned int readUIntAttribute(QXmlStreamReader & reader, const QString & attributeName) {
	if (reader.hasError())
		return 0;
	const QXmlStreamAttributes attribs = reader.attributes();
	if (!attribs.hasAttribute(attributeName))
		return 0;
	long long v = 0;
	if (!parseWholeNumber(attribs.value(attributeName).toString(), v) || v < 0 || v > std::numeric_limits<unsigned int>::max()) {
		refuseAttribute(reader, attributeName);
		return 0;
	}
	return static_cast<unsigned int>(v);
}


double readDoubleElement(QXmlStreamReader & reader) {
	if (reader.hasError())
		return 0;
	const QString name = reader.name().toString();
	double v = 0;
	if (parseNumber(readElementText(reader), v) && std::isfinite(v))
		return v;
	if (!reader.hasError())
		reader.raiseError(QCoreApplication::translate("XMLHelpers", "Invalid value for element '%1', must be a finite number.")
						  .arg(name));
	return 0;
}


namespace {

/*! Whole number of the element's text within [low, high]; else the reader's error naming the element, and 0. */
long long readWholeElement(QXmlStreamReader & reader, long long low, long long high) {
	if (reader.hasError())
		return 0;
	const QString name = reader.name().toString();
	long long v = 0;
	if (parseWholeNumber(readElementText(reader), v) && v >= low && v <= high)
		return v;
	if (!reader.hasError())
		reader.raiseError(QCoreApplication::translate("XMLHelpers", "Invalid value for element '%1', must be a whole number.")
						  .arg(name));
	return 0;
}

} // namespace


unsigned int readUIntElement(QXmlStreamReader & reader) {
	return static_cast<unsigned int>(readWholeElement(reader, 0, std::numeric_limits<unsigned int>::max()));
}


int readIntElement(QXmlStreamReader & reader) {
	return static_cast<int>(readWholeElement(reader, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}


bool checkFiniteValues(QXmlStreamReader & reader, const std::vector<double> & values, const QString & name) {
	for (double v : values) {
		if (!std::isfinite(v)) {
			if (!reader.hasError())
				reader.raiseError(QCoreApplication::translate("XMLHelpers", "Invalid value in '%1', all values must be finite numbers.")
								  .arg(name));
			return false;
		}
	}
	return true;
}


bool checkFiniteText(QXmlStreamReader & reader, const QString & text, const QString & name) {
	const QStringList tokens = text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
	std::vector<double> values;
	for (const QString & t : tokens) {
		double v = 0;
		// a text that is no number stands for one
		values.push_back(parseNumber(t, v) ? v : std::nan(""));
	}
	return checkFiniteValues(reader, values, name);
}


std::vector<double> parseDoubles(const QString & text) {
	std::istringstream in(text.toStdString());
	in.imbue(std::locale::classic());
	std::vector<double> vals;
	double v;
	while (in >> v)
		vals.push_back(v);
	return vals;
}


QString doubleVectorToString(const std::vector<double> & values, bool trailingSeparator) {
	std::ostringstream out;
	out.imbue(std::locale::classic());
	for (std::size_t i = 0; i < values.size(); ++i) {
		if (i > 0 && !trailingSeparator)
			out << ' ';
		out << values[i];
		if (trailingSeparator)
			out << ' ';
	}
	return QString::fromStdString(out.str());
}


QString doubleToString(double value) {
	return doubleVectorToString(std::vector<double>(1, value), false);
}


bool sameAsStored(double a, double b) {
	return a == b || doubleToString(a) == doubleToString(b);
}


bool sameAsStored(const std::vector<double> & a, const std::vector<double> & b) {
	if (a.size() != b.size())
		return false;
	for (std::size_t i = 0; i < a.size(); ++i)
		if (!sameAsStored(a[i], b[i]))
			return false;
	return true;
}


void readNamedBVXSplineData(QXmlStreamReader & reader, QString & name, QString & xUnit, QString & yUnit,
							BVX::LinearSpline & spline)
{
	const char * const FUNC_ID = "[readNamedBVXSplineData]";
	if (reader.hasError())
		return;
	name = reader.attributes().value("name").toString();
	std::vector<double> x, y;
	readChildElements(reader, [&](const QString & tag) {
		if (tag == "X") {
			xUnit = reader.attributes().value("unit").toString();
			const QString text = reader.readElementText();
			if (checkFiniteText(reader, text, name + " X"))
				x = parseDoubles(text);
		}
		else if (tag == "Y") {
			yUnit = reader.attributes().value("unit").toString();
			const QString text = reader.readElementText();
			if (checkFiniteText(reader, text, name + " Y"))
				y = parseDoubles(text);
		}
		else
			skipUnknownElement(reader, "ControlModules", tag, FUNC_ID);
	});
	if (!reader.hasError() && !x.empty() && x.size() == y.size())
		spline.setValues(x, y);
	else
		spline.clear();
}


void writeLinearSpline(QXmlStreamWriter & writer, const QString & name, const QString & xUnit,
					   const QString & yUnit, const BVX::LinearSpline & spl)
{
	if (spl.x().empty())
		return;
	// An invalid spline (x not increasing, e.g. read from a damaged file) is written as held:
	// its data are kept and the readers' validity checks report it again.
	writer.writeStartElement("LinearSpline");
	writer.writeAttribute("name", name);
	writer.writeStartElement("X");
	writer.writeAttribute("unit", xUnit);
	writer.writeCharacters(doubleVectorToString(spl.x(), false));
	writer.writeEndElement();
	writer.writeStartElement("Y");
	writer.writeAttribute("unit", yUnit);
	writer.writeCharacters(doubleVectorToString(spl.y(), false));
	writer.writeEndElement();
	writer.writeEndElement();
}


namespace {

/*! Length of the valid UTF-8 sequence at bytes[i], 0 when it is invalid. */
int utf8SequenceLength(const unsigned char * b, qint64 i, qint64 size) {
	const unsigned char c = b[i];
	if (c < 0x80)
		return 1;
	int n = 0;
	unsigned char lo = 0x80, hi = 0xBF; // range of the second byte
	if (c >= 0xC2 && c <= 0xDF)
		n = 2;
	else if (c >= 0xE0 && c <= 0xEF) {
		n = 3;
		if (c == 0xE0)
			lo = 0xA0;		// no overlong forms
		else if (c == 0xED)
			hi = 0x9F;		// no surrogates
	}
	else if (c >= 0xF0 && c <= 0xF4) {
		n = 4;
		if (c == 0xF0)
			lo = 0x90;
		else if (c == 0xF4)
			hi = 0x8F;		// nothing above U+10FFFF
	}
	else
		return 0;
	if (i + n > size || b[i + 1] < lo || b[i + 1] > hi)
		return 0;
	for (int k = 2; k < n; ++k)
		if ((b[i + k] & 0xC0) != 0x80)
			return 0;
	return n;
}

} // namespace


bool findInvalidUtf8(const QByteArray & bytes, long long & line, long long & column) {
	const unsigned char * b = reinterpret_cast<const unsigned char *>(bytes.constData());
	const qint64 size = bytes.size();
	line = 1;
	column = 1;
	for (qint64 i = 0; i < size; ) {
		const int n = utf8SequenceLength(b, i, size);
		if (n == 0)
			return true;
		if (b[i] == '\n') {
			++line;
			column = 1;
		}
		else
			++column;
		i += n;
	}
	return false;
}


bool declaresUtf8(const QByteArray & bytes) {
	if (!bytes.startsWith("<?xml"))
		return true;
	const int end = bytes.indexOf("?>");
	const QByteArray declaration = bytes.left(end < 0 ? 0 : end).toLower();
	const int pos = declaration.indexOf("encoding");
	if (pos < 0)
		return true;
	const QByteArray rest = declaration.mid(pos + 8);
	return rest.contains("utf-8") || rest.contains("utf8");
}

} // namespace RM
