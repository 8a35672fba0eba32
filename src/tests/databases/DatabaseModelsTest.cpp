// Database table models, the sort proxy and the built-in row delegate on an in-memory database.
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QIcon>
#include <QImage>
#include <QStandardItemModel>
#include <QTableView>

#include "ConstructionDBModel.h"
#include "DBModelDelegate.h"
#include "DBModelSortProxy.h"
#include "DatabaseTestFixture.h"
#include "GuiTestHarness.h"
#include "MaterialDBModel.h"
#include "ShadingDBModel.h"
#include "WindowDBModel.h"

namespace {

class DatabaseModelsTest : public ::testing::Test {
protected:
	DatabaseModelsTest() :
		m_locale(QLocale::English)
	{
		GuiTest::fillTestDatabase(m_db);
		m_models = { new ConstructionDBModel(&m_parent, &m_db), new MaterialDBModel(&m_parent, &m_db),
					 new ShadingDBModel(&m_parent, &m_db), new WindowDBModel(&m_parent, &m_db) };
		m_proxy = new DBModelSortProxy(&m_parent);
		m_proxy->setSourceModel(m_models[1]);
		m_proxy->setNumericColumns({0, 4, 5, 6});
		for (QAbstractItemModel * m : {static_cast<QAbstractItemModel *>(m_proxy), static_cast<QAbstractItemModel *>(m_models[0]),
				static_cast<QAbstractItemModel *>(m_models[1]), static_cast<QAbstractItemModel *>(m_models[2]),
				static_cast<QAbstractItemModel *>(m_models[3])})
			new QAbstractItemModelTester(m, QAbstractItemModelTester::FailureReportingMode::Fatal, &m_parent);
	}

	/*! Ids in the proxy's row order. */
	std::vector<unsigned int> proxyIds() const {
		std::vector<unsigned int> ids;
		for (int r = 0; r < m_proxy->rowCount(); ++r)
			ids.push_back(m_proxy->index(r, 0).data(Qt::UserRole).toUInt());
		return ids;
	}

	GuiTest::ScopedLocale			m_locale;
	RM::Database					m_db;
	QObject							m_parent;
	std::vector<DBTableModel *>		m_models;
	DBModelSortProxy *				m_proxy;
};

enum ModelNo { Con, Mat, Sha, Win };

TEST_F(DatabaseModelsTest, CellsAlignmentIconsAndRoles) {
	struct Case { ModelNo m; int row; int col; int role; QVariant expected; };
	const QVariant none;
	const QVariant right(int(Qt::AlignRight | Qt::AlignVCenter));
	const Case cases[] = {
		// construction types: no layers give 1/0.17; a missing material gives "---" and the error icon
		{Con, 0, 0, Qt::DisplayRole, 1u}, {Con, 0, 2, Qt::DisplayRole, "Empty"}, {Con, 0, 3, Qt::DisplayRole, "0"},
		{Con, 0, 4, Qt::DisplayRole, "5.882"}, {Con, 1, 3, Qt::DisplayRole, "2"}, {Con, 1, 4, Qt::DisplayRole, "---"},
		// 1 / (0.17 + 0.1 / 0.04) = 0.375
		{Con, 2, 4, Qt::DisplayRole, "0.375"},
		{Con, 2, 2, Qt::TextAlignmentRole, none}, {Con, 2, 3, Qt::TextAlignmentRole, right},
		{Con, 1, 1, Qt::DisplayRole, none},
		// materials: w80 and wsat from a three-point isotherm, nothing from two points
		{Mat, 0, 2, Qt::DisplayRole, "Brick"}, {Mat, 0, 4, Qt::DisplayRole, "1800"}, {Mat, 0, 6, Qt::DisplayRole, "0.0351"},
		{Mat, 0, 8, Qt::DisplayRole, "20.0"}, {Mat, 0, 9, Qt::DisplayRole, "300.0"},
		{Mat, 1, 8, Qt::DisplayRole, ""}, {Mat, 1, 9, Qt::DisplayRole, ""},
		{Mat, 3, 3, Qt::DisplayRole, "Miscellaneous"}, {Mat, 3, 3, Qt::TextAlignmentRole, none},
		{Mat, 3, 4, Qt::TextAlignmentRole, right}, {Mat, 3, 9, Qt::TextAlignmentRole, right},
		{Mat, 0, 5, Qt::UserRole, 5u}, {Mat, 0, 5, Qt::UserRole + 1, true}, {Mat, 2, 7, Qt::UserRole + 1, false},
		{Mat, 4, 0, Qt::DisplayRole, none}, {Mat, 0, 0, Qt::ToolTipRole, none},
		// shading factor 1.5 shows, the icon says invalid
		{Sha, 1, 3, Qt::DisplayRole, "1.50"}, {Sha, 2, 3, Qt::DisplayRole, "0.25"}, {Sha, 1, 2, Qt::DisplayRole, "Broken"},
		{Sha, 1, 3, Qt::TextAlignmentRole, right}, {Sha, 1, 0, Qt::UserRole, 10001u},
		{Win, 0, 3, Qt::DisplayRole, "1.80"}, {Win, 0, 4, Qt::DisplayRole, "0.65"}, {Win, 0, 5, Qt::DisplayRole, "0.90"},
		{Win, 1, 2, Qt::DisplayRole, "My window"}, {Win, 1, 0, Qt::UserRole + 1, false},
		{Win, 1, 5, Qt::TextAlignmentRole, right}, {Win, 1, 2, Qt::TextAlignmentRole, none},
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(testing::Message() << "model " << c.m << " row " << c.row << " col " << c.col << " role " << c.role);
		const QVariant v = m_models[c.m]->index(c.row, c.col).data(c.role);
		if (!c.expected.isValid())
			EXPECT_FALSE(v.isValid());
		else if (c.expected.type() == QVariant::String)
			EXPECT_EQ(v.toString(), c.expected.toString());
		else
			EXPECT_EQ(v, c.expected);
	}

	// validity icons: ok for the empty type, the brick, shading 0.5; error for missing material, shading 1.5
	const QImage ok = QIcon(":/gfx/ok_16x16.png").pixmap(16).toImage();
	const QImage error = QIcon(":/gfx/error_16x16.png").pixmap(16).toImage();
	ASSERT_FALSE(ok.isNull());
	ASSERT_NE(ok, error);
	struct IconCase { ModelNo m; int row; const QImage * icon; };
	for (const IconCase & c : {IconCase{Con, 0, &ok}, IconCase{Con, 1, &error}, IconCase{Mat, 0, &ok},
							   IconCase{Sha, 0, &ok}, IconCase{Sha, 1, &error}, IconCase{Win, 0, &ok}}) {
		const QIcon icon = m_models[c.m]->index(c.row, 1).data(Qt::DecorationRole).value<QIcon>();
		EXPECT_EQ(icon.pixmap(16).toImage(), *c.icon) << "model " << c.m << " row " << c.row;
		EXPECT_FALSE(m_models[c.m]->index(c.row, 2).data(Qt::DecorationRole).isValid());
	}
}


TEST_F(DatabaseModelsTest, Headers) {
	const QStringList expected[] = {
		{"Id", "", "Name", "Layers", "U [W/m2K]"},
		{"Id", "", "Name", "Category", "rho [kg/m3]", "cT [J/kgK]", "lambda [W/mK]", "mu [---]", "w80 [kg/m3]", "wsat [kg/m3]"},
		{"Id", "", "Name", "Shading factor [-]"},
		{"Id", "", "Name", "Uw [W/m²K]", "g [-]", "f [-]"},
	};
	for (int m = 0; m < 4; ++m) {
		ASSERT_EQ(m_models[m]->columnCount(), expected[m].size());
		for (int c = 0; c < expected[m].size(); ++c) {
			const QVariant h = m_models[m]->headerData(c, Qt::Horizontal);
			EXPECT_EQ(h.isValid(), !expected[m][c].isEmpty()) << m << " " << c;
			EXPECT_EQ(h.toString(), expected[m][c]);
			EXPECT_FALSE(m_models[m]->headerData(c, Qt::Horizontal, Qt::ToolTipRole).isValid() && !(m == Sha && c == 3));
		}
		EXPECT_FALSE(m_models[m]->headerData(0, Qt::Vertical).isValid());
	}
	EXPECT_TRUE(m_models[Sha]->headerData(3, Qt::Horizontal, Qt::ToolTipRole).toString().startsWith("Percentage of solar radiation"));
}


TEST_F(DatabaseModelsTest, AddRemoveAndAnnounce) {
	// an imported id kept above the counter: the next new item lands in the middle of the table
	RM::Material imported;
	imported.m_id = 10050;
	m_db.m_materials[10050] = imported;
	m_models[Mat]->resetModel();

	for (ModelNo m : {Con, Mat, Sha, Win}) {
		SCOPED_TRACE(m);
		m_db.setModified(false);
		const int rows = m_models[m]->rowCount();
		const QModelIndex added = m_models[m]->addNewItem();
		ASSERT_TRUE(added.isValid());
		EXPECT_EQ(m_models[m]->rowCount(), rows + 1);
		EXPECT_EQ(added.data(Qt::UserRole).toUInt(), 10003u);
		EXPECT_FALSE(added.data(Qt::UserRole + 1).toBool());
		EXPECT_TRUE(m_db.isModified());
		EXPECT_EQ(m_models[m]->indexById(10003), added);
	}
	EXPECT_EQ(m_models[Mat]->indexById(10003).row(), 4); // before 10050
	EXPECT_EQ(m_db.material(10003)->name(), "<new material>");
	EXPECT_EQ(m_db.constructionType(10003)->name(), "<new construction type>");
	EXPECT_EQ(m_db.shadingType(10003)->m_z, 0.1);

	// invalid index and built-in rows are refused, a user row goes
	EXPECT_FALSE(m_models[Mat]->removeItem(QModelIndex()));
	EXPECT_FALSE(m_models[Mat]->removeItem(m_models[Mat]->index(0, 3)));
	EXPECT_NE(m_db.material(5), nullptr);
	EXPECT_TRUE(m_models[Mat]->removeItem(m_models[Mat]->indexById(10001)));
	EXPECT_EQ(m_db.material(10001), nullptr);
	EXPECT_FALSE(m_models[Mat]->indexById(10001).isValid());

	// announced rows: one signal over the whole row; unknown ids are ignored
	int announced = 0;
	QObject::connect(m_models[Sha], &QAbstractItemModel::dataChanged, &m_parent,
		[&](const QModelIndex & tl, const QModelIndex & br) {
			++announced;
			EXPECT_EQ(tl, m_models[Sha]->index(1, 0));
			EXPECT_EQ(br, m_models[Sha]->index(1, 3));
		});
	m_models[Sha]->setItemModified(10001);
	m_models[Sha]->setItemModified(4711);
	EXPECT_EQ(announced, 1);

	m_db.m_shadingTypes.clear();
	m_models[Sha]->resetModel();
	EXPECT_EQ(m_models[Sha]->rowCount(), 0);
	EXPECT_FALSE(m_models[Sha]->indexById(1).isValid());
}


TEST_F(DatabaseModelsTest, SortByNumberTiesByNameThenId) {
	for (QLocale::Language lang : {QLocale::English, QLocale::German}) {
		GuiTest::ScopedLocale loc(lang);
		SCOPED_TRACE(lang);
		m_models[Mat]->resetModel();
		m_proxy->sort(4, Qt::AscendingOrder); // rho: 950, then three of 1800 by name Alpha, Beta, Brick
		EXPECT_EQ(proxyIds(), (std::vector<unsigned int>{7, 10002, 10001, 5}));
		m_proxy->sort(4, Qt::DescendingOrder);
		EXPECT_EQ(proxyIds(), (std::vector<unsigned int>{5, 10001, 10002, 7}));
		m_proxy->sort(6, Qt::AscendingOrder); // lambda 0.0351 < 0.0400 < 0.2 < 0.5
		EXPECT_EQ(proxyIds(), (std::vector<unsigned int>{5, 10002, 7, 10001}));
	}
	// equal names sort by id
	m_db.m_materials[10001].setEncodedName("en:Alpha");
	m_models[Mat]->resetModel();
	m_proxy->sort(2, Qt::AscendingOrder);
	EXPECT_EQ(proxyIds(), (std::vector<unsigned int>{7, 10001, 10002, 5})); // Aerated, Alpha, Alpha, Brick
}


TEST_F(DatabaseModelsTest, UnparsableCellsFirstAndComparedAsText) {
	// numbers as the table shows them, in the German locale: decimal comma, no group separator
	GuiTest::ScopedLocale loc(QLocale::German);
	QStandardItemModel table(0, 3);
	const char * const rows[][3] = {
		{"1", "x", "b"}, {"2", "1800,5", "a"}, {"3", "950", "c"}, {"4", "abc", "d"}, {"5", "1.800", "e"}, {"6", "950", "a"},
	};
	for (const auto & r : rows) {
		QList<QStandardItem *> items;
		for (const char * t : r)
			items << new QStandardItem(QString(t));
		items[0]->setData(QString(r[0]).toUInt(), Qt::DisplayRole);
		table.appendRow(items);
	}
	DBModelSortProxy proxy(nullptr);
	proxy.setSourceModel(&table);
	proxy.setNumericColumns({1});
	proxy.sort(1);
	QStringList order;
	for (int r = 0; r < proxy.rowCount(); ++r)
		order << proxy.index(r, 0).data().toString();
	// "1.800" (group separator refused), "abc" and "x" do not parse: first, as text; 950 tie by name
	EXPECT_EQ(order, QStringList({"5", "4", "1", "6", "3", "2"}));
}


TEST_F(DatabaseModelsTest, BuiltinRowsPaintedYellowWithDarkRedText) {
	QTableView view;
	view.setAlternatingRowColors(true);
	view.setModel(m_models[Sha]);
	view.setItemDelegate(new DBModelDelegate(&view));
	view.resize(500, 200);
	// built-in rows on both kinds of line
	m_db.m_shadingTypes[2] = m_db.m_shadingTypes[1];
	m_db.m_shadingTypes[2].m_id = 2;
	m_models[Sha]->resetModel();
	const QImage img = view.viewport()->grab().toImage();
	const auto pixelAt = [&](int row) {
		const QRect r = view.visualRect(m_models[Sha]->index(row, 3));
		return img.pixelColor(r.right() - 2, r.top() + 2);
	};
	EXPECT_EQ(pixelAt(0), QColor("#fff4b8"));
	EXPECT_EQ(pixelAt(1), QColor("#ffe49d"));
	EXPECT_NE(pixelAt(2), QColor("#fff4b8"));
	EXPECT_NE(pixelAt(2), QColor("#ffe49d"));
	EXPECT_NE(pixelAt(3), QColor("#ffe49d"));
	// text colour of a built-in row: the darkest pixel of its name cell
	const auto darkRed = [&](int row) {
		const QRect r = view.visualRect(m_models[Sha]->index(row, 2));
		for (int y = r.top(); y <= r.bottom(); ++y)
			for (int x = r.left(); x <= r.right(); ++x)
				if (img.pixelColor(x, y) == QColor("#760000"))
					return true;
		return false;
	};
	EXPECT_TRUE(darkRed(0));
	EXPECT_FALSE(darkRed(2));
}

} // namespace


namespace {

/*! Every way an item fails its validity test gives the error icon a tool tip naming it; a
	valid item has none. */
TEST_F(DatabaseModelsTest, InvalidIconToolTipNamesEveryFailure) {
	struct Case {
		ModelNo model;
		unsigned int id;
		std::function<void(RM::Database &)> breakIt;
		const char * named;
	};
	const Case cases[] = {
		{ Mat, 10001, [](RM::Database & db) { db.m_materials[10001].m_lambda = 0; }, "conductivity" },
		{ Mat, 10001, [](RM::Database & db) { db.m_materials[10001].m_rho = 0.5; }, "Density" },
		{ Mat, 10001, [](RM::Database & db) { db.m_materials[10001].m_cT = 20000; }, "heat capacity" },
		{ Mat, 10001, [](RM::Database & db) { db.m_materials[10001].m_HPCM = -1; }, "Latent heat" },
		{ Mat, 10001, [](RM::Database & db) { db.m_materials[10001].m_HPCM = 1000; db.m_materials[10001].m_TPCMLow = 120; }, "Melting point" },
		{ Con, 10001, [](RM::Database &) {}, "material 999" },
		{ Con, 10002, [](RM::Database & db) { db.m_materials[10002].m_rho = 0; }, "material 'Alpha'" },
		{ Con, 10002, [](RM::Database & db) { db.m_constructions[10002].m_d = {0}; }, "width" },
		{ Sha, 10001, [](RM::Database &) {}, "shading factor" },
		{ Win, 10001, [](RM::Database & db) { db.m_windows[10001].m_U = 0; }, "U-value" },
		{ Win, 10001, [](RM::Database & db) { db.m_windows[10001].m_g = 1.2; }, "coefficient g" },
		{ Win, 10001, [](RM::Database & db) { db.m_windows[10001].m_f = -0.1; }, "glass fraction" },
		{ Win, 10001, [](RM::Database & db) { db.m_windows[10001].m_relativeSHGC.setValues({0, 45, 90}, {1, 1.1, 0}); }, "between 0 and 1" },
		{ Win, 10001, [](RM::Database & db) { db.m_windows[10001].m_relativeSHGC.setValues({0, 45, 90}, {0.8, 0.9, 0}); }, "above the value at 0 deg" },
		{ Win, 10001, [](RM::Database & db) { db.m_windows[10001].m_relativeSHGC.setValues({0}, {1}); }, "two points" },
	};
	for (const Case & c : cases) {
		RM::Database db;
		GuiTest::fillTestDatabase(db);
		QObject parent;
		std::unique_ptr<DBTableModel> model;
		switch (c.model) {
			case Con: model.reset(new ConstructionDBModel(&parent, &db)); break;
			case Mat: model.reset(new MaterialDBModel(&parent, &db)); break;
			case Sha: model.reset(new ShadingDBModel(&parent, &db)); break;
			case Win: model.reset(new WindowDBModel(&parent, &db)); break;
		}
		const QModelIndex row = model->indexById(c.id);
		const QModelIndex icon = row.sibling(row.row(), 1);
		c.breakIt(db);
		model->resetModel();
		const QString tip = icon.sibling(row.row(), 1).data(Qt::ToolTipRole).toString();
		EXPECT_TRUE(tip.contains(c.named)) << c.named << ": " << tip.toStdString();
		EXPECT_NE(icon.sibling(row.row(), 1).data(Qt::DecorationRole), QVariant()) << c.named;
	}
	// valid items: no tool tip on the icon
	for (const auto & idAndModel : { std::make_pair(10002u, Mat), std::make_pair(10002u, Con),
									  std::make_pair(10002u, Sha), std::make_pair(1u, Win) }) {
		const QModelIndex row = m_models[idAndModel.second]->indexById(idAndModel.first);
		EXPECT_FALSE(row.sibling(row.row(), 1).data(Qt::ToolTipRole).isValid()) << idAndModel.first;
	}
}

} // namespace
