#ifndef RM_ProgramIdentityH
#define RM_ProgramIdentityH

namespace RM {

/*! Name and version of the program, and the identity its settings are stored under
	(QSettings organisation and application: the stored settings of earlier installations
	are found under the same names). */
class ProgramIdentity {
public:
	/*! QSettings organisation. */
	static const char * const ORGANIZATION;
	/*! QSettings application: the settings of every 3.2.x version. */
	static const char * const APPLICATION;
	/*! The program's name as shown. */
	static const char * const NAME;
	/*! Version shown in the window title. */
	static const char * const VERSION;
	/*! Full version: about box, report header, compared with the update server's. */
	static const char * const FULL_VERSION;
};

} // namespace RM

#endif // RM_ProgramIdentityH
