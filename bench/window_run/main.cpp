// Runs a project through the main window as the Run button does (without the run dialog and
// without result files) and reports the wall time of the whole run.
// Usage: QT_QPA_PLATFORM=offscreen bench_window_run PROJECT.rmxml [RUNDIR_PROJECT_PATH]
// The second argument places the run directory (its path without extension) elsewhere.
#include <iostream>

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>

#include <QtExt_Directories.h>

#include <RM_CaldoryneModelInterface.h>
#include <RM_Room.h>

#include "ProgramStartUp.h"
#include "RoomModelDialog.h"

int main(int argc, char * argv[]) {
	if (argc < 2) {
		std::cerr << "Usage: bench_window_run PROJECT.rmxml [RUNDIR_PROJECT_PATH]" << std::endl;
		return 2;
	}
	QtExt::Directories::appname = "Caldoryne";
	QApplication app(argc, argv);
	ProgramStartUp::registerResources();
	QSettings("BVX", "Caldoryne 3.2").setValue("OutputAutomaticSave", false);
	RoomModelDialog window;
	window.show();
	if (!window.loadProject(QString::fromLocal8Bit(argv[1]), true)) {
		std::cerr << "Cannot read '" << argv[1] << "'." << std::endl;
		return 1;
	}
	if (argc > 2)
		window.project()->m_projectFilePath = QString::fromLocal8Bit(argv[2]);

	QElapsedTimer timer;
	timer.start();
	const bool ok = window.runSimulation();
	const qint64 ms = timer.elapsed();
	std::cout << (ok ? "Run finished" : "Run failed") << " after " << ms/1000.0 << " s, "
			  << window.model()->m_outputManager.outputCount() << " outputs." << std::endl;
	return ok ? 0 : 1;
}
