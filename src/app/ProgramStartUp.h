#ifndef ProgramStartUpH
#define ProgramStartUpH

#include <QString>
#include <QtGlobal>

class QMessageLogContext;

/*! The start-up of the desktop program after the application object exists: message
	routing, resources, command line, pending update installer, program log, language,
	licence agreement, splash screen, main window and event loop.
	main() sets the application name and creates the QApplication, then calls run().
*/
class ProgramStartUp {
public:
	/*! Runs the program; returns the process exit code. */
	static int run(int argc, char ** argv);

	/*! Registers the compiled-in resources (icons, splash screens, about pages). */
	static void registerResources();
};

/*! Qt's messages go to the current message handler as debug lines. */
void qDebugMessageHandler(QtMsgType type, const QMessageLogContext & context, const QString & msg);

#endif // ProgramStartUpH
