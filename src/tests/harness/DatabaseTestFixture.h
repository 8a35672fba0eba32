#ifndef DatabaseTestFixtureH
#define DatabaseTestFixtureH

#include <QLocale>

#include <RM_Database.h>

class QAbstractSpinBox;
class QTableView;
class QWidget;

namespace GuiTest {

/*! An in-memory database: built-in items below 10000 and user items.
	Materials: 5 built-in "Brick" (rho 1800, lambda 0.03512, isotherm 0.5/0.8/1.0),
	7 built-in "Aerated" (rho 950, isotherm of two points, none at 0.8), 10001 user "Beta" (rho 1800),
	10002 user "Alpha" (rho 1800, category 0, lambda 0.04).
	Construction types: 1 built-in without layers, 10001 user with material 5 (0.2 m) and a
	missing material 999, 10002 user with material 10002 (0.1 m).
	Shading types: 1 built-in (0.5), 10001 user (1.5), 10002 user (0.25).
	Window types: 1 built-in, 10001 user. */
void fillTestDatabase(RM::Database & db);

/*! Sets the default locale as the language handler does (no group separators) and restores
	the previous one on destruction. */
class ScopedLocale {
public:
	explicit ScopedLocale(QLocale::Language lang);
	~ScopedLocale();
private:
	QLocale m_previous;
};

/*! Makes the row of an item id (user role of column 0) the view's current row; false when
	no row holds that id. */
bool selectRowOfId(QTableView * view, unsigned int id);

/*! Shows a top-level widget and makes it the active window, so that focus and keys reach
	its children; false when it did not become active. */
bool showActive(QWidget * window);

/*! Turns the mouse wheel over a widget by angleDelta eighths of a degree (120: one notch up). */
void wheel(QWidget * widget, int angleDelta);

/*! Clicks into a spin box, selects its text, types text character by character and ends
	with the key finish (Return or Tab). */
void typeIntoSpinBox(QAbstractSpinBox * box, const QString & text, Qt::Key finish);

} // namespace GuiTest

#endif // DatabaseTestFixtureH
