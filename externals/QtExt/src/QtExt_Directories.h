#ifndef QtExt_DirectoriesH
#define QtExt_DirectoriesH

#include <QString>

namespace QtExt {

/*! The standard directories of the program. Pure string composition:
	nothing is created on disk and nothing is checked for existence.
*/
class Directories {
public:
	/*! Application name, used for all per-user paths; set at start-up. */
	static QString appname;

	/*! Application directory + "/resources". */
	static QString resourcesRootDir();
	/*! Built-in database files; the same as resourcesRootDir(). */
	static QString databasesDir();
	/*! resourcesRootDir() + "/translations". */
	static QString translationsDir();
	/*! Per-user data directory: home + "/AppData/Roaming/" + appname. */
	static QString userDataDir();
	/*! userDataDir() + "/" + appname + ".log". */
	static QString globalLogFile();
	/*! The downloaded update installer in userDataDir() + "/updates". */
	static QString updateFilePath();
};

} // namespace QtExt

#endif // QtExt_DirectoriesH
