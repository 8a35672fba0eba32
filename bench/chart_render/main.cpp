// Draws the demo charts (8760-point year on a time axis, wall over metres) on screen and
// for print and reports the time per pass; the PNGs go into the folder given.
#include <chrono>
#include <iostream>

#include <QApplication>
#include <QDir>

#include <BVX_Exception.h>

#include "ChartDemoCharts.h"

int main(int argc, char * argv[]) {
	QApplication app(argc, argv);
	if (argc < 2) {
		std::cerr << "Usage: bench_chart_render <output folder> [passes]" << std::endl;
		return 1;
	}
	const QString folder = QString::fromLocal8Bit(argv[1]);
	const int passes = argc > 2 ? std::max(1, atoi(argv[2])) : 5;
	if (!QDir().mkpath(folder)) {
		std::cerr << "Cannot create '" << argv[1] << "'." << std::endl;
		return 1;
	}
	try {
		QStringList files;
		const auto start = std::chrono::steady_clock::now();
		for (int i = 0; i < passes; ++i)
			files = ChartDemoCharts::renderDemoCharts(folder);
		const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
		for (const QString & f : files)
			std::cout << f.toStdString() << "\n";
		std::cout << "demo charts (" << files.size() << " images): " << ms / passes << " ms per pass" << std::endl;
	}
	catch (BVX::Exception & ex) {
		ex.writeMsgStackToError();
		return 1;
	}
	return 0;
}
