// Database pages and the material and shading editors, driven through their widgets.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <QtExt_ValidatingLineEdit.h>
#include <RM_Room.h>

#include "DBModelSortProxy.h"
#include "DatabaseTestFixture.h"
#include "GuiTestHarness.h"
#include "MaterialDBModel.h"
#include "MaterialDBWidget.h"
#include "MaterialEditWidget.h"
#include "ShadingDBModel.h"
#include "ShadingDBWidget.h"
#include "ShadingEditWidget.h"
#include "WindowDBWidget.h"

namespace {

class DatabasePagesTest : public ::testing::Test {
protected:
	DatabasePagesTest() :
		m_locale(QLocale::English)
	{
		GuiTest::fillTestDatabase(m_db);
		m_materials = new MaterialDBWidget(nullptr, &m_db);
		m_shading = new ShadingDBWidget(nullptr, &m_db);
		m_room.m_constructions.resize(2);
		m_room.m_constructions[1].m_shadingTypeId = 10002;
		m_shading->setProject(&m_room);
		new QAbstractItemModelTester(m_materials->dbModel(), QAbstractItemModelTester::FailureReportingMode::Fatal, m_materials);
		new QAbstractItemModelTester(m_materials->proxyModel(), QAbstractItemModelTester::FailureReportingMode::Fatal, m_materials);
		new QAbstractItemModelTester(m_shading->dbModel(), QAbstractItemModelTester::FailureReportingMode::Fatal, m_shading);
	}
	~DatabasePagesTest() override {
		delete m_materials;
		delete m_shading;
	}

	template <typename T>
	T * field(QWidget * page, const char * name) {
		T * w = page->findChild<T *>(name);
		EXPECT_NE(w, nullptr) << name;
		return w;
	}

	/*! Selects the row of an id on a page. */
	void select(DBPageBase * page, unsigned int id) {
		ASSERT_TRUE(GuiTest::selectRowOfId(page->tableView(), id)) << "no row of id " << id;
	}

	/*! Types text into a field (replacing its text) and presses Return. */
	static void enter(QLineEdit * f, const QString & text) {
		f->selectAll();
		f->del();
		GuiTest::typeKeys(f, text);
		QTest::keyClick(f, Qt::Key_Return);
	}

	unsigned int currentId(DBPageBase * page) const {
		return page->tableView()->currentIndex().data(Qt::UserRole).toUInt();
	}

	GuiTest::ScopedLocale	m_locale;
	RM::Database			m_db;
	RM::Room				m_room;
	MaterialDBWidget *		m_materials;
	ShadingDBWidget *		m_shading;
};


TEST_F(DatabasePagesTest, RemoveButtonFollowsTheCurrentRow) {
	QLineEdit * rho = field<QLineEdit>(m_materials, "lineEditRho");
	EXPECT_FALSE(m_materials->removeButton()->isEnabled());
	EXPECT_TRUE(rho->isReadOnly());
	EXPECT_TRUE(rho->text().isEmpty());
	select(m_materials, 5);
	EXPECT_FALSE(m_materials->removeButton()->isEnabled());
	select(m_materials, 10001);
	EXPECT_TRUE(m_materials->removeButton()->isEnabled());
	EXPECT_EQ(field<QLineEdit>(m_materials, "lineEditNameEn")->text(), "Beta");
	m_materials->resetModel();
	EXPECT_FALSE(m_materials->removeButton()->isEnabled());
	EXPECT_TRUE(rho->text().isEmpty());
	EXPECT_FALSE(m_materials->tableView()->currentIndex().isValid());
}


TEST_F(DatabasePagesTest, AddSelectsTheNewRowAtItsSortedPlace) {
	m_materials->tableView()->sortByColumn(6, Qt::AscendingOrder); // lambda: the new 0.1 goes between 0.04 and 0.2
	m_materials->addButton()->click();
	const QModelIndex cur = m_materials->tableView()->currentIndex();
	EXPECT_EQ(cur.data(Qt::UserRole).toUInt(), 10003u);
	EXPECT_EQ(cur.row(), 2);
	EXPECT_EQ(m_materials->tableView()->selectionModel()->selectedIndexes().size(), 10);
	EXPECT_TRUE(m_db.isModified());
	EXPECT_EQ(field<QLineEdit>(m_materials, "lineEditNameEn")->text(), "<new material>");
	EXPECT_TRUE(m_materials->removeButton()->isEnabled());
}


TEST_F(DatabasePagesTest, RemoveMovesToANeighbourAndRefusesUsedItems) {
	// nothing selected: nothing happens
	m_shading->removeButton()->setEnabled(true);
	m_shading->removeButton()->click();
	EXPECT_EQ(m_db.m_shadingTypes.size(), 3u);

	// shading type 10002 is used by surface 2: a message names it, nothing changes
	GuiTest::ModalDialogDriver driver;
	driver.add(GuiTest::ModalDialogDriver::press(QDialogButtonBox::Ok));
	select(m_shading, 10002);
	m_db.setModified(false);
	m_shading->removeButton()->click();
	ASSERT_EQ(driver.m_seen.size(), 1u);
	EXPECT_TRUE(driver.m_seen[0].m_text.contains("Surface 2"));
	EXPECT_NE(m_db.shadingType(10002), nullptr);
	EXPECT_FALSE(m_db.isModified());

	// unused 10001 goes; the current row moves to a neighbour and the panel follows
	select(m_shading, 10001);
	m_shading->removeButton()->click();
	EXPECT_EQ(m_db.shadingType(10001), nullptr);
	const unsigned int now = currentId(m_shading);
	EXPECT_TRUE(now == 1 || now == 10002);
	EXPECT_EQ(field<QLineEdit>(m_shading, "lineEditNameEn")->text(), m_db.shadingType(now)->name());

	// a material used by a construction type stays
	driver.add(GuiTest::ModalDialogDriver::press(QDialogButtonBox::Ok));
	select(m_materials, 10002);
	m_materials->removeButton()->click();
	ASSERT_EQ(driver.m_seen.size(), 2u);
	EXPECT_TRUE(driver.m_seen[1].m_text.contains("Slab (10002)"));
	EXPECT_NE(m_db.material(10002), nullptr);
}


TEST_F(DatabasePagesTest, MaterialEditorStoresValidValuesInTheirUnit) {
	struct Case { const char * field; QString text; bool stored; double expected; double RM::Material::* member; };
	const Case cases[] = {
		{"lineEditRho", "1", false, 1800, &RM::Material::m_rho},
		{"lineEditRho", "nan", false, 1800, &RM::Material::m_rho},
		{"lineEditRho", "abc", false, 1800, &RM::Material::m_rho},
		{"lineEditRho", "1.8e3", false, 1800, &RM::Material::m_rho},
		{"lineEditRho", "100000", true, 100000, &RM::Material::m_rho},
		{"lineEditCet", "900", true, 900, &RM::Material::m_cT},
		{"lineEditLambda", "0.035", true, 0.035, &RM::Material::m_lambda},
		{"lineEditPCMEnthalpy", "350", true, 350000, &RM::Material::m_HPCM},
		{"lineEditPCMTlow", "101", false, RM::Material().m_TPCMLow, &RM::Material::m_TPCMLow},
	};
	select(m_materials, 10001);
	RM::Material & mat = m_db.m_materials[10001];
	int announced = 0;
	QObject::connect(m_materials->dbModel(), &QAbstractItemModel::dataChanged, m_materials, [&]() { ++announced; });
	for (const Case & c : cases) {
		SCOPED_TRACE(c.text.toStdString());
		m_db.setModified(false);
		announced = 0;
		QtExt::ValidatingLineEdit * f = field<QtExt::ValidatingLineEdit>(m_materials, c.field);
		enter(f, c.text);
		EXPECT_EQ(mat.*c.member, c.expected);
		EXPECT_EQ(m_db.isModified(), c.stored);
		EXPECT_EQ(announced, c.stored ? 1 : 0);
		EXPECT_EQ(f->palette().color(QPalette::Base) == QColor(QtExt::ValidatingLineEdit::INVALID_COLOR),
				  !c.stored && c.text != "1.8e3");
	}
	EXPECT_EQ(field<QLineEdit>(m_materials, "lineEditPCMEnthalpy")->text(), "350.000");
	select(m_materials, 5);
	select(m_materials, 10001);
	EXPECT_EQ(field<QLineEdit>(m_materials, "lineEditPCMEnthalpy")->text(), "350.00");

	// category 0 shows Miscellaneous; choosing another stores it
	select(m_materials, 10002);
	QComboBox * cat = field<QComboBox>(m_materials, "comboBoxCategories");
	EXPECT_EQ(cat->currentText(), "Miscellaneous");
	cat->setCurrentIndex(5);
	EXPECT_EQ(m_db.m_materials[10002].m_category, 6u);
}


TEST_F(DatabasePagesTest, BuiltinItemsNeverChange) {
	// the page shown, the focus passes through every field of a built-in and of a user material
	m_materials->show();
	QApplication::setActiveWindow(m_materials);
	const RM::Material builtin = m_db.m_materials[5];
	const RM::Material user = m_db.m_materials[10001];
	for (unsigned int id : {5u, 10001u}) {
		select(m_materials, id);
		for (const char * name : {"lineEditNameEn", "lineEditNameDe", "lineEditRho", "lineEditCet", "lineEditLambda",
								  "lineEditPCMEnthalpy", "lineEditPCMTlow"}) {
			QLineEdit * f = field<QLineEdit>(m_materials, name);
			f->setFocus();
			QApplication::processEvents();
			m_materials->tableView()->setFocus();
			QApplication::processEvents();
			if (id == 5) {
				EXPECT_TRUE(f->isReadOnly());
				EXPECT_EQ(f->palette().color(QPalette::Base), QColor("#d6e9ff")) << name;
			}
		}
	}
	EXPECT_EQ(m_db.m_materials[5], builtin);
	EXPECT_EQ(m_db.m_materials[5].m_lambda, 0.03512);
	EXPECT_EQ(m_db.m_materials[10001], user);
	EXPECT_FALSE(m_db.isModified());
	select(m_materials, 5);
	EXPECT_FALSE(field<QComboBox>(m_materials, "comboBoxCategories")->isEnabled());
	// a built-in field made writable by force stores nothing either
	QLineEdit * lambda = field<QLineEdit>(m_materials, "lineEditLambda");
	lambda->setReadOnly(false);
	enter(lambda, "0.5");
	EXPECT_EQ(m_db.m_materials[5].m_lambda, 0.03512);
}


TEST_F(DatabasePagesTest, ShadingEditorBoundsAndRejections) {
	struct Case { QString text; bool stored; double expected; };
	const Case cases[] = {
		{"1.2", false, 1.5}, {"-0.1", false, 1.5}, {"nan", false, 1.5}, {"x", false, 1.5},
		{"0", true, 0}, {"1", true, 1}, {"1", false, 1},
	};
	select(m_shading, 10001);
	QtExt::ValidatingLineEdit * z = field<QtExt::ValidatingLineEdit>(m_shading, "lineEditZconstant");
	EXPECT_EQ(z->text(), "1.5");
	for (const Case & c : cases) {
		SCOPED_TRACE(c.text.toStdString());
		m_db.setModified(false);
		enter(z, c.text);
		EXPECT_EQ(m_db.m_shadingTypes[10001].m_z, c.expected);
		EXPECT_EQ(m_db.isModified(), c.stored);
	}
	select(m_shading, 10002);
	EXPECT_EQ(z->text(), "0.25");
	select(m_shading, 1);
	EXPECT_TRUE(z->isReadOnly());
	EXPECT_EQ(z->palette().color(QPalette::Base), QColor("#d6e9ff"));
	enter(field<QLineEdit>(m_shading, "lineEditNameEn"), "Renamed");
	EXPECT_EQ(m_db.m_shadingTypes[1].name(), "Blind");

	// German: decimal comma
	GuiTest::ScopedLocale de(QLocale::German);
	select(m_shading, 10002);
	EXPECT_EQ(z->text(), "0,25");
	enter(z, "0,75");
	EXPECT_EQ(m_db.m_shadingTypes[10002].m_z, 0.75);
}

} // namespace


namespace {

TEST_F(DatabasePagesTest, ShadingFactorTypedBackIsStored) {
	select(m_shading, 10002);
	QtExt::ValidatingLineEdit * z = field<QtExt::ValidatingLineEdit>(m_shading, "lineEditZconstant");
	ASSERT_EQ(z->text(), "0.25");
	enter(z, "0.5");
	EXPECT_EQ(m_db.m_shadingTypes[10002].m_z, 0.5);
	enter(z, "0.25");
	EXPECT_EQ(m_db.m_shadingTypes[10002].m_z, 0.25);
	const QModelIndex row = m_shading->dbModel()->indexById(10002);
	EXPECT_EQ(row.sibling(row.row(), 3).data().toString(), "0.25");
}


/*! Names typed into the editors reach the user file and come back identical; the two
	characters that the encoded name cannot hold never reach the file. */
TEST_F(DatabasePagesTest, NamesRoundTripThroughTheUserFile) {
	struct Case { QString en; QString de; bool storable; };
	const Case cases[] = {
		{ "Plain brick", "Vollziegel", true },
		{ "Lehm Größe", "Dämmung äöüß ÄÖÜ", true },
		{ "Brick & mortar", "Stein & Mörtel", true },
		{ "<b>bold</b> > 3", "a < b", true },
		{ "\"quoted\" 'single'", "„deutsch“ »Guillemets«", true },
		{ "Brick: solid", "Vollziegel", false },
		{ "Concrete C20/25", "Beton|C20", false },
	};
	QTemporaryDir userDir;
	ASSERT_TRUE(userDir.isValid());
	m_db.setDirectories(QString(), userDir.path());
	select(m_materials, 10001);
	select(m_shading, 10002);
	QLineEdit * matEn = field<QLineEdit>(m_materials, "lineEditNameEn");
	QLineEdit * matDe = field<QLineEdit>(m_materials, "lineEditNameDe");
	QLineEdit * shadingEn = field<QLineEdit>(m_shading, "lineEditNameEn");
	for (const Case & c : cases) {
		SCOPED_TRACE(c.en.toStdString() + " / " + c.de.toStdString());
		const RM::Material before = m_db.m_materials[10001];
		const QString shadingBefore = m_db.m_shadingTypes[10002].nameForLanguage("en");
		enter(matEn, c.en);
		enter(matDe, c.de);
		enter(shadingEn, c.en);
		const bool refusedShown = matEn->palette().color(QPalette::Base) == QColor(QtExt::ValidatingLineEdit::INVALID_COLOR)
				|| matDe->palette().color(QPalette::Base) == QColor(QtExt::ValidatingLineEdit::INVALID_COLOR);
		EXPECT_EQ(refusedShown, !c.storable);
		if (!c.storable) {
			const QString tip = matEn->toolTip() + matDe->toolTip();
			EXPECT_TRUE(tip.contains("':'") && tip.contains("'|'")) << tip.toStdString();
		}
		ASSERT_TRUE(m_db.writeDatabase());
		RM::Database fresh;
		fresh.setDirectories(QString(), userDir.path());
		fresh.reload();
		ASSERT_EQ(fresh.m_materials.count(10001), 1u);
		const RM::Material & read = fresh.m_materials[10001];
		if (c.storable) {
			EXPECT_EQ(read.nameForLanguage("en"), c.en);
			EXPECT_EQ(read.nameForLanguage("de"), c.de);
			EXPECT_EQ(fresh.m_shadingTypes[10002].nameForLanguage("en"), c.en);
		}
		else {
			// the refused field keeps the stored name; the other field of the case is stored
			EXPECT_FALSE(read.encodedName().contains(c.en.contains(':') ? "solid" : "Beton|"));
			EXPECT_EQ(read.nameForLanguage(c.en.contains(':') ? "en" : "de"),
					  before.nameForLanguage(c.en.contains(':') ? "en" : "de"));
			EXPECT_EQ(fresh.m_shadingTypes[10002].nameForLanguage("en"),
					  c.en.contains(':') ? shadingBefore : c.en);
		}
		EXPECT_EQ(read.encodedName(), m_db.m_materials[10001].encodedName());
	}
	// blanks at the ends are dropped at once, as the file would drop them
	enter(matDe, "  Ziegel  ");
	EXPECT_EQ(m_db.m_materials[10001].nameForLanguage("de"), "Ziegel");
	EXPECT_EQ(matDe->text(), "Ziegel");
}

} // namespace
