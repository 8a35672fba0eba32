#include <gtest/gtest.h>

#include "BVX_Exception.h"
#include "BVX_Version.h"

using BVX::Version;

TEST(Version, LesserVersionNumber) {
	struct Case { const char * first; const char * second; bool lesser; };
	const Case cases[] = {
		{ "3.2.1", "3.10.0", true },		// numeric, not text order
		{ "3.10.0", "3.2.1", false },
		{ "3.2.1", "3.2.1", false },
		{ "3.2.1", "3.2.2", true },
		{ "3.2.2", "3.2.1", false },
		{ "2.9.9", "3.0.0", true },
		{ "4.0.0", "3.99.99", false },
		{ "3.2.1.9", "3.2.1.0", false },	// fourth part ignored
		{ "3.2.1.0", "3.2.1.9", false },
		{ " 3 . 2 . 1 ", "3.2.2", true },	// parts are trimmed
		{ "3..2.1", "3.2.2", true },		// empty parts dropped
	};
	for (const Case & k : cases)
		EXPECT_EQ(Version::lesserVersionNumber(k.first, k.second), k.lesser) << k.first << " < " << k.second;
}


TEST(Version, BadVersionNumbersThrow) {
	const char * bad[] = { "3.2", "", "3.x.1", "a.b.c", "3.-1.0", "..." };
	for (const char * v : bad) {
		for (int order = 0; order < 2; ++order) {
			try {
				if (order == 0)
					Version::lesserVersionNumber(v, "3.2.1");
				else
					Version::lesserVersionNumber("3.2.1", v);
				ADD_FAILURE() << "no exception for '" << v << "'";
			}
			catch (BVX::Exception & ex) {
				EXPECT_STREQ(ex.what(), "Bad version numbers.");
				EXPECT_EQ(ex.messages().back().m_functionID, "[Version::lesserVersionNumber]");
			}
		}
	}
}
