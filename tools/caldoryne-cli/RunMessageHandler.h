#ifndef RunMessageHandlerH
#define RunMessageHandlerH

#include <BVX_MessageHandler.h>

class TerminalProgressBar;

/*! Message handler of a simulation run on the command line: the log file receives
	everything up to its verbosity level; the console shows progress messages only when
	verbose, warnings and errors always. Console output first ends an open progress bar line.
*/
class RunMessageHandler : public BVX::MessageHandler {
public:
	RunMessageHandler(bool verbose, TerminalProgressBar * progressBar);

	void msg(const std::string & text, int t, const char * functionID, int verbose_level) override;

private:
	bool					m_verbose;
	TerminalProgressBar *	m_progressBar;
};

#endif // RunMessageHandlerH
