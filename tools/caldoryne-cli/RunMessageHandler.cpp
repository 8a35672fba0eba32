#include "RunMessageHandler.h"

#include <limits>

#include "TerminalProgressBar.h"


RunMessageHandler::RunMessageHandler(bool verbose, TerminalProgressBar * progressBar) :
	m_verbose(verbose),
	m_progressBar(progressBar)
{
}


void RunMessageHandler::msg(const std::string & text, int t, const char * functionID, int verbose_level) {
	const bool progress = (t == BVX::MSG_PROGRESS || t == BVX::MSG_CONTINUED);
	if (progress && !m_verbose) {
		// log file only: no console verbosity lets the message through
		const int consoleLevel = m_requestedConsoleVerbosityLevel;
		m_requestedConsoleVerbosityLevel = std::numeric_limits<int>::min();
		BVX::MessageHandler::msg(text, t, functionID, verbose_level);
		m_requestedConsoleVerbosityLevel = consoleLevel;
		return;
	}
	if (m_progressBar != nullptr && (!progress || verbose_level <= m_requestedConsoleVerbosityLevel))
		m_progressBar->interrupt();
	BVX::MessageHandler::msg(text, t, functionID, verbose_level);
}
