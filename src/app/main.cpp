#include <QtExt_Directories.h>

#include "CaldoryneApplication.h"
#include "ProgramStartUp.h"
#include <BVX_ProgramStart.h>

int main(int argc, char ** argv) {
	BVX::ProgramStart::prepareProcess();
	QtExt::Directories::appname = "Caldoryne";
	CaldoryneApplication app(argc, argv);
	return ProgramStartUp::run(argc, argv);
}
