#ifndef FuzzBuiltinDatabaseH
#define FuzzBuiltinDatabaseH

#include <QString>

#include <RM_Database.h>

#include "FuzzSupport.h"

namespace FuzzSupport {

/*! The built-in database of the source tree, read once; harnesses work on copies. */
inline const RM::Database & builtinDatabase() {
	static const RM::Database db = [] {
		silenceMessages();
		RM::Database d;
		d.setDirectories(QString(CALDORYNE_SOURCE_DIR) + "/resources", QString::fromStdString(workDir()) + "/userdb");
		d.readDatabase();
		return d;
	}();
	return db;
}

} // namespace FuzzSupport

#endif // FuzzBuiltinDatabaseH
