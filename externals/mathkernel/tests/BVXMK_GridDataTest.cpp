#include <gtest/gtest.h>

#include "BVXMK_GridData.h"

TEST(GridData, EmptyAndPointTests) {
	const BVX::Unit unit(1u);
	BVX::GridData g(unit);
	EXPECT_EQ(unit, g.m_xUnit);
	EXPECT_EQ(unit, g.m_yUnit);
	EXPECT_TRUE(g.empty());
	EXPECT_TRUE(g.hasNoPoints());

	// horizontal lines alone: not empty, but nothing a chart draws
	g.m_horizontalMajorLines.push_back({1, 0, 2});
	EXPECT_FALSE(g.empty());
	EXPECT_TRUE(g.hasNoPoints());

	BVX::GridData major;
	major.m_verticalMajorLines.push_back({5, 0, 1});
	EXPECT_FALSE(major.hasNoPoints());
	BVX::GridData minor;
	minor.m_verticalLines.push_back({5, 0, 1});
	EXPECT_FALSE(minor.hasNoPoints());
}
