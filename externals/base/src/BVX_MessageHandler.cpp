#include "BVX_MessageHandler.h"

#include <ctime>
#include <vector>

#include "BVX_Path.h"
#include "BVX_Platform.h"

namespace BVX {

namespace {

// set while the registry is being torn down at process exit
bool g_registryDestroyed = false;

const char * typePrefix(int t) {
	switch (t) {
		case MSG_PROGRESS	: return "[Progress]\t";
		case MSG_WARNING	: return "[Warning ]\t";
		case MSG_ERROR		: return "[Error   ]\t";
		case MSG_DEBUG		: return "[Debug   ]\t";
		default				: return "";
	}
}

} // namespace


MessageHandler::MessageHandler() :
	m_functionIDColumnWidth(40),
	m_requestedConsoleVerbosityLevel(4),
	m_requestedLogfileVerbosityLevel(2),
	m_timeStampFormat("%Y-%m-%d %H:%M:%S"),
	m_indentation(0)
{
}


MessageHandler::~MessageHandler() {
	closeLogFile();
	if (g_registryDestroyed)
		return;
	MessageHandlerRegistry & reg = MessageHandlerRegistry::instance();
	if (reg.msgHandler() == this)
		reg.setMessageHandler(nullptr);
}


std::string MessageHandler::timeStamp() const {
	if (m_timeStampFormat.empty())
		return std::string();
	std::time_t now = std::time(nullptr);
	std::tm local;
	localtime_r(&now, &local);
	std::vector<char> buf(m_timeStampFormat.size() + 500);
	std::size_t len = std::strftime(buf.data(), buf.size(), m_timeStampFormat.c_str(), &local);
	return std::string(buf.data(), len) + "\t";
}


void MessageHandler::msg(const std::string & text, int t, const char * functionID, int verbose_level) {
	if (t != MSG_DEBUG &&
		verbose_level > m_requestedLogfileVerbosityLevel &&
		verbose_level > m_requestedConsoleVerbosityLevel)
	{
		return;
	}
	try {
		const std::string timePart = timeStamp();
		std::string idPart = functionID != nullptr ? std::string(functionID) : std::string();
		if (idPart.size() < static_cast<std::size_t>(m_functionIDColumnWidth))
			idPart.append(static_cast<std::size_t>(m_functionIDColumnWidth) - idPart.size(), ' ');
		idPart += "\t";
		const std::string prefix = typePrefix(t);
		const std::string indent = m_indentation > 0 ? std::string(2*static_cast<std::size_t>(m_indentation), ' ') : std::string();

		// every physical line of the log carries the full prefix
		const std::string linePrefix = timePart + prefix + idPart + indent;
		std::string expanded;
		expanded.reserve(text.size());
		for (std::size_t i = 0; i < text.size(); ++i) {
			expanded += text[i];
			if (text[i] == '\n' && i + 1 < text.size())
				expanded += linePrefix;
		}
		const std::string logLine = linePrefix + expanded;
		const std::string consoleLine = indent + text;

		const bool toLog = m_logfile != nullptr;
		const bool logPasses = verbose_level != 0 && verbose_level <= m_requestedLogfileVerbosityLevel;
		const bool consolePasses = verbose_level <= m_requestedConsoleVerbosityLevel;

		switch (t) {
			case MSG_PROGRESS :
				if (toLog && logPasses)
					*m_logfile << logLine;
				if (consolePasses)
					write_console_text(consoleLine);
				break;

			case MSG_CONTINUED :
				if (toLog && logPasses)
					*m_logfile << text;
				if (consolePasses)
					write_console_text(text);
				break;

			case MSG_WARNING :
				if (toLog && logPasses)
					*m_logfile << logLine << std::endl;
				if (consolePasses) {
					set_console_text_color(CONSOLE_BRIGHT_YELLOW);
					write_console_text(consoleLine + "\n");
					set_console_text_color(CONSOLE_BRIGHT_WHITE);
				}
				break;

			case MSG_ERROR :
			case MSG_DEBUG :
				if (toLog)
					*m_logfile << logLine << std::endl;
				set_console_text_color(t == MSG_ERROR ? CONSOLE_BRIGHT_RED : CONSOLE_BRIGHT_MAGENTA);
				write_console_text(consoleLine + "\n");
				set_console_text_color(CONSOLE_BRIGHT_WHITE);
				break;

			default : ;
		}
		if (m_logfile != nullptr)
			m_logfile->flush();
	}
	catch (...) {
		// writing a message must never fail the caller
	}
}


bool MessageHandler::openLogFile(const std::string & logfile, bool append, std::string & errmsg) {
	closeLogFile();
	if (logfile.empty())
		return true;
	std::ios_base::openmode mode = std::ios_base::out;
	mode |= append ? std::ios_base::app : std::ios_base::trunc;
	m_logfile.reset(new std::ofstream(Path(logfile).str(), mode));
	if (append && m_logfile->good())
		*m_logfile << "\n----------- continued -------------\n" << std::endl;
	if (!m_logfile->good()) {
		m_logfile.reset();
		errmsg = "Cannot open/create logfile '" + logfile + "'.";
		return false;
	}
	return true;
}


void MessageHandler::closeLogFile() {
	if (m_logfile) {
		m_logfile->flush();
		m_logfile->close();
		m_logfile.reset();
	}
}


bool MessageHandler::setupUtf8Console() {
	return setup_utf8_console();
}


// *** MessageHandlerRegistry ***

MessageHandlerRegistry::MessageHandlerRegistry() :
	m_msgHandler(&m_defaultMsgHandler)
{
}


MessageHandlerRegistry::~MessageHandlerRegistry() {
	g_registryDestroyed = true;
}


MessageHandlerRegistry & MessageHandlerRegistry::instance() {
	// function-local static: creation is thread-safe, destruction at process exit
	static MessageHandlerRegistry registry;
	return registry;
}


void MessageHandlerRegistry::setMessageHandler(MessageHandler * msgHandler) {
	m_msgHandler = msgHandler != nullptr ? msgHandler : &m_defaultMsgHandler;
}


// *** free functions ***

void BVX_Message(const FormatText & text, int t, const char * functionID, int verbose_level) {
	BVX_Message(text.str(), t, functionID, verbose_level);
}


void BVX_Message(const std::string & text, int t, const char * functionID, int verbose_level) {
	MessageHandlerRegistry::instance().msgHandler()->msg(text, t, functionID, verbose_level);
}


ScopedMessageIndent::ScopedMessageIndent() {
	MessageHandler * h = MessageHandlerRegistry::instance().msgHandler();
	h->setIndentation(h->indentation() + 1);
}


ScopedMessageIndent::~ScopedMessageIndent() {
	MessageHandler * h = MessageHandlerRegistry::instance().msgHandler();
	h->setIndentation(h->indentation() - 1);
}

} // namespace BVX
