// screenshots OUTDIR [--lang de]: renders the main window (every tab and database page), the
// button bar, the dialogs, the splash screens and plots with the date scale offscreen into
// PNG files. Runs with a private home directory and settings.
#include <cmath>
#include <functional>
#include <iostream>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QSettings>
#include <QStackedLayout>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <qwt_legend.h>
#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_grid.h>

#include <BVX_Path.h>

#include <RM_Schedule.h>

#include <QtExt_Directories.h>
#include <QtExt_LanguageHandler.h>

#include "AboutDialog.h"
#include "ButtonBar.h"
#include "ConfirmationMessageBox.h"
#include "PlotCurveWithFramedLegendIcon.h"
#include "ProgramStartUp.h"
#include "QwtDateTimeScaleDraw.h"
#include "QwtDateTimeScaleEngine.h"
#include "RoomModelDialog.h"
#include "ScheduleInputWidget.h"

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
		QTimer poll;
		QObject::connect(&poll, &QTimer::timeout, [&]() {
			QWidget * w = QApplication::activeModalWidget();
			if (w == nullptr || !w->isVisible())
				return;
			poll.stop();
			save(w, name);
			w->close();
		});
		poll.start(50);
		open();
	}

	int m_count = 0;

private:
	QString m_outDir;
};


void mainWindowShots(Screenshots & shots) {
	RoomModelDialog w;
	w.onEnableMoistureBalanceInputs(true);	// all ten tabs
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
	bar->toolButtonEditRoom->click();
	shots.save(bar, "buttonbar");

	shots.saveModal("about-dialog", [&]() { w.onToolButtonAboutClicked(); });
	// the language switch message, shown in the chosen language
	const QString lang = QtExt::LanguageHandler::langId();
	for (QAction * a : bar->m_languageMenu->actions())
		if (a->data().toString() == lang)
			shots.saveModal("language-changed", [a]() { a->trigger(); });
	w.close();
}


void dialogShots(Screenshots & shots) {
	QSettings settings("BVX", "Caldoryne 3.2");
	const BVX::Path license((QtExt::Directories::resourcesRootDir() + "/license.txt").toStdString());
	shots.saveModal("license-box", [&]() {
		ConfirmationMessageBox::showIfNotSuppressed(license, settings, "ConfirmationDontShowLicense3.2",
			QCoreApplication::translate("[main]", "License Agreement"),
			QCoreApplication::translate("[main]", "Accept"), true);
	});
	for (const char * l : { "en", "de" })
		shots.write(QPixmap(QString(":/gfx/splashscreen/splash_screen_%1.png").arg(l), "PNG"),
					QString("splash-%1").arg(l));
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
	w.setup("Set point", "C",
			QString(), 0, 30, &schedule);
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
}


/*! Widgets of the Qt extensions (line edit states, construction cross-sections, rich-text
	editor, report page, update dialogs): added as they become part of the tree. */
void qtExtGalleryShots(Screenshots & /*shots*/) {
}

} // namespace


int main(int argc, char ** argv) {
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
	QtExt::LanguageHandler::setup("BVX", "Caldoryne 3.2", QtExt::Directories::translationsDir(), "Caldoryne");
	QtExt::LanguageHandler::instance().installTranslator(lang);
	QtExt::LanguageHandler::setLangId(lang);

	if (!QDir().mkpath(outDir)) {
		std::cerr << "Cannot create '" << outDir.toStdString() << "'." << std::endl;
		return 1;
	}
	Screenshots shots(outDir);
	try {
		mainWindowShots(shots);
		dialogShots(shots);
		dateScalePlotShots(shots);
		qtExtGalleryShots(shots);
		scheduleEditorShots(shots);
	}
	catch (std::exception & ex) {
		std::cerr << ex.what() << std::endl;
		return 1;
	}
	std::cout << "Wrote " << shots.m_count << " screenshots to " << outDir.toStdString() << "." << std::endl;
	return 0;
}
