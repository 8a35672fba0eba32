#ifndef BVX_ExceptionH
#define BVX_ExceptionH

#include <exception>
#include <list>
#include <string>

namespace BVX {

class FormatText;

/*! The one exception type of the system. It holds a stack of (message, function ID)
	entries, oldest first: a caller that adds context wraps the caught exception in a
	new one, so that the whole chain of causes reaches the top-level handler.
*/
class Exception : public std::exception {
public:
	struct MsgInfo {
		std::string m_what;
		std::string m_functionID;
	};

	Exception(const std::string & msg, const std::string & functionID);
	Exception(const FormatText & msg, const std::string & functionID);
	Exception(const Exception & previous, const std::string & msg, const std::string & functionID);
	Exception(const Exception & previous, const FormatText & msg, const std::string & functionID);

	~Exception() noexcept override;

	/*! Message of the newest entry. */
	const char * what() const noexcept override;

	/*! All messages, oldest first, joined by " \n". */
	std::string msgStack() const;

	/*! Sends all entries, oldest first, as error messages (verbosity 1) to the current message handler. */
	void writeMsgStackToError() const;

	const std::list<MsgInfo> & messages() const { return m_msgStack; }

private:
	std::list<MsgInfo> m_msgStack;
};

} // namespace BVX

#endif // BVX_ExceptionH
