// Shows an annual schedule in a visible schedule editor and reports the time of updateInput()
// (plot curve and the 8760 table cells), first and repeated refreshes.
// Usage: bench_schedule_refresh [repeats]   (run with QT_QPA_PLATFORM=offscreen)
#include <cmath>
#include <iostream>

#include <QApplication>
#include <QElapsedTimer>

#include <RM_Schedule.h>

#include "ScheduleInputWidget.h"

int main(int argc, char ** argv) {
	QApplication app(argc, argv);
	const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
	RM::Schedule schedule;
	schedule.m_type = RM::Schedule::ANNUAL;
	ScheduleInputWidget w;
	w.setup("Set point", "C", QString(), 0, 30, &schedule);
	w.resize(965, 539);
	w.show();
	QApplication::processEvents();
	for (int r = 0; r < repeats; ++r) {
		schedule.m_annualValues.resize(8760);
		for (size_t h = 0; h < 8760; ++h)
			schedule.m_annualValues[h] = 20 + 5*std::sin(double(h + size_t(r))/300.0);
		QElapsedTimer timer;
		timer.start();
		w.updateInput();
		QApplication::processEvents();
		std::cout << "refresh " << r + 1 << ": " << timer.nsecsElapsed()/1e6 << " ms" << std::endl;
	}
	return 0;
}
