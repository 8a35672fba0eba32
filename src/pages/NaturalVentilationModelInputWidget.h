#ifndef NaturalVentilationModelInputWidgetH
#define NaturalVentilationModelInputWidgetH

#include <QWidget>

namespace Ui {
	class NaturalVentilationModelInputWidget;
}

namespace RM {
	class NaturalVentilationModel;
	class Room;
}

namespace QtExt {
	class ValidatingLineEdit;
}

/*! Input page of the natural ventilation model: air change schedule, user-controlled
	window ventilation and the usage time depending model with its residential and
	commercial defaults. Accepted edits go straight into the record. */
class NaturalVentilationModelInputWidget : public QWidget {
	Q_OBJECT
public:
	/*! The room gives the height that the commercial base rate reads. */
	NaturalVentilationModelInputWidget(QWidget * parent, RM::NaturalVentilationModel * model, RM::Room * room);
	~NaturalVentilationModelInputWidget() override;

	/*! Refreshes the page from its record. */
	void updateInput();

private slots:
	void on_comboBoxType_currentIndexChanged(int index);
	void on_lineEditBaseVentilationRate_editingFinished();
	void on_lineEditBaseVentilationRateDIN_editingFinished();
	void on_lineEditBaseVentilationRateDINNight_editingFinished();
	void on_lineEditMinRoomTemperature_editingFinished();
	void on_lineEditMinRoomTemperatureDay_editingFinished();
	void on_lineEditMinRoomTemperatureNight_editingFinished();
	void on_lineEditTemperatureDifferenceDay_editingFinished();
	void on_lineEditTemperatureDifferenceNight_editingFinished();
	void on_timeEditStart_editingFinished();
	void on_timeEditEnd_editingFinished();
	void on_pushButtonResidentialDefaults_clicked();
	void on_pushButtonCommercialDefaults_clicked();

private:
	/*! Stores a typed value of edit in member and shows it in partner (if any). */
	void storeValue(QtExt::ValidatingLineEdit * edit, double & member, QtExt::ValidatingLineEdit * partner);
	/*! Stores the occupancy time when it starts before it ends, else marks both edits red. */
	void checkOccupancyTime();
	/*! Writes the default values and the air change profile (3 1/h from firstDayHour to
		lastDayHour, 5 1/h outside) as week schedule; the model type stays. */
	void applyDefaults(double baseRate, double baseRateNight, int firstDayHour, int lastDayHour);

	Ui::NaturalVentilationModelInputWidget *	m_ui;
	RM::NaturalVentilationModel *				m_model;
	RM::Room *									m_room;
};

#endif // NaturalVentilationModelInputWidgetH
