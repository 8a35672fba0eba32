#ifndef DBEditFieldHelpersH
#define DBEditFieldHelpersH

#include <initializer_list>

#include <QString>

class DBTableModel;
class QLabel;
class QLineEdit;
class QTableView;
class QWidget;

namespace QtExt {
	class ValidatingLineEdit;
}

namespace RM {
	class Database;
}

/*! Shows a text in a numeric field of a database editor and remembers it as the text the
	field was given. */
void showFieldText(QtExt::ValidatingLineEdit * field, const QString & text);

/*! The number the user entered: false when the field still shows the text it was given
	(leaving a field must not store a rounded display value), or when the text is not a
	valid number within the field's range. */
bool editedFieldValue(QtExt::ValidatingLineEdit * field, double & value);

/*! After a value was stored from what the user typed: the field's text now stands for the
	stored value, so that typing the previous value back counts as an edit. */
void acceptFieldText(QtExt::ValidatingLineEdit * field);

/*! Marks a name field red, with a tool tip naming the two characters, while its text holds
	':' or '|': the encoded name in the files cannot keep them. */
void watchNameField(QLineEdit * field);

/*! The name typed into a field, blanks trimmed as the files read them back; false while it
	holds ':' or '|'. */
bool storableName(const QLineEdit * field, QString & name);

/*! The storable name of a field, shown trimmed in the field; false while it holds ':' or '|'. */
bool takeStorableName(QLineEdit * field, QString & name);

/*! Stores the name typed into field as the langId name of item; nothing for no item or a
	built-in one, or when the name is the stored one. True only when that changed the name. */
template <typename Item>
bool storeEditedName(QLineEdit * field, const QString & langId, Item * item) {
	QString name;
	if (!takeStorableName(field, name) || item == nullptr || item->m_builtin
		|| name == item->nameForLanguage(langId))
		return false;
	item->setName(langId, name);
	return true;
}

/*! An item of db changed: the database is modified and all its models show the item anew. */
void commitItemEdit(RM::Database * db, DBTableModel * model, unsigned int id);

/*! Gives widgets the default palette; with readOnlyLook its Base brush is the light blue of
	built-in items. */
void setBuiltinPalette(std::initializer_list<QWidget *> widgets, bool readOnlyLook);

/*! Keeps a table at least as tall as its header and the given number of rows. */
void setMinimumVisibleRows(QTableView * table, int rows);

/*! The English and German flags in place of the two name labels of an editor. */
void setNameFlags(QLabel * english, QLabel * german);

#endif // DBEditFieldHelpersH
