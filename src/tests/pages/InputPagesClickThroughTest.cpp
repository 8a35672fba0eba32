// The input pages in the main window as a user clicks through them: a refresh (Load, New, a
// paste, the default buttons) never writes into the project, and a project whose every page and
// cell was opened without typing saves as it was read.
#include <map>
#include <memory>

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QXmlStreamReader>

#include <QtExt_ValidatingLineEdit.h>
#include <RM_Room.h>

#include "ButtonBar.h"
#include "DailyCycleInputWidget.h"
#include "GuiTestHarness.h"
#include "MainWindowTest.h"
#include "RoomModelDialog.h"
#include "ScheduleInputWidget.h"

namespace {

using Driver = GuiTest::ModalDialogDriver;

/*! The leaves of a project file as "path=text" (attributes as leaves too), sorted: the order
	of siblings and the padding of numbers do not count. The embedded database is left out. */
std::multimap<QString, QString> leaves(const QByteArray & xml, const QStringList & skipped) {
	std::multimap<QString, QString> result;
	QXmlStreamReader reader(xml);
	QStringList path;
	QString text;
	while (!reader.atEnd()) {
		reader.readNext();
		if (reader.isStartElement()) {
			path << reader.name().toString();
			text.clear();
			for (const QXmlStreamAttribute & a : reader.attributes())
				result.emplace(path.join('/') + "@" + a.name().toString(), a.value().toString());
		}
		else if (reader.isCharacters())
			text += reader.text();
		else if (reader.isEndElement()) {
			const QString key = path.join('/');
			if (!text.trimmed().isEmpty())
				result.emplace(key, text.simplified());
			text.clear();
			path.removeLast();
		}
	}
	EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
	for (auto it = result.begin(); it != result.end();) {
		bool skip = false;
		for (const QString & s : skipped)
			skip = skip || it->first.contains(s);
		it = skip ? result.erase(it) : std::next(it);
	}
	return result;
}

class InputPagesClickThroughTest : public GuiTest::MainWindowTest {
protected:
	void SetUp() override {
		MainWindowTest::SetUp();
		m_window->resize(1400, 900);
		QApplication::processEvents();
	}

	/*! Shows a tab by clicking it. */
	QWidget * showTab(RoomModelDialog::InputTab tab) {
		QWidget * page = m_window->inputPage(tab);
		QTabWidget * tabs = m_window->inputTabs();
		const int index = tabs->indexOf(page);
		EXPECT_GE(index, 0);
		QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, Qt::NoModifier, tabs->tabBar()->tabRect(index).center());
		QApplication::processEvents();
		EXPECT_EQ(tabs->currentWidget(), page);
		return page;
	}

	static QTableWidget * cycleTable(QWidget * page, const char * editor, const char * cycle) {
		ScheduleInputWidget * s = page->findChild<ScheduleInputWidget *>(editor);
		EXPECT_NE(s, nullptr) << editor;
		DailyCycleInputWidget * d = s != nullptr ? s->findChild<DailyCycleInputWidget *>(cycle) : nullptr;
		EXPECT_NE(d, nullptr) << cycle;
		return d != nullptr ? d->findChild<QTableWidget *>() : nullptr;
	}

	static void clickCell(QTableWidget * table, int row) {
		ASSERT_TRUE(table->isVisible());
		QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, table->visualItemRect(table->item(row, 1)).center());
		QApplication::processEvents();
		ASSERT_TRUE(table->item(row, 1)->isSelected());
	}

	void load(const QString & path) {
		Driver driver;
		driver.add(Driver::chooseFile(path));
		m_window->buttonBar()->toolButtonLoad->click();
		ASSERT_EQ(m_window->project()->m_projectFilePath, path);
	}

	void save(const QString & path) {
		Driver driver;
		driver.add(Driver::chooseFile(path));
		driver.add(Driver::press(QDialogButtonBox::Ok));
		m_window->buttonBar()->toolButtonSave->click();
		ASSERT_EQ(m_window->project()->m_projectFilePath, path);
	}

	void newProject() {
		Driver driver;
		driver.add(Driver::press(QDialogButtonBox::Discard));
		m_window->buttonBar()->toolButtonNew->click();
	}

	static QString example(const char * name) {
		return GuiTest::sourceDir() + "/resources/examples/" + name;
	}

};


TEST_F(InputPagesClickThroughTest, ASelectedHourKeepsItsValueThroughLoadNewPasteAndDefaults) {
	// a project whose week-day heating hours all differ, in the user-defined calculation
	// (the DIN 4108-2 mode locks the load pages)
	RM::Room distinct;
	distinct.readProjectFile(example("Office_SouthFacade.rmxml"), *m_window->database());
	distinct.m_din4108_2Assessment.m_active = false;
	std::vector<double> & profile = distinct.m_heatingModel.m_setPoints.m_weekDaySchedule;
	for (size_t h = 0; h < 24; ++h)
		profile[h] = 15 + 0.25*double(h);
	const QString distinctFile = m_dir + "/distinct.rmxml";
	ASSERT_TRUE(distinct.writeProjectFile(distinctFile, *m_window->database()));
	const RM::Schedule & heating = m_window->project()->m_heatingModel.m_setPoints;

	RM::Room office;
	office.readProjectFile(example("Office_SouthFacade.rmxml"), *m_window->database());
	office.m_din4108_2Assessment.m_active = false;
	const QString officeFile = m_dir + "/office.rmxml";
	ASSERT_TRUE(office.writeProjectFile(officeFile, *m_window->database()));
	ASSERT_TRUE(m_window->loadProject(officeFile, true));
	QWidget * page = showTab(RoomModelDialog::TabHeating);
	QTableWidget * weekDay = cycleTable(page, "scheduleWidget", "dailyCycleWeekDay");
	ASSERT_NE(weekDay, nullptr);
	clickCell(weekDay, 14);
	load(distinctFile);
	EXPECT_EQ(heating.m_weekDaySchedule, profile);
	EXPECT_EQ(weekDay->item(14, 1)->text(), QString("%L1").arg(18.5));
	const QString saved = m_dir + "/saved.rmxml";
	save(saved);
	RM::Room read;
	read.readProjectFile(saved, *m_window->database());
	EXPECT_EQ(read.m_heatingModel.m_setPoints.m_weekDaySchedule, profile);

	// New: the default room's values
	newProject();
	const std::vector<double> fresh = heating.m_weekDaySchedule;
	load(distinctFile);
	clickCell(weekDay, 14);
	newProject();
	EXPECT_EQ(heating.m_weekDaySchedule, fresh);

	// a paste refreshes the editor: the daily cycles stay as they are
	load(distinctFile);
	clickCell(weekDay, 14);
	QComboBox * type = page->findChild<ScheduleInputWidget *>("scheduleWidget")->findChild<QComboBox *>("comboBoxType");
	type->setCurrentIndex(RM::Schedule::ANNUAL);
	QApplication::clipboard()->setText("0 17\n4000 19");
	for (QPushButton * b : page->findChildren<QPushButton *>())
		if (b->text() == "Paste (hour,value)")
			QTest::mouseClick(b, Qt::LeftButton);
	ASSERT_EQ(heating.m_annualValues.size(), 8760u);
	EXPECT_EQ(heating.m_annualValues[4000], 19);
	EXPECT_EQ(heating.m_weekDaySchedule, profile);

	// the default buttons of the natural ventilation page refresh it
	page = showTab(RoomModelDialog::TabInfiltration);
	page->findChild<QComboBox *>("comboBoxType")->setCurrentIndex(3);
	page->findChild<ScheduleInputWidget *>("scheduleWidget")->findChild<QComboBox *>("comboBoxType")
		->setCurrentIndex(RM::Schedule::DAILY_WEEK);
	QTableWidget * rates = cycleTable(page, "scheduleWidget", "dailyCycleWeekDay");
	ASSERT_NE(rates, nullptr);
	clickCell(rates, 14);
	QTest::mouseClick(page->findChild<QPushButton *>("pushButtonResidentialDefaults"), Qt::LeftButton);
	const RM::Schedule & airChange = m_window->project()->m_naturalVentilationModel.m_airChangeRates;
	EXPECT_EQ(airChange.m_weekDaySchedule[14], 3.0);
	EXPECT_EQ(airChange.m_weekDaySchedule[0], 5.0);
	EXPECT_EQ(airChange.m_weekEndSchedule[14], 3.0);
}


/*! Opens every page and every cell without typing: each tab is clicked, each line edit gets
	and loses the focus, each editable cell of the construction table opens its editor and is
	left by a click elsewhere, and each hour of every shown daily cycle is clicked. */
void clickThroughEverything(RoomModelDialog & w) {
	QTabWidget * tabs = w.inputTabs();
	for (int t = 0; t < tabs->count(); ++t) {
		if (!tabs->isTabEnabled(t))
			continue;
		QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, Qt::NoModifier, tabs->tabBar()->tabRect(t).center());
		QApplication::processEvents();
		QWidget * page = tabs->widget(t);
		for (QtExt::ValidatingLineEdit * e : page->findChildren<QtExt::ValidatingLineEdit *>()) {
			if (!e->isVisible() || !e->isEnabled() || e->isReadOnly())
				continue;
			QTest::mouseClick(e, Qt::LeftButton);
			QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, Qt::NoModifier, tabs->tabBar()->tabRect(t).center());
		}
		for (QTableView * view : page->findChildren<QTableView *>()) {
			if (!view->isVisible() || qobject_cast<QTableWidget *>(view) != nullptr)
				continue;
			QAbstractItemModel * model = view->model();
			const QPoint elsewhere = view->visualRect(model->index(0, 0)).center();
			for (int row = 0; row < model->rowCount(); ++row) {
				for (int col = 0; col < model->columnCount(); ++col) {
					const QModelIndex idx = model->index(row, col);
					if (!(model->flags(idx) & Qt::ItemIsEditable))
						continue;
					view->scrollTo(idx);
					const QPoint p = view->visualRect(idx).center();
					QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, p);
					QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, p);
					QApplication::processEvents();
					view->scrollTo(model->index(0, 0));
					QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, elsewhere);
					QApplication::processEvents();
				}
			}
		}
		for (DailyCycleInputWidget * d : page->findChildren<DailyCycleInputWidget *>()) {
			if (!d->isVisible())
				continue;
			QTableWidget * table = d->findChild<QTableWidget *>();
			for (int row = 0; row < 24; ++row) {
				table->scrollToItem(table->item(row, 1));
				QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier,
								  table->visualItemRect(table->item(row, 1)).center());
			}
		}
	}
}


TEST_F(InputPagesClickThroughTest, EveryProjectSavesAsReadAfterEveryPageAndCellWasOpened) {
	const QString data = GuiTest::sourceDir() + "/tools/caldoryne-cli/tests/data/";
	struct Case { QString m_file; QStringList m_normalised; int m_messages; };
	// the writer embeds only the database items the project uses; a project whose climate file
	// is missing takes the first location of the list (after the message saying so)
	const Case cases[] = {
		{ example("DefaultRoom.rmxml"), { "EmbeddedDataBase" }, 0 },
		{ example("Office_SouthFacade.rmxml"), { "EmbeddedDataBase" }, 0 },
		{ data + "Office_ThreeDays.rmxml", { "EmbeddedDataBase" }, 0 },
		{ data + "Office_HotStart.rmxml", { "EmbeddedDataBase" }, 0 },
		{ data + "MissingClimate.rmxml", { "EmbeddedDataBase", "ClimateLocation" }, 1 },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_file.toStdString());
		const QString copy = m_dir + "/" + QFileInfo(c.m_file).fileName();
		QFile::remove(copy);
		ASSERT_TRUE(QFile::copy(c.m_file, copy));
		{
			Driver driver;
			driver.add(Driver::chooseFile(copy));
			for (int i = 0; i < c.m_messages; ++i)
				driver.add(Driver::press(QDialogButtonBox::Ok));
			m_window->buttonBar()->toolButtonLoad->click();
			ASSERT_EQ(int(driver.m_seen.size()), 1 + c.m_messages);
		}
		clickThroughEverything(*m_window);
		const QString saved = m_dir + "/saved_" + QFileInfo(c.m_file).fileName();
		save(saved);

		// the writer's own form of the file it read
		RM::Room room;
		room.readProjectFile(copy, *m_window->database());
		if (c.m_messages == 0) {
			const QString reference = m_dir + "/reference.rmxml";
			ASSERT_TRUE(room.writeProjectFile(reference, *m_window->database()));
			EXPECT_EQ(GuiTest::readBytes(saved), GuiTest::readBytes(reference));
		}
		// and the file as it was, but for what the writer normalises
		const std::multimap<QString, QString> before = leaves(GuiTest::readBytes(c.m_file), c.m_normalised);
		const std::multimap<QString, QString> after = leaves(GuiTest::readBytes(saved), c.m_normalised);
		EXPECT_EQ(before.size(), after.size());
		for (auto a = before.begin(), b = after.begin(); a != before.end() && b != after.end(); ++a, ++b) {
			EXPECT_EQ(a->first, b->first);
			EXPECT_EQ(a->second, b->second) << a->first.toStdString();
		}
	}
}

} // namespace
