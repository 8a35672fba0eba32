#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <BVX_BinaryVectorIO.h>
#include <BVX_Exception.h>

namespace {

std::string vectorBytes(std::uint32_t count, const std::vector<double> & values) {
	std::string s(reinterpret_cast<const char *>(&count), 4);
	s.append(reinterpret_cast<const char *>(values.data()), values.size() * sizeof(double));
	return s;
}

std::string errorOf(const std::string & bytes, std::vector<double> & vec, unsigned int maxSize) {
	std::istringstream in(bytes);
	try {
		BVX::read_vector_binary(in, vec, maxSize);
	}
	catch (BVX::Exception & ex) {
		return ex.what();
	}
	return std::string();
}

} // namespace

TEST(ReadVectorBinary, ReadsCountAndValues) {
	std::vector<double> vec = { 9 };
	EXPECT_EQ(errorOf(vectorBytes(3, { 1.5, -2, 1e300 }), vec, 3), "");
	EXPECT_EQ(vec, (std::vector<double>{ 1.5, -2, 1e300 }));
	EXPECT_EQ(errorOf(vectorBytes(0, {}), vec, 3), "");
	EXPECT_TRUE(vec.empty());
}

TEST(ReadVectorBinary, RejectsBadCountsAndShortStreams) {
	struct Case { std::string m_bytes; unsigned int m_max; const char * m_message; } cases[] = {
		{ vectorBytes(4, { 1, 2, 3, 4 }), 3, "Vector length exceeds given maximum!" },
		{ std::string("\x01\x00", 2), 3, "Error reading from input stream!" },
		{ "", 3, "Error reading from input stream!" },
		{ vectorBytes(3, { 1, 2 }), 3, "Unexpected end of stream" },
		{ vectorBytes(2, { 1, 2 }).substr(0, 19), 3, "Unexpected end of stream" },
	};
	for (const Case & c : cases) {
		std::vector<double> vec = { 7 };
		std::string msg = errorOf(c.m_bytes, vec, c.m_max);
		EXPECT_NE(msg.find(c.m_message), std::string::npos) << msg;
		EXPECT_EQ(vec, std::vector<double>{ 7 }); // unchanged on error
	}
}
