#ifndef RM_RoundTripH
#define RM_RoundTripH

#include <QString>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "RM_TestSupport.h"

namespace RMTest {

/*! The XML text that obj.writeXML() produces. */
template <typename T>
QString xmlOf(const T & obj) {
	QString xml;
	QXmlStreamWriter writer(&xml);
	obj.writeXML(writer);
	return xml;
}

/*! Reads the XML text into target (reader on the first start element); returns the reader's error text. */
template <typename T>
QString readInto(T & target, const QString & xml) {
	QXmlStreamReader reader;
	startReader(reader, xml);
	target.readXML(reader);
	return reader.hasError() ? reader.errorString() : QString();
}

/*! Writes obj and reads it into a default-constructed object. */
template <typename T>
T roundTrip(const T & obj) {
	T result;
	readInto(result, xmlOf(obj));
	return result;
}

} // namespace RMTest

#endif // RM_RoundTripH
