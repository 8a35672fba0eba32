// screenshots OUTDIR [--lang de]: renders the main window (every tab and database page), the
// button bar, the dialogs, the splash screens and plots with the date scale offscreen into
// PNG files. Runs with a private home directory and settings.
#include <cmath>
#include <functional>
#include <iostream>

#include <QApplication>
#include <QClipboard>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFormLayout>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QRadioButton>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QMenu>
#include <QSettings>
#include <QStackedLayout>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <qwt_legend.h>
#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_grid.h>
#include <qwt_plot_renderer.h>

#include <BVX_Exception.h>
#include <BVX_Path.h>

#include <QtExt_AutoUpdater.h>
#include <QtExt_ConstructionViewWidget.h>
#include <QtExt_Report.h>
#include <QtExt_RichTextEditWidget.h>
#include <QtExt_ValidatingLineEdit.h>

#include <RM_CaldoryneModelInterface.h>
#include <RM_Database.h>
#include <RM_Schedule.h>

#include <QtExt_Directories.h>
#include <Sci_Chart.h>
#include <Sci_ChartFormatSelectionDialog.h>
#include <Sci_LineSeriesContentModel.h>
#include <QtExt_LanguageHandler.h>

#include "AboutDialog.h"
#include "ChartDemoCharts.h"
#include "ExportModelDialog.h"
#include "ProjectDocument.h"
#include "ChartDemoModels.h"
#include "LoopbackHttpServer.h"
#include "ButtonBar.h"
#include "ConfirmationMessageBox.h"
#include "DatabasePageShots.h"
#include "PlotCurveWithFramedLegendIcon.h"
#include "ProgramStartUp.h"
#include "QwtDateTimeScaleDraw.h"
#include "QwtDateTimeScaleEngine.h"
#include "EN15251Plot.h"
#include "EnergyRequirementAnnualPlot.h"
#include "MoistureLoadsHourlyPlot.h"
#include "ResultsWidget.h"
#include "ThermalLoadsAnnualPlot.h"
#include "ThermalLoadsHourlyPlot.h"
#include "ThermalLoadsMonthlyPlot.h"
#include "DBPageBase.h"
#include "RoomModelDialog.h"
#include "ReportPreview.h"
#include "Report.h"
#include "ReportSettings.h"
#include "RunDialog.h"

#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTableWidget>
#include <QTest>
#include <QTimeEdit>
#include <QRadioButton>

#include <RM_Climate.h>
#include <RM_Room.h>
#include "SampleReportFrame.h"
#include "SolverProgressDialog.h"
#include "UnkeptInput.h"
#include "ScheduleInputWidget.h"
#include <RM_ProgramIdentity.h>
#include <BVX_ProgramStart.h>

namespace {

class Screenshots {
public:
	explicit Screenshots(const QString & outDir) : m_outDir(outDir) {}

	void save(QWidget * w, const QString & name) {
		QApplication::processEvents();
		write(w->grab(), name);
	}

	void write(const QPixmap & pixmap, const QString & name) {
		const QString path = m_outDir + "/" + name + ".png";
		if (!pixmap.save(path, "PNG"))
			std::cerr << "Cannot write '" << path.toStdString() << "'." << std::endl;
		else
			++m_count;
	}

	/*! Runs a call that opens a modal dialog; the dialog is saved and closed. */
	void saveModal(const QString & name, const std::function<void()> & open) {
		m_modalSeen = false;
		QTimer poll;
		QObject::connect(&poll, &QTimer::timeout, [&]() {
			QWidget * w = QApplication::activeModalWidget();
			if (w == nullptr || !w->isVisible())
				return;
			poll.stop();
			m_modalSeen = true;
			save(w, name);
			w->close();
		});
		poll.start(50);
		open();
	}

	int m_count = 0;
	/*! The dialog of the last saveModal() was seen. */
	bool m_modalSeen = false;

private:
	QString m_outDir;
};


/*! The material table and the material selector at the smallest window size. */
void minimumSizeDatabaseShots(Screenshots & shots, RoomModelDialog & w) {
	const QSize previous = w.size();
	w.resize(1280, 720);
	ButtonBar * bar = w.buttonBar();
	bar->toolButtonEditMaterials->click();
	shots.save(&w, "mainwindow-1280-materials");
	bar->toolButtonEditConstructions->click();
	DBPageBase * page = qobject_cast<DBPageBase *>(w.pageStack()->widget(RoomModelDialog::PageConstructions));
	QTableWidget * layers = page != nullptr ? page->findChild<QTableWidget *>("tableWidget") : nullptr;
	if (layers != nullptr) {
		page->addButton()->click();
		QApplication::processEvents();
		if (layers->rowCount() > 0) {
			layers->edit(layers->model()->index(0, 0));
			shots.save(&w, "mainwindow-1280-material-selector");
		}
		// the new type goes again (its rows, and the open selector, with it)
		page->removeButton()->click();
	}
	w.resize(previous);
}


/*! The window below a drawn title bar with its title: the offscreen platform draws none. */
QPixmap withTitleBar(QWidget & w) {
	const QPixmap content = w.grab();
	const QFontMetrics fm(w.font());
	const int barHeight = fm.height() + 12;
	QPixmap sheet(content.width(), content.height() + barHeight);
	sheet.fill(QColor("#3c4a5c"));
	QPainter p(&sheet);
	p.setPen(Qt::white);
	p.setFont(w.font());
	p.drawText(QRect(0, 0, content.width(), barHeight), Qt::AlignCenter,
			   fm.elidedText(w.windowTitle(), Qt::ElideMiddle, content.width() - 20));
	p.drawPixmap(0, barHeight, content);
	p.end();
	return sheet;
}


/*! The progress dialog of a model export while a stand-in solver prints its lines. */
void exportProgressShot(Screenshots & shots, QWidget * parent) {
	SolverProgressDialog dlg(parent);
	const QString lastLine = "Writing FMU 'office.fmu'";
	QTimer poll;
	QObject::connect(&poll, &QTimer::timeout, [&]() {
		QPlainTextEdit * output = dlg.findChild<QPlainTextEdit *>("plainTextEditOutput");
		if (!dlg.isVisible() || !output->toPlainText().contains(lastLine))
			return;
		poll.stop();
		shots.save(&dlg, "export-progress");
		dlg.reject();
	});
	poll.start(50);
	const QString script = "echo 'Reading project'; echo 'Meshing 6 constructions'; echo 'Generating model code';"
						   " echo \"" + lastLine + "\"; exec sleep 60";
	dlg.run("/bin/sh", QStringList() << "-c" << script,
			QCoreApplication::translate("ExportModelDialog",
				"Exporting '%1' with the solver. Cancel ends the solver, nothing is exported then.").arg("/home/user/office.fmu"));
}


void mainWindowShots(Screenshots & shots) {
	RoomModelDialog w;
	// all ten tabs: the moisture balance switched on as a user does, so that its check box agrees
	w.inputPage(RoomModelDialog::TabAdvancedSettings)->findChild<QCheckBox *>("checkBoxEnableMoistureBalance")->click();
	w.show();
	QApplication::processEvents();	// the window's own initial resize runs first
	w.resize(1100, 720);
	QTabWidget * tabs = w.inputTabs();
	for (int i = 0; i < tabs->count(); ++i) {
		tabs->setCurrentIndex(i);
		shots.save(&w, QString("mainwindow-tab-%1").arg(i, 2, 10, QChar('0')));
	}
	ButtonBar * bar = w.buttonBar();
	const std::pair<QToolButton *, const char *> dbPages[] = {
		{ bar->toolButtonEditMaterials, "materials" }, { bar->toolButtonEditConstructions, "constructions" },
		{ bar->toolButtonEditWindows, "windows" }, { bar->toolButtonEditShadingTypes, "shading-types" }
	};
	for (const auto & page : dbPages) {
		page.first->click();
		shots.save(&w, QString("mainwindow-db-%1").arg(page.second));
	}
	minimumSizeDatabaseShots(shots, w);
	bar->toolButtonEditRoom->click();
	shots.save(bar, "buttonbar");

	shots.saveModal("about-dialog", [&]() { w.onToolButtonAboutClicked(); });
	{
		// the question before Save: a refused field and a surface without construction
		QtExt::ValidatingLineEdit * power = w.inputPage(RoomModelDialog::TabHeating)->findChild<QtExt::ValidatingLineEdit *>("lineEditMaxLoad");
		const QString shown = power->text();
		power->setText("3,5x");
		power->setModified(true);
		const unsigned int construction = w.project()->m_constructions[0].m_constructionId;
		w.project()->m_constructions[0].m_constructionId = 0;
		shots.saveModal("unkept-input-question", [&]() { w.unkeptInput(true).askGoOn(&w); });
		w.project()->m_constructions[0].m_constructionId = construction;
		power->setText(shown);
	}
	// the language switch message, shown in the chosen language
	const QString lang = QtExt::LanguageHandler::langId();
	for (QAction * a : bar->m_languageMenu->actions())
		if (a->data().toString() == lang)
			shots.saveModal("language-changed", [a]() { a->trigger(); });
	// an edit marks the project in the title; closing then asks whether to save it
	tabs->setCurrentIndex(RoomModelDialog::TabGeometry);
	QtExt::ValidatingLineEdit * area = w.inputPage(RoomModelDialog::TabGeometry)->findChild<QtExt::ValidatingLineEdit *>("lineEditArea");
	area->setFocus();
	area->selectAll();
	QTest::keyClicks(area, "31");
	QTest::keyClick(area, Qt::Key_Return);
	shots.write(withTitleBar(w), "mainwindow-modified-title");
	// the DIN 4108-2 mode locks the load tabs and says why
	QRadioButton * din = w.inputPage(RoomModelDialog::TabGeometry)->findChild<QRadioButton *>("radioButtonDIN4108_2Calculation");
	din->click();
	shots.save(&w, "mainwindow-din-mode");
	w.inputPage(RoomModelDialog::TabGeometry)->findChild<QRadioButton *>("radioButtonUserCalculation")->click();
	shots.saveModal("save-question", [&]() { w.close(); });
}


/*! The load and control tabs of the office example, then the type pages it does not show. */
void loadPageShots(Screenshots & shots) {
	using T = RoomModelDialog;
	RoomModelDialog w;
	w.loadProject(QtExt::Directories::databasesDir() + "/examples/Office_SouthFacade.rmxml", true);
	w.show();
	QApplication::processEvents();
	w.resize(1100, 720);
	QTabWidget * tabs = w.inputTabs();
	const auto shoot = [&](T::InputTab tab, const QString & name) {
		tabs->setCurrentWidget(w.inputPage(tab));
		shots.save(&w, "load-" + name);
	};
	// the example's assessment fixes the shading: its tab is disabled, enabled for the picture
	tabs->setTabEnabled(tabs->indexOf(w.inputPage(T::TabShadingControl)), true);
	shoot(T::TabShadingControl, "shading-din");

	w.document()->setDinMode(false);
	const std::pair<T::InputTab, const char *> loadTabs[] = {
		{ T::TabHeating, "heating" }, { T::TabCooling, "cooling" }, { T::TabMechanicalVentilation, "mechvent" },
		{ T::TabInfiltration, "infiltration" }, { T::TabEquipment, "equipment" }, { T::TabOccupancy, "occupancy" },
		{ T::TabShadingControl, "shading" }, { T::TabMoistureLoads, "moisture" }
	};
	for (const auto & t : loadTabs)
		shoot(t.first, t.second);

	const auto choose = [&](T::InputTab tab, int type) {
		w.inputPage(tab)->findChild<QComboBox *>(tab == T::TabHeating ? "comboBoxHeatingType" : "comboBoxType")
				->setCurrentIndex(type);
	};
	choose(T::TabHeating, 0);
	shoot(T::TabHeating, "heating-none");
	choose(T::TabMechanicalVentilation, 2);
	shoot(T::TabMechanicalVentilation, "mechvent-type2");
	choose(T::TabInfiltration, 2);
	shoot(T::TabInfiltration, "infiltration-user");
	choose(T::TabInfiltration, 3);
	for (const char * name : { "timeEditStart", "timeEditEnd" }) {
		QTimeEdit * e = w.inputPage(T::TabInfiltration)->findChild<QTimeEdit *>(name);
		e->setTime(QTime(8, 0));
		emit e->editingFinished();
	}
	shoot(T::TabInfiltration, "infiltration-usage-red");
	choose(T::TabShadingControl, 2);
	shoot(T::TabShadingControl, "shading-intensity");
}


/*! The geometry and climate page with its hidden rows shown, its construction-type editor
	open (with the editor's list), and the advanced settings page. */
void roomInputShots(Screenshots & shots) {
	RoomModelDialog w;
	w.show();
	QApplication::processEvents();	// the window's own initial resize hides the mass rows
	w.resize(1100, 720);
	QTabWidget * tabs = w.inputTabs();
	QWidget * page = w.inputPage(RoomModelDialog::TabGeometry);
	tabs->setCurrentWidget(page);
	for (const char * name : { "toolButtonToggleAdvancedRoomProperties", "toolButtonToggleAdvancedClimateProperties" })
		page->findChild<QToolButton *>(name)->click();
	shots.save(&w, "input-geometry-climate");
	// the DIN 4108-2 mode with its settings, non-residential with night ventilation, the
	// hidden rows hidden again
	for (const char * name : { "toolButtonToggleAdvancedRoomProperties", "toolButtonToggleAdvancedClimateProperties" })
		page->findChild<QToolButton *>(name)->click();
	page->findChild<QRadioButton *>("radioButtonDIN4108_2Calculation")->click();
	QComboBox * use = page->findChild<QComboBox *>("comboBoxBuildingUse");
	use->setCurrentIndex(1);
	emit use->activated(1);
	page->findChild<QCheckBox *>("checkBoxEnhancedNightVentilation")->click();
	shots.save(&w, "input-geometry-din");
	page->findChild<QRadioButton *>("radioButtonUserCalculation")->click();

	QTableView * view = page->findChild<QTableView *>("tableViewConstruction");
	const QModelIndex cell = view->model()->index(0, 2);
	view->setCurrentIndex(cell);
	view->edit(cell);
	QApplication::processEvents();
	shots.save(&w, "input-construction-table-editor");
	if (QComboBox * combo = view->viewport()->findChild<QComboBox *>()) {
		combo->showPopup();
		QApplication::processEvents();
		shots.save(combo->view()->window(), "input-construction-type-list");
		combo->hidePopup();
	}
	// a refused absorption: out of range in English, an ambiguous grouping in German
	const QModelIndex absorption = view->model()->index(0, 10);
	view->scrollTo(absorption);
	view->setCurrentIndex(absorption);
	view->edit(absorption);
	QApplication::processEvents();
	if (QLineEdit * text = view->viewport()->findChild<QLineEdit *>()) {
		text->setText("1.500");
		QApplication::processEvents();
		shots.save(&w, "input-construction-table-refused-absorption");
	}
	view->setCurrentIndex(view->model()->index(0, 2));
	view->scrollTo(view->model()->index(0, 0));
	QApplication::processEvents();
	// a surface whose construction type is not in the database
	w.project()->m_constructions[1].m_constructionId = 999;
	w.updateInputWidgets();
	tabs->setCurrentWidget(page);
	view->setCurrentIndex(view->model()->index(1, 0));
	QApplication::processEvents();
	shots.save(&w, "input-construction-table-missing-type");

	tabs->setCurrentWidget(w.inputPage(RoomModelDialog::TabAdvancedSettings));
	shots.save(&w, "input-advanced-settings");
	// hidden, not closed: no save question
	w.hide();
}


/*! The report preview of the last run and every report page (or the pages up to lastPage),
	each painted by the report on an A4 image at 96 dpi with margins of 20 mm. */
void reportPreviewShots(Screenshots & shots, RoomModelDialog & w, const QString & prefix = "report", int lastPage = 0) {
	ReportPreview preview(w.model(), w.database(), &w);
	preview.resize(1100, 800);
	preview.show();
	preview.updatePreview();
	shots.save(&preview, prefix + "-preview");
	const int margin = 76;
	QImage area(794 - 2*margin, 1123 - 2*margin, QImage::Format_ARGB32);
	const QFont font = ReportSettings::instance().m_font;
	const int pages = lastPage > 0 ? std::min(lastPage, preview.report()->pageCount()) : preview.report()->pageCount();
	for (int page = 1; page == 1 || page <= pages; ++page) {
		area.fill(Qt::white);
		preview.report()->print(&area, page, font);
		QImage sheet(794, 1123, QImage::Format_ARGB32);
		sheet.fill(Qt::white);
		QPainter p(&sheet);
		p.drawImage(margin, margin, area);
		p.end();
		shots.write(QPixmap::fromImage(sheet), QString("%1-page-%2").arg(prefix).arg(page, 2, 10, QChar('0')));
	}
}


/*! Loads an example for a one-year run, saved (if at all) into the private home. */
void loadForYearRun(RoomModelDialog & w, const QString & home, const QString & example) {
	w.loadProject(QtExt::Directories::databasesDir() + "/examples/" + example, true);
	w.project()->m_projectFilePath = home + "/" + example;
	w.project()->m_cyclicTwoYearSimulation = false;
	w.project()->m_simulationEndTime = 365*86400;
}


/*! Run dialog, the export dialog per model type, the main window during and after a year's
	run of the default example with automatic saving ("Saving outputs" on top), and the
	results page of that run with each of its tabs. */
void runShots(Screenshots & shots, const QString & home) {
	RoomModelDialog w;
	w.show();
	QApplication::processEvents();	// the window's own initial resize runs first
	w.resize(1100, 720);
	loadForYearRun(w, home, "DefaultRoom.rmxml");

	shots.saveModal("run-dialog", [&]() { RunDialog(&w).exec(); });
	for (const char * type : { "radioButtonZonavex", "radioButtonModelica", "radioButtonFMU" }) {
		ExportModelDialog dlg(&w);
		dlg.init(w.project(), w.database(), w.climate()->locationData(w.project()->m_climateDataPath), QString());
		dlg.findChild<QRadioButton *>(type)->setChecked(true);
		dlg.show();
		shots.save(&dlg, QString("export-dialog-%1").arg(QString(type).mid(11).toLower()));
	}
	exportProgressShot(shots, &w);
	// a run directory that cannot be created: the box names the program log
	const QString projectFile = w.project()->m_projectFilePath;
	w.project()->m_projectFilePath = "/proc/caldoryne/DefaultRoom.rmxml";
	shots.saveModal("run-directory-failure", [&]() { w.runSimulation(); });
	w.project()->m_projectFilePath = projectFile;

	QSettings(RM::ProgramIdentity::ORGANIZATION, RM::ProgramIdentity::APPLICATION).setValue("OutputAutomaticSave", true);
	bool during = false;
	bool saving = false;
	QTimer poll;
	QObject::connect(&poll, &QTimer::timeout, [&]() {
		for (QWidget * top : QApplication::topLevelWidgets()) {
			if (!saving && top->isVisible() && top->objectName() == "savingOutputsNotice") {
				saving = true;
				shots.save(top, "saving-outputs");
			}
		}
		// a third of the year: the bar shows how far the run is
		if (!during && w.progressBar()->value() > 8760 / 3) {
			during = true;
			shots.save(&w, "mainwindow-during-run");
		}
	});
	poll.start(0);
	w.runSimulation();
	poll.stop();
	shots.save(&w, "mainwindow-after-run");
	QTabWidget * resultTabs = w.resultsWidget()->m_tabWidget;
	for (int i = 0; i < resultTabs->count(); ++i) {
		resultTabs->setCurrentIndex(i);
		shots.save(w.resultsWidget(), QString("results-tab-%1").arg(i));
	}
}


/*! Every report page after a year's run of the office example, with the degree hours of
	both additional cases. */
void officeReportShots(Screenshots & shots, const QString & home) {
	RoomModelDialog w;
	w.show();
	loadForYearRun(w, home, "Office_SouthFacade.rmxml");
	w.runSimulation();
	ReportSettings::instance().m_overTemperatureHoursP2 = true;
	ReportSettings::instance().m_overTemperatureHoursP4 = true;
	reportPreviewShots(shots, w);
	// the component and construction tables at 14 pt: numbers stay whole in their columns
	const QFont font = ReportSettings::instance().m_font;
	ReportSettings::instance().m_font = QFont("DejaVu Sans", 14);
	ReportSettings::instance().m_activatedFrames = { 5, 6 };
	reportPreviewShots(shots, w, "report-tables-14pt");
	// at 72 pt the chart keeps to one page with its title
	ReportSettings::instance().m_font = QFont("DejaVu Sans", 72);
	ReportSettings::instance().m_activatedFrames = { 10 };
	// (the program description that follows takes some 25 pages at this size)
	reportPreviewShots(shots, w, "report-chart-72pt", 1);
	ReportSettings::instance().setDefaults();
	ReportSettings::instance().m_font = font;
}


/*! The report's loads, heating, cooling and results after a year's run of the office example
	with the DIN 4108-2 assessment off: its split unit cooled, and the report describes it. */
void officeCoolingReportShots(Screenshots & shots, const QString & home) {
	RoomModelDialog w;
	w.show();
	loadForYearRun(w, home, "Office_SouthFacade.rmxml");
	w.project()->m_din4108_2Assessment.m_active = false;
	w.runSimulation();
	ReportSettings::instance().m_activatedFrames = { 8, 9 };
	reportPreviewShots(shots, w, "report-office-cooling");
	ReportSettings::instance().setDefaults();
}


/*! Report pages of the default example after a year's run (DIN 4108-2 assessment off: the
	room's own models), then with a remark of 120 lines that continues over the pages. */
void defaultRoomReportShots(Screenshots & shots, const QString & home) {
	RoomModelDialog w;
	w.show();
	loadForYearRun(w, home, "DefaultRoom.rmxml");
	w.runSimulation();
	ReportSettings::instance().m_overTemperatureHoursP2 = false;
	ReportSettings::instance().m_overTemperatureHoursP4 = false;
	reportPreviewShots(shots, w, "report-default-room");
	// a remark continued over the pages: a numbered list and a bordered table
	// the user's own text, in the screens' language
	const bool de = QtExt::LanguageHandler::langId() == "de";
	QString remark = QString("<p>%1</p><ol>").arg(de ? "Ma&szlig;nahmen gegen &Uuml;berhitzung:" : "Measures against overheating:");
	for (int i = 1; i <= 60; ++i)
		remark += QString("<li>%1</li>").arg(QString(de ? "Ma&szlig;nahme %1: die Jalousien des S&uuml;dfensters schlie&szlig;en mittags"
													  : "Measure %1: the blinds of the south window close at noon").arg(i));
	remark += "</ol><table border=\"1\" cellpadding=\"4\" cellspacing=\"0\">";
	for (int i = 1; i <= 40; ++i)
		remark += QString("<tr><td>%1</td><td>%2 m<sup>2</sup></td></tr>")
				  .arg(QString(de ? "Raum %1" : "Room %1").arg(i)).arg(QString("%L1").arg(i + 10.5, 0, 'f', 1));
	remark += "</table>";
	ReportSettings::instance().m_activatedFrames = { 2, 13, 14 };
	RM::CaldoryneModelInterface * model = w.model();
	model->m_room.m_projectInformation.m_description = remark;
	reportPreviewShots(shots, w, "report-long-remark");
	// a table row and a box taller than a page: broken between their lines, every cell continued
	remark = QString("<table border=\"1\" cellpadding=\"4\" cellspacing=\"0\"><tr><td>");
	for (int i = 1; i <= 50; ++i)
		remark += QString(de ? "Ma&szlig;nahme %1<br/>" : "Measure %1<br/>").arg(i);
	remark += "</td><td>";
	for (int i = 1; i <= 50; ++i)
		remark += QString(de ? "Kosten %1<br/>" : "Cost %1<br/>").arg(i);
	remark += "</td></tr></table><p></p><table border=\"1\" cellpadding=\"4\" cellspacing=\"0\"><tr><td>";
	for (int i = 1; i <= 70; ++i)
		remark += QString(de ? "Zeile %1<br/>" : "Line %1<br/>").arg(i);
	remark += "</td></tr></table>";
	model->m_room.m_projectInformation.m_description = remark;
	ReportSettings::instance().m_activatedFrames = { 14 };
	const QFont font = ReportSettings::instance().m_font;
	ReportSettings::instance().m_font = QFont("DejaVu Sans", 12);
	reportPreviewShots(shots, w, "report-tall-row");
	ReportSettings::instance().setDefaults();
	ReportSettings::instance().m_font = font;
}


/*! The load, energy and comfort plots after a year's run of the office example, whose
	moisture balance is on (moisture tab and enthalpy categories): each result tab, and the
	two annual plots on their own. */
void loadPlotShots(Screenshots & shots, const QString & home) {
	RoomModelDialog w;
	w.show();
	w.loadProject(QtExt::Directories::databasesDir() + "/examples/Office_SouthFacade.rmxml", true);
	w.project()->m_projectFilePath = home + "/Office_SouthFacade.rmxml";
	// the DIN 4108-2 assessment replaces the room's own loads (no moisture sources): off here
	w.project()->m_din4108_2Assessment.m_active = false;
	w.project()->m_cyclicTwoYearSimulation = false;
	w.project()->m_simulationEndTime = 365*86400;
	QApplication::processEvents();
	w.resize(1400, 1000);
	w.runSimulation();
	ResultsWidget * results = w.resultsWidget();
	const std::pair<QWidget *, const char *> tabs[] = {
		{ results->m_en15251Plot, "en15251" },
		{ results->m_thermalLoadsHourlyPlot, "hourly-thermal-loads" },
		{ results->m_moistureLoadsHourlyPlot, "hourly-moisture-loads" },
		{ results->m_thermalLoadsMonthlyPlot, "monthly-thermal-loads" },
		{ results->m_thermalLoadsAnnualPlot->parentWidget(), "annual-results" },
	};
	for (const auto & tab : tabs) {
		results->m_tabWidget->setCurrentWidget(tab.first);
		shots.save(results, QString("office-results-%1").arg(tab.second));
	}
	shots.save(results->m_thermalLoadsAnnualPlot, "office-annual-energy-balance");
	shots.save(results->m_energyRequirementAnnualPlot, "office-annual-energy-demand");
}


/*! The close that cannot write the user databases, and a Load that adds the project's items as copies. */
void userDatabaseShots(Screenshots & shots) {
	const QString userDir = QtExt::Directories::userDataDir();
	const QString project = QDir::tempPath() + "/caldoryne-screenshots-copies.rmxml";
	{
		// a project of an own material, which is then changed in the database
		RM::Database db;
		db.reload();
		RM::Material mat = db.m_materials.begin()->second;
		mat.m_builtin = false;
		mat.setEncodedName("en:My insulation|de:Meine Dämmung");
		mat.m_lambda = 0.04;
		const unsigned int matId = db.addMaterial(mat, 0);
		RM::ConstructionType ct;
		ct.setEncodedName("en:My wall|de:Meine Wand");
		ct.m_materialIds = { matId };
		ct.m_d = { 0.2 };
		const unsigned int ctId = db.addConstructionType(ct, 0);
		RM::Room room;
		if (room.m_constructions.empty())
			room.m_constructions.resize(1);
		room.m_constructions[0].m_constructionId = ctId;
		room.writeProjectFile(project, db);
		db.m_materials[matId].m_lambda = 0.02;
		db.writeDatabase();
	}
	RoomModelDialog w;
	w.show();
	w.resize(1280, 720);
	w.loadProject(project, true);
	shots.save(&w, "mainwindow-copies-added");
	// a directory in place of a user file: the close cannot write the set
	QFile::remove(userDir + "/db_windows.xml");
	QDir().mkpath(userDir + "/db_windows.xml");
	shots.saveModal("close-user-database-error", [&]() { w.close(); });
	QDir(userDir + "/db_windows.xml").removeRecursively();
	QFile::remove(project);
	QFile::remove(project + ".bak");
}


void dialogShots(Screenshots & shots) {
	QSettings settings(RM::ProgramIdentity::ORGANIZATION, RM::ProgramIdentity::APPLICATION);
	const BVX::Path license((QtExt::Directories::resourcesRootDir() + "/license.txt").toStdString());
	shots.saveModal("license-box", [&]() {
		ConfirmationMessageBox::showIfNotSuppressed(license, settings, "ConfirmationDontShowLicense3.2",
			QCoreApplication::translate("[main]", "License Agreement"),
			QCoreApplication::translate("[main]", "Accept"), true);
	});
	for (const char * l : { "en", "de" })
		shots.write(QPixmap(QString(":/gfx/splashscreen/splash_screen_%1.png").arg(l), "PNG"),
					QString("splash-%1").arg(l));
	// the chart export formats: once with the data formats of a line chart, once without
	for (bool data : { true, false }) {
		SCI::ChartFormatSelectionDialog formats;
		formats.setDataFormatsEnabled(data);
		formats.checkBoxAll()->setChecked(true);
		formats.show();
		shots.save(&formats, data ? "chart-format-dialog" : "chart-format-dialog-images-only");
	}
}


/*! A year of hourly temperatures: seasonal swing and a daily cycle. */
void dateScalePlotShots(Screenshots & shots) {
	QwtPlot plot;
	plot.resize(900, 320);
	plot.setCanvasBackground(Qt::white);
	plot.setAxisScaleDraw(QwtPlot::xBottom, new QwtDateTimeScaleDraw);
	plot.setAxisScaleEngine(QwtPlot::xBottom, new QwtDateTimeScaleEngine);
	plot.setAxisTitle(QwtPlot::yLeft, QString::fromUtf8("Temperature [\u00b0C]"));
	plot.insertLegend(new QwtLegend, QwtPlot::BottomLegend);
	QwtPlotGrid * grid = new QwtPlotGrid;
	grid->setMajorPen(QPen(Qt::lightGray, 0, Qt::DotLine));
	grid->attach(&plot);

	QVector<QPointF> outside;
	QVector<QPointF> room;
	const double pi = 3.14159265358979;
	for (int h = 0; h <= 8760; ++h) {
		const double d = h/24.0;
		const double season = 9 - 10*std::cos(2*pi*(d - 15)/365);
		outside.append(QPointF(d, season + 5*std::sin(2*pi*(d - 0.375))));
		room.append(QPointF(d, 21 + 0.25*(season - 9) + 1.2*std::sin(2*pi*(d - 0.5))));
	}
	PlotCurveWithFramedLegendIcon * outsideCurve = new PlotCurveWithFramedLegendIcon("Outside air temperature");
	outsideCurve->setPen(QPen(QColor("#2e86c1"), 1));
	outsideCurve->setSamples(outside);
	outsideCurve->attach(&plot);
	PlotCurveWithFramedLegendIcon * roomCurve = new PlotCurveWithFramedLegendIcon("Operative room temperature");
	roomCurve->setPen(QPen(QColor("#c0392b"), 1));
	roomCurve->setSamples(room);
	roomCurve->attach(&plot);

	plot.show();
	const std::pair<QPointF, const char *> ranges[] = {
		{ QPointF(0, 365), "year" }, { QPointF(100, 120), "20days" }, { QPointF(180, 183), "3days" }
	};
	for (const auto & r : ranges) {
		plot.setAxisScale(QwtPlot::xBottom, r.first.x(), r.first.y());
		plot.replot();
		shots.save(&plot, QString("plot-datescale-%1").arg(r.second));
	}
}


/*! The schedule editor on each of its four pages; the annual page after a paste, with its
	plot tab and its table tab. */
void scheduleEditorShots(Screenshots & shots) {
	RM::Schedule schedule = RM::Schedule::workingHoursSchedule("HeatingSetPoint", 21, 16);
	ScheduleInputWidget w;
	// the heating page's caption and unit, in the language of the screens
	w.setup(QCoreApplication::translate("HeatingModelInputWidget", "Set point"),
			QCoreApplication::translate("HeatingModelInputWidget", "C"), QString(), 0, 30, &schedule);
	w.resize(965, 539);
	w.updateInput();
	w.show();
	QComboBox * combo = w.findChild<QComboBox *>("comboBoxType");
	for (int type = 0; type < 3; ++type) {
		combo->setCurrentIndex(type);
		shots.save(&w, QString("schedule-editor-%1").arg(type));
	}
	combo->setCurrentIndex(RM::Schedule::ANNUAL);
	QString text;
	for (int h = 0; h < 8760; ++h) {
		const double day = std::floor(h/24.0);
		const double hour = h % 24;
		const double value = 18 + 4*std::sin(2*M_PI*(day - 100)/365) + (hour >= 7 && hour < 18 ? 3 : 0);
		text += QString::number(value, 'f', 2) + "\n";
	}
	QGuiApplication::clipboard()->setText(text);
	w.onPushButtonImportHourlyClicked();
	QTabWidget * tabs = w.findChild<QTabWidget *>();
	tabs->setCurrentIndex(0);
	shots.save(&w, "schedule-editor-3-plot");
	tabs->setCurrentIndex(1);
	shots.save(&w, "schedule-editor-3-table");

	// an interpolating schedule, then an annual one read into the same record
	schedule.m_type = RM::Schedule::DATLINEAR;
	w.updateInput();
	shots.save(&w, "schedule-editor-4-interpolated");
	schedule.m_type = RM::Schedule::ANNUAL;
	w.updateInput();
	tabs->setCurrentIndex(0);
	shots.save(&w, "schedule-editor-3-after-interpolated");
}


/*! The three looks of a validating line edit: valid, invalid (with its range as tool tip), read-only. */
void lineEditShots(Screenshots & shots) {
	QWidget w;
	QFormLayout * lay = new QFormLayout(&w);
	const char * const labels[] = { "Valid (0 .. 100):", "Invalid (0 .. 100):", "Read-only:" };
	const double values[] = { 21.5, 150, 42 };
	for (int i = 0; i < 3; ++i) {
		QtExt::ValidatingLineEdit * edit = new QtExt::ValidatingLineEdit(&w);
		edit->setup(0, 100, "Value must be between 0 and 100.", true, true);
		edit->setText(QLocale().toString(values[i]));
		edit->setReadOnly(i == 2);
		lay->addRow(labels[i], edit);
	}
	w.resize(360, 110);
	w.show();
	shots.save(&w, "gallery-lineedit-states");
}


/*! Hatching and colour of a layer by its material category. */
QtExt::ConstructionLayer layerOf(const RM::Material & m, double width) {
	struct Look { const char * m_color; int m_hatching; };
	const Look looks[] = {
		{ "#d5d8dc", 0 }, { "#e8dcc0", 3 }, { "#c0392b", 4 }, { "#a6a6a6", 6 }, { "#95a5a6", 5 },
		{ "#f9e79f", 7 }, { "#d5d8dc", 1 }, { "#ca9a5b", 2 }, { "#b7950b", 3 }, { "#8d6e63", 4 },
		{ "#aed6f1", 1 }, { "#34495e", 0 }, { "#bdc3c7", 0 }
	};
	const Look & look = looks[qBound(1u, m.m_category, 13u) - 1];
	return QtExt::ConstructionLayer(width, m.name(), QColor(look.m_color), int(m.m_id), look.m_hatching);
}


/*! Cross-sections of the construction types the example projects use. */
void constructionShots(Screenshots & shots) {
	RM::Database db;
	db.reload();
	for (unsigned int id : { 7u, 9u, 11u, 14u }) {
		const RM::ConstructionType * ct = db.constructionType(id);
		if (ct == nullptr)
			continue;
		QVector<QtExt::ConstructionLayer> layers;
		for (size_t i = 0; i < ct->m_materialIds.size() && i < ct->m_d.size(); ++i)
			if (const RM::Material * m = db.material(ct->m_materialIds[i]))
				layers.append(layerOf(*m, ct->m_d[i]));
		QtExt::ConstructionViewWidget view;
		view.resize(760, 360);
		view.show();
		view.setData(layers, true);
		shots.save(&view, QString("gallery-construction-%1").arg(id));
	}
}


/*! A wall of fourteen layers, foils and boards between thick ones, as the construction
	editor shows it: labels of thin layers below the chain, none cut off. */
void manyLayersShot(Screenshots & shots) {
	const std::pair<const char *, double> build[] = {
		{ "Render", 0.008 }, { "Reinforcement", 0.004 }, { "Mineral wool", 0.16 }, { "Adhesive", 0.005 },
		{ "Concrete", 0.18 }, { "Vapour barrier", 0.001 }, { "Air layer", 0.02 }, { "Wood fibre", 0.06 },
		{ "Foil", 0.001 }, { "OSB", 0.015 }, { "Battens", 0.024 }, { "Gypsum board", 0.0125 },
		{ "Filler", 0.002 }, { "Paint", 0.001 } };
	QVector<QtExt::ConstructionLayer> layers;
	int i = 0;
	for (const auto & l : build) {
		layers.append(QtExt::ConstructionLayer(l.second, l.first, QColor::fromHsv((37 * i) % 360, 90, 235), i));
		++i;
	}
	QtExt::ConstructionViewWidget view;
	view.resize(760, 360);
	view.show();
	view.setData(layers, false);
	view.selectLayer(8);
	shots.save(&view, "gallery-construction-14-layers");
}


/*! A year's temperature chart as the report prints it at 1200 dpi, cropped to the lower
	left corner: ticks of both axes beside the grid. */
void printedAxisShot(Screenshots & shots) {
	SCI::LineSeriesContentModel m;
	typedef SCI::AbstractCartesianChartModel AM;
	const QDateTime zero(QDate(2001, 1, 1), QTime(0, 0), Qt::LocalTime);
	m.setAxisData(true, AM::XAxis, AM::DateTimeEnabled);
	m.setAxisData(zero, AM::XAxis, AM::DateTimeZero);
	QStringList formats = m.axisData(AM::XAxis, AM::DateTimeFormats).toStringList();
	formats[6] = "MMM";
	formats[7] = "MMM";
	m.setAxisData(formats, AM::XAxis, AM::DateTimeFormats);
	m.setAxisData(QString("temperature [C]"), AM::LeftYAxis, AM::TitleText);
	m.setAxisData(false, AM::RightYAxis, AM::Enabled);
	for (int axis : { AM::XAxis, AM::LeftYAxis }) {
		m.setAxisData(QPen(Qt::gray, 0, Qt::DotLine), axis, AM::GridPen);
		m.setAxisData(QPen(Qt::lightGray, 0, Qt::DotLine), axis, AM::MinorGridPen);
	}
	std::vector<double> h, t;
	for (int k = 0; k < 8760; k += 6) {
		h.push_back(k);
		t.push_back(18 + 8 * std::sin(2 * M_PI * (k - 2200) / 8760.0) + 3 * std::sin(2 * M_PI * k / 24.0));
	}
	m.addDataSet(BVX::UnitVector("", BVX::Unit("h"), h), BVX::UnitVector("", BVX::Unit("C"), t), "Operative");
	m.setAxisData(false, AM::LeftYAxis, AM::Autoscale);
	m.setAxisData(0.0, AM::LeftYAxis, AM::Minimum);
	m.setAxisData(35.0, AM::LeftYAxis, AM::Maximum);
	SCI::Chart chart;
	chart.resize(640, 300);
	chart.setModel(&m);
	chart.replot();

	const double scale = 1200.0 / 96.0;
	const QSize crop(1800, 1200);	// 3.8 x 2.5 cm of paper
	QImage img(crop, QImage::Format_ARGB32);
	img.fill(Qt::white);
	chart.preparePrinting(false, true);
	{
		QPainter p(&img);
		p.translate(0, crop.height() - 300 * scale);
		p.scale(scale, scale);
		QwtPlotRenderer renderer;
		renderer.render(&chart, &p, QRectF(0, 0, 640, 300));
	}
	chart.finishPrinting();
	shots.write(QPixmap::fromImage(img), "gallery-report-chart-1200dpi-axis");
	chart.setModel(nullptr);
}


void richTextShots(Screenshots & shots) {
	QtExt::RichTextEditWidget editor;
	editor.setHtml("<h3>Project notes</h3><p>Office on the second floor, <b>south facade</b> with external "
				   "venetian blinds.</p><ul><li>Occupancy 8:00 to 18:00</li><li><u>Night ventilation</u> in summer</li></ul>");
	editor.resize(600, 300);
	editor.show();
	shots.save(&editor, "gallery-richtext-editor");
}


/*! First page of a sample report: A4 at 96 dpi with margins of 20 mm. */
void reportShots(Screenshots & shots) {
	QtExt::Report report;
	report.setHeaderData("Caldoryne 3.2.2", "Sample project", "", QPixmap());
	report.addFrame(new SampleReportFrame(&report, 1));
	report.addFrame(new SampleReportFrame(&report, 2));
	const int margin = 76;
	QImage area(794 - 2*margin, 1123 - 2*margin, QImage::Format_ARGB32);
	area.fill(Qt::white);
	report.print(&area, 1, QFont("DejaVu Sans", 10));
	QImage page(794, 1123, QImage::Format_ARGB32);
	page.fill(Qt::white);
	QPainter p(&page);
	p.drawImage(margin, margin, area);
	p.end();
	shots.write(QPixmap::fromImage(page), "gallery-report-page");
}


/*! The update check's two dialogs, from update information served on 127.0.0.1. */
void updateDialogShots(Screenshots & shots) {
	const std::pair<const char *, QString> cases[] = {
		{ "gallery-update-download", QString(QtExt::AutoUpdater::INSTALLER_KEY) + ":Caldoryne_3.2.3_installer\n"
			"---HeaderEnd---\nCHANGES 3.2.3\n- faster year runs\n- German report texts\n" },
		{ "gallery-update-none", "---HeaderEnd---\nCHANGES 3.2.2\n- first release of this version\n" },
	};
	for (const auto & c : cases) {
		GuiTest::LoopbackHttpServer server(c.second.toUtf8());
		QtExt::AutoUpdater updater;
		shots.saveModal(c.first, [&]() {
			updater.checkForUpdateInfo(server.url("/downloads/caldoryne/Caldoryne.updates"), RM::ProgramIdentity::FULL_VERSION, 1,
									   QDir::tempPath() + "/caldoryne-screenshots-update");
			// the dialog opens when the answer arrives; saveModal() closes it
			QEventLoop loop;
			QTimer::singleShot(5000, &loop, &QEventLoop::quit);
			QTimer poll;
			QObject::connect(&poll, &QTimer::timeout, [&]() {
				if (QApplication::activeModalWidget() == nullptr && shots.m_modalSeen)
					loop.quit();
			});
			poll.start(50);
			loop.exec();
		});
	}
}


/*! Widgets of the Qt extensions: line edit states, cross-sections of the example
	constructions, rich-text editor, a sample report page and both update dialogs. */
void qtExtGalleryShots(Screenshots & shots) {
	lineEditShots(shots);
	constructionShots(shots);
	manyLayersShot(shots);
	richTextShots(shots);
	printedAxisShot(shots);
	reportShots(shots);
	updateDialogShots(shots);
}

} // namespace


int main(int argc, char ** argv) {
	BVX::ProgramStart::prepareProcess();
	QString outDir;
	QString lang = "en";
	for (int i = 1; i < argc; ++i) {
		const QString arg = QString::fromLocal8Bit(argv[i]);
		if (arg == "--lang" && i + 1 < argc)
			lang = QString::fromLocal8Bit(argv[++i]);
		else if (arg.startsWith("--lang="))
			lang = arg.mid(7);
		else if (outDir.isEmpty() && !arg.startsWith("-"))
			outDir = arg;
		else {
			outDir.clear();
			break;
		}
	}
	if (outDir.isEmpty()) {
		std::cerr << "Usage: screenshots OUTDIR [--lang de]" << std::endl;
		return 2;
	}
	if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
		qputenv("QT_QPA_PLATFORM", "offscreen");
	outDir = QDir(outDir).absolutePath();

	// neither the user's home nor settings are touched
	QTemporaryDir home(QDir::tempPath() + "/caldoryne-screenshots-XXXXXX");
	qputenv("HOME", home.path().toLocal8Bit());
	qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());

	QtExt::Directories::appname = "Caldoryne";
	QApplication app(argc, argv);
	app.setQuitOnLastWindowClosed(false);
	QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path() + "/.config");
	ProgramStartUp::registerResources();
	QtExt::LanguageHandler::setup(RM::ProgramIdentity::ORGANIZATION, RM::ProgramIdentity::APPLICATION, QtExt::Directories::translationsDir(), "Caldoryne");
	QtExt::LanguageHandler::instance().installTranslator(lang);
	QtExt::LanguageHandler::setLangId(lang);

	if (!QDir().mkpath(outDir)) {
		std::cerr << "Cannot create '" << outDir.toStdString() << "'." << std::endl;
		return 1;
	}
	Screenshots shots(outDir);
	try {
		mainWindowShots(shots);
		DatabasePageShots::render([&](QWidget * w, const QString & name) { shots.save(w, name); },
								  [&](const QString & name, const std::function<void()> & open) { shots.saveModal(name, open); });
		roomInputShots(shots);
		loadPageShots(shots);
		dialogShots(shots);
		userDatabaseShots(shots);
		runShots(shots, home.path());
		loadPlotShots(shots, home.path());
		officeReportShots(shots, home.path());
		officeCoolingReportShots(shots, home.path());
		defaultRoomReportShots(shots, home.path());
		dateScalePlotShots(shots);
		qtExtGalleryShots(shots);
		scheduleEditorShots(shots);
		for (const QString & file : ChartDemoModels::writeDemoProperties(outDir))
			std::cout << "Chart properties: " << file.toStdString() << std::endl;
		for (const QString & file : ChartDemoCharts::renderDemoCharts(outDir))
			std::cout << "Chart: " << file.toStdString() << std::endl;
	}
	catch (BVX::Exception & ex) {
		std::cerr << ex.msgStack() << std::endl;
		return 1;
	}
	catch (std::exception & ex) {
		std::cerr << ex.what() << std::endl;
		return 1;
	}
	std::cout << "Wrote " << shots.m_count << " screenshots to " << outDir.toStdString() << "." << std::endl;
	return 0;
}
