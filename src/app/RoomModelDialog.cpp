#include "RoomModelDialog.h"
#include "ui_RoomModelDialog.h"

#include <set>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStackedLayout>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>
#include <BVX_Version.h>

#include <QtExt_AutoUpdater.h>
#include <QtExt_Directories.h>
#include <QtExt_ValidatingLineEdit.h>


#include <RM_CaldoryneModelInterface.h>
#include <RM_Climate.h>
#include <RM_Database.h>
#include <RM_Room.h>

#include "AboutDialog.h"
#include "AdvancedSettingsInputWidget.h"
#include "ButtonBar.h"
#include "CalculationInputWidget.h"
#include "ConstructionTableModel.h"
#include "ConstructionDBWidget.h"
#include "CoolingModelInputWidget.h"
#include "CustomSplitter.h"
#include "EquipmentLoadModelInputWidget.h"
#include "ExportModelDialog.h"
#include "HeatingModelInputWidget.h"
#include "MaterialDBWidget.h"
#include "MechanicalVentilationInputWidget.h"
#include "MoistureLoadInputWidget.h"
#include "NaturalVentilationModelInputWidget.h"
#include "OccupancyLoadModelInputWidget.h"
#include "PendingEdit.h"
#include "ProjectDocument.h"
#include "ReportPreview.h"
#include "ReportSettings.h"
#include "ResultsWidget.h"
#include "RunController.h"
#include "RunDialog.h"
#include "ShadingControlModelInputWidget.h"
#include "ShadingDBWidget.h"
#include "UnkeptInput.h"
#include "WheelFocusFilter.h"
#include "WindowDBWidget.h"
#include <RM_ProgramIdentity.h>

namespace {

/*! Version compared with the update server's. */
const char * const UPDATE_VERSION = RM::ProgramIdentity::FULL_VERSION;

QString s_updateInfoUrl = CALDORYNE_UPDATE_URL;

QString s_solverExecutable;


const char * const PROJECT_FILTER = QT_TRANSLATE_NOOP("RoomModelDialog", "Room model projects (*.rmxml);;All files(*.*)");

} // namespace


RoomModelDialog::RoomModelDialog(QWidget * parent) :
	QWidget(parent),
	m_ui(new Ui::RoomModelDialog),
	m_document(new ProjectDocument),
	m_aboutDialog(nullptr),
	m_updater(nullptr)
{
	const char * const FUNC_ID = "[RoomModelDialog::RoomModelDialog]";
	m_ui->setupUi(this);
	// before any box is shown: the filter sets their focus policy when they are polished
	qApp->installEventFilter(new WheelFocusFilter(this));
	m_db = &m_document->database();
	m_climate = &m_document->climate();
	m_project = &m_document->room();
	connect(m_document.get(), &ProjectDocument::modifiedChanged, this, &RoomModelDialog::setWindowTitleForProject);
	m_lastDirectory = QDir::homePath();

	setWindowTitleForProject();

	try {
		checkBuiltinDatabaseFiles();
		m_db->reload();
	}
	catch (BVX::Exception & ex) {
		// the destructor does not run for a constructor that throws: free what it owns here
		freeOwnedObjects();
		throw BVX::Exception(ex, "Error during initialization of databases.", FUNC_ID);
	}
	qApp->processEvents();

	createInputPages();
	createButtonBar();
	createPageStack();

	QSettings settings(RM::ProgramIdentity::ORGANIZATION, RM::ProgramIdentity::APPLICATION);
	ReportSettings::instance().read(settings);

	reopenLastProject();
	qApp->installEventFilter(this);

	QTimer::singleShot(0, this, &RoomModelDialog::initialResize);

	onLoadsChanged();
	m_resultsWidget->updateResults(model(), &model()->m_outputManager);

	m_updater = new QtExt::AutoUpdater(this);
	connect(m_updater, &QtExt::AutoUpdater::updateInfoRetrieved, this, &RoomModelDialog::onUpdateInfoRetrieved);
	startUpdateCheck(0);
}


RoomModelDialog::~RoomModelDialog() {
	// the pages point into the project: they go first, so that a focused edit, which finishes
	// its editing when the window goes, still writes into a living project
	hide();
	qDeleteAll(findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly));
	freeOwnedObjects();
}


void RoomModelDialog::freeOwnedObjects() {
	m_runController.reset();
	m_document.reset();
	delete m_ui;
	m_climate = nullptr;
	m_project = nullptr;
	m_db = nullptr;
	m_ui = nullptr;
}


void RoomModelDialog::setUpdateInfoUrl(const QString & url) {
	s_updateInfoUrl = url;
}


void RoomModelDialog::setSolverExecutable(const QString & path) {
	s_solverExecutable = path;
}


QString RoomModelDialog::solverExecutable() {
	if (!s_solverExecutable.isEmpty())
		return s_solverExecutable;
	return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("CaldoryneSolver");
}


QString RoomModelDialog::updateInfoUrl() {
	return s_updateInfoUrl;
}


void RoomModelDialog::checkBuiltinDatabaseFiles() const {
	const char * const FUNC_ID = "[RoomModelDialog::checkBuiltinDatabaseFiles]";
	// the database reads a missing file as an empty table; the program cannot work without them
	for (const char * name : { "db_materials.xml", "db_constructions.xml", "db_shadingTypes.xml", "db_windows.xml" }) {
		const QString path = m_db->builtinDir() + "/" + name;
		if (!QFileInfo(path).isFile())
			throw BVX::Exception(BVX::FormatText("Missing built-in database file '%1'.").arg(path.toStdString()), FUNC_ID);
	}
}


QWidget * RoomModelDialog::inputPage(InputTab tab) const {
	for (const auto & entry : m_tabIndexMap)
		if (entry.second == tab)
			return entry.first;
	return nullptr;
}


void RoomModelDialog::createInputPages() {
	m_calculationInputWidget = new CalculationInputWidget(this, m_db, m_climate, m_project);
	m_calculationInputWidget->setMinimumHeight(350);
	m_heatingModelInputWidget = new HeatingModelInputWidget(this, &m_project->m_heatingModel);
	m_coolingModelInputWidget = new CoolingModelInputWidget(this, &m_project->m_coolingModel);
	m_mechanicalVentilationInputWidget = new MechanicalVentilationInputWidget(this, &m_project->m_mechanicalVentilationModel);
	m_naturalVentilationModelInputWidget = new NaturalVentilationModelInputWidget(this, &m_project->m_naturalVentilationModel, m_project);
	m_equipmentLoadModelInputWidget = new EquipmentLoadModelInputWidget(this, &m_project->m_userLoads);
	m_occupancyLoadModelInputWidget = new OccupancyLoadModelInputWidget(this, &m_project->m_userLoads);
	m_moistureLoadInputWidget = new MoistureLoadInputWidget(this, &m_project->m_moistureLoads);
	m_advancedSettingsInputWidget = new AdvancedSettingsInputWidget(this, m_project);
	m_shadingControlModelInputWidget = new ShadingControlModelInputWidget(this, &m_project->m_shadingControlModel,
																		  &m_project->m_din4108_2Assessment);

	connect(m_calculationInputWidget, &CalculationInputWidget::loadsChanged, this, &RoomModelDialog::onLoadsChanged);
	// the document switches the mode and its memories, the pages show it
	connect(m_calculationInputWidget, &CalculationInputWidget::calculationModeChosen,
			m_document.get(), &ProjectDocument::setDinMode);
	connect(m_document.get(), &ProjectDocument::dinModeChanged, this, &RoomModelDialog::onCalculationModeChanged);
	connect(m_calculationInputWidget, &CalculationInputWidget::shadingControlChanged,
			this, &RoomModelDialog::updateShadingControl);
	connect(m_advancedSettingsInputWidget, &AdvancedSettingsInputWidget::outputUpdateNeeded,
			this, &RoomModelDialog::onOutputUpdatedNeeded);
	connect(m_advancedSettingsInputWidget, &AdvancedSettingsInputWidget::enableMoistureBalanceInputs,
			this, &RoomModelDialog::onEnableMoistureBalanceInputs);

	m_inputTabs = new QTabWidget(this);
	m_dinLockLabel = new QLabel(dinLockText(), this);
	m_dinLockLabel->setObjectName("dinLockLabel");
	m_dinLockLabel->setWordWrap(true);
	m_dinLockLabel->setVisible(false);
	const std::pair<QWidget *, QString> tabs[NUM_TABS] = {
		{ m_calculationInputWidget, tr("Geometry and Climate") },
		{ m_heatingModelInputWidget, tr("Heating") },
		{ m_coolingModelInputWidget, tr("Cooling") },
		{ m_mechanicalVentilationInputWidget, tr("Mechanical Ventilation") },
		{ m_naturalVentilationModelInputWidget, tr("Infiltration") },
		{ m_equipmentLoadModelInputWidget, tr("Internal gains (equipment)") },
		{ m_occupancyLoadModelInputWidget, tr("Internal gains (occupancy)") },
		{ m_shadingControlModelInputWidget, tr("Shading Control") },
		{ m_moistureLoadInputWidget, tr("Moisture Loads") },
		{ m_advancedSettingsInputWidget, tr("Advanced Settings") }
	};
	for (const auto & tab : tabs)
		m_tabIndexMap[tab.first] = m_inputTabs->addTab(tab.first, tab.second);
}


void RoomModelDialog::createButtonBar() {
	m_buttonBar = new ButtonBar(this);
	const std::pair<QToolButton *, void (RoomModelDialog::*)()> buttonSlots[] = {
		{ m_buttonBar->toolButtonAbout, &RoomModelDialog::onToolButtonAboutClicked },
		{ m_buttonBar->toolButtonNew, &RoomModelDialog::onToolButtonNewClicked },
		{ m_buttonBar->toolButtonSave, &RoomModelDialog::onToolButtonSaveClicked },
		{ m_buttonBar->toolButtonLoad, &RoomModelDialog::onToolButtonLoadClicked },
		{ m_buttonBar->toolButtonUpdate, &RoomModelDialog::onToolButtonUpdateClicked },
		{ m_buttonBar->toolButtonExport, &RoomModelDialog::onToolButtonExportClicked },
		{ m_buttonBar->toolButtonReport, &RoomModelDialog::onToolButtonReportClicked },
		{ m_buttonBar->toolButtonEditRoom, &RoomModelDialog::onToolButtonEditRoomClicked },
		{ m_buttonBar->toolButtonEditMaterials, &RoomModelDialog::onToolButtonEditMaterialsClicked },
		{ m_buttonBar->toolButtonEditConstructions, &RoomModelDialog::onToolButtonEditConstructionsClicked },
		{ m_buttonBar->toolButtonEditWindows, &RoomModelDialog::onToolButtonEditWindowsClicked },
		{ m_buttonBar->toolButtonEditShadingTypes, &RoomModelDialog::onToolButtonEditShadingTypesClicked }
	};
	// every action reads the project as the user sees it: the focused field's text first;
	// those that write, replace or run the project name what Save would not keep before
	const std::set<QToolButton *> asking = { m_buttonBar->toolButtonNew, m_buttonBar->toolButtonSave,
											 m_buttonBar->toolButtonLoad, m_buttonBar->toolButtonUpdate };
	for (const auto & s : buttonSlots) {
		const auto slot = s.second;
		const bool commits = asking.count(s.first) == 0;
		connect(s.first, &QToolButton::clicked, this, [this, slot, commits]() {
			if (commits)
				commitPendingEdit();
			(this->*slot)();
		});
	}
	connect(m_buttonBar->toolButtonQuit, &QToolButton::clicked, this, &RoomModelDialog::close);

	m_exportModelAction = new QAction(tr("Export model..."), this);
	m_exportModelAction->setShortcut(Qt::CTRL + Qt::Key_E);
	addAction(m_exportModelAction);
	connect(m_exportModelAction, &QAction::triggered, this, [this]() {
		commitPendingEdit();
		onToolButtonExportModelClicked();
	});

	m_buttonBar->toolButtonEditRoom->setDown(true);
}


void RoomModelDialog::createPageStack() {
	m_resultsWidget = new ResultsWidget(this);
	m_progressBar = new QProgressBar(this);
	m_progressBar->setMaximum(100);
	m_progressBar->setTextVisible(false);
	m_progressBar->setMaximumHeight(10);
	m_runController.reset(new RunController(this, m_progressBar));
	connect(m_runController.get(), &RunController::initialised, this, &RoomModelDialog::onOutputUpdatedNeeded);

	m_materialDBWidget = new MaterialDBWidget(this, m_db);
	m_constructionDBWidget = new ConstructionDBWidget(this, m_db);
	m_windowDBWidget = new WindowDBWidget(this, m_db);
	m_shadingDBWidget = new ShadingDBWidget(this, m_db);
	for (DBPageBase * w : std::initializer_list<DBPageBase *>{m_materialDBWidget, m_constructionDBWidget,
															  m_windowDBWidget, m_shadingDBWidget}) {
		w->setMinimumHeight(350);
		w->setProject(m_project);
	}

	QWidget * inputContainer = new QWidget(this);
	QVBoxLayout * inputLayout = new QVBoxLayout(inputContainer);
	inputLayout->setMargin(0);
	inputLayout->addWidget(m_dinLockLabel);
	m_copiesLabel = new QLabel(this);
	m_copiesLabel->setObjectName("copiesLabel");
	m_copiesLabel->setWordWrap(true);
	m_copiesLabel->setVisible(false);
	inputLayout->addWidget(m_copiesLabel);
	inputLayout->addWidget(m_inputTabs);

	QWidget * resultsContainer = new QWidget(this);
	QVBoxLayout * resultsLayout = new QVBoxLayout(resultsContainer);
	resultsLayout->setMargin(0);
	resultsLayout->addWidget(m_resultsWidget);
	resultsLayout->addWidget(m_progressBar);

	CustomSplitter * splitter = new CustomSplitter(this);
	splitter->addWidget(inputContainer);
	splitter->addWidget(resultsContainer);

	m_pageStack = new QStackedLayout;
	m_pageStack->addWidget(splitter);
	m_pageStack->addWidget(m_materialDBWidget);
	m_pageStack->addWidget(m_constructionDBWidget);
	m_pageStack->addWidget(m_windowDBWidget);
	m_pageStack->addWidget(m_shadingDBWidget);

	QHBoxLayout * lay = new QHBoxLayout(this);
	lay->setMargin(2);
	lay->addLayout(m_pageStack, 1);
	lay->addWidget(m_buttonBar, 0);

	showRoomPage();
}


void RoomModelDialog::reopenLastProject() {
	QSettings settings(RM::ProgramIdentity::ORGANIZATION, RM::ProgramIdentity::APPLICATION);
	const QString path = settings.value("LastOpenedProject", QString()).toString();
	if (!path.isEmpty() && QFileInfo(path).exists() && loadProject(path, true))
		return;
	m_document->reset();
	updateInputWidgets();
	m_document->checkModified();
}


void RoomModelDialog::setWindowTitleForProject() {
	QString title;
	if (m_project->m_projectFilePath.isEmpty())
		title = tr("%1 - The Thermal Room Model - Version %2").arg(RM::ProgramIdentity::NAME, RM::ProgramIdentity::VERSION);
	else {
		// Qt reads "[*]" in a title as the modified mark; doubled it shows as written
		const QString fileName = QFileInfo(m_project->m_projectFilePath).fileName().replace("[*]", "[*][*]");
		title = tr("%1 - The Thermal Room Model - Version %2 - %3").arg(RM::ProgramIdentity::NAME, RM::ProgramIdentity::VERSION, fileName);
	}
	setWindowTitle(m_document->isModified() ? title + "*" : title);
}


RM::CaldoryneModelInterface * RoomModelDialog::model() {
	return m_runController->model();
}


bool RoomModelDialog::isProjectModified() const {
	return m_document->isModified();
}


bool RoomModelDialog::eventFilter(QObject * watched, QEvent * event) {
	// a user's edit is committed by a key, a click, a wheel notch or a focus change: the
	// mark is compared once the event is handled
	switch (event->type()) {
		case QEvent::KeyPress:
		case QEvent::KeyRelease:
		case QEvent::MouseButtonRelease:
		case QEvent::Wheel:
		case QEvent::FocusOut:
			m_document->scheduleCheck();
			break;
		default:
			break;
	}
	return QWidget::eventFilter(watched, event);
}


void RoomModelDialog::updateInputWidgets() {
	m_calculationInputWidget->updateInput();
	m_heatingModelInputWidget->updateInput();
	m_coolingModelInputWidget->updateInput();
	m_mechanicalVentilationInputWidget->updateInput();
	m_naturalVentilationModelInputWidget->updateInput();
	m_equipmentLoadModelInputWidget->updateInput();
	m_occupancyLoadModelInputWidget->updateInput();
	m_shadingControlModelInputWidget->updateInput();
	m_moistureLoadInputWidget->updateInput();
	m_advancedSettingsInputWidget->updateInput();
	m_resultsWidget->setRadiationPlotValue(m_project->m_albedo);
	// the tabs show the project's mode; a loaded project keeps its moisture balance, which
	// in the DIN mode can only be switched off
	const bool din = m_project->m_din4108_2Assessment.m_active;
	enableLoadTabs(!din);
	m_advancedSettingsInputWidget->setMoistureBalanceDisabled(din && !m_project->m_moistureBalanceEnabled);
	updateShadingControl(m_project->m_din4108_2Assessment.m_shadingControlType);
}


bool RoomModelDialog::loadProject(const QString & fileName, bool silent) {
	m_lastDirectory = QFileInfo(fileName).absoluteFilePath();
	QString error;
	const ProjectDocument::ReadResult result = m_document->read(fileName, error);
	if (result == ProjectDocument::CannotOpen && !silent)
		QMessageBox::critical(this, tr("Read Error"), tr("Couldn't open file '%1' for reading.").arg(fileName));
	else if (result == ProjectDocument::ReadFailed && !silent && !error.isEmpty())
		QMessageBox::critical(this, tr("Read Error"),
			tr("Error reading file, see logfile for details. Error message:\n%1").arg(error));
	else if (result == ProjectDocument::ReadFailed && !silent)
		QMessageBox::critical(this, tr("Read Error"), tr("Error reading file, see logfile for details."));
	if (result != ProjectDocument::Read)
		return false;
	// the results of the last run belong to the project replaced only now
	showReplacedProject(silent);
	setWindowTitleForProject();
	return true;
}


void RoomModelDialog::loadProjectFromCommandLine(const QString & fileName) {
	loadProject(fileName, false);
}


void RoomModelDialog::initialResize() {
	const QRect screen = QGuiApplication::primaryScreen()->geometry();
	resize((screen.width() / 3) * 2, (screen.height() / 3) * 2);
	QRect frame = frameGeometry();
	frame.moveCenter(screen.center());
	// a window taller or wider than the screen (its minimum size) keeps its title bar on it
	move(qMax(frame.left(), screen.left()), qMax(frame.top(), screen.top()));
	qApp->processEvents();
	m_calculationInputWidget->resizeConstructionTableColumns();
}


void RoomModelDialog::onOutputUpdatedNeeded() {
	m_resultsWidget->updateResults(model(), &model()->m_outputManager);
}


void RoomModelDialog::updateShadingControl(int shadingControlType) {
	const RM::DIN4108_2Assessment & din = m_project->m_din4108_2Assessment;
	const int index = m_inputTabs->indexOf(m_shadingControlModelInputWidget);
	m_inputTabs->setTabEnabled(index, !din.m_active || shadingControlType == 3);
	// the page shows the rules' limits or the model's own
	m_shadingControlModelInputWidget->updateInput();
}


void RoomModelDialog::onLoadsChanged() {
	m_resultsWidget->updateLoads(m_climate);
}


void RoomModelDialog::onCalculationModeChanged(bool isDIN) {
	// location and moisture balance come from the document
	m_calculationInputWidget->showSwitchedMode();
	enableLoadTabs(!isDIN);
	m_advancedSettingsInputWidget->setMoistureBalanceDisabled(isDIN && !m_project->m_moistureBalanceEnabled);
	updateShadingControl(m_project->m_din4108_2Assessment.m_shadingControlType);
}


void RoomModelDialog::enableLoadTabs(bool enable) {
	// pages by their current tab: with the moisture tab removed the recorded indices shift
	for (QWidget * page : std::initializer_list<QWidget *>{ m_heatingModelInputWidget, m_coolingModelInputWidget,
			m_mechanicalVentilationInputWidget, m_naturalVentilationModelInputWidget,
			m_equipmentLoadModelInputWidget, m_occupancyLoadModelInputWidget, m_moistureLoadInputWidget })
	{
		const int index = m_inputTabs->indexOf(page);
		if (index != -1) {
			m_inputTabs->setTabEnabled(index, enable);
			m_inputTabs->setTabToolTip(index, enable ? QString() : dinLockText());
		}
	}
	m_dinLockLabel->setVisible(!enable);
}


QString RoomModelDialog::dinLockText() {
	return tr("The DIN 4108-2 assessment uses its own boundary conditions in place of the heating, cooling, "
			  "ventilation, internal gains and moisture load pages: these pages are locked while it is chosen.");
}


void RoomModelDialog::onToolButtonAboutClicked() {
	if (m_aboutDialog == nullptr)
		m_aboutDialog = new AboutDialog(this);
	m_aboutDialog->exec();
}


void RoomModelDialog::onToolButtonNewClicked() {
	if (!goOnDespiteUnkeptInput(true))
		return;
	QSettings settings(RM::ProgramIdentity::ORGANIZATION, RM::ProgramIdentity::APPLICATION);
	settings.setValue("LastOpenedProject", m_project->m_projectFilePath);
	ReportSettings::instance().write(settings);
	if (!askSaveProject())
		return;
	newProject();
}


void RoomModelDialog::newProject() {
	m_document->reset();
	showReplacedProject(false);
}


void RoomModelDialog::showReplacedProject(bool silent) {
	showRoomPage();
	m_materialDBWidget->resetModel();
	m_constructionDBWidget->resetModel();
	m_windowDBWidget->resetModel();
	m_shadingDBWidget->resetModel();
	updateInputWidgets();
	// a value the refresh had to replace (a missing climate location) differs from the file read
	m_document->checkModified();
	tellReplacedLocation(silent);
	tellAddedCopies();
	discardResults();
}


void RoomModelDialog::tellAddedCopies() {
	const QStringList & copies = m_document->addedCopies();
	m_copiesLabel->setText(tr("Items of the project differ from the database items of the same id and were "
							  "added to the database as copies: %1").arg(copies.join(", ")));
	m_copiesLabel->setVisible(!copies.isEmpty());
}


void RoomModelDialog::tellReplacedLocation(bool silent) {
	const char * const FUNC_ID = "[RoomModelDialog::tellReplacedLocation]";
	const QString replaced = m_calculationInputWidget->replacedLocation();
	if (replaced.isEmpty())
		return;
	const QString now = m_project->m_climateDataPath;
	BVX::BVX_Message(QString("Climate location '%1' is not available, '%2' replaces it.").arg(replaced, now).toStdString(),
					 BVX::MSG_WARNING, FUNC_ID, 1);
	if (silent)
		return;
	const QString unreadable = m_climate->unreadableReason(replaced);
	const QString text = m_climate->climateDataFiles().contains(replaced) ?
		tr("The DIN 4108-2 assessment runs with the climate files of its regions: the location '%1' is replaced by '%2'.")
			.arg(replaced, now)
			: !unreadable.isEmpty()
				? tr("The climate data file '%1' cannot be read: %2\nThe location '%3' replaces it.").arg(replaced, unreadable, now)
				: tr("The climate data for location/file '%1' cannot be found. The location '%2' replaces it.").arg(replaced, now);
	QMessageBox::warning(this, tr("Missing climate data"), text);
}


void RoomModelDialog::discardResults() {
	m_runController->discard();
	m_resultsWidget->updateResults(model(), &model()->m_outputManager);
	m_buttonBar->toolButtonExport->setEnabled(false);
}


bool RoomModelDialog::askSaveProject() {
	m_document->checkModified();
	if (!m_document->isModified())
		return true;
	const int answer = QMessageBox::question(this, tr("Save Project File"), tr("Would you like to save the project file?"),
											 QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
	if (answer == QMessageBox::Cancel)
		return false;
	// a cancelled file dialog or a failed write keeps the edits: the action stops; what Save
	// would not keep was named before the question
	return answer != QMessageBox::Save || saveProject(false) == Saved;
}


void RoomModelDialog::onToolButtonSaveClicked() {
	saveProject();
}


QString RoomModelDialog::askSaveFileName() {
	QFileDialog dlg(this, tr("Select Room-Model Project File"), m_lastDirectory, tr(PROJECT_FILTER));
	dlg.setAcceptMode(QFileDialog::AcceptSave);
	// a name typed without suffix gets it inside the dialog, so its overwrite question names the real file
	dlg.setDefaultSuffix("rmxml");
	// the name as accepted: the selection may still change while the hidden dialog reads its folder
	QString fileName;
	connect(&dlg, &QFileDialog::fileSelected, [&fileName](const QString & file) { fileName = file; });
	if (dlg.exec() != QDialog::Accepted)
		return QString();
	return fileName;
}


RoomModelDialog::SaveResult RoomModelDialog::saveProject(bool askUnkept) {
	if (askUnkept && !goOnDespiteUnkeptInput(true))
		return SaveCancelled;
	m_buttonBar->toolButtonSave->setFocus(Qt::OtherFocusReason);
	QString fileName = askSaveFileName();
	if (fileName.isEmpty())
		return SaveCancelled;
	if (QFileInfo(fileName).suffix() != "rmxml") {
		fileName += ".rmxml";
		// the dialog asked about the name as typed; this is the file that is written
		if (QFileInfo::exists(fileName)
				&& QMessageBox::question(this, tr("Save Project File"),
										 tr("The file '%1' already exists. Do you want to replace it?").arg(fileName),
										 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
			return SaveCancelled;
	}
	m_lastDirectory = QFileInfo(fileName).absoluteFilePath();
	const auto askOverwrite = [this, &fileName]() {
		return QMessageBox::question(this, tr("Project file changed"),
				tr("The file '%1' was changed by another program or another Caldoryne window since it was "
				   "loaded or saved here.\nOverwrite it with this project?").arg(fileName),
				QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
	};
	const bool overwrite = m_document->changedOnDisk(fileName);
	if (overwrite && !askOverwrite())
		return SaveCancelled;
	QString reason;
	ProjectDocument::WriteResult written = m_document->write(fileName, reason, overwrite);
	// changed while the question was open or the file was being written
	if (written == ProjectDocument::ChangedOnDisk) {
		if (!askOverwrite())
			return SaveCancelled;
		written = m_document->write(fileName, reason, true);
	}
	if (written != ProjectDocument::Written) {
		QMessageBox::critical(this, tr("Write Error"),
			tr("Couldn't write project file '%1':\n%2\n\nThe file and its backup were left as they were.").arg(fileName, reason));
		return SaveFailed;
	}
	setWindowTitleForProject();
	QMessageBox::information(this, tr("Room-Model"), tr("Wrote project file '%1'.").arg(fileName));
	return Saved;
}


void RoomModelDialog::onToolButtonLoadClicked() {
	if (!goOnDespiteUnkeptInput(true) || !askSaveProject())
		return;
	const QString fileName = QFileDialog::getOpenFileName(this, tr("Open Room-Model Project"), m_lastDirectory,
														  tr(PROJECT_FILTER));
	if (!fileName.isEmpty())
		loadProject(fileName, false);
}


void RoomModelDialog::onToolButtonUpdateClicked() {
	// the run leaves no surface out that Save would keep
	if (!goOnDespiteUnkeptInput(false))
		return;
	RunDialog dlg(this);
	if (dlg.exec() != QDialog::Accepted)
		return;
	m_document->setTwoYearSimulation(dlg.twoYearSimulation());
	if (dlg.automaticSave() && m_project->m_projectFilePath.isEmpty()) {
		QMessageBox::critical(this, tr("Project not yet saved"),
			tr("Please save the project at least once before running the simulation (otherwise the output directory is undefined)!"));
		return;
	}
	runSimulation();
}


bool RoomModelDialog::runSimulation() {
	m_buttonBar->toolButtonUpdate->setFocus(Qt::OtherFocusReason);
	m_buttonBar->setButtonsEnabled(false);
	m_exportModelAction->setEnabled(false);
	const bool res = m_runController->run(*m_project, *m_climate, *m_db);
	m_resultsWidget->updateResults(model(), &model()->m_outputManager);
	m_buttonBar->setButtonsEnabled(true);
	m_exportModelAction->setEnabled(true);
	m_buttonBar->toolButtonExport->setEnabled(model()->m_outputManager.m_resultsPresent);
	return res;
}


void RoomModelDialog::onToolButtonExportClicked() {
	const QString dir = QFileDialog::getExistingDirectory(this, tr("Select target directory"), m_lastDirectory,
														  QFileDialog::ShowDirsOnly);
	if (dir.isEmpty())
		return;
	m_lastDirectory = dir;
	m_runController->writeResultFiles(dir);
}


void RoomModelDialog::showRoomPage() {
	m_pageStack->setCurrentIndex(PageRoom);
	m_buttonBar->toolButtonEditRoom->setDown(true);
	raiseDatabaseButtons(nullptr);
}


void RoomModelDialog::raiseDatabaseButtons(QToolButton * except) {
	for (QToolButton * btn : { m_buttonBar->toolButtonEditMaterials, m_buttonBar->toolButtonEditConstructions,
							   m_buttonBar->toolButtonEditWindows, m_buttonBar->toolButtonEditShadingTypes })
		if (btn != except)
			btn->setDown(false);
}


void RoomModelDialog::toggleDatabasePage(Page page, QToolButton * button) {
	if (m_pageStack->currentIndex() == page) {
		showRoomPage();
		return;
	}
	m_pageStack->setCurrentIndex(page);
	m_buttonBar->toolButtonEditRoom->setDown(false);
	button->setDown(true);
	raiseDatabaseButtons(button);
}


void RoomModelDialog::onToolButtonEditRoomClicked() {
	showRoomPage();
}


void RoomModelDialog::onToolButtonEditMaterialsClicked() {
	toggleDatabasePage(PageMaterials, m_buttonBar->toolButtonEditMaterials);
}


void RoomModelDialog::onToolButtonEditConstructionsClicked() {
	toggleDatabasePage(PageConstructions, m_buttonBar->toolButtonEditConstructions);
}


void RoomModelDialog::onToolButtonEditWindowsClicked() {
	toggleDatabasePage(PageWindows, m_buttonBar->toolButtonEditWindows);
}


void RoomModelDialog::onToolButtonEditShadingTypesClicked() {
	toggleDatabasePage(PageShadingTypes, m_buttonBar->toolButtonEditShadingTypes);
}


void RoomModelDialog::onToolButtonExportModelClicked() {
	if (m_project->m_projectFilePath.isEmpty())
		saveProject();
	if (m_project->m_projectFilePath.isEmpty())
		return;
	ExportModelDialog dlg(this);
	dlg.init(m_project, m_db, m_climate->locationData(m_project->m_climateDataPath), solverExecutable());
	dlg.exec();
	// the dialog keeps its connector choice in the project
	m_document->checkModified();
}


void RoomModelDialog::onToolButtonReportClicked() {
	// results come from a run of the loaded project (Load and New discard the last run),
	// with the run's copies of room and database; without them the report describes the
	// project and database as they are now
	RM::CaldoryneModelInterface description;
	const RM::CaldoryneModelInterface * project = model();
	const RM::Database * db = &m_runController->database();
	if (!model()->m_outputManager.m_resultsPresent) {
		description.describe(*m_project);
		project = &description;
		db = m_db;
	}
	// modal: the next run deletes the model the preview reads
	ReportPreview preview(project, db, this);
	preview.setPdfDirectory(m_project->m_projectFilePath.isEmpty() ? QDir::homePath()
																	: QFileInfo(m_project->m_projectFilePath).absolutePath());
	preview.exec();
}


void RoomModelDialog::onEnableMoistureBalanceInputs(bool enable) {
	// in the DIN mode the balance can only be switched off: then locked, as after a Load
	if (!enable && m_project->m_din4108_2Assessment.m_active)
		m_advancedSettingsInputWidget->setMoistureBalanceDisabled(true);
	const int index = m_inputTabs->indexOf(m_moistureLoadInputWidget);
	if (!enable) {
		if (index != -1)
			m_inputTabs->removeTab(index);
		return;
	}
	if (index == -1)
		m_inputTabs->insertTab(m_inputTabs->count() - 1, m_moistureLoadInputWidget, tr("Moisture Loads"));
	// like the other load tabs, disabled in the DIN 4108-2 mode
	m_inputTabs->setTabEnabled(m_inputTabs->indexOf(m_moistureLoadInputWidget), !m_project->m_din4108_2Assessment.m_active);
}


void RoomModelDialog::startUpdateCheck(int interactive) {
	const char * const FUNC_ID = "[RoomModelDialog::startUpdateCheck]";
	if (s_updateInfoUrl.isEmpty()) {
		BVX::BVX_Message("No update server configured, update check skipped.\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
		return;
	}
	m_updater->checkForUpdateInfo(s_updateInfoUrl, UPDATE_VERSION, interactive,
								  interactive != 0 ? QtExt::Directories::updateFilePath() : QString());
}


void RoomModelDialog::onUpdateInfoRetrieved(int result, QString newVersion) {
	const char * const FUNC_ID = "[RoomModelDialog::onUpdateInfoRetrieved]";
	if (result != 0)
		return;
	// a malformed version from the server must not end the program
	try {
		if (!BVX::Version::lesserVersionNumber(UPDATE_VERSION, newVersion.toStdString()))
			return;
	}
	catch (BVX::Exception &) {
		BVX::BVX_Message(QString("Invalid version number '%1' in the update information, ignored.")
						 .arg(newVersion).toStdString(), BVX::MSG_WARNING, FUNC_ID, 1);
		return;
	}
	startUpdateCheck(1);
}


void RoomModelDialog::keyPressEvent(QKeyEvent * event) {
	event->accept();
}


void RoomModelDialog::commitPendingEdit() {
	// before the project is written, read or replaced, or its database pages are reset
	PendingEdit::commit(this);
	m_document->checkModified();
}


std::vector<QWidget *> RoomModelDialog::editPages() const {
	std::vector<QWidget *> pages;
	for (int i = 0; i < m_inputTabs->count(); ++i)
		pages.push_back(m_inputTabs->widget(i));
	pages.insert(pages.end(), { m_materialDBWidget, m_constructionDBWidget, m_windowDBWidget, m_shadingDBWidget });
	return pages;
}


QtExt::ValidatingLineEdit * RoomModelDialog::refusedTextField() const {
	for (QWidget * page : editPages())
		if (QtExt::ValidatingLineEdit * field = PendingEdit::refusedField(page))
			return field;
	return nullptr;
}


UnkeptInput RoomModelDialog::unkeptInput(bool rows) const {
	UnkeptInput unkept;
	for (QWidget * page : editPages())
		unkept.addRefusedTexts(page);
	if (!rows)
		return unkept;
	QTableView * table = m_calculationInputWidget->constructionTableView();
	for (int surface : m_document->surfacesLeftOut())
		unkept.addLeftOutRow(table, table->model()->index(surface, ConstructionTableModel::ColConstruction),
							 tr("Surface %1").arg(surface));
	return unkept;
}


bool RoomModelDialog::goOnDespiteUnkeptInput(bool rows) {
	// an open cell editor is read before the commit closes it; the commit may turn the cell
	// of another editor red, which is read after it
	UnkeptInput unkept = unkeptInput(rows);
	if (unkept.isEmpty()) {
		commitPendingEdit();
		unkept = unkeptInput(rows);
	}
	if (!unkept.askGoOn(this)) {
		const QWidget * first = unkept.entries().front().m_widget;
		for (QWidget * page : editPages())
			if (first != nullptr && page->isAncestorOf(first))
				showPageOf(page);
		unkept.goBack();
		return false;
	}
	commitPendingEdit();
	return true;
}


void RoomModelDialog::showPageOf(QWidget * page) {
	const int tab = m_inputTabs->indexOf(page);
	if (tab != -1) {
		showRoomPage();
		m_inputTabs->setCurrentIndex(tab);
		return;
	}
	const std::pair<QWidget *, QToolButton *> dbPages[] = {
		{ m_materialDBWidget, m_buttonBar->toolButtonEditMaterials },
		{ m_constructionDBWidget, m_buttonBar->toolButtonEditConstructions },
		{ m_windowDBWidget, m_buttonBar->toolButtonEditWindows },
		{ m_shadingDBWidget, m_buttonBar->toolButtonEditShadingTypes }
	};
	for (const auto & p : dbPages)
		if (p.first == page && m_pageStack->currentWidget() != page)
			toggleDatabasePage(Page(m_pageStack->indexOf(page)), p.second);
}


bool RoomModelDialog::writeUserDatabase() {
	QString reason;
	if (m_db->writeDatabase(&reason))
		return true;
	QMessageBox box(QMessageBox::Critical, tr("Error saving user database"),
		tr("Couldn't save database to directory: %1\n%2\n\nThe database files keep their old content.")
		.arg(QtExt::Directories::userDataDir(), reason), QMessageBox::Cancel, this);
	box.setInformativeText(tr("Cancel keeps the window open, so that you can free space and close it again. "
							  "Close anyway loses the database changes of this window."));
	QPushButton * closeAnyway = box.addButton(tr("Close anyway"), QMessageBox::DestructiveRole);
	box.setDefaultButton(QMessageBox::Cancel);
	box.exec();
	return box.clickedButton() == closeAnyway;
}


void RoomModelDialog::closeEvent(QCloseEvent * event) {
	if (!goOnDespiteUnkeptInput(true)) {
		event->ignore();
		return;
	}
	QSettings settings(RM::ProgramIdentity::ORGANIZATION, RM::ProgramIdentity::APPLICATION);
	settings.setValue("LastOpenedProject", m_project->m_projectFilePath);
	ReportSettings::instance().write(settings);
	if (!writeUserDatabase()) {
		event->ignore();
		return;
	}
	if (!askSaveProject()) {
		// a run in progress goes on
		event->ignore();
		return;
	}
	// the window closes: a run in progress stops at its next model call
	m_runController->abort();
	event->accept();
}
