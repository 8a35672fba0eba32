#include "RM_AbstractDatabaseItem.h"

#include <QStringList>
#include <QXmlStreamReader>

#include <QtExt_LanguageHandler.h>

#include "RM_XMLHelpers.h"

namespace RM {

AbstractDatabaseItem::AbstractDatabaseItem() :
	m_id(0),
	m_builtin(false)
{
}


QString AbstractDatabaseItem::name() const {
	const QString langId = QtExt::LanguageHandler::langId();
	QMap<QString, QString>::const_iterator it = m_names.find(langId);
	if (it != m_names.end())
		return it.value();
	it = m_names.find("en");
	if (it != m_names.end())
		return it.value();
	Q_ASSERT(!m_names.isEmpty());
	if (m_names.isEmpty())
		return QString();
	return m_names.begin().value();
}


QString AbstractDatabaseItem::nameForLanguage(const QString & langId) const {
	return m_names.value(langId);
}


void AbstractDatabaseItem::setName(const QString & langId, const QString & text) {
	m_names[langId] = text;
}


QString AbstractDatabaseItem::encodedName() const {
	if (m_names.size() == 1 && m_names.begin().key() == "en")
		return m_names.begin().value();
	QString result;
	for (QMap<QString, QString>::const_iterator it = m_names.begin(); it != m_names.end(); ++it) {
		if (!result.isEmpty())
			result += "|";
		result += QString("%1:%2").arg(it.key(), it.value());
	}
	return result;
}


void AbstractDatabaseItem::setEncodedName(const QString & encoded) {
	m_names.clear();
	if (encoded.isEmpty()) {
		m_names["en"] = "unnamed";
		return;
	}
	const QStringList pieces = encoded.split('|', Qt::KeepEmptyParts);
	for (const QString & piece : pieces) {
		const QStringList parts = piece.split(':', Qt::KeepEmptyParts);
		if (parts.size() == 1) {
			// a piece without language prefix: the whole text is the English name
			m_names["en"] = encoded;
			return;
		}
		m_names[parts[0].toLower()] = parts[1].trimmed();
	}
}


void AbstractDatabaseItem::readCommonAttributes(QXmlStreamReader & reader) {
	m_id = readUIntAttribute(reader, "id");
	setEncodedName(reader.attributes().value("name").toString());
}

} // namespace RM
