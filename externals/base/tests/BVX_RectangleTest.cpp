#include <gtest/gtest.h>

#include <sstream>

#include "BVX_Rectangle.h"

TEST(Rectangle, SetAndWrite) {
	BVX::rectangle<unsigned int> r;
	r.set(1, 2, 3, 4);
	EXPECT_EQ(r.m_left, 1u);
	EXPECT_EQ(r.m_top, 2u);
	EXPECT_EQ(r.m_right, 3u);
	EXPECT_EQ(r.m_bottom, 4u);
	std::ostringstream out;
	r.write(out) << "|";
	EXPECT_EQ(out.str(), "1 2 3 4|");

	std::ostringstream big;
	BVX::rectangle<unsigned int>(4294967295u, 0, 10, 200).write(big);
	EXPECT_EQ(big.str(), "4294967295 0 10 200");
}
