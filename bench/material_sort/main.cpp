// Sorts 1,000 generated materials with equal values by rho (every comparison falls through to
// the name), then by name, both directions, through the material page's model and proxy.
// Usage: bench_material_sort [materials]   (run with QT_QPA_PLATFORM=offscreen)
#include <cstdlib>
#include <iostream>

#include <QApplication>
#include <QElapsedTimer>

#include <RM_Database.h>

#include "DBModelSortProxy.h"
#include "MaterialDBWidget.h"

int main(int argc, char ** argv) {
	QApplication app(argc, argv);
	const int count = argc > 1 ? std::max(2, std::atoi(argv[1])) : 1000;
	RM::Database db;
	for (int i = 0; i < count; ++i) {
		RM::Material mat;
		mat.m_rho = 1800;
		mat.setEncodedName(QString("en:Material %1|de:Stoff %1").arg(count - i, 5, 10, QChar('0')));
		db.addMaterial(mat, 0);
	}
	MaterialDBWidget page(nullptr, &db);
	QApplication::processEvents();
	const struct { int column; Qt::SortOrder order; const char * label; } runs[] = {
		{4, Qt::AscendingOrder, "rho ascending"}, {4, Qt::DescendingOrder, "rho descending"},
		{2, Qt::AscendingOrder, "name ascending"}, {0, Qt::AscendingOrder, "id ascending"} };
	for (const auto & r : runs) {
		QElapsedTimer timer;
		timer.start();
		page.proxyModel()->sort(r.column, r.order);
		std::cout << count << " materials, " << r.label << ": " << timer.nsecsElapsed()/1e6 << " ms" << std::endl;
	}
	return 0;
}
