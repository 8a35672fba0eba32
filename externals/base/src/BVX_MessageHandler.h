#ifndef BVX_MessageHandlerH
#define BVX_MessageHandlerH

#include <fstream>
#include <memory>
#include <string>

#include "BVX_FormatText.h"

namespace BVX {

/*! Message types; any other value is accepted but writes nothing. */
enum MessageType {
	MSG_PROGRESS		= 0,
	MSG_CONTINUED		= 1,
	MSG_WARNING			= 2,
	MSG_ERROR			= 3,
	MSG_DEBUG			= 4
};

/*! Writes messages to the console and to an optional log file, each under its own
	verbosity threshold. A message passes a threshold when its verbosity is not greater
	than it; errors and debug messages always reach both outputs.

	Log line: timestamp, tab, type prefix (11 bytes), function ID padded to 40 bytes,
	tab, two blanks per indentation level, text. Line feeds inside the text repeat the prefix.
*/
class MessageHandler {
public:
	MessageHandler();
	virtual ~MessageHandler();

	MessageHandler(const MessageHandler &) = delete;
	MessageHandler & operator=(const MessageHandler &) = delete;

	/*! Writes one message; never throws. */
	virtual void msg(const std::string & text, int t, const char * functionID, int verbose_level);

	/*! Opens (or, with append, continues) the log file. An empty path means no log file
		and returns true. On failure errmsg holds the reason and no log file is open. */
	virtual bool openLogFile(const std::string & logfile, bool append, std::string & errmsg);

	/*! Flushes and closes the log file, if open. */
	void closeLogFile();

	bool logFileOpen() const { return m_logfile != nullptr; }

	void setConsoleVerbosityLevel(int level) { m_requestedConsoleVerbosityLevel = level; }
	void setLogfileVerbosityLevel(int level) { m_requestedLogfileVerbosityLevel = level; }
	int consoleVerbosityLevel() const { return m_requestedConsoleVerbosityLevel; }
	int logfileVerbosityLevel() const { return m_requestedLogfileVerbosityLevel; }

	/*! strftime() format of the log line timestamp; empty writes no timestamp. */
	void setTimeStampFormat(const std::string & fmt) { m_timeStampFormat = fmt; }

	int indentation() const { return m_indentation; }
	void setIndentation(int level) { m_indentation = level; }

	/*! Prepares the console for UTF-8 output; returns the platform call's success. */
	static bool setupUtf8Console();

protected:
	int									m_functionIDColumnWidth;
	int									m_requestedConsoleVerbosityLevel;
	int									m_requestedLogfileVerbosityLevel;
	std::unique_ptr<std::ofstream>		m_logfile;
	std::string							m_timeStampFormat;
	int									m_indentation;

private:
	std::string timeStamp() const;
};


/*! Process-wide access to the current message handler. */
class MessageHandlerRegistry {
public:
	static MessageHandlerRegistry & instance();

	MessageHandler * msgHandler() { return m_msgHandler; }

	/*! Makes the handler current; a null pointer selects the default handler. */
	void setMessageHandler(MessageHandler * msgHandler);

	MessageHandler * defaultMsgHandler() { return &m_defaultMsgHandler; }

private:
	MessageHandlerRegistry();
	~MessageHandlerRegistry();

	MessageHandler		m_defaultMsgHandler;
	MessageHandler *	m_msgHandler;
};


/*! Sends a message to the current message handler. */
void BVX_Message(const FormatText & text, int t, const char * functionID, int verbose_level);
void BVX_Message(const std::string & text, int t, const char * functionID, int verbose_level);

inline void BVX_Message(const char * text, int t, const char * functionID, int verbose_level) {
	BVX_Message(std::string(text), t, functionID, verbose_level);
}


/*! Indents all messages of the current handler by one level while it lives. */
class ScopedMessageIndent {
public:
	ScopedMessageIndent();
	~ScopedMessageIndent();
	ScopedMessageIndent(const ScopedMessageIndent &) = delete;
	ScopedMessageIndent & operator=(const ScopedMessageIndent &) = delete;
};

} // namespace BVX

#endif // BVX_MessageHandlerH
