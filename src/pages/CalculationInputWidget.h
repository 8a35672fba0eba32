#ifndef CalculationInputWidgetH
#define CalculationInputWidgetH

#include <QModelIndex>
#include <QWidget>

namespace Ui {
	class CalculationInputWidget;
}

namespace RM {
	class Climate;
	class Database;
	class Room;
}

class ConstructionTableModel;
class QTableView;

/*! Input page of the room's geometry, additional storage mass, climate location and
	albedo, with the table of the room's constructions. Accepted entries go straight
	into the room; the page keeps no copy.
*/
class CalculationInputWidget : public QWidget {
	Q_OBJECT
public:
	/*! Scans the built-in and the user's climate directory; the location list is filled
		by updateInput(). */
	CalculationInputWidget(QWidget * parent, RM::Database * db, RM::Climate * climate, RM::Room * room);
	~CalculationInputWidget() override;

	/*! Refreshes the page from the room; loads its climate file and emits loadsChanged()
		when that succeeds. A location the list does not offer is replaced (see replacedLocation()). */
	void updateInput();
	/*! The project's location that the last updateInput() replaced, empty when it was kept. */
	QString replacedLocation() const { return m_replacedLocation; }

	/*! Sets the construction table's column widths and hides the mass rows; called once
		at the first layout. */
	void resizeConstructionTableColumns();

	/*! Refills the location list (DIN 4108-2 mode: only the DIN files); loads nothing. */
	void updateLocationList();

	/*! Shows the mode the room was switched to: its settings, the location list of the mode
		with the room's location (in the DIN 4108-2 mode the file of its region), loaded. */
	void showSwitchedMode();

	ConstructionTableModel * constructionTableModel() const { return m_constructionTableModel; }
	QTableView * constructionTableView() const;

signals:
	/*! A climate data file was loaded. */
	void loadsChanged();
	/*! The user chose the user-defined or the DIN 4108-2 calculation; the project's
		document switches the mode (see showSwitchedMode()). */
	void calculationModeChosen(bool isDIN);
	/*! The DIN 4108-2 shading control type or use of the building changed. */
	void shadingControlChanged(int shadingControlType);

public slots:
	void on_lineEditExtraMass_editingFinished();
	/*! Loads the climate file of the list entry (entry 0 for -1), which becomes the room's
		location. */
	void climateLocationChanged(int index);
	void onConstructionDataChanged(QModelIndex, QModelIndex);
	void on_lineEditAlbedo_editingFinished();
	void constructionTableColumnResized(int, int, int);
	void on_lineEditCapacity_editingFinished();
	void on_lineEditHeight_editingFinished();
	void on_lineEditArea_editingFinished();
	void on_toolButtonToggleAdvancedRoomProperties_toggled(bool checked);
	void on_toolButtonToggleAdvancedClimateProperties_toggled(bool checked);
	/*! Asks for the other calculation mode. */
	void on_radioButtonUserCalculation_toggled(bool checked);

private:
	void showMassRows(bool visible);
	void showAlbedoRow(bool visible);
	/*! List index of the project's location, -1 when it is not listed. */
	int projectLocationIndex() const;
	void setLocationIndexSilently(int index);
	QString climateInfoHtml() const;
	/*! Mode buttons and the settings shown for the room's assessment; no signals. */
	void showCalculationMode();

	Ui::CalculationInputWidget *	m_ui;
	ConstructionTableModel *		m_constructionTableModel;
	RM::Database *					m_db;
	RM::Climate *					m_climate;
	RM::Room *						m_room;
	QString							m_replacedLocation;
};

#endif // CalculationInputWidgetH
