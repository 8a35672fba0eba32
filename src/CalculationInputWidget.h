#ifndef CalculationInputWidgetH
#define CalculationInputWidgetH

#include <QWidget>

namespace RM {
	class Climate;
	class Database;
	class Room;
}

/*! Input page of geometry, climate location and constructions (placeholder: scans the
	climate directories and loads the project's climate file). */
class CalculationInputWidget : public QWidget {
	Q_OBJECT
public:
	/*! Scans the built-in and the user's climate directory. */
	CalculationInputWidget(QWidget * parent, RM::Database * db, RM::Climate * climate, RM::Room * room);

	/*! Refreshes the page from the room; loads its climate file and emits loadsChanged()
		when that succeeds. */
	void updateInput();

	/*! Sets the construction table's column widths; called once at the first layout. */
	void resizeConstructionTableColumns();

signals:
	/*! A climate data file was loaded. */
	void loadsChanged();
	/*! Switch between the user-defined and the DIN 4108-2 calculation. */
	void calculationMode4108Standard(bool isDIN);

private:
	RM::Database * m_db;
	RM::Climate * m_climate;
	RM::Room * m_room;
};

#endif // CalculationInputWidgetH
