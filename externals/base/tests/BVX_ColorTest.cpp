#include <gtest/gtest.h>

#include "BVX_Color.h"

TEST(Color, HtmlString) {
	struct Case { int r, g, b, a; const char * expected; };
	const Case cases[] = {
		{255, 128, 0, 0, "#ff8000"},
		{0, 0, 0, 0, "#000000"},
		{0, 0, 1, 0, "#000001"},
		{1, 2, 3, 1, "#1010203"},		// at least six digits, no more padding
		{255, 255, 255, 255, "#ffffffff"},	// alpha*2^24 beyond the signed int range
		{18, 52, 86, 128, "#80123456"},
		{300, -5, 0, 0, "#ff0000"},		// out-of-range components are clamped
	};
	for (const Case & c : cases)
		EXPECT_EQ(BVX::Color(c.r, c.g, c.b, c.a).htmlString(), c.expected);
}
