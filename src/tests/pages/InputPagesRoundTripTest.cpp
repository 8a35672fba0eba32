// Geometry, climate, construction table and advanced settings through the main window: values
// changed on the pages survive Save, New and Load; a fresh start shows the default surfaces.
#include <gtest/gtest.h>

#include "GuiTestHarness.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QIcon>
#include <QTableView>
#include <QToolButton>
#include <QTest>
#include <QXmlStreamWriter>

#include <QtExt_ValidatingLineEdit.h>
#include <RM_Database.h>
#include <RM_Room.h>

#include "ButtonBar.h"
#include "CalculationInputWidget.h"
#include "ConstructionTableModel.h"
#include "MainWindowTest.h"
#include "RoomModelDialog.h"

namespace {

using M = ConstructionTableModel;

/*! Texts of the two pages: every line edit, the location, the moisture switch and the table. */
QStringList pageTexts(RoomModelDialog & window) {
	QStringList texts;
	for (RoomModelDialog::InputTab tab : { RoomModelDialog::TabGeometry, RoomModelDialog::TabAdvancedSettings }) {
		QWidget * page = window.inputPage(tab);
		for (QtExt::ValidatingLineEdit * e : page->findChildren<QtExt::ValidatingLineEdit *>()) {
			// the volume shows 3 decimals after an edit, six digits after a load
			const QString text = e->objectName() == "lineEditVolume"
				? QString::number(QLocale().toDouble(e->text()), 'f', 3) : e->text();
			texts << e->objectName() + "=" + text;
		}
		for (QCheckBox * box : page->findChildren<QCheckBox *>())
			texts << box->objectName() + "=" + (box->isChecked() ? "on" : "off");
	}
	texts << "location=" + window.inputPage(RoomModelDialog::TabGeometry)->findChild<QComboBox *>("comboBoxLocation")->currentData().toString();
	const QAbstractItemModel * model = window.inputPage(RoomModelDialog::TabGeometry)->findChild<QTableView *>()->model();
	for (int row = 0; row < model->rowCount(); ++row)
		for (int col = 0; col < model->columnCount(); ++col)
			texts << QString("%1/%2=").arg(row).arg(col) + model->index(row, col).data().toString();
	return texts;
}

template <typename T>
QString xmlOf(const T & t) {
	QString s;
	QXmlStreamWriter w(&s);
	t.writeXML(w);
	return s;
}

void type(QWidget * page, const char * name, const QString & text) {
	QtExt::ValidatingLineEdit * e = page->findChild<QtExt::ValidatingLineEdit *>(name);
	ASSERT_NE(nullptr, e) << name;
	ASSERT_TRUE(e->isEnabled()) << name;
	GuiTest::typeAndReturn(e, text);
	ASSERT_TRUE(e->isValid()) << name;
}

class InputPagesRoundTripTest : public GuiTest::MainWindowTestWithParam<const char *> {
protected:
	void beforeWindow() override { QLocale::setDefault(QLocale::c()); }
};

TEST_P(InputPagesRoundTripTest, ChangedValuesSurviveSaveNewLoad) {
	RoomModelDialog & w = *m_window;
	ASSERT_TRUE(w.loadProject(GuiTest::sourceDir() + "/resources/examples/" + GetParam(), true));
	RM::Room & room = *w.project();
	const QString info = xmlOf(room.m_projectInformation);
	RM::DIN4108_2Assessment din = room.m_din4108_2Assessment;

	QWidget * geometry = w.inputPage(RoomModelDialog::TabGeometry);
	QWidget * advanced = w.inputPage(RoomModelDialog::TabAdvancedSettings);
	type(geometry, "lineEditArea", "23.75");
	type(geometry, "lineEditHeight", "2.85");
	type(geometry, "lineEditExtraMass", "1234.5");
	type(geometry, "lineEditCapacity", "880");
	type(geometry, "lineEditAlbedo", "0.35");
	QComboBox * location = geometry->findChild<QComboBox *>("comboBoxLocation");
	ASSERT_GT(location->count(), 1);
	const int newLocation = location->currentIndex() == 0 ? 1 : 0;
	location->setCurrentIndex(newLocation);
	ASSERT_EQ(room.m_climateDataPath, location->itemData(newLocation).toString());

	QCheckBox * moisture = advanced->findChild<QCheckBox *>("checkBoxEnableMoistureBalance");
	if (!moisture->isChecked())
		moisture->click();
	ASSERT_TRUE(room.m_moistureBalanceEnabled);
	type(advanced, "lineEditInitialT", "18.5");
	type(advanced, "lineEditInitialRH", "62.5");
	type(advanced, "lineEditGammaHC", "45");
	type(advanced, "lineEditGammaRad", "12.5");

	QAbstractItemModel * table = geometry->findChild<QTableView *>()->model();
	auto set = [table](int row, int col, const QVariant & v) {
		return table->setData(table->index(row, col), v, Qt::EditRole);
	};
	const unsigned int otherType = room.m_constructions[0].m_constructionId == 1 ? 2 : 1;
	ASSERT_NE(nullptr, w.database()->constructionType(otherType));
	EXPECT_TRUE(set(0, M::ColConstruction, otherType));
	EXPECT_TRUE(set(0, M::ColArea, 14.25));
	if (room.m_constructions[0].m_windowId != 0) {
		EXPECT_TRUE(set(0, M::ColWindowArea, 3.5));
	}
	EXPECT_TRUE(set(0, M::ColOrientation, 202.5));
	EXPECT_TRUE(set(0, M::ColRse, 0.045));
	set(1, M::ColKind, int(RM::RoomConstruction::Inside));
	EXPECT_TRUE(set(1, M::ColKind, int(RM::RoomConstruction::FixedTemperature)));
	EXPECT_TRUE(set(1, M::ColOppositeT, "16.5"));
	EXPECT_TRUE(set(1, M::ColRse, 0.065));
	EXPECT_EQ(RM::RoomConstruction::FixedTemperature, room.m_constructions[1].m_type);

	const QStringList before = pageTexts(w);
	const QString saved = m_dir + "/roundtrip.rmxml";
	{
		GuiTest::ModalDialogDriver driver;
		driver.add(GuiTest::ModalDialogDriver::chooseFile(saved));
		driver.add(GuiTest::ModalDialogDriver::press(QDialogButtonBox::Ok));
		w.buttonBar()->toolButtonSave->click();
		ASSERT_EQ(2u, driver.m_seen.size());
		ASSERT_EQ("Room-Model", driver.m_seen[1].m_title);
	}
	{
		// saved just now: New asks nothing
		GuiTest::ModalDialogDriver driver;
		w.buttonBar()->toolButtonNew->click();
		ASSERT_EQ(0u, driver.m_seen.size());
	}
	ASSERT_NE(before, pageTexts(w)) << "New shows the default project";
	ASSERT_TRUE(w.loadProject(saved, false));
	const QStringList after = pageTexts(w);
	ASSERT_EQ(before.size(), after.size());
	for (int i = 0; i < before.size(); ++i)
		EXPECT_EQ(before[i], after[i]);

	EXPECT_EQ(info, xmlOf(room.m_projectInformation));
	// the region follows the location; everything else of the DIN settings is kept
	din.m_climateRegion = room.m_din4108_2Assessment.m_climateRegion;
	EXPECT_EQ(xmlOf(din), xmlOf(room.m_din4108_2Assessment));
}

// one project in user-defined mode, one in DIN 4108-2 mode
INSTANTIATE_TEST_SUITE_P(Examples, InputPagesRoundTripTest,
	::testing::Values("DefaultRoom.rmxml", "Office_SouthFacade.rmxml"));


using InputPagesFreshStartTest = GuiTest::MainWindowTest;

TEST_F(InputPagesFreshStartTest, DefaultSurfacesValidAndColumnTwoFillsTheWidth) {
	RoomModelDialog & w = *m_window;
	w.initialResize();
	QApplication::processEvents();
	QTableView * view = w.inputPage(RoomModelDialog::TabGeometry)->findChild<QTableView *>();
	ConstructionTableModel * model = qobject_cast<ConstructionTableModel *>(view->model());
	ASSERT_NE(nullptr, model);
	EXPECT_EQ(4u, w.project()->m_constructions.size());
	const QImage ok = QIcon(":/gfx/ok_16x16.png").pixmap(16).toImage();
	for (int row = 0; row < 4; ++row) {
		EXPECT_TRUE(model->hasConstruction(model->index(row, 0))) << row;
		const QModelIndex icon = model->index(row, M::ColValid);
		EXPECT_FALSE(icon.data(Qt::ToolTipRole).isValid()) << icon.data(Qt::ToolTipRole).toString().toStdString();
		EXPECT_EQ(ok, icon.data(Qt::DecorationRole).value<QIcon>().pixmap(16).toImage()) << row;
	}
	EXPECT_FALSE(model->hasConstruction(model->index(4, 0)));
	// the first layout sized the columns and hid the mass rows
	EXPECT_GE(view->columnWidth(M::ColConstruction), 160);
	EXPECT_FALSE(w.inputPage(RoomModelDialog::TabGeometry)->findChild<QWidget *>("lineEditExtraMass")->isVisible());
	// wide enough: column 2 takes the free width
	w.resize(3600, 900);
	QApplication::processEvents();
	qobject_cast<CalculationInputWidget *>(w.inputPage(RoomModelDialog::TabGeometry))->resizeConstructionTableColumns();
	int sum = 0;
	for (int col = 0; col < M::NumColumns; ++col)
		sum += view->columnWidth(col);
	EXPECT_LE(sum, view->viewport()->width());
	EXPECT_GE(sum, view->viewport()->width() - 2);
}

} // namespace
