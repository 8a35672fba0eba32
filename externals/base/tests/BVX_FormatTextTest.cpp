#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "BVX_Exception.h"
#include "BVX_FormatText.h"

using BVX::FormatText;

struct FormatCase {
	const char * text;
	std::vector<std::string> args;
	const char * expected;
};

TEST(FormatText, PlaceholderParsing) {
	const FormatCase cases[] = {
		{"", {}, ""},
		{"%", {}, "%"},
		{"%%", {}, "%"},
		{"100%%", {}, "100%"},
		{"%%1", {"x"}, "%1"},
		{"%%%1", {"x"}, "%x"},
		{"ab%%c", {}, "ab%c"},
		{"50 %", {}, "50 %"},
		{"%    %2", {"a", "b"}, "%    b"},
		{"Value %1 in %2", {"5"}, "Value 5 in %2"},
		{"%2 of %1", {"a", "b"}, "b of a"},
		{"%1%1", {"z"}, "zz"},
		{"%0", {"a", "b"}, "%0"},
		{"%01", {}, "%1"},
		{"%01", {"q"}, "q"},
		{"%10", {"1"}, "%10"},
		{"%10", {"1","2","3","4","5","6","7","8","9","ten"}, "ten"},
		{"x%1y", {"a", "surplus"}, "xay"},
	};
	for (const FormatCase & c : cases) {
		FormatText ft(c.text);
		for (const std::string & a : c.args)
			ft.arg(a);
		EXPECT_EQ(ft.str(), c.expected) << "text: '" << c.text << "'";
	}
}

TEST(FormatText, IntegerAndStringWidths) {
	EXPECT_EQ(FormatText("%1").arg(-7, 4).str(), "  -7");
	EXPECT_EQ(FormatText("%1").arg("abc", 2).str(), "abc");
	EXPECT_EQ(FormatText("%1").arg("abc", -5).str(), "abc");
	EXPECT_EQ(FormatText("%1").arg("abc", 5).str(), "  abc");
	EXPECT_EQ(FormatText("%1 %2").arg(3u).arg(std::size_t(42), 3).str(), "3  42");
	EXPECT_EQ(FormatText("%1").arg(-5L).str(), "-5");
	EXPECT_EQ(FormatText("%1").arg(18446744073709551615ULL).str(), "18446744073709551615");
}

TEST(FormatText, DoubleFormats) {
	EXPECT_EQ(FormatText("%1").arg(2.0).str(), "2");
	EXPECT_EQ(FormatText("%1").arg(0.000012345).str(), "1.2345e-05");
	EXPECT_EQ(FormatText("%1").arg(1234567.0).str(), "1.23457e+06");
	EXPECT_EQ(FormatText("%1").arg(0.1, 10, 'g', 3, '*').str(), "0.1");   // 'g' ignores width
	EXPECT_EQ(FormatText("%1").arg(std::numeric_limits<double>::quiet_NaN()).str(), "1.#QNAN");
	EXPECT_EQ(FormatText("%1").arg(35.0, 4, 'f', 0).str(), "  35");
	EXPECT_EQ(FormatText("%1").arg(0.5, 6, 'f', 2, '0').str(), "000.50");
	EXPECT_EQ(FormatText("%1").arg(1500.0, 0, 'e', 2).str(), "1.50e+03");
	EXPECT_EQ(FormatText("%1").arg(1500.0, 0, 'E', 2).str(), "1.50e+03");
	EXPECT_EQ(FormatText("%1").arg(2.5, 0, 'f', -1).str(), "2.500000");
}

TEST(FormatText, RenderingIsRepeatable) {
	FormatText ft("%1-%2");
	ft.arg(1);
	EXPECT_EQ(ft.str(), "1-%2");
	ft.arg(2);
	EXPECT_EQ(ft.str(), "1-2");
	EXPECT_EQ(ft.str(), "1-2");
}

TEST(FormatText, OverflowingPlaceholderThrows) {
	try {
		FormatText ft("%99999999999");
		FAIL() << "expected exception";
	}
	catch (BVX::Exception & ex) {
		EXPECT_EQ(std::string(ex.what()), "Could not convert '99999999999' into value.");
		EXPECT_EQ(ex.messages().back().m_functionID, "[string2val]");
	}
}
