#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>

#include <unistd.h>

#include "BVX_Exception.h"
#include "BVX_FormatText.h"
#include "BVX_MessageHandler.h"

using namespace BVX;

namespace {

std::string readFile(const std::string & path) {
	std::ifstream in(path, std::ios::binary);
	std::stringstream strm;
	strm << in.rdbuf();
	return strm.str();
}

/*! A handler with a log file in the test's temp folder, made current for the test's lifetime. */
class MessageHandlerTest : public ::testing::Test {
protected:
	void SetUp() override {
		m_logPath = ::testing::TempDir() + "bvx_msg_test_" +
				::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" + std::to_string(::getpid()) + ".log";
		std::remove(m_logPath.c_str());
		m_handler.reset(new MessageHandler);
		m_handler->setTimeStampFormat("");
		MessageHandlerRegistry::instance().setMessageHandler(m_handler.get());
		std::string err;
		ASSERT_TRUE(m_handler->openLogFile(m_logPath, false, err)) << err;
	}
	void TearDown() override {
		m_handler.reset();
		std::remove(m_logPath.c_str());
	}

	/*! Sends one message and returns what reached the console. */
	std::string send(const std::string & text, int type, const char * id, int verbosity) {
		::testing::internal::CaptureStdout();
		BVX_Message(text, type, id, verbosity);
		return ::testing::internal::GetCapturedStdout();
	}

	std::string log() { return readFile(m_logPath); }

	std::string							m_logPath;
	std::unique_ptr<MessageHandler>		m_handler;
};

const std::string ID_ROOM = std::string("[Room::readXML]") + std::string(40 - 15, ' ') + "\t";
const std::string ID_NONE = std::string(40, ' ') + "\t";

} // namespace


TEST_F(MessageHandlerTest, ProgressLineFormat) {
	std::string console = send("Reading project.\n", MSG_PROGRESS, "[Room::readXML]", 1);
	EXPECT_EQ(console, "Reading project.\n");
	EXPECT_EQ(log(), "[Progress]\t" + ID_ROOM + "Reading project.\n");
}

TEST_F(MessageHandlerTest, MultiLineErrorRepeatsPrefix) {
	std::string console = send("first\nsecond", MSG_ERROR, nullptr, 1);
	EXPECT_EQ(console, "first\nsecond\n");
	EXPECT_EQ(log(), "[Error   ]\t" + ID_NONE + "first\n[Error   ]\t" + ID_NONE + "second\n");
}

TEST_F(MessageHandlerTest, LongFunctionIdIsNotCut) {
	std::string longId(45, 'x');
	send("w", MSG_WARNING, longId.c_str(), 1);
	EXPECT_EQ(log(), "[Warning ]\t" + longId + "\tw\n");
}

TEST_F(MessageHandlerTest, IndentationAppliesToEveryLine) {
	{
		ScopedMessageIndent i1;
		ScopedMessageIndent i2;
		std::string console = send("a\nb\n", MSG_PROGRESS, "[X]", 1);
		EXPECT_EQ(console, "    a\nb\n");
	}
	EXPECT_EQ(m_handler->indentation(), 0);
	const std::string idX = "[X]" + std::string(37, ' ') + "\t";
	EXPECT_EQ(log(), "[Progress]\t" + idX + "    a\n[Progress]\t" + idX + "    b\n");
}

TEST_F(MessageHandlerTest, ContinuationIsWrittenUnchanged) {
	send("Reading...", MSG_PROGRESS, "[A]", 1);
	send("done\n", MSG_CONTINUED, "[A]", 1);
	EXPECT_EQ(log(), "[Progress]\t[A]" + std::string(37, ' ') + "\tReading...done\n");
}

// Where a message goes under the default levels (console 4, log file 2).
TEST_F(MessageHandlerTest, VerbosityMatrix) {
	struct Case { int type; int verbosity; bool console; bool logged; };
	const Case cases[] = {
		{MSG_PROGRESS, -1, true,  true },
		{MSG_PROGRESS,  0, true,  false},
		{MSG_PROGRESS,  2, true,  true },
		{MSG_PROGRESS,  3, true,  false},
		{MSG_PROGRESS,  5, false, false},
		{MSG_CONTINUED, 1, true,  true },
		{MSG_CONTINUED, 0, true,  false},
		{MSG_WARNING,   0, true,  false},
		{MSG_WARNING,   3, true,  false},
		{MSG_WARNING,   4, true,  false},
		{MSG_WARNING,   5, false, false},
		{MSG_ERROR,     1, true,  true },
		{MSG_ERROR,     4, true,  true },
		{MSG_ERROR,     5, false, false},
		{MSG_DEBUG,     5, true,  true },
		{MSG_DEBUG,    99, true,  true },
		{7,             1, false, false},
	};
	for (const Case & c : cases) {
		std::string err;
		ASSERT_TRUE(m_handler->openLogFile(m_logPath, false, err));
		std::string console = send("m\n", c.type, "[T]", c.verbosity);
		EXPECT_EQ(!console.empty(), c.console) << "type " << c.type << " verbosity " << c.verbosity;
		EXPECT_EQ(!log().empty(), c.logged) << "type " << c.type << " verbosity " << c.verbosity;
	}
}

TEST_F(MessageHandlerTest, ErrorsPassWhenOnlyOneLevelAllows) {
	m_handler->setConsoleVerbosityLevel(0);
	m_handler->setLogfileVerbosityLevel(0);
	// verbosity 1 is above both levels: dropped at the filter
	EXPECT_TRUE(send("x", MSG_ERROR, "[T]", 1).empty());
	EXPECT_TRUE(log().empty());
	m_handler->setLogfileVerbosityLevel(1);
	EXPECT_EQ(send("x", MSG_ERROR, "[T]", 1), "x\n");
	EXPECT_FALSE(log().empty());
}

TEST_F(MessageHandlerTest, AppendWritesMarker) {
	send("one\n", MSG_PROGRESS, "[A]", 1);
	std::string err;
	ASSERT_TRUE(m_handler->openLogFile(m_logPath, true, err));
	send("two\n", MSG_PROGRESS, "[A]", 1);
	const std::string idA = "[A]" + std::string(37, ' ') + "\t";
	EXPECT_EQ(log(), "[Progress]\t" + idA + "one\n" "\n----------- continued -------------\n\n" "[Progress]\t" + idA + "two\n");
}

TEST_F(MessageHandlerTest, OpenLogFileFailures) {
	std::string err;
	EXPECT_TRUE(m_handler->openLogFile("", false, err));
	EXPECT_FALSE(m_handler->logFileOpen());
	const std::string bad = ::testing::TempDir() + "no/such/dir/x.log";
	EXPECT_FALSE(m_handler->openLogFile(bad, false, err));
	EXPECT_EQ(err, "Cannot open/create logfile '" + bad + "'.");
	EXPECT_FALSE(m_handler->logFileOpen());
	// messages still reach the console
	EXPECT_EQ(send("e", MSG_ERROR, "[T]", 1), "e\n");
}

TEST_F(MessageHandlerTest, TimestampPrecedesPrefix) {
	m_handler->setTimeStampFormat("%Y-%m-%d %H:%M:%S");
	send("t\n", MSG_PROGRESS, "[T]", 1);
	EXPECT_TRUE(std::regex_match(log(), std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\t\[Progress\]\t\[T\] {37}\tt\n)"))) << log();
}

TEST_F(MessageHandlerTest, ExceptionStackGoesToLogInOrder) {
	Exception a("A", "[a]");
	Exception b(a, "B", "[b]");
	Exception c(b, FormatText("C%1").arg(1), "[c]");
	Exception d(c, "D", "[d]");
	ASSERT_EQ(d.messages().size(), 4u);
	EXPECT_STREQ(d.what(), "D");
	EXPECT_EQ(d.msgStack(), "A \nB \nC1 \nD");
	EXPECT_EQ(a.msgStack(), a.what());
	::testing::internal::CaptureStdout();
	d.writeMsgStackToError();
	EXPECT_EQ(::testing::internal::GetCapturedStdout(), "A\nB\nC1\nD\n");
	const std::string pad(37, ' ');
	EXPECT_EQ(log(), "[Error   ]\t[a]" + pad + "\tA\n[Error   ]\t[b]" + pad + "\tB\n"
					 "[Error   ]\t[c]" + pad + "\tC1\n[Error   ]\t[d]" + pad + "\tD\n");
}

TEST(MessageHandlerRegistry, DestroyedCurrentHandlerFallsBackToDefault) {
	MessageHandlerRegistry & reg = MessageHandlerRegistry::instance();
	{
		MessageHandler h;
		reg.setMessageHandler(&h);
		EXPECT_EQ(reg.msgHandler(), &h);
	}
	EXPECT_EQ(reg.msgHandler(), reg.defaultMsgHandler());
}
