// Construction type editor: layers, widths, results, view actions and the export.
#include <map>
#include <set>

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <QFile>
#include <QFileDialog>
#include <QGraphicsRectItem>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QAction>

#include <BVX_Exception.h>
#include <QtExt_ConstructionGraphicsScene.h>
#include <QtExt_LanguageHandler.h>
#include <QtExt_UserNumber.h>
#include <QtExt_ConstructionView.h>
#include <QtExt_ConstructionViewWidget.h>

#include "ConstructionDBModel.h"
#include "ConstructionDBWidget.h"
#include "ConstructionEditWidget.h"
#include "DatabaseTestFixture.h"
#include "GuiTestHarness.h"
#include "TypedNumbers.h"
#include "MaterialDBModel.h"
#include "MaterialListDelegate.h"
#include "MaterialSelectorWidget.h"
#include "DBModelSortProxy.h"

namespace {

using Driver = GuiTest::ModalDialogDriver;

class ConstructionEditWidgetTest : public ::testing::Test {
protected:
	ConstructionEditWidgetTest() :
		m_locale(QLocale::English)
	{
		GuiTest::fillTestDatabase(m_db);
		RM::ConstructionType longType;
		for (int i = 0; i < 16; ++i) {
			longType.m_d.push_back(0.01 * (i + 1));
			longType.m_materialIds.push_back(i % 2 == 0 ? 5 : 10002);
		}
		longType.m_id = 10003;
		longType.setName("en", "Sixteen");
		m_db.m_constructions[10003] = longType;
		m_page.reset(new ConstructionDBWidget(nullptr, &m_db));
		MaterialDBModel * materials = m_page->editWidget()->findChild<MaterialDBModel *>();
		EXPECT_NE(materials, nullptr);
		new QAbstractItemModelTester(materials, QAbstractItemModelTester::FailureReportingMode::Fatal, m_page.get());
		m_db.setModified(false);
	}

	template <typename T>
	T * field(const char * name) {
		T * w = m_page->findChild<T *>(name);
		EXPECT_NE(w, nullptr) << name;
		return w;
	}

	void select(unsigned int id) {
		ASSERT_TRUE(GuiTest::selectRowOfId(m_page->tableView(), id)) << "no row of id " << id;
	}

	QTableWidget * table() { return field<QTableWidget>("tableWidget"); }
	QSpinBox * spinBox() { return field<QSpinBox>("spinBoxLayerCount"); }
	QtExt::ConstructionViewWidget * view() { return field<QtExt::ConstructionViewWidget>("widgetConstructionView"); }
	RM::ConstructionType & type(unsigned int id) { return m_db.m_constructions[id]; }

	GuiTest::ScopedLocale					m_locale;
	RM::Database							m_db;
	std::unique_ptr<ConstructionDBWidget>	m_page;
};


TEST_F(ConstructionEditWidgetTest, LayerCountFollowsTheSpinBoxAndRowsFollowTheLayers) {
	select(10002);
	EXPECT_FALSE(m_db.isModified());
	spinBox()->setValue(3);
	// new layers: the smallest material id and 0.1 m
	EXPECT_EQ(type(10002).m_materialIds, (std::vector<unsigned int>{10002, 5, 5}));
	EXPECT_EQ(type(10002).m_d, (std::vector<double>{0.1, 0.1, 0.1}));
	EXPECT_EQ(table()->rowCount(), 3);
	EXPECT_TRUE(m_db.isModified());
	spinBox()->setValue(2);
	EXPECT_EQ(type(10002).m_materialIds, (std::vector<unsigned int>{10002, 5}));
	EXPECT_EQ(table()->rowCount(), 2);
	EXPECT_EQ(table()->item(1, 0)->text(), "Brick");
	EXPECT_EQ(table()->item(1, 0)->data(Qt::UserRole).toUInt(), 5u);
	EXPECT_EQ(spinBox()->maximum(), ConstructionEditWidget::MAX_LAYERS);
}


TEST_F(ConstructionEditWidgetTest, ShowingNeverChangesAType) {
	const RM::ConstructionType longType = type(10003);
	const RM::ConstructionType emptyBuiltin = type(1);
	select(10003);
	select(1);
	select(10003);
	EXPECT_EQ(type(10003), longType);
	EXPECT_EQ(type(1), emptyBuiltin);
	EXPECT_FALSE(m_db.isModified());
	// the long type is shown whole and can be shortened by the user only
	EXPECT_EQ(spinBox()->value(), 16);
	EXPECT_EQ(table()->rowCount(), 16);
	spinBox()->setValue(15);
	EXPECT_EQ(type(10003).m_d.size(), 15u);
	EXPECT_EQ(spinBox()->maximum(), 15);
	// the built-in type without layers has no rows
	select(1);
	EXPECT_EQ(table()->rowCount(), 0);
	// an empty user type gets its default layer
	type(10002).m_d.clear();
	type(10002).m_materialIds.clear();
	m_db.setModified(false);
	select(10002);
	EXPECT_EQ(type(10002).m_materialIds, (std::vector<unsigned int>{5}));
	EXPECT_EQ(type(10002).m_d, (std::vector<double>{0.1}));
	EXPECT_TRUE(m_db.isModified());
}


TEST_F(ConstructionEditWidgetTest, WidthCellsStoreOnlyValidWidths) {
	struct Case { QString text; bool stored; const char * tip; };
	// no number: the number reader's reason
	const char * const FORMAT_TIP = "reader";
	const char * const MM_TIP = "Layer widths must be larger than 1 mm. Ignore smaller layers, they will not affect the thermal storage mass!";
	const Case cases[] = {
		{"0.0009", false, MM_TIP}, {"abc", false, FORMAT_TIP}, {"nan", false, FORMAT_TIP},
		{"inf", false, FORMAT_TIP}, {"0.001", true, ""}, {"0.001", false, ""},
	};
	select(10002);
	for (const Case & c : cases) {
		SCOPED_TRACE(c.text.toStdString());
		const double before = type(10002).m_d[0];
		m_db.setModified(false);
		table()->item(0, 1)->setText(c.text);
		QTableWidgetItem * cell = table()->item(0, 1);
		const bool red = cell->background().color() == QColor("#ff7777");
		EXPECT_EQ(red, QString(c.tip) != "");
		EXPECT_EQ(cell->toolTip(), c.tip == FORMAT_TIP ? QtExt::notANumberMessage(c.text) : QString(c.tip));
		EXPECT_EQ(m_db.isModified(), c.stored);
		EXPECT_EQ(type(10002).m_d[0], c.stored ? c.text.toDouble() : before);
	}
}


TEST_F(ConstructionEditWidgetTest, TypedWidthsReadAsEveryFieldReadsThem) {
	m_page->resize(1200, 800);
	ASSERT_TRUE(GuiTest::showActive(m_page.get()));
	select(10002);
	for (QLocale::Language lang : { QLocale::English, QLocale::German }) {
		GuiTest::ScopedLocale locale(lang);
		for (const GuiTest::TypedNumber & n : GuiTest::typedNumbers()) {
			SCOPED_TRACE(std::string(lang == QLocale::German ? "German '" : "English '") + n.m_text + "'");
			type(10002).m_d[0] = 0.1;
			select(10003);
			select(10002);
			double meant = 0;
			const bool accepted = n.value(lang, meant) && meant >= 0.001;
			GuiTest::typeIntoCell(table(), table()->model()->index(0, 1), QString::fromUtf8(n.m_text), Qt::Key_Return);
			EXPECT_EQ(type(10002).m_d[0], accepted ? meant : 0.1);
			// a refused text stays, red, with its reason
			QTableWidgetItem * cell = table()->item(0, 1);
			EXPECT_EQ(cell->background().color() == QColor("#ff7777"), !accepted);
			EXPECT_EQ(cell->toolTip().isEmpty(), accepted);
			// a text the reader refuses shows the reader's reason, in either language
			const QString reason = QtExt::refusedNumberMessage(QString::fromUtf8(n.m_text));
			if (!reason.isEmpty()) {
				EXPECT_EQ(cell->toolTip(), reason);
			}
			if (!accepted) {
				EXPECT_EQ(cell->text(), QString::fromUtf8(n.m_text));
			}
		}
	}
}


TEST_F(ConstructionEditWidgetTest, ViewActionsKeepRowsAndLayersEqual) {
	select(10002);
	QtExt::ConstructionViewWidget * v = view();
	// the last layer cannot be removed
	emit v->removelayer(0);
	EXPECT_EQ(type(10002).m_d.size(), 1u);
	EXPECT_EQ(table()->rowCount(), 1);
	EXPECT_FALSE(m_db.isModified());
	emit v->insertLayer(0, true);   // new layer left of the first
	emit v->insertLayer(1, false);  // right of the second
	EXPECT_EQ(type(10002).m_materialIds, (std::vector<unsigned int>{5, 10002, 5}));
	EXPECT_EQ(table()->rowCount(), 3);
	type(10002).m_d = {0.01, 0.02, 0.03};
	const RM::ConstructionType before = type(10002);
	emit v->moveLayer(0, true);
	emit v->moveLayer(2, false);
	emit v->moveLayer(-1, false);
	emit v->removelayer(3);
	EXPECT_EQ(type(10002), before);
	emit v->moveLayer(0, false);
	EXPECT_EQ(type(10002).m_d, (std::vector<double>{0.02, 0.01, 0.03}));
	EXPECT_EQ(type(10002).m_materialIds, (std::vector<unsigned int>{10002, 5, 5}));
	emit v->removelayer(1);
	EXPECT_EQ(type(10002).m_d, (std::vector<double>{0.02, 0.03}));
	EXPECT_EQ(table()->rowCount(), 2);
	EXPECT_EQ(spinBox()->value(), 2);
	// insert stops at the limit
	spinBox()->setValue(15);
	emit v->insertLayer(0, true);
	EXPECT_EQ(type(10002).m_d.size(), 15u);
	EXPECT_EQ(table()->rowCount(), 15);
}


TEST_F(ConstructionEditWidgetTest, UValueAndStorageMass) {
	select(10002);
	spinBox()->setValue(2); // Alpha 0.1 m (lambda 0.04) + Brick 0.1 m (lambda 0.03512)
	const double U = 1 / (0.13 + 0.1 / 0.04 + 0.1 / 0.03512 + 0.04);
	EXPECT_EQ(field<QLineEdit>("lineEditUValue")->text(), QString::number(U, 'f', 3));
	// both 1800 kg/m3 over 0.2 m
	EXPECT_TRUE(field<QLineEdit>("lineEditCTm")->text().startsWith("360 / "));
	select(10001); // a missing material
	EXPECT_EQ(field<QLineEdit>("lineEditUValue")->text(), "---");
	EXPECT_EQ(field<QLineEdit>("lineEditCTm")->text(), "---");
	EXPECT_EQ(table()->item(1, 0)->text(), "<select material>");
	EXPECT_EQ(table()->item(1, 0)->data(Qt::UserRole).toUInt(), 0u);
}


/*! Fill colour of each drawn layer, outside first. */
std::vector<QColor> drawnLayerColors(QtExt::ConstructionViewWidget * v) {
	std::map<int, QColor> byIndex;
	for (QGraphicsItem * item : v->view()->constructionScene()->items())
		if (item->type() == QGraphicsRectItem::Type && item->data(0).isValid())
			byIndex[item->data(0).toInt()] = static_cast<QGraphicsRectItem *>(item)->brush().color();
	std::vector<QColor> colors;
	for (const auto & e : byIndex)
		colors.push_back(e.second);
	return colors;
}


TEST_F(ConstructionEditWidgetTest, LayerColoursFollowThePosition) {
	m_page->resize(1000, 700);
	m_page->show();
	select(10003); // 16 layers, materials 5 and 10002 alternating
	QApplication::processEvents();
	const std::vector<QColor> colors = drawnLayerColors(view());
	ASSERT_EQ(colors.size(), 16u);
	// twelve distinct colours, then the layer's default colour from the 13th layer on
	const QColor defaultColor = QtExt::ConstructionLayer().m_color;
	std::set<QRgb> first12;
	for (std::size_t i = 0; i < 12; ++i)
		first12.insert(colors[i].rgb());
	EXPECT_EQ(first12.size(), 12u);
	EXPECT_EQ(first12.count(defaultColor.rgb()), 0u);
	for (std::size_t i = 12; i < 16; ++i)
		EXPECT_EQ(colors[i], defaultColor) << "layer " << i + 1;
	// the position decides, not the material: layer 1 of another type (material 10002)
	// has the colour of layer 1 here (material 5)
	select(10002);
	QApplication::processEvents();
	const std::vector<QColor> slab = drawnLayerColors(view());
	ASSERT_EQ(slab.size(), 1u);
	EXPECT_EQ(slab[0], colors[0]);
}


TEST_F(ConstructionEditWidgetTest, BuiltinTypesAreLocked) {
	RM::ConstructionType & builtin = type(1);
	builtin.m_d = {0.2};
	builtin.m_materialIds = {5};
	const RM::ConstructionType before = builtin;
	select(1);
	EXPECT_TRUE(field<QLineEdit>("lineEditNameEn")->isReadOnly());
	EXPECT_EQ(field<QLineEdit>("lineEditNameEn")->palette().color(QPalette::Base), QColor("#d6e9ff"));
	EXPECT_FALSE(spinBox()->isEnabled());
	EXPECT_TRUE(field<QPushButton>("pushButtonH6Export")->isEnabled());
	EXPECT_FALSE(table()->item(0, 1)->flags() & Qt::ItemIsEditable);
	EXPECT_EQ(table()->item(0, 1)->background().color(), QColor("#d6e9ff"));
	table()->item(0, 1)->setText("0.5");
	emit view()->insertLayer(0, true);
	emit view()->removelayer(0);
	EXPECT_EQ(type(1), before);
	EXPECT_FALSE(m_db.isModified());
}


TEST_F(ConstructionEditWidgetTest, ExportWritesTheChosenFileAndEachMaterialOnce) {
	QTemporaryDir dir;
	ASSERT_TRUE(QDir(dir.path()).mkdir("materials"));
	type(10002).m_d = {0.1, 0.1, 0.1};
	type(10002).m_materialIds = {10002, 5, 10002};
	QStringList written;
	const QString report = ConstructionEditWidget::exportConstructionFiles(m_db, 10002, dir.path() + "/chosen.h6p", written);
	ASSERT_EQ(written.size(), 3);
	EXPECT_EQ(QFileInfo(written[0]).fileName(), "chosen.h6p");
	EXPECT_TRUE(QFile::exists(dir.path() + "/chosen.h6p"));
	// ascending material ids
	EXPECT_TRUE(QFileInfo(written[1]).fileName().contains("_5."));
	EXPECT_TRUE(QFileInfo(written[2]).fileName().contains("_10002."));
	EXPECT_EQ(QDir(dir.path() + "/materials").entryList(QDir::Files).size(), 2);
	EXPECT_TRUE(report.startsWith(QString("Created construction file '%1'").arg(written[0])));
	EXPECT_TRUE(report.contains(written[1] + "\n" + written[2] + "\n"));
	// a missing material throws
	written.clear();
	EXPECT_THROW(ConstructionEditWidget::exportConstructionFiles(m_db, 10001, dir.path() + "/wall.h6p", written), BVX::Exception);
}


TEST_F(ConstructionEditWidgetTest, ExportReportSpeaksTheChosenLanguage) {
	QTemporaryDir dir;
	ASSERT_TRUE(QDir(dir.path()).mkdir("materials"));
	type(10002).m_d = {0.1};
	type(10002).m_materialIds = {5};
	struct Case { const char * m_lang; const char * m_start; };
	for (const Case & c : { Case{ "en", "Created construction file '%1' and the following material files:\n" },
							Case{ "de", "Konstruktionsdatei '%1' und die folgenden Materialdateien wurden erstellt:\n" } }) {
		QtExt::LanguageHandler::instance().installTranslator(c.m_lang);
		QStringList written;
		const QString report = ConstructionEditWidget::exportConstructionFiles(m_db, 10002, dir.path() + "/wall.h6p", written);
		ASSERT_EQ(written.size(), 2) << c.m_lang;
		EXPECT_EQ(report, QString::fromUtf8(c.m_start).arg(written[0]) + written[1] + "\n") << c.m_lang;
	}
	QtExt::LanguageHandler::instance().installTranslator("en");
}


TEST_F(ConstructionEditWidgetTest, ExportButtonReportsErrorsInBoxes) {
	QTemporaryDir dir;
	// a missing material: an error box, no report
	select(10001);
	{
		Driver driver;
		driver.add(Driver::chooseFile(dir.path() + "/wall.h6p"));
		driver.add(Driver::press(QDialogButtonBox::Ok));
		field<QPushButton>("pushButtonH6Export")->click();
		ASSERT_EQ(driver.m_seen.size(), 2u);
		EXPECT_EQ(driver.m_seen[1].m_title, "Export error");
	}
	// a file named "materials" in the way
	QTemporaryDir dir2;
	QFile blocker(dir2.path() + "/materials");
	ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
	blocker.close();
	select(10002);
	{
		Driver driver;
		driver.add(Driver::chooseFile(dir2.path() + "/slab.h6p"));
		driver.add(Driver::press(QDialogButtonBox::Ok));
		field<QPushButton>("pushButtonH6Export")->click();
		ASSERT_EQ(driver.m_seen.size(), 2u);
		EXPECT_EQ(driver.m_seen[1].m_title, "Export error");
		EXPECT_EQ(driver.m_seen[1].m_text, "Could not create subdirectories for export.");
	}
	// success under the chosen name
	{
		Driver driver;
		driver.add(Driver::chooseFile(dir.path() + "/my slab.h6p"));
		driver.add(Driver::press(QDialogButtonBox::Ok));
		field<QPushButton>("pushButtonH6Export")->click();
		ASSERT_EQ(driver.m_seen.size(), 2u);
		EXPECT_EQ(driver.m_seen[1].m_title, "Export complete");
		EXPECT_TRUE(QFile::exists(dir.path() + "/my slab.h6p"));
	}
}

TEST_F(ConstructionEditWidgetTest, MaterialSelectorThroughTheView) {
	m_page->resize(1000, 700);
	m_page->show();
	select(10002);
	QTableWidget * t = table();
	QSignalSpy spy(t->itemDelegateForColumn(0), SIGNAL(materialChanged(unsigned int,int)));
	t->edit(t->model()->index(0, 0));
	MaterialSelectorWidget * selector = t->viewport()->findChild<MaterialSelectorWidget *>();
	ASSERT_NE(selector, nullptr);
	new QAbstractItemModelTester(selector->proxyModel(), QAbstractItemModelTester::FailureReportingMode::Fatal, selector);
	// covers the viewport, preselects the layer's material
	EXPECT_EQ(selector->geometry(), t->viewport()->rect().adjusted(0, 0, -1, -1));
	EXPECT_EQ(selector->m_materialId, 10002u);
	// the id column sorts by number
	QTableView * v = selector->tableView();
	v->sortByColumn(0, Qt::AscendingOrder);
	QStringList ids;
	for (int r = 0; r < v->model()->rowCount(); ++r)
		ids << v->model()->index(r, 0).data().toString();
	EXPECT_EQ(ids, QStringList({"5", "7", "10001", "10002"}));
	// double-click on material 7
	QApplication::processEvents();
	ASSERT_TRUE(v->isVisible());
	v->scrollTo(v->model()->index(1, 2));
	const QRect cell = v->visualRect(v->model()->index(1, 2));
	QTest::mouseClick(v->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
	QTest::mouseDClick(v->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
	QApplication::processEvents();
	EXPECT_EQ(t->item(0, 0)->text(), "Aerated");
	EXPECT_EQ(t->item(0, 0)->data(Qt::UserRole).toUInt(), 7u);
	ASSERT_EQ(spy.count(), 1);
	EXPECT_EQ(spy.at(0).at(0).toUInt(), 7u);
	EXPECT_EQ(spy.at(0).at(1).toInt(), 0);
	EXPECT_EQ(type(10002).m_materialIds[0], 7u);
	EXPECT_TRUE(m_db.isModified());

	// an unknown material preselects the first sorted row; leaving the cell commits it
	QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
	ASSERT_EQ(t->viewport()->findChild<MaterialSelectorWidget *>(), nullptr);
	select(10001);
	t->edit(t->model()->index(1, 0));
	selector = t->viewport()->findChild<MaterialSelectorWidget *>();
	ASSERT_NE(selector, nullptr);
	const unsigned int first = selector->tableView()->model()->index(0, 0).data(Qt::UserRole).toUInt();
	EXPECT_EQ(selector->m_materialId, first);
	QAbstractItemDelegate * delegate = t->itemDelegateForColumn(0);
	emit delegate->commitData(selector);
	emit delegate->closeEditor(selector);
	QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
	EXPECT_EQ(type(10001).m_materialIds[1], first);
	EXPECT_EQ(t->item(1, 0)->data(Qt::UserRole).toUInt(), first);

	// no editor without materials
	QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
	m_db.m_materials.clear();
	t->edit(t->model()->index(0, 0));
	EXPECT_EQ(t->viewport()->findChild<MaterialSelectorWidget *>(), nullptr);
}

} // namespace


namespace {

TEST_F(ConstructionEditWidgetTest, LayerCountActsOnlyWhenCommittedAndKeepsTheOtherLayers) {
	type(10002).m_d = {0.01, 0.02, 0.03, 0.04, 0.05};
	type(10002).m_materialIds = {10002, 5, 7, 5, 10002};
	const RM::ConstructionType five = type(10002);
	m_page->resize(1000, 700);
	ASSERT_TRUE(GuiTest::showActive(m_page.get()));
	select(10002);
	QSpinBox * count = spinBox();

	// a wheel notch while scrolling past the unfocused box
	m_page->tableView()->setFocus();
	GuiTest::wheel(count, -120);
	EXPECT_EQ(type(10002), five);
	EXPECT_EQ(count->value(), 5);

	// typing 12 passes through 1: nothing happens before Return
	QLineEdit * edit = count->findChild<QLineEdit *>();
	ASSERT_NE(edit, nullptr);
	QTest::mouseClick(edit, Qt::LeftButton);
	count->selectAll();
	QTest::keyClicks(count, "1");
	EXPECT_EQ(type(10002), five);
	QTest::keyClicks(count, "2");
	EXPECT_EQ(type(10002), five);
	QTest::keyClick(count, Qt::Key_Return);
	ASSERT_EQ(type(10002).m_d.size(), 12u);
	EXPECT_EQ(std::vector<double>(type(10002).m_d.begin(), type(10002).m_d.begin() + 5), five.m_d);
	EXPECT_EQ(std::vector<unsigned int>(type(10002).m_materialIds.begin(), type(10002).m_materialIds.begin() + 5), five.m_materialIds);
	EXPECT_EQ(table()->rowCount(), 12);

	// 3 and Tab: exactly the layers beyond the third go
	GuiTest::typeIntoSpinBox(count, "3", Qt::Key_Tab);
	EXPECT_EQ(type(10002).m_d, (std::vector<double>{0.01, 0.02, 0.03}));
	EXPECT_EQ(type(10002).m_materialIds, (std::vector<unsigned int>{10002, 5, 7}));

	// the wheel over the focused box adds one default layer on the room side
	count->setFocus();
	ASSERT_TRUE(count->hasFocus());
	GuiTest::wheel(count, 120);
	EXPECT_EQ(type(10002).m_d, (std::vector<double>{0.01, 0.02, 0.03, 0.1}));
	EXPECT_EQ(type(10002).m_materialIds, (std::vector<unsigned int>{10002, 5, 7, 5}));
}

} // namespace


namespace {

TEST_F(ConstructionEditWidgetTest, ExportAddsTheSuffixAndStartsInTheLastExportDirectory) {
	GuiTest::clearSettings();
	QTemporaryDir dir;
	ASSERT_TRUE(dir.isValid());
	select(10002);
	QString startDir;
	const auto noteDirectory = [&startDir](QWidget * w) {
		if (QFileDialog * fd = qobject_cast<QFileDialog *>(w))
			startDir = fd->directory().absolutePath();
	};
	{
		Driver driver;
		driver.add(Driver::inspectThen(noteDirectory, Driver::chooseFile(dir.path() + "/my wall")));
		driver.add(Driver::press(QDialogButtonBox::Ok));
		field<QPushButton>("pushButtonH6Export")->click();
		ASSERT_EQ(driver.m_seen.size(), 2u);
		EXPECT_EQ(driver.m_seen[1].m_title, "Export complete");
	}
	EXPECT_EQ(startDir, QDir(GuiTest::homeDir()).absolutePath());
	EXPECT_TRUE(QFile::exists(dir.path() + "/my wall.h6p"));
	EXPECT_FALSE(QFile::exists(dir.path() + "/my wall"));
	{
		Driver driver;
		driver.add(Driver::inspectThen(noteDirectory, Driver::reject()));
		field<QPushButton>("pushButtonH6Export")->click();
		EXPECT_EQ(driver.pending(), 0);
	}
	EXPECT_EQ(startDir, QDir(dir.path()).absolutePath());
}

} // namespace


// The tool bar's buttons take no focus: a width typed into the table without Return is
// taken before the layers change, in both number formats.
TEST_F(ConstructionEditWidgetTest, ToolBarTakesAWidthTypedWithoutReturn) {
	m_page->resize(1200, 800);
	ASSERT_TRUE(GuiTest::showActive(m_page.get()));
	const struct { QLocale::Language m_lang; const char * m_text; } cases[] = {
		{ QLocale::English, "0.3" }, { QLocale::German, "0,3" },
	};
	for (const auto & c : cases) {
		SCOPED_TRACE(c.m_text);
		GuiTest::ScopedLocale locale(c.m_lang);
		type(10002).m_d = { 0.11, 0.12, 0.13 };
		type(10002).m_materialIds = { 5, 5, 5 };
		select(10003);
		select(10002);
		view()->selectLayer(2);
		QWidget * editor = GuiTest::openCellEditor(table(), table()->model()->index(2, 1));
		ASSERT_NE(editor, nullptr);
		GuiTest::controlKey(editor, Qt::Key_A);
		QTest::keyClicks(editor, c.m_text);
		QToolButton * insertLeft = nullptr;
		for (QToolButton * b : view()->findChildren<QToolButton *>())
			if (b->defaultAction() != nullptr && b->defaultAction()->objectName() == "actionInsert_layer_left")
				insertLeft = b;
		ASSERT_NE(insertLeft, nullptr);
		QTest::mouseClick(insertLeft, Qt::LeftButton);
		EXPECT_EQ(type(10002).m_d, (std::vector<double>{ 0.11, 0.12, 0.1, 0.3 }));
		EXPECT_EQ(table()->item(3, 1)->text(), QLocale().toString(0.3, 'f', 3));
	}
}
