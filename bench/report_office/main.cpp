// Runs the office example for a year (as the command line does), then writes its report as
// PDF through the preview dialog and reports the time of writing the PDF.
// Usage: bench_report_office [output.pdf]   (run with QT_QPA_PLATFORM=offscreen)
#include <iostream>
#include <sstream>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <RM_Database.h>

#include "ProjectRun.h"
#include "Report.h"
#include "ReportPreview.h"

int main(int argc, char * argv[]) {
	QApplication app(argc, argv);
	QTemporaryDir dir;
	const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : dir.filePath("office.pdf");

	RM::Database db;
	db.setDirectories(QString(CALDORYNE_SOURCE_DIR) + "/resources", dir.filePath("userdb"));
	db.readDatabase();
	std::ostringstream summary;
	ProjectRun::Settings settings;
	settings.m_projectFile = QString(CALDORYNE_SOURCE_DIR) + "/resources/examples/Office_SouthFacade.rmxml";
	settings.m_runDirectory = dir.filePath("run");
	settings.m_writeResults = false;
	settings.m_summary = &summary;
	ProjectRun run(settings, db);
	if (run.execute() != ProjectRun::Success) {
		std::cerr << "Run failed." << std::endl;
		return 1;
	}

	ReportPreview preview(run.model(), &db);
	QElapsedTimer timer;
	timer.start();
	const bool written = preview.writePdf(output);
	const qint64 ms = timer.elapsed();
	if (!written) {
		std::cerr << "Cannot write '" << output.toStdString() << "'." << std::endl;
		return 1;
	}
	std::cout << "Office report, " << preview.report()->pageCount() << " pages as PDF: " << ms << " ms" << std::endl;
	return 0;
}
