// Construction table: the model writes each accepted edit into the room's construction list
// and refuses unchanged values; the editors take the typed text.
#include <gtest/gtest.h>

#include "DatabaseTestFixture.h"
#include "GuiTestHarness.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QTableView>
#include <QTest>
#include <QFile>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyleOptionViewItem>

#include <BVX_Path.h>
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

TEST_F(ConstructionTableTest, ValueColumnsAndTheirTexts) {
	struct Case { int col; QVariant value; bool accepted; QString shown; };
	const QString shading = m_db.shadingType(10002)->name();
	const QString window = m_db.windowType(10001)->name();
	const Case cases[] = {
		{ M::ColOrientation, 22.5, true, "22.5 - North-East" },
		{ M::ColOrientation, 22.5, false, "22.5 - North-East" },
		{ M::ColOrientation, -90.0, true, "270 - West" },			// stored as the compass reads it
		{ M::ColOrientation, 337.5, true, "337.5 - North" },		// the top of the last sector wraps
		{ M::ColOrientation, 400.0, true, "40 - North-East" },
		{ M::ColOrientation, 360.0, true, "0 - North" },
		{ M::ColOrientation, 720.0, false, "0 - North" },			// the same angle
		{ M::ColOrientation, 180.0, true, "180 - South" },
		{ M::ColInclination, 45.0, true, "45 - Tilted" },
		{ M::ColInclination, 30.0, true, "30" },
		{ M::ColInclination, 0.0, true, " 0 - Horizontal" },
		{ M::ColInclination, 90.0, true, "90 - Vertical" },
		{ M::ColAbsorption, 0.6, true, "0.60" },
		{ M::ColRse, 0.05, true, "0.050" },
		{ M::ColRse, 0.05, false, "0.050" },
		{ M::ColRsi, 0.125, true, "0.125" },
		{ M::ColShading, 10002u, true, shading },
		{ M::ColShading, 10002u, false, shading },
		{ M::ColShading, 77u, true, "<unknown shading type>" },
		{ M::ColWindow, 10001u, true, window },
		{ M::ColWindow, 88u, true, "<unknown window type>" },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(std::to_string(c.col) + " " + c.value.toString().toStdString());
		QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
		EXPECT_EQ(c.accepted, set(0, c.col, c.value));
		ASSERT_EQ(c.accepted ? 1 : 0, changed.count());
		if (c.accepted) {
			EXPECT_EQ(m_model->index(0, 0), changed[0][0].toModelIndex());
			EXPECT_EQ(m_model->index(0, M::NumColumns - 1), changed[0][1].toModelIndex());
		}
		const double stored = c.col == M::ColOrientation ? M::normalisedOrientation(c.value.toDouble()) : c.value.toDouble();
		EXPECT_EQ(stored, m_model->index(0, c.col).data(Qt::EditRole).toDouble());
		EXPECT_EQ(c.shown, text(0, c.col));
	}
	// an angle outside 0..360 from a file is shown as it is, with its sector
	for (const auto & c : { std::make_pair(400.0, "400 - North-East"), std::make_pair(-90.0, "-90 - West"),
							std::make_pair(-0.0001, "-0.0001 - North") }) {
		m_room.m_constructions[1].m_orientation = c.first;
		EXPECT_EQ(QString(c.second), text(1, M::ColOrientation));
	}
	for (double o : { -1e-20, -360.0, 359.9999 })
		EXPECT_LT(M::normalisedOrientation(o), 360) << o;
	EXPECT_EQ(0.6, m_room.m_constructions[0].m_ad);
	EXPECT_EQ(0.05, m_room.m_constructions[0].m_R_ue);
	EXPECT_EQ(0.125, m_room.m_constructions[0].m_R_ui);
	EXPECT_EQ(180.0, m_room.m_constructions[0].m_orientation);
	EXPECT_EQ(88u, m_room.m_constructions[0].m_windowId);
}

TEST_F(ConstructionTableTest, ActiveCellsPerKind) {
	// A active without editing (id, icon), E editable, . empty
	struct Case { const char * what; int kind; unsigned int id; unsigned int window; const char * cells; };
	const Case cases[] = {
		{ "outside with window", RM::RoomConstruction::Outside, 1, 1, "AAEEEEEEEEEEE." },
		{ "outside without window", RM::RoomConstruction::Outside, 1, 0, "AAEEEEEE..EEE." },
		{ "inside", RM::RoomConstruction::Inside, 1, 0, "AAEEE.......E." },
		{ "fixed temperature", RM::RoomConstruction::FixedTemperature, 1, 0, "AAEEE......EEE" },
		{ "no construction type", RM::RoomConstruction::Outside, 0, 1, "..E..........." },
		{ "construction type not in the database", RM::RoomConstruction::Outside, 999, 1, "AAE..........." },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.what);
		RM::RoomConstruction & rc = m_room.m_constructions[1];
		rc.m_type = c.kind;
		rc.m_constructionId = c.id;
		rc.m_windowId = c.window;
		QString cells;
		for (int col = 0; col < M::NumColumns; ++col) {
			const QModelIndex idx = m_model->index(1, col);
			cells += !m_model->isCellActive(idx) ? '.' : (m_model->flags(idx) & Qt::ItemIsEditable) ? 'E' : 'A';
			if (!m_model->isCellActive(idx)) {
				EXPECT_FALSE(idx.data().isValid()) << col;
			}
		}
		EXPECT_EQ(QString(c.cells), cells);
	}
	// an unknown construction type shows the row's id and the missing id, with a warning
	EXPECT_EQ("1", text(1, M::ColId));
	EXPECT_EQ("<unknown construction type> [999]", text(1, M::ColConstruction));
	EXPECT_EQ(999u, m_model->index(1, M::ColConstruction).data(Qt::EditRole).toUInt());
	for (int col : { int(M::ColValid), int(M::ColConstruction) }) {
		const QModelIndex idx = m_model->index(1, col);
		EXPECT_TRUE(idx.data(Qt::DecorationRole).canConvert<QIcon>()) << col;
		EXPECT_TRUE(idx.data(Qt::ToolTipRole).toString().contains("999 is not in the database")) << col;
	}
	// the empty rows offer the construction type only
	EXPECT_EQ(RM::Database::noConstructionText(), text(5, M::ColConstruction));
	EXPECT_EQ(Qt::ItemIsEnabled, m_model->flags(m_model->index(5, M::ColKind)));
}

TEST_F(ConstructionTableTest, ValidityIconAndHeaders) {
	const QModelIndex icon = m_model->index(0, M::ColValid);
	EXPECT_FALSE(icon.data(Qt::ToolTipRole).isValid());
	m_room.m_constructions[0].m_windowId = 88;
	EXPECT_EQ("Unknown or undefined window type. Please select a different window for this construction!",
			  icon.data(Qt::ToolTipRole).toString());
	EXPECT_TRUE(icon.data(Qt::DecorationRole).canConvert<QIcon>());
	EXPECT_EQ("Area [m2]", m_model->headerData(M::ColArea, Qt::Horizontal, Qt::DisplayRole).toString());
	EXPECT_TRUE(m_model->headerData(M::ColArea, Qt::Vertical, Qt::ToolTipRole).toString().contains("including the windows"));
	EXPECT_FALSE(m_model->headerData(M::ColValid, Qt::Horizontal, Qt::DisplayRole).isValid());
	EXPECT_EQ(int(Qt::AlignRight | Qt::AlignVCenter), m_model->index(0, M::ColRse).data(Qt::TextAlignmentRole).toInt());
	EXPECT_FALSE(m_model->index(0, M::ColKind).data(Qt::TextAlignmentRole).isValid());
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
	QTemporaryDir dir;
	ASSERT_TRUE(dir.isValid());
	{
		QFile f(dir.path() + "/zone.ccd");
		ASSERT_TRUE(f.open(QIODevice::WriteOnly));
	}
	m_room.m_projectFilePath = dir.path() + "/project.rmxml";
	RM::RoomConstruction & rc = m_room.m_constructions[2];
	rc.m_type = RM::RoomConstruction::FixedTemperature;
	const QString message = "'%1' is neither a temperature nor an existing climate data file (looked for '%2').";
	struct Case {
		QString		text;
		bool		german;
		bool		accepted;
		double		zoneT;		// stored afterwards
		QString		file;		// stored afterwards
		QString		boxPath;	// path in the message, none when empty
	};
	const Case cases[] = {
		{ "21.5", false, true, 294.65, "", "" },
		{ "21.5", false, false, 294.65, "", "" },		// unchanged
		{ "zone.ccd", false, true, 294.65, "zone.ccd", "" },	// beside the project: stored as entered
		{ "zone.ccd", false, true, 294.65, "zone.ccd", "" },
		{ "21,5", true, true, 294.65, "", "" },			// the same number clears the file
		{ "12.5", true, true, 285.65, "", "" },			// German with '.' as decimal point
		{ "1.000", true, false, 285.65, "", "ambiguous" },	// a thousands group or a decimal point
		{ "-3,25", true, true, 269.9, "", "" },
		{ "nan", false, false, 269.9, "", dir.path() + "/nan" },	// no number: a failing path
		{ "inf", false, false, 269.9, "", dir.path() + "/inf" },
		{ "missing.ccd", false, false, 269.9, "", dir.path() + "/missing.ccd" },
		{ "/no/such/file", false, false, 269.9, "", "/no/such/file" },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.text.toStdString());
		GuiTest::ScopedLocale locale(c.german ? QLocale::German : QLocale::C);
		GuiTest::ModalDialogDriver driver;
		driver.add(GuiTest::ModalDialogDriver::press(QDialogButtonBox::Ok));
		EXPECT_EQ(c.accepted, set(2, M::ColOppositeT, c.text));
		EXPECT_NEAR(c.zoneT, rc.m_zoneT, 1e-9);
		EXPECT_EQ(c.file.toStdString(), rc.m_zoneTCCD.str());
		if (c.boxPath.isEmpty()) {
			EXPECT_TRUE(driver.m_seen.empty());
		}
		else {
			ASSERT_EQ(1u, driver.m_seen.size());
			EXPECT_EQ("Invalid input", driver.m_seen[0].m_title);
			if (c.boxPath == "ambiguous") {
				EXPECT_TRUE(driver.m_seen[0].m_text.startsWith("Ambiguous number '1.000'")) << driver.m_seen[0].m_text.toStdString();
			}
			else {
				EXPECT_EQ(message.arg(c.text, c.boxPath), driver.m_seen[0].m_text);
			}
		}
	}
	// a file is shown as entered, a temperature in the current locale
	rc.m_zoneTCCD = BVX::Path("zone.ccd");
	EXPECT_EQ("zone.ccd", text(2, M::ColOppositeT));
	rc.m_zoneTCCD = BVX::Path();
	GuiTest::ScopedLocale german(QLocale::German);
	EXPECT_EQ("-3,25", text(2, M::ColOppositeT));
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

/*! The table as the page shows it: view, model and delegate, edits typed into the editors. */
class ConstructionTableViewTest : public ConstructionTableTest {
protected:
	void SetUp() override {
		ConstructionTableTest::SetUp();
		m_view.reset(new QTableView);
		m_view->setModel(m_model.get());
		m_view->setItemDelegate(new ConstructionTableDelegate(m_view.get(), &m_db));
		m_view->resize(1600, 600);
		m_view->show();
		QApplication::setActiveWindow(m_view.get());
		ASSERT_TRUE(QTest::qWaitForWindowActive(m_view.get()));
	}
	/*! Opens the cell's editor and returns it. */
	QWidget * open(int row, int col) {
		// a message box may have taken the activation
		QApplication::setActiveWindow(m_view.get());
		const QModelIndex idx = m_model->index(row, col);
		m_view->setCurrentIndex(idx);
		m_view->edit(idx);
		QApplication::processEvents();
		return QApplication::focusWidget();
	}
	/*! Replaces the text of the focused editor and leaves it with the key. */
	static void typeAndLeave(QWidget * editor, const QString & text, Qt::Key key) {
		QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
		QTest::keyClicks(editor, text);
		QTest::keyClick(editor, key);
		QApplication::processEvents();
	}

	std::unique_ptr<QTableView>	m_view;
};

TEST_F(ConstructionTableViewTest, EachColumnsEditor) {
	RM::RoomConstruction & rc = m_room.m_constructions[0];
	// typed numbers (spin boxes, line edit, editable combo boxes), left with Tab
	struct Typed { int col; const char * text; double RM::RoomConstruction::* member; double stored; };
	const Typed typed[] = {
		{ M::ColArea, "12.5", &RM::RoomConstruction::m_AW, 8.5 },
		{ M::ColWindowArea, "2", &RM::RoomConstruction::m_AF, 2 },
		{ M::ColAbsorption, "0.7", &RM::RoomConstruction::m_ad, 0.7 },
		{ M::ColRse, "0.045", &RM::RoomConstruction::m_R_ue, 0.045 },
		{ M::ColRsi, "0.125", &RM::RoomConstruction::m_R_ui, 0.125 },
		{ M::ColOrientation, "22.5", &RM::RoomConstruction::m_orientation, 22.5 },
		{ M::ColInclination, "60", &RM::RoomConstruction::m_inclination, 60 },
	};
	for (const Typed & c : typed) {
		SCOPED_TRACE(c.col);
		QWidget * editor = open(0, c.col);
		ASSERT_NE(nullptr, editor);
		typeAndLeave(editor, c.text, Qt::Key_Tab);
		EXPECT_DOUBLE_EQ(c.stored, rc.*c.member);
	}
	EXPECT_DOUBLE_EQ(12.5, rc.m_AW + rc.m_AF);

	// choices
	struct Chosen { int col; QVariant data; };
	const Chosen chosen[] = {
		{ M::ColConstruction, 10002u }, { M::ColWindow, 10001u }, { M::ColShading, 10001u },
		{ M::ColKind, int(RM::RoomConstruction::FixedTemperature) },
	};
	for (const Chosen & c : chosen) {
		SCOPED_TRACE(c.col);
		QComboBox * combo = qobject_cast<QComboBox *>(open(0, c.col));
		ASSERT_NE(nullptr, combo);
		EXPECT_EQ(0, combo->itemData(0).toInt()) << "the none entry first";
		const int item = combo->findData(c.data);
		ASSERT_NE(-1, item);
		combo->setCurrentIndex(item);
		QTest::keyClick(combo, Qt::Key_Tab);
		QApplication::processEvents();
		EXPECT_EQ(c.data.toUInt(), m_model->index(0, c.col).data(Qt::EditRole).toUInt());
	}
	EXPECT_EQ(10002u, rc.m_constructionId);
	EXPECT_EQ(10001u, rc.m_shadingTypeId);
	EXPECT_EQ(0.0, rc.m_AF) << "a fixed-temperature zone has no windows";

	// the opposite temperature of the fixed-temperature zone
	typeAndLeave(open(0, M::ColOppositeT), "18", Qt::Key_Tab);
	EXPECT_DOUBLE_EQ(291.15, rc.m_zoneT);
}

TEST_F(ConstructionTableViewTest, OrientationKeptWhenLeftWithoutReturn) {
	RM::RoomConstruction & rc = m_room.m_constructions[0];
	// typed and left with Tab
	typeAndLeave(open(0, M::ColOrientation), "22.5", Qt::Key_Tab);
	EXPECT_DOUBLE_EQ(22.5, rc.m_orientation);
	// opened and left with a click elsewhere
	QComboBox * combo = qobject_cast<QComboBox *>(open(0, M::ColOrientation));
	ASSERT_NE(nullptr, combo);
	EXPECT_EQ("22.5", combo->currentText());
	const QModelIndex other = m_model->index(2, M::ColArea);
	QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::NoModifier, m_view->visualRect(other).center());
	QApplication::processEvents();
	EXPECT_EQ(nullptr, qobject_cast<QComboBox *>(QApplication::focusWidget()));
	EXPECT_DOUBLE_EQ(22.5, rc.m_orientation);
	// a listed angle through its item; text that is no number changes nothing
	combo = qobject_cast<QComboBox *>(open(0, M::ColOrientation));
	ASSERT_NE(nullptr, combo);
	combo->setCurrentIndex(2);
	QTest::keyClick(combo, Qt::Key_Tab);
	EXPECT_DOUBLE_EQ(180, rc.m_orientation);
	typeAndLeave(open(0, M::ColOrientation), "south", Qt::Key_Return);
	EXPECT_DOUBLE_EQ(180, rc.m_orientation);
	// typed and confirmed with Return, also a value that begins like a listed angle
	typeAndLeave(open(0, M::ColOrientation), "187.5", Qt::Key_Return);
	EXPECT_DOUBLE_EQ(187.5, rc.m_orientation);
	typeAndLeave(open(0, M::ColInclination), "9", Qt::Key_Return);
	EXPECT_DOUBLE_EQ(9, rc.m_inclination);
	// an angle beyond a turn is stored as the compass reads it
	typeAndLeave(open(0, M::ColOrientation), "400", Qt::Key_Tab);
	EXPECT_DOUBLE_EQ(40, rc.m_orientation);
	EXPECT_EQ("40 - North-East", text(0, M::ColOrientation));
	// the inclination likewise
	typeAndLeave(open(0, M::ColInclination), "22.5", Qt::Key_Tab);
	EXPECT_DOUBLE_EQ(22.5, rc.m_inclination);
}

TEST_F(ConstructionTableViewTest, CellsOpenedAndLeftWithoutTypingKeepTheStoredValues) {
	RM::RoomConstruction & rc = m_room.m_constructions[0];
	rc.m_AW = 12.345;
	rc.m_AF = 0;
	rc.m_windowId = 1;
	rc.m_R_ue = 0.0434;
	rc.m_R_ui = 0.13;
	rc.m_ad = 0.655;
	rc.m_orientation = 187.25;
	rc.m_inclination = 87.5;
	m_room.m_constructions[1].m_type = RM::RoomConstruction::FixedTemperature;
	m_room.m_constructions[1].m_zoneT = 273.15 + 18.125;
	m_room.m_constructions[2].m_constructionId = 999;		// not in the database
	const std::vector<RM::RoomConstruction> before = m_room.m_constructions;
	struct Cell { int row; int col; const char * shown; };
	const Cell cells[] = {
		{ 0, M::ColArea, "12.345" }, { 0, M::ColWindowArea, "0.00" }, { 0, M::ColAbsorption, "0.655" },
		{ 0, M::ColRse, "0.0434" }, { 0, M::ColRsi, "0.130" }, { 0, M::ColOrientation, "187.25" },
		{ 0, M::ColInclination, "87.5" }, { 0, M::ColConstruction, nullptr }, { 0, M::ColKind, nullptr },
		{ 0, M::ColWindow, nullptr }, { 0, M::ColShading, nullptr },
		{ 1, M::ColOppositeT, "18.13" }, { 2, M::ColConstruction, nullptr },
	};
	const QPoint elsewhere = m_view->visualRect(m_model->index(20, M::ColArea)).center();
	for (Qt::Key leave : { Qt::Key_Tab, Qt::Key_Escape, Qt::Key_Return, Qt::Key_unknown }) {
		for (const Cell & c : cells) {
			SCOPED_TRACE(std::to_string(c.col) + " left with " + std::to_string(leave));
			QWidget * editor = open(c.row, c.col);
			ASSERT_NE(nullptr, editor);
			ASSERT_NE(m_view.get(), editor);
			if (c.shown != nullptr) {
				QLineEdit * line = editor->findChild<QLineEdit *>();
				if (line == nullptr)
					line = qobject_cast<QLineEdit *>(editor);
				ASSERT_NE(nullptr, line);
				EXPECT_EQ(QString(c.shown), line->text());
			}
			if (leave == Qt::Key_unknown)
				QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::NoModifier, elsewhere);
			else
				QTest::keyClick(editor, leave);
			QApplication::processEvents();
			for (size_t r = 0; r < before.size(); ++r) {
				const RM::RoomConstruction & a = before[r];
				const RM::RoomConstruction & b = m_room.m_constructions[r];
				EXPECT_EQ(a.m_AW, b.m_AW); EXPECT_EQ(a.m_AF, b.m_AF); EXPECT_EQ(a.m_ad, b.m_ad);
				EXPECT_EQ(a.m_R_ue, b.m_R_ue); EXPECT_EQ(a.m_R_ui, b.m_R_ui); EXPECT_EQ(a.m_zoneT, b.m_zoneT);
				EXPECT_EQ(a.m_orientation, b.m_orientation); EXPECT_EQ(a.m_inclination, b.m_inclination);
				EXPECT_EQ(a.m_constructionId, b.m_constructionId); EXPECT_EQ(a.m_windowId, b.m_windowId);
				EXPECT_EQ(a.m_shadingTypeId, b.m_shadingTypeId); EXPECT_EQ(a.m_type, b.m_type);
			}
		}
	}
	// a number typed in German with '.' is read like everywhere else
	GuiTest::ScopedLocale german(QLocale::German);
	typeAndLeave(open(0, M::ColRse), "0.05", Qt::Key_Tab);
	EXPECT_DOUBLE_EQ(0.05, rc.m_R_ue);
	typeAndLeave(open(0, M::ColAbsorption), "0,5", Qt::Key_Tab);
	EXPECT_DOUBLE_EQ(0.5, rc.m_ad);
	typeAndLeave(open(1, M::ColOppositeT), "12.5", Qt::Key_Tab);
	EXPECT_DOUBLE_EQ(273.15 + 12.5, m_room.m_constructions[1].m_zoneT);
}

TEST_F(ConstructionTableViewTest, RefusedFileGivesOneBox) {
	m_room.m_constructions[2].m_type = RM::RoomConstruction::FixedTemperature;
	const RM::RoomConstruction before = m_room.m_constructions[2];
	for (Qt::Key key : { Qt::Key_Return, Qt::Key_Tab }) {
		GuiTest::ModalDialogDriver driver;
		driver.add(GuiTest::ModalDialogDriver::press(QDialogButtonBox::Ok));
		typeAndLeave(open(2, M::ColOppositeT), "nan", key);
		QTest::qWait(100);
		EXPECT_EQ(1u, driver.m_seen.size()) << key;
		EXPECT_EQ(before.m_zoneT, m_room.m_constructions[2].m_zoneT);
		EXPECT_FALSE(m_room.m_constructions[2].m_zoneTCCD.isValid());
	}
}

TEST_F(ConstructionTableViewTest, ChoosingATypeInTheLastRowShowsANewRow) {
	QComboBox * combo = qobject_cast<QComboBox *>(open(29, M::ColConstruction));
	ASSERT_NE(nullptr, combo);
	combo->setCurrentIndex(combo->findData(1u));
	QTest::keyClick(combo, Qt::Key_Tab);
	QApplication::processEvents();
	EXPECT_EQ(30u, m_room.m_constructions.size());
	EXPECT_EQ(31, m_view->model()->rowCount());
	EXPECT_EQ(RM::Database::noConstructionText(), text(30, M::ColConstruction));
	// the view was told about the new row
	EXPECT_EQ(31, m_view->verticalHeader()->count());
	EXPECT_GT(m_view->rowViewportPosition(30), m_view->rowViewportPosition(29));
}

} // namespace
