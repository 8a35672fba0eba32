#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>

#include "BVX_BinaryIO.h"
#include "BVX_Exception.h"

namespace {

std::string lengthPrefixed(std::uint32_t len, const std::string & bytes) {
	std::string s(reinterpret_cast<const char *>(&len), sizeof(len));
	return s + bytes;
}

} // namespace

TEST(ReadStringBinary, ReadsConsecutiveStrings) {
	std::istringstream in(lengthPrefixed(5, "hello") + lengthPrefixed(0, ""));
	std::string s1, s2 = "old", s3;
	BVX::read_string_binary(in, s1, 100);
	BVX::read_string_binary(in, s2, 100);
	EXPECT_EQ(s1, "hello");
	EXPECT_EQ(s2, "");
	// embedded zero bytes are data, not terminators
	std::istringstream in2(lengthPrefixed(3, std::string("a\0b", 3)));
	BVX::read_string_binary(in2, s3, 3);
	EXPECT_EQ(s3, std::string("a\0b", 3));
}

TEST(ReadStringBinary, ErrorsLeaveTextUnchanged) {
	struct Case { std::string data; unsigned int maxLen; const char * message; };
	const Case cases[] = {
		{lengthPrefixed(2001, std::string(2001, 'x')), 2000, "String length exceeds given maximum!"},
		{lengthPrefixed(10, "short"), 100, "Unexpected end of stream while reading string of length 10 (got 5 bytes)."},
		{std::string("\x01\x00", 2), 100, "Cannot read string length from stream."},
	};
	for (const Case & c : cases) {
		std::istringstream in(c.data);
		std::string text = "unchanged";
		try {
			BVX::read_string_binary(in, text, c.maxLen);
			FAIL() << c.message;
		}
		catch (BVX::Exception & ex) {
			EXPECT_EQ(std::string(ex.what()), c.message);
			EXPECT_EQ(ex.messages().back().m_functionID, "[read_string_binary]");
		}
		EXPECT_EQ(text, "unchanged");
	}
}
