#ifndef ToolMessageHandlerH
#define ToolMessageHandlerH

#include <BVX_MessageHandler.h>

/*! Message handler of the console tools: passes warnings and errors on, progress messages
	only when verbose, so that stdout holds the tool's results. */
class ToolMessageHandler : public BVX::MessageHandler {
public:
	explicit ToolMessageHandler(bool verbose) : m_verbose(verbose) {}
	void msg(const std::string & text, int t, const char * functionID, int verbose_level) override {
		if (m_verbose || (t != BVX::MSG_PROGRESS && t != BVX::MSG_CONTINUED))
			BVX::MessageHandler::msg(text, t, functionID, verbose_level);
	}
private:
	bool m_verbose;
};

#endif // ToolMessageHandlerH
