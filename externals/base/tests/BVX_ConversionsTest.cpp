#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "BVX_Conversions.h"
#include "BVX_Exception.h"

TEST(Conversions, NaNTextBothWays) {
	EXPECT_TRUE(std::isnan(BVX::string2val<double>("1.#QNAN")));
	EXPECT_EQ(BVX::string2val<int>("1.#QNAN"), 0);
	EXPECT_EQ(BVX::string2val<unsigned int>("1.#QNAN"), 0u);
	EXPECT_FALSE(BVX::string2val<bool>("1.#QNAN"));
	EXPECT_EQ(BVX::val2string(std::numeric_limits<double>::quiet_NaN()), "1.#QNAN");
	// only the exact seven bytes stand for NaN; otherwise the leading "1." is read
	EXPECT_EQ(BVX::string2val<double>(" 1.#QNAN "), 1.0);
	EXPECT_EQ(BVX::string2val<double>("1.#QNAN\r"), 1.0);
}

TEST(Conversions, ReadsLeadingValueAndIgnoresRest) {
	struct Case { const char * text; double expected; };
	const Case cases[] = {
		{"3.5", 3.5},
		{"   3.5", 3.5},
		{"\t-2e3", -2000},
		{"1,5", 1},			// decimal comma: only the 1 is read
		{"7.25\r", 7.25},		// CR of a CRLF line end
		{"12abc", 12},
		{"0.1", 0.1},
	};
	for (const Case & c : cases)
		EXPECT_DOUBLE_EQ(BVX::string2val<double>(c.text), c.expected) << c.text;
	EXPECT_EQ(BVX::string2val<int>("-42 apples"), -42);
	EXPECT_EQ(BVX::string2val<unsigned int>("4294967295"), 4294967295u);
	EXPECT_TRUE(BVX::string2val<bool>("1"));
	EXPECT_FALSE(BVX::string2val<bool>("0"));
}

TEST(Conversions, FailureThrowsWithText) {
	const char * bad[] = {"abc", "", "   ", "x1"};
	for (const char * t : bad) {
		try {
			BVX::string2val<double>(t);
			FAIL() << "no exception for '" << t << "'";
		}
		catch (BVX::Exception & ex) {
			EXPECT_EQ(std::string(ex.what()), std::string("Could not convert '") + t + "' into value.");
			EXPECT_EQ(ex.messages().back().m_functionID, "[string2val]");
		}
	}
	EXPECT_THROW(BVX::string2val<int>("nine"), BVX::Exception);
	EXPECT_THROW(BVX::string2val<bool>("true"), BVX::Exception);	// bool reads 0 or 1 only
	EXPECT_THROW(BVX::string2val<bool>("2"), BVX::Exception);
	// a negative number never wraps into an unsigned value
	EXPECT_THROW(BVX::string2val<unsigned int>("-1"), BVX::Exception);
	EXPECT_THROW(BVX::string2val<unsigned int>("  -7"), BVX::Exception);
	EXPECT_EQ(BVX::string2val<unsigned int>(" 42"), 42u);
}

TEST(Conversions, WritesDefaultStreamFormat) {
	EXPECT_EQ(BVX::val2string(0.1), "0.1");
	EXPECT_EQ(BVX::val2string(31536000.0), "3.1536e+07");
	EXPECT_EQ(BVX::val2string(1.0/3.0), "0.333333");
	EXPECT_EQ(BVX::val2string(-5), "-5");
	EXPECT_EQ(BVX::val2string(4000000000u), "4000000000");
	EXPECT_EQ(BVX::val2string(std::uint64_t(18446744073709551615ull)), "18446744073709551615");
	EXPECT_EQ(BVX::val2string(true), "1");
	EXPECT_EQ(BVX::val2string(false), "0");
	EXPECT_EQ(BVX::val2string(std::string("as is ")), "as is ");
	// six significant digits survive a round trip
	EXPECT_DOUBLE_EQ(BVX::string2val<double>(BVX::val2string(273.15)), 273.15);
}
