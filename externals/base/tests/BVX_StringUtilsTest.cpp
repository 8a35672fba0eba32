#include <gtest/gtest.h>

#include <list>
#include <string>
#include <vector>

#include "BVX_StringUtils.h"

using Tokens = std::vector<std::string>;

TEST(StringUtils, ExplodeFlags) {
	struct Case {
		const char *	text;
		const char *	delims;
		int				flags;
		Tokens			expected;
	};
	const Case cases[] = {
		{"a,,b",		",",	0,											{"a", "b"}},
		{"a,,b",		",",	BVX::EXPLODE_KEEP_EMPTY,					{"a", "", "b"}},
		{" 1. 2 .3",	".",	BVX::EXPLODE_TRIM,							{"1", "2", "3"}},
		// without trimming, blanks are token content
		{" 1. 2 .3",	".",	0,											{" 1", " 2 ", "3"}},
		// tokens that become empty by trimming: dropped, or kept with flag 2
		{"a; \t;b\n",	";",	BVX::EXPLODE_TRIM,							{"a", "b"}},
		{"a; \t;b\n",	";",	BVX::EXPLODE_TRIM | BVX::EXPLODE_KEEP_EMPTY,	{"a", "", "b"}},
		// several separator characters; separators at the ends
		{",a;b,",		",;",	BVX::EXPLODE_KEEP_EMPTY,					{"", "a", "b", ""}},
		{"",			",",	0,											{}},
		{"",			",",	BVX::EXPLODE_KEEP_EMPTY,					{""}},
		{"abc",			"",		0,											{"abc"}},
	};
	for (const Case & c : cases) {
		Tokens tokens = {"stale"};
		const std::size_t n = BVX::explode(c.text, tokens, c.delims, c.flags);
		EXPECT_EQ(tokens, c.expected) << "text '" << c.text << "' flags " << c.flags;
		EXPECT_EQ(n, c.expected.size());
	}
}


TEST(StringUtils, ExplodeCharAndList) {
	struct Case {
		const char *	text;
		char			delim;
		bool			trim;
		Tokens			expected;
	};
	const Case cases[] = {
		{"/a//b/",			'/',	false,	{"a", "b"}},
		{"x",				'/',	false,	{"x"}},
		{"",				'/',	false,	{}},
		{"///",				'/',	false,	{}},
		// trimming removes blanks, tabs and CR but not LF; a blank token survives as ""
		{" a \t|\r\n| |b",	'|',	true,	{"a", "\n", "", "b"}},
		{" a |b ",			'|',	false,	{" a ", "b "}},
		// the last token is trimmed like the others
		{"a;  b  ",			';',	true,	{"a", "b"}},
	};
	for (const Case & c : cases) {
		Tokens tokens = {"stale"};
		EXPECT_EQ(BVX::explode_char(c.text, tokens, c.delim, c.trim), c.expected.size());
		EXPECT_EQ(tokens, c.expected) << "text '" << c.text << "'";

		std::list<std::string> list = {"stale"};
		EXPECT_EQ(BVX::explode_to_list(c.text, list, c.delim, c.trim), c.expected.size());
		EXPECT_EQ(Tokens(list.begin(), list.end()), c.expected) << "text '" << c.text << "'";
	}
}


TEST(StringUtils, ExplodeQuoted) {
	struct Case {
		const char *	line;
		Tokens			expected;
	};
	const Case cases[] = {
		{"a,\"b,c\",,",			{"a", "\"b,c\"", ""}},
		{"1,2,3",				{"1", "2", "3"}},
		{",x",					{"", "x"}},
		{"",					{}},
		{",",					{""}},
		// an unterminated quote keeps the rest of the line in one field
		{"a,\"b,c",				{"a", "\"b,c"}},
		{"\"x\"\"y,z\",w",		{"\"x\"\"y,z\"", "w"}},
	};
	for (const Case & c : cases) {
		Tokens tokens = {"stale"};
		EXPECT_EQ(BVX::explode_quoted(c.line, tokens), c.expected.size());
		EXPECT_EQ(tokens, c.expected) << "line '" << c.line << "'";
	}
}


TEST(StringUtils, Trim) {
	struct Case {
		const char * text;
		const char * chars;
		const char * expected;
	};
	const Case cases[] = {
		{" \t ",			" \t\r",	""},
		{"",				" \t\r",	""},
		{"  a b \r",		" \t\r",	"a b"},
		{"\na\n",			" \t\r",	"\na\n"},
		{"\na\n",			" \t\r\n",	"a"},
		{"xxaxbxx",			"x",		"axb"},
		{"abc",				"",			"abc"},
	};
	for (const Case & c : cases) {
		std::string s = c.text;
		BVX::trim(s, c.chars);
		EXPECT_EQ(s, c.expected) << "text '" << c.text << "'";
		EXPECT_EQ(BVX::trim_copy(c.text, c.chars), c.expected);
	}
}


TEST(StringUtils, ReplaceString) {
	struct Case {
		const char *	text;
		const char *	search;
		const char *	replacement;
		int				mode;
		const char *	expected;
	};
	const Case cases[] = {
		{"aaa",					"a",		"aa",		BVX::REPLACE_ALL,		"aaaaaa"},
		{"aaa",					"a",		"aa",		BVX::REPLACE_FIRST,		"aaaa"},
		{"abcabc",				"abc",		"X",		BVX::REPLACE_LAST,		"abcX"},
		{"abcabc",				"abc",		"X",		BVX::REPLACE_FIRST,		"Xabc"},
		{"abcabc",				"abc",		"X",		BVX::REPLACE_NOTHING,	"abcabc"},
		{"aaaa",				"aa",		"b",		BVX::REPLACE_LAST,		"aab"},
		{"path ${DIR}/${DIR}",	"${DIR}",	"/home",	BVX::REPLACE_ALL,		"path /home//home"},
		{"abc",					"x",		"y",		BVX::REPLACE_ALL,		"abc"},
		{"abc",					"b",		"",			BVX::REPLACE_ALL,		"ac"},
		{"abc",					"b",		"b",		BVX::REPLACE_ALL,		"abc"},
		{"abc",					"",			"x",		BVX::REPLACE_ALL,		"abc"},
		{"abc",					"",			"x",		BVX::REPLACE_LAST,		"abc"},
		{"",					"a",		"b",		BVX::REPLACE_ALL,		""},
	};
	for (const Case & c : cases)
		EXPECT_EQ(BVX::replace_string(c.text, c.search, c.replacement, c.mode), c.expected)
			<< "'" << c.text << "' '" << c.search << "' -> '" << c.replacement << "' mode " << c.mode;
}


TEST(StringUtils, CaseHandling) {
	EXPECT_TRUE(BVX::string_nocase_compare("EPW", "epw"));
	EXPECT_TRUE(BVX::string_nocase_compare("", ""));
	EXPECT_FALSE(BVX::string_nocase_compare("epw", "epw "));
	EXPECT_FALSE(BVX::string_nocase_compare("[", "{")); // '[' is not an upper-case '{'

	EXPECT_EQ(BVX::tolower_string("AbC-Z@[\xC3\x84]"), "abc-z@[\xC3\x84]");

	EXPECT_EQ(BVX::first_to_upper("c:/x"), "C:/x");
	EXPECT_EQ(BVX::first_to_upper("1a"), "1a");
	EXPECT_EQ(BVX::first_to_upper(""), "");
	// invalid or truncated multibyte starts are left alone
	EXPECT_EQ(BVX::first_to_upper("\xC3"), "\xC3");
	EXPECT_EQ(BVX::first_to_upper("\xFFx"), "\xFFx");
	// a multibyte first character stays one valid character followed by the rest
	const std::string upper = BVX::first_to_upper("\xC3\xA4rger");
	EXPECT_TRUE(upper == "\xC3\x84rger" || upper == "\xC3\xA4rger") << upper;
}


TEST(StringUtils, Utf8ToWideValid) {
	struct Case {
		std::string		utf8;
		std::wstring	wide;
	};
	const Case cases[] = {
		{"",										L""},
		{"abc",										L"abc"},
		{std::string("a\0b", 3),					std::wstring(L"a\0b", 3)},
		{"\xC3\xA4",								L"\u00E4"},				// 2 bytes
		{"\xE2\x82\xAC",							L"\u20AC"},				// 3 bytes
		{"\xF0\x9F\x98\x80",						L"\U0001F600"},			// 4 bytes
		{"\xC2\x80",								L"\u0080"},				// smallest 2-byte value
		{"\xDF\xBF",								L"\u07FF"},
		{"\xE0\xA0\x80",							L"\u0800"},				// smallest 3-byte value
		{"\xED\x9F\xBF",							L"\uD7FF"},				// just below the surrogates
		{"\xEE\x80\x80",							L"\uE000"},				// just above them
		{"\xEF\xBF\xBD",							L"\uFFFD"},
		{"\xF0\x90\x80\x80",						L"\U00010000"},			// smallest 4-byte value
		{"\xF4\x8F\xBF\xBF",						L"\U0010FFFF"},			// largest scalar value
	};
	for (const Case & c : cases) {
		EXPECT_EQ(BVX::UTF8ToWstring(c.utf8), c.wide) << "bytes of size " << c.utf8.size();
		EXPECT_EQ(BVX::WstringToUTF8(c.wide), c.utf8);
	}
}


TEST(StringUtils, Utf8ToWideInvalid) {
	const wchar_t R = 0xFFFD;
	struct Case {
		std::string		utf8;
		std::wstring	wide;
	};
	const Case cases[] = {
		{"\x80",						{R}},					// lone continuation byte
		{"a\xBF" "b",					{L'a', R, L'b'}},
		{"\xC0\xAF",					{R, R}},				// overlong '/': C0 is never valid
		{"\xC1\xBF",					{R, R}},
		{"\xE0\x80\xAF",				{R, R, R}},				// overlong 3-byte form
		{"\xF0\x80\x80\xAF",			{R, R, R, R}},			// overlong 4-byte form
		{"\xED\xA0\x80",				{R, R, R}},				// encoded surrogate U+D800
		{"\xED\xBF\xBF",				{R, R, R}},				// encoded surrogate U+DFFF
		{"\xF4\x90\x80\x80",			{R, R, R, R}},			// above U+10FFFF
		{"\xF5\x80",					{R, R}},
		{"\xFE\xFF",					{R, R}},
		// truncated sequences at the end: one replacement for the whole stub
		{"\xC3",						{R}},
		{"x\xE2\x82",					{L'x', R}},
		{"\xF0\x9F\x98",				{R}},
		// a broken sequence does not swallow the byte that ends it
		{"\xE2\x82" "A",				{R, L'A'}},
		{"\xC3\xC3\xA4",				{R, L'\u00E4'}},
		{"\xF0\x9F" "\xE2\x82\xAC",		{R, L'\u20AC'}},
	};
	for (const Case & c : cases) {
		EXPECT_EQ(BVX::UTF8ToWstring(c.utf8), c.wide) << "input of " << c.utf8.size() << " bytes";
		// the replacement characters encode back to valid UTF-8
		EXPECT_EQ(BVX::UTF8ToWstring(BVX::WstringToUTF8(c.wide)), c.wide);
	}
}


TEST(StringUtils, WideToUtf8Invalid) {
	// lone surrogates and values beyond Unicode become U+FFFD
	const std::string R = "\xEF\xBF\xBD";
	const std::wstring wide = {L'a', static_cast<wchar_t>(0xD800), static_cast<wchar_t>(0xDFFF),
							   static_cast<wchar_t>(0x110000), static_cast<wchar_t>(-1), L'z'};
	EXPECT_EQ(BVX::WstringToUTF8(wide), "a" + R + R + R + R + "z");
	EXPECT_EQ(BVX::WstringToUTF8(L""), "");
}
