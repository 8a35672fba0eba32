#ifndef RoomModelDialogH
#define RoomModelDialogH

#include <map>
#include <memory>
#include <vector>

#include <QWidget>

class QAction;
class QLabel;
class QProgressBar;
class QStackedLayout;
class QTabWidget;
class QToolButton;

class AboutDialog;
class AdvancedSettingsInputWidget;
class ButtonBar;
class CalculationInputWidget;
class ConstructionDBWidget;
class CoolingModelInputWidget;
class EquipmentLoadModelInputWidget;
class HeatingModelInputWidget;
class MaterialDBWidget;
class MechanicalVentilationInputWidget;
class MoistureLoadInputWidget;
class NaturalVentilationModelInputWidget;
class OccupancyLoadModelInputWidget;
class ProjectDocument;
class UnkeptInput;
class RunController;
class ResultsWidget;
class ShadingControlModelInputWidget;
class ShadingDBWidget;
class WindowDBWidget;

namespace Ui {
	class RoomModelDialog;
}

namespace RM {
	class CaldoryneModelInterface;
	class Climate;
	class Database;
	class Room;
}

namespace QtExt {
	class AutoUpdater;
	class ValidatingLineEdit;
}

/*! The application's one top-level window. It shows the project document (room, database,
	climate; its Load, New and Save and the "*" of a modified project) and the last run of
	the run controller. The ten input pages are tabs above the results; the database pages
	share a page stack with them; the button bar stands at the right.
*/
class RoomModelDialog : public QWidget {
	Q_OBJECT
public:
	/*! Tab positions of the input pages at construction. */
	enum InputTab {
		TabGeometry,
		TabHeating,
		TabCooling,
		TabMechanicalVentilation,
		TabInfiltration,
		TabEquipment,
		TabOccupancy,
		TabShadingControl,
		TabMoistureLoads,
		TabAdvancedSettings,
		NUM_TABS
	};

	/*! Pages of the page stack. */
	enum Page {
		PageRoom,
		PageMaterials,
		PageConstructions,
		PageWindows,
		PageShadingTypes
	};

	/*! Reads the databases (throws BVX::Exception when that fails), builds the pages,
		reopens the last project and starts the silent update check. */
	explicit RoomModelDialog(QWidget * parent = nullptr);
	~RoomModelDialog() override;

	/*! URL of the update-information file; empty skips the check. Tests point it at a
		local server before the window is built. */
	static void setUpdateInfoUrl(const QString & url);
	static QString updateInfoUrl();

	/*! Every input page refreshes its form from the project. */
	void updateInputWidgets();

	/*! Reads a project file; silent suppresses every message box. True on success. */
	bool loadProject(const QString & fileName, bool silent);
	/*! Loads the project named on the command line, with message boxes on failure. */
	void loadProjectFromCommandLine(const QString & fileName);

	/*! Runs the edited project; true when the integration and the post-processing succeeded. */
	bool runSimulation();


	/*! The edited project. */
	RM::Room * project() { return m_project; }
	/*! What Save would write differs from the last Load, New or successful Save. */
	bool isProjectModified() const;
	ProjectDocument * document() { return m_document.get(); }
	RM::Database * database() { return m_db; }
	RM::Climate * climate() { return m_climate; }
	ButtonBar * buttonBar() { return m_buttonBar; }
	/*! Model interface of the last run (an empty one before the first run). */
	RM::CaldoryneModelInterface * model();
	/*! Runs the project; the last run and its progress. */
	RunController * runController() { return m_runController.get(); }
	QProgressBar * progressBar() { return m_progressBar; }
	/*! Path of the external solver started by the model export (default: beside the program). */
	static void setSolverExecutable(const QString & path);
	static QString solverExecutable();
	QTabWidget * inputTabs() { return m_inputTabs; }
	ResultsWidget * resultsWidget() { return m_resultsWidget; }
	QStackedLayout * pageStack() { return m_pageStack; }
	/*! A field of an input or database page holding a text the user typed and the field
		refuses; nullptr when there is none. Save and Run name it first. */
	QtExt::ValidatingLineEdit * refusedTextField() const;
	/*! What Save would not keep: refused texts in the fields, table cells and open cell
		editors of the input and database pages, and, with rows, the surfaces Save leaves
		out. Save, run, close, New and Load name it first. */
	UnkeptInput unkeptInput(bool rows) const;
	/*! Input page shown at the given position of the tab order at construction. */
	QWidget * inputPage(InputTab tab) const;

public slots:
	void initialResize();
	void onOutputUpdatedNeeded();
	void updateShadingControl(int shadingControlType);
	void onLoadsChanged();
	/*! The pages show the mode the document switched to. */
	void onCalculationModeChanged(bool isDIN);
	void onToolButtonAboutClicked();
	void onToolButtonNewClicked();
	void onToolButtonSaveClicked();
	void onToolButtonLoadClicked();
	void onToolButtonUpdateClicked();
	void onToolButtonExportClicked();
	void onToolButtonEditRoomClicked();
	void onToolButtonEditMaterialsClicked();
	void onToolButtonEditConstructionsClicked();
	void onToolButtonEditWindowsClicked();
	void onToolButtonEditShadingTypesClicked();
	void onToolButtonExportModelClicked();
	void onToolButtonReportClicked();
	void onEnableMoistureBalanceInputs(bool enable);
	void onUpdateInfoRetrieved(int result, QString newVersion);

protected:
	/*! Accepts Escape and every other key without doing anything. */
	void keyPressEvent(QKeyEvent * event) override;
	void closeEvent(QCloseEvent * event) override;
	/*! Input events of the whole program schedule the comparison of the modified mark. */
	bool eventFilter(QObject * watched, QEvent * event) override;

private:
	/*! Throws when a built-in database file is missing. */
	void checkBuiltinDatabaseFiles() const;
	void createInputPages();
	/*! Enables or disables the tabs of the load models (DIN 4108-2 mode: rules in their place). */
	void enableLoadTabs(bool enable);
	/*! Why the load tabs are locked in the DIN 4108-2 mode. */
	static QString dinLockText();
	void createButtonBar();
	void createPageStack();
	/*! Page 0 with Edit room down, or a database page toggled by its button. */
	void showRoomPage();
	void toggleDatabasePage(Page page, QToolButton * button);
	/*! Every button of the four database pages up except the given one. */
	void raiseDatabaseButtons(QToolButton * except);
	/*! Reopens "LastOpenedProject" silently, else starts with the default project. */
	void reopenLastProject();
	void setWindowTitleForProject();
	/*! Outcome of the Save procedure. */
	enum SaveResult {
		Saved,
		SaveCancelled,
		SaveFailed
	};
	/*! The Save procedure: file dialog, ".bak" copy, write. */
	SaveResult saveProject(bool askUnkept = true);
	/*! Save dialog with the default suffix; empty when cancelled. */
	QString askSaveFileName();
	/*! Writes the user databases; false when that failed and the user chose to stay. */
	bool writeUserDatabase();
	/*! Save question of Load, New and close, asked only for a modified project; false when
		the user cancels, or chose Save and the save did not happen. */
	bool askSaveProject();
	/*! Makes the focused editor store what the user typed but did not confirm yet. */
	void commitPendingEdit();
	/*! Names what Save would not keep (unkeptInput()) and commits the focused editor; true
		when there is nothing or the user goes on, false when the user goes back to it
		(its page shown, the field or cell focused). */
	bool goOnDespiteUnkeptInput(bool rows);
	/*! The input pages and the database pages. */
	std::vector<QWidget *> editPages() const;
	/*! Shows the input or database page. */
	void showPageOf(QWidget * page);
	/*! Fresh default project on the room page. */
	void newProject();
	/*! Pages, database tables and results after Load or New replaced the project's content. */
	void showReplacedProject(bool silent);
	/*! A location the refresh replaced: logged, and told in a box unless silent. */
	void tellReplacedLocation(bool silent);
	/*! Names above the tabs the items the last Load added as copies; hidden when there are none. */
	void tellAddedCopies();
	/*! Forgets the last run (a run of the project before Load or New): empty model,
		results page without results, result export off. */
	void discardResults();
	void startUpdateCheck(int interactive);

	/*! Deletes the model objects and the form the window owns (destructor, failed constructor). */
	void freeOwnedObjects();

	Ui::RoomModelDialog *						m_ui;
	/*! Room, database and climate the pages point into; their Load, New and Save. */
	std::unique_ptr<ProjectDocument>			m_document;
	ButtonBar *									m_buttonBar;
	CalculationInputWidget *					m_calculationInputWidget;
	HeatingModelInputWidget *					m_heatingModelInputWidget;
	CoolingModelInputWidget *					m_coolingModelInputWidget;
	MechanicalVentilationInputWidget *			m_mechanicalVentilationInputWidget;
	NaturalVentilationModelInputWidget *		m_naturalVentilationModelInputWidget;
	EquipmentLoadModelInputWidget *				m_equipmentLoadModelInputWidget;
	OccupancyLoadModelInputWidget *				m_occupancyLoadModelInputWidget;
	MoistureLoadInputWidget *					m_moistureLoadInputWidget;
	ShadingControlModelInputWidget *			m_shadingControlModelInputWidget;
	AdvancedSettingsInputWidget *				m_advancedSettingsInputWidget;
	QProgressBar *								m_progressBar;
	ResultsWidget *								m_resultsWidget;
	/*! The document's database, climate and room. */
	RM::Database *								m_db;
	RM::Climate *								m_climate;
	RM::Room *									m_project;
	/*! Run, its progress and failures, the last run's model and result files. */
	std::unique_ptr<RunController>				m_runController;
	QStackedLayout *							m_pageStack;
	QTabWidget *								m_inputTabs;
	AboutDialog *								m_aboutDialog;
	MaterialDBWidget *							m_materialDBWidget;
	ConstructionDBWidget *						m_constructionDBWidget;
	WindowDBWidget *							m_windowDBWidget;
	ShadingDBWidget *							m_shadingDBWidget;
	QString										m_lastDirectory;
	QtExt::AutoUpdater *						m_updater;
	/*! "Export model..." (Ctrl+E); disabled during a run like the tool buttons. */
	QAction *									m_exportModelAction;
	/*! Input page -> index of its tab at construction. */
	std::map<QWidget *, int>					m_tabIndexMap;
	/*! Above the tabs while the DIN 4108-2 mode locks the load tabs. */
	QLabel *									m_dinLockLabel;
	/*! Above the tabs after a Load that added items as copies. */
	QLabel *									m_copiesLabel = nullptr;
};

#endif // RoomModelDialogH
