#ifndef PendingEditH
#define PendingEditH

#include <QString>

class QWidget;

namespace QtExt {
	class ValidatingLineEdit;
}

/*! What the user typed but did not confirm yet. Every action that reads the project
	(Save, Load, New, close, run, report, export, database Add and Remove, page switches)
	commits it first, through commit().
*/
class PendingEdit {
public:
	/*! Makes the focused editor inside scope's window store its text: leaving the field (or
		the open table cell) finishes its edit as a click elsewhere does. */
	static void commit(QWidget * scope);
	/*! Commits the focused editor when it lies inside area (a table whose rows an action
		is about to change, an edit panel whose item changes); else nothing. */
	static void commitIn(QWidget * area);
	/*! The first field shown on page (shown as if the page were current) that holds a text
		the user typed and the field refuses, nullptr when there is none. */
	static QtExt::ValidatingLineEdit * refusedField(QWidget * page);
	/*! Text of the label beside the field in its grid (without a trailing colon), else its
		empty. */
	static QString fieldLabel(const QWidget * field);
};

#endif // PendingEditH
