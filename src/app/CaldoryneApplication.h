#ifndef CaldoryneApplicationH
#define CaldoryneApplicationH

#include <exception>

#include <QApplication>

/*! The desktop program's application object. An exception that escapes the handling of
	an event (a slot, an event handler) is logged and told to the user; the event counts as
	not handled and the window with its project stays.
*/
class CaldoryneApplication : public QApplication {
	Q_OBJECT
public:
	CaldoryneApplication(int & argc, char ** argv);

	bool notify(QObject * receiver, QEvent * event) override;

private:
	/*! Logs the failure and shows it in a box over the active window. */
	static void reportEscapedException(const std::exception & ex);
};

#endif // CaldoryneApplicationH
