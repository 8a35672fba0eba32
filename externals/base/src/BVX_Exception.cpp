#include "BVX_Exception.h"

#include "BVX_FormatText.h"
#include "BVX_MessageHandler.h"

namespace BVX {

Exception::Exception(const std::string & msg, const std::string & functionID) {
	m_msgStack.push_back(MsgInfo{msg, functionID});
}


Exception::Exception(const FormatText & msg, const std::string & functionID) :
	Exception(msg.str(), functionID)
{
}


Exception::Exception(const Exception & previous, const std::string & msg, const std::string & functionID) :
	m_msgStack(previous.m_msgStack)
{
	m_msgStack.push_back(MsgInfo{msg, functionID});
}


Exception::Exception(const Exception & previous, const FormatText & msg, const std::string & functionID) :
	Exception(previous, msg.str(), functionID)
{
}


Exception::~Exception() noexcept {
}


const char * Exception::what() const noexcept {
	if (m_msgStack.empty())
		return "";
	return m_msgStack.back().m_what.c_str();
}


std::string Exception::msgStack() const {
	std::string result;
	for (auto it = m_msgStack.begin(); it != m_msgStack.end(); ++it) {
		if (it != m_msgStack.begin())
			result += " \n";
		result += it->m_what;
	}
	return result;
}


void Exception::writeMsgStackToError() const {
	for (const MsgInfo & m : m_msgStack)
		BVX_Message(m.m_what, MSG_ERROR, m.m_functionID.c_str(), 1);
}

} // namespace BVX
