// Lays out and prints a sample report (headings, paragraphs, bordered tables) to a PDF
// at 1200 dpi and reports the time of the whole-document print.
// Usage: bench_report_print [sections] [output.pdf]   (run with QT_QPA_PLATFORM=offscreen)
#include <iostream>

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QPrinter>

#include <QtExt_Report.h>
#include <QtExt_ReportFrameBase.h>
#include <QtExt_Table.h>
#include <QtExt_TextFrame.h>
#include <QtExt_TextProperties.h>

#include "SampleReportFrame.h"

int main(int argc, char * argv[]) {
	QApplication app(argc, argv);
	const int sections = argc > 1 ? std::max(1, atoi(argv[1])) : 12;
	const QString output = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString("bench_report.pdf");

	QtExt::Report report;
	report.setHeaderData("Caldoryne 3.2.2", "Sample project", "", QPixmap());
	for (int i = 1; i <= sections; ++i)
		report.addFrame(new SampleReportFrame(&report, i));

	QPrinter printer(QPrinter::HighResolution);
	printer.setResolution(1200);
	printer.setOutputFormat(QPrinter::PdfFormat);
	printer.setPageSize(QPageSize(QPageSize::A4));
	printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
	printer.setOutputFileName(output);

	QElapsedTimer timer;
	timer.start();
	report.print(&printer, QFont("Sans", 10));
	const qint64 ms = timer.elapsed();
	std::cout << sections << " sections, " << report.pageCount() << " pages at " << printer.resolution()
			  << " dpi: " << ms << " ms" << std::endl;
	return 0;
}
