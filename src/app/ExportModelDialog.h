#ifndef ExportModelDialogH
#define ExportModelDialogH

#include <QDialog>

namespace Ui {
	class ExportModelDialog;
}

namespace RM {
	class ClimateLocationData;
	class Database;
	class Room;
}

/*! Exports the project as a Zonavex zone-model project (written here) or, through the
	external solver program, as a Modelica package or an FMU for model exchange. */
class ExportModelDialog : public QDialog {
	Q_OBJECT
public:
	explicit ExportModelDialog(QWidget * parent);
	~ExportModelDialog() override;

	/*! Must be called before the dialog is shown; location may be null (climate file not in
		the catalogue). The solver program is started from solverExecutable. */
	void init(RM::Room * project, RM::Database * db, const RM::ClimateLocationData * location,
			  const QString & solverExecutable);

private slots:
	void on_pushButtonCancel_clicked();
	void on_pushButtonExport_clicked();
	void onRadioButton_toggled(bool checked);

private:
	/*! Zonavex export; true when it ran to its end. */
	bool exportZonavex(const QString & exportDir);
	/*! Modelica or FMU export through the solver program; true when it ran to its end. The
		solver reads a temporary copy of the project and writes into a temporary folder; an
		earlier export is replaced only after the solver succeeded. */
	bool exportWithSolver(const QString & exportDir);
	/*! FMU export: the connector boxes into the project's interface flags. */
	void storeInterfaceFlags();
	/*! Moves the solver's log of the copy copyPath to the project's run directory and removes
		the copy's run directory; returns where the log is now (the program log without one). */
	QString keepSolverLog(const QString & copyPath) const;

	Ui::ExportModelDialog *				m_ui;
	QString								m_projectFilePath;
	RM::Room *							m_project;
	const RM::ClimateLocationData *		m_location;
	RM::Database *						m_db;
	QString								m_solverExecutable;
};

#endif // ExportModelDialogH
