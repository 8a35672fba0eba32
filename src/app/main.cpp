#include <QtExt_Directories.h>

#include "CaldoryneApplication.h"
#include "ProgramStartUp.h"

int main(int argc, char ** argv) {
	QtExt::Directories::appname = "Caldoryne";
	CaldoryneApplication app(argc, argv);
	return ProgramStartUp::run(argc, argv);
}
