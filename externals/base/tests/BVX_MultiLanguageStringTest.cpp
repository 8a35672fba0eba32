#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BVX_Exception.h"
#include "BVX_MultiLanguageString.h"

using BVX::MultiLanguageString;
using Ids = std::vector<std::string>;

TEST(MultiLanguageString, Parsing) {
	struct Case {
		const char *	encoded;
		Ids				languages;
		const char *	en;
		const char *	de;
	};
	const Case cases[] = {
		{"en:Wall|de:Wand",					{"de", "en"},	"Wall",		"Wand"},
		{"Wall",							{},				"",			""},
		{"",								{},				"",			""},
		{"en:Wall|xyz",						{"en"},			"Wall",		""},		// no ':' : skipped
		{"en:Wall|d|de:Wand",				{},				"",			""},		// short part: all lost
		{"en:Wall|deu:Wand",				{},				"",			""},		// three-letter ID: all lost
		{"en: Wall |de:",					{"en"},			"Wall",		""},		// empty text: skipped
		{" EN:Wall\t| De : x",				{},				"",			""},		// the ID "De " is not trimmed: all lost
		{" EN:Wall\t| De: x ",				{"de", "en"},	"Wall",		"x"},		// parts trimmed, IDs lower-cased
		{"en:a:b||de:c",					{"de", "en"},	"a:b",		"c"},		// text after the first ':'
		{"en:old|en:new",					{"en"},			"new",		""},		// later entry wins
		{"fr:Mur",							{"fr"},			"",			""},
		{"en:Wall|",						{"en"},			"Wall",		""},
	};
	for (const Case & c : cases) {
		const MultiLanguageString mls(c.encoded);
		EXPECT_EQ(mls.languages(), c.languages) << c.encoded;
		EXPECT_EQ(mls.string("en"), c.en) << c.encoded;
		EXPECT_EQ(mls.string("de"), c.de) << c.encoded;
		// the fallback is always the encoded string as given
		EXPECT_EQ(mls.string("xx", true), c.encoded) << c.encoded;
	}
}


TEST(MultiLanguageString, LanguageLookup) {
	MultiLanguageString mls("en:Wall|de:Wand");
	EXPECT_EQ(mls.string("EN"), "Wall");
	EXPECT_EQ(mls.string("De"), "Wand");
	EXPECT_EQ(mls.string("fr"), "");
	EXPECT_EQ(mls.string("fr", true), "en:Wall|de:Wand");
	EXPECT_EQ(mls.string("en", true), "Wall");
	EXPECT_EQ(mls.string(""), "");

	// re-parsing replaces the whole content
	mls.setEncodedString("it:Muro");
	EXPECT_EQ(mls.languages(), Ids{"it"});
	EXPECT_EQ(mls.string("en"), "");

	for (const char * id : {"all", "ALL", "aLl"}) {
		try {
			mls.string(id);
			FAIL() << "'" << id << "' must be refused";
		}
		catch (BVX::Exception & ex) {
			EXPECT_STREQ(ex.what(), "Cannot use 'all' as language ID for MultiLanguageString.");
			EXPECT_EQ(ex.messages().back().m_functionID, "[MultiLanguageString::string]");
		}
	}

	// the default object knows no text at all
	EXPECT_EQ(MultiLanguageString().string("en", true), "");
}
