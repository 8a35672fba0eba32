// User database files: the first byte chooses the file (materials, constructions,
// shading types, windows), the rest is its content.
#include <cstdio>
#include <filesystem>

#include <QString>

#include <BVX_Exception.h>

#include <RM_Database.h>

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t * data, std::size_t size) {
	static const char * const FILES[] = { "db_materials.xml", "db_constructions.xml", "db_shadingTypes.xml", "db_windows.xml" };
	static const bool quiet = (FuzzSupport::silenceMessages(), true);
	(void)quiet;
	if (size == 0)
		return 0;
	const std::string userDir = FuzzSupport::workDir() + "/userdb";
	for (const char * f : FILES)
		std::remove((userDir + "/" + f).c_str());
	std::filesystem::create_directories(userDir);
	FuzzSupport::writeInput(data + 1, size - 1, std::string("userdb/") + FILES[data[0] % 4]);

	RM::Database db;
	db.setDirectories(QString::fromStdString(FuzzSupport::workDir() + "/builtin-none"), QString::fromStdString(userDir));
	try {
		db.readDatabase();
	}
	catch (BVX::Exception &) {
		return 0;
	}
	// a new entry must never take an id that is 0 or taken
	RM::Material m;
	const unsigned int id = db.addMaterial(m, 0);
	FuzzSupport::require(id != 0, "new material id is not 0");
	return 0;
}
