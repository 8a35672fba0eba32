// Construction table: the model writes each accepted edit into the room's construction list
// and refuses unchanged values; the editors take the typed text.
#include <gtest/gtest.h>

#include "DatabaseTestFixture.h"
#include "GuiTestHarness.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyleOptionViewItem>

#include <RM_Room.h>

#include "ConstructionTableDelegate.h"
#include "ConstructionTableModel.h"

namespace {

using M = ConstructionTableModel;

class ConstructionTableTest : public ::testing::Test {
protected:
	void SetUp() override {
		GuiTest::fillTestDatabase(m_db);
		m_room.m_constructions.assign(3, RM::RoomConstruction());
		for (RM::RoomConstruction & rc : m_room.m_constructions)
			rc.m_constructionId = 1;
		RM::RoomConstruction & rc = m_room.m_constructions[0];
		rc.m_AW = 6;
		rc.m_AF = 4;
		rc.m_windowId = 1;
		m_model.reset(new M(nullptr, &m_room, &m_db));
		m_tester.reset(new QAbstractItemModelTester(m_model.get(), QAbstractItemModelTester::FailureReportingMode::Fatal));
	}
	bool set(int row, int col, const QVariant & v) { return m_model->setData(m_model->index(row, col), v, Qt::EditRole); }
	QString text(int row, int col) const { return m_model->index(row, col).data().toString(); }

	RM::Database								m_db;
	RM::Room									m_room;
	std::unique_ptr<M>							m_model;
	std::unique_ptr<QAbstractItemModelTester>	m_tester;
};

TEST_F(ConstructionTableTest, SetDataCases) {
	struct Case { int col; QVariant value; bool accepted; double AW; double AF; };
	const Case cases[] = {
		{ M::ColWindowArea, 12.0, true, 0, 12 },	// beyond the total: the total grows
		{ M::ColWindowArea, 12.0, false, 0, 12 },	// unchanged
		{ M::ColArea, 10.0, true, 0, 10 },			// below the window area
		{ M::ColWindowArea, 3.0, true, 7, 3 },		// total kept
		{ M::ColArea, 10.0, false, 7, 3 },			// unchanged
		{ M::ColWindow, 0u, true, 10, 0 },			// no window: its area goes to the wall
	};
	for (const Case & c : cases) {
		QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
		EXPECT_EQ(c.accepted, set(0, c.col, c.value)) << c.col;
		EXPECT_EQ(c.accepted ? 1 : 0, changed.count()) << c.col;
		EXPECT_DOUBLE_EQ(c.AW, m_room.m_constructions[0].m_AW) << c.col;
		EXPECT_DOUBLE_EQ(c.AF, m_room.m_constructions[0].m_AF) << c.col;
	}
	// switching to inside drops the window area
	m_room.m_constructions[1].m_AF = 4;
	m_room.m_constructions[1].m_AW = 6;
	EXPECT_TRUE(set(1, M::ColKind, 1u));
	EXPECT_EQ("6.00", text(1, M::ColArea));
	EXPECT_FALSE(m_model->index(1, M::ColOrientation).data().isValid());
	EXPECT_FALSE(m_model->flags(m_model->index(1, M::ColRse)) & Qt::ItemIsEditable);
	EXPECT_TRUE(m_model->flags(m_model->index(1, M::ColRsi)) & Qt::ItemIsEditable);
	EXPECT_FALSE(m_model->setData(m_model->index(0, M::ColRse), 0.1, Qt::DisplayRole));
}

TEST_F(ConstructionTableTest, OrientationAndInclinationTexts) {
	const std::pair<double, QString> cases[] = {
		{ -90, "270 - West" }, { 22.5, "22.5 - North-East" }, { 337.5, "337.5 - North" },
		{ 360, "0 - North" }, { 0, "0 - North" }, { 180, "180 - South" }
	};
	for (const auto & c : cases)
		EXPECT_EQ(c.second, M::orientationText(c.first)) << c.first;
	set(0, M::ColInclination, 45.0);
	EXPECT_EQ("45 - Tilted", text(0, M::ColInclination));
	set(0, M::ColInclination, 30.0);
	EXPECT_EQ("30", text(0, M::ColInclination));
}

TEST_F(ConstructionTableTest, RowCountAndAppending) {
	EXPECT_EQ(30, m_model->rowCount());
	QSignalSpy inserted(m_model.get(), &QAbstractItemModel::rowsInserted);
	EXPECT_TRUE(set(10, M::ColConstruction, 1u));
	EXPECT_EQ(11u, m_room.m_constructions.size());
	EXPECT_EQ(0u, m_room.m_constructions[9].m_constructionId);
	EXPECT_EQ(0, inserted.count());
	EXPECT_FALSE(set(20, M::ColConstruction, 0u));
	EXPECT_TRUE(set(29, M::ColConstruction, 1u));
	ASSERT_EQ(1, inserted.count());
	EXPECT_EQ(30, inserted[0][1].toInt());
	EXPECT_EQ(31, m_model->rowCount());
	// clearing keeps the element
	EXPECT_TRUE(set(0, M::ColConstruction, 0u));
	EXPECT_EQ(31u, m_room.m_constructions.size() + 1);
	EXPECT_EQ(RM::Database::noConstructionText(), text(0, M::ColConstruction));
}

TEST_F(ConstructionTableTest, OppositeTemperature) {
	m_room.m_constructions[2].m_type = RM::RoomConstruction::FixedTemperature;
	EXPECT_TRUE(set(2, M::ColOppositeT, "21.5"));
	EXPECT_DOUBLE_EQ(294.65, m_room.m_constructions[2].m_zoneT);
	EXPECT_FALSE(set(2, M::ColOppositeT, "21.5"));
	for (const char * bad : { "nan", "inf", "/no/such/file" }) {
		GuiTest::ModalDialogDriver driver;
		driver.add(GuiTest::ModalDialogDriver::press(QDialogButtonBox::Ok));
		EXPECT_FALSE(set(2, M::ColOppositeT, QString(bad))) << bad;
		ASSERT_EQ(1u, driver.m_seen.size()) << bad;
		EXPECT_EQ("Invalid input", driver.m_seen[0].m_title);
		EXPECT_DOUBLE_EQ(294.65, m_room.m_constructions[2].m_zoneT);
		EXPECT_FALSE(m_room.m_constructions[2].m_zoneTCCD.isValid());
	}
}

TEST_F(ConstructionTableTest, AngleEditorsTakeTheText) {
	ConstructionTableDelegate delegate(nullptr, &m_db);
	QWidget parent;
	const QModelIndex idx = m_model->index(0, M::ColOrientation);
	std::unique_ptr<QWidget> editor(delegate.createEditor(&parent, QStyleOptionViewItem(), idx));
	QComboBox * combo = qobject_cast<QComboBox *>(editor.get());
	ASSERT_NE(nullptr, combo);
	// typed and left without Return
	combo->setEditText("22.5");
	delegate.setModelData(combo, m_model.get(), idx);
	EXPECT_DOUBLE_EQ(22.5, m_room.m_constructions[0].m_orientation);
	// opened and left: stays
	delegate.setEditorData(combo, idx);
	delegate.setModelData(combo, m_model.get(), idx);
	EXPECT_DOUBLE_EQ(22.5, m_room.m_constructions[0].m_orientation);
	for (const char * bad : { "abc", "nan", "inf" }) {
		combo->setEditText(bad);
		delegate.setModelData(combo, m_model.get(), idx);
		EXPECT_DOUBLE_EQ(22.5, m_room.m_constructions[0].m_orientation) << bad;
	}
	GuiTest::ScopedLocale german(QLocale::German);
	combo->setEditText("30,5");
	delegate.setModelData(combo, m_model.get(), idx);
	EXPECT_DOUBLE_EQ(30.5, m_room.m_constructions[0].m_orientation);
	combo->setEditText("45.5");
	delegate.setModelData(combo, m_model.get(), idx);
	EXPECT_DOUBLE_EQ(45.5, m_room.m_constructions[0].m_orientation);
}

} // namespace
