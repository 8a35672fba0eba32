#include <QApplication>

#include <QtExt_Directories.h>

#include "ProgramStartUp.h"

int main(int argc, char ** argv) {
	QtExt::Directories::appname = "Caldoryne";
	QApplication app(argc, argv);
	return ProgramStartUp::run(argc, argv);
}
