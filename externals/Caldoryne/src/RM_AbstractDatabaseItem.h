#ifndef RM_AbstractDatabaseItemH
#define RM_AbstractDatabaseItemH

#include <QMap>
#include <QString>

class QXmlStreamReader;
class QXmlStreamWriter;

namespace RM {

/*! Common part of all database entries: id, built-in flag and the names in several languages.

	The encoded name joins all names as "lang:text" entries separated by '|',
	for example "de:Beton|en:Concrete"; a lone English name is stored without prefix.
*/
class AbstractDatabaseItem {
public:
	AbstractDatabaseItem();

	/*! Name in the current user-interface language, else the English name, else the first one. */
	QString name() const;
	/*! Name stored for exactly this language ID, or an empty string. */
	QString nameForLanguage(const QString & langId) const;
	/*! Stores a name (insert or replace); the ID is taken as given. */
	void setName(const QString & langId, const QString & text);

	/*! All names as one encoded string. */
	QString encodedName() const;
	/*! Replaces all names by those of the encoded string; never leaves the names empty. */
	void setEncodedName(const QString & encoded);

	/*! Unique id within the entry's table; 0 means no id yet. */
	unsigned int				m_id;
	/*! Entry of the built-in database (read-only); never stored in files. */
	bool						m_builtin;
	/*! Names by language ID. */
	QMap<QString, QString>		m_names;

protected:
	/*! Reads the common attributes "id" and "name" of the current element. */
	void readCommonAttributes(QXmlStreamReader & reader);
};

} // namespace RM

#endif // RM_AbstractDatabaseItemH
