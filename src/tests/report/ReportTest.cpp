#include <QImage>

#include <gtest/gtest.h>

#include "Report.h"
#include "ReportFrameConstruction.h"
#include "ReportSettings.h"
#include "ReportTestFixture.h"

namespace {

class ReportDocumentTest : public ::testing::Test {
protected:
	void SetUp() override {
		ReportSettings::instance().setDefaults();
		ReportTest::addConstructionTypes(m_db, { 3, 4, 5, 7 });
	}
	void TearDown() override { ReportSettings::instance().setDefaults(); }

	/*! Lays the report out and paints page 1 on an A4 image. */
	void layOut(Report & report) {
		QImage page(595, 842, QImage::Format_ARGB32);
		page.fill(Qt::white);
		report.print(&page, 1, QFont("Sans", 8));
	}

	std::vector<unsigned int> constructionIds(const Report & report) {
		std::vector<unsigned int> ids;
		for (QtExt::ReportFrameBase * f : report.frames(6))
			ids.push_back(static_cast<ReportFrameConstruction *>(f)->constructionId());
		return ids;
	}

	RM::Database m_db;
};

} // namespace


TEST_F(ReportDocumentTest, ConstructionFramesOnePerTypeAscendingFirstMarked) {
	Report report;
	const auto model = ReportTest::model({ 7, 3, 7, 5 });
	report.setData(model.get(), &m_db);
	EXPECT_EQ(constructionIds(report), (std::vector<unsigned int>{ 3, 5, 7 }));
	for (size_t i = 0; i < report.frames(6).size(); ++i)
		EXPECT_EQ(static_cast<ReportFrameConstruction *>(report.frames(6)[i])->isFirst(), i == 0) << i;
	// fifteen section frames beside the construction frames, none for ids 0 and 1
	EXPECT_EQ(report.frameCount(), 15u + 3u);
	EXPECT_TRUE(report.frames(0).empty());
	EXPECT_TRUE(report.frames(1).empty());
	EXPECT_EQ(report.frames(5).size(), 4u);
	for (int id = 2; id < Report::NUM_SECTIONS; ++id)
		EXPECT_FALSE(report.frames(id).empty()) << id;

	// a model without walls has every section but no construction frame
	const auto empty = ReportTest::model({});
	report.setData(empty.get(), &m_db);
	EXPECT_TRUE(report.frames(6).empty());
	EXPECT_EQ(report.frameCount(), 15u);
}


TEST_F(ReportDocumentTest, FramesRecreatedForOtherTypesOrOtherModel) {
	Report report;
	const auto first = ReportTest::model({ 3, 4 });
	report.setData(first.get(), &m_db);
	layOut(report);
	ASSERT_FALSE(report.frameRect(0).isNull());

	// same model and types: the frames stay (their layout is kept)
	report.setData(first.get(), &m_db);
	EXPECT_FALSE(report.frameRect(0).isNull());

	// same count of walls and types, other types
	first->m_constructions[1].m_constructionId = 5;
	report.setData(first.get(), &m_db);
	EXPECT_EQ(constructionIds(report), (std::vector<unsigned int>{ 3, 5 }));
	EXPECT_TRUE(report.frameRect(0).isNull());

	// the same types in another model: new frames
	layOut(report);
	const auto second = ReportTest::model({ 3, 5 });
	report.setData(second.get(), &m_db);
	EXPECT_TRUE(report.frameRect(0).isNull());
	EXPECT_EQ(constructionIds(report), (std::vector<unsigned int>{ 3, 5 }));
}


TEST_F(ReportDocumentTest, SwitchedOffSectionIsHiddenAndTakesNoRoom) {
	Report report;
	const auto model = ReportTest::model({ 3, 4 });
	std::set<int> & active = ReportSettings::instance().m_activatedFrames;
	active.erase(5);
	report.setData(model.get(), &m_db);
	layOut(report);
	// the four component frames follow the three first sections
	for (size_t i = 3; i < 7; ++i) {
		EXPECT_TRUE(report.frames(5)[i - 3]->isHidden());
		EXPECT_EQ(report.frameRect(i).height(), 0) << i;
	}
	// the first construction frame starts where the climate frame ends
	EXPECT_EQ(report.frameRect(7).top(), report.frameRect(2).bottom() + 1);

	// switched on again: applied by the next setData without new frames
	active.insert(5);
	report.setData(model.get(), &m_db);
	for (QtExt::ReportFrameBase * f : report.frames(5))
		EXPECT_FALSE(f->isHidden());
	layOut(report);
	for (size_t i = 3; i < 7; ++i)
		EXPECT_GT(report.frameRect(i).height(), 0) << i;
}
