#ifndef TypedNumbersH
#define TypedNumbersH

#include <QLocale>
#include <QModelIndex>
#include <QString>

#include <vector>

class QAbstractItemView;
class QWidget;

namespace GuiTest {

/*! A text a user may type for a number and what it means in either language of the program
	(worked out by hand; NaN: the text must be refused). */
struct TypedNumber {
	const char *	m_text;
	double			m_english;
	double			m_german;

	/*! The meaning under the language; false when the text must be refused. */
	bool value(QLocale::Language lang, double & v) const;
};

/*! Decimal points, thousands groupings, exponents, blanks and words, as users type them. */
const std::vector<TypedNumber> & typedNumbers();

/*! Opens the editor of a cell as a double-click does; returns the widget that has the focus. */
QWidget * openCellEditor(QAbstractItemView * view, const QModelIndex & index);

/*! Opens the editor of a cell as a double-click does, replaces its text key by key and
	presses the key; returns the widget that has the focus afterwards (the editor, while it
	stays open). */
QWidget * typeIntoCell(QAbstractItemView * view, const QModelIndex & index, const QString & text, int key);

} // namespace GuiTest

#endif // TypedNumbersH
