// Load and control pages in the main window: a loaded example saves unchanged, edits on every
// page survive Save, New and Load, the moisture tab leaves its page alone, and a run sees the
// heating page's choice.
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <QLocale>
#include <QStackedWidget>
#include <QTableView>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimeEdit>
#include <QToolButton>
#include <QXmlStreamWriter>

#include <QtExt_Directories.h>
#include <QtExt_ValidatingLineEdit.h>
#include <RM_CaldoryneModelInterface.h>
#include <RM_Room.h>

#include "ButtonBar.h"
#include "DatabaseTestFixture.h"
#include "GuiTestHarness.h"
#include "MainWindowTest.h"
#include "ProjectDocument.h"
#include "RoomModelDialog.h"
#include "ScheduleInputWidget.h"
#include "ConstructionTableModel.h"
#include "TypedNumbers.h"
#include "UnkeptInput.h"

namespace {

using Driver = GuiTest::ModalDialogDriver;
using Edit = QtExt::ValidatingLineEdit;

QByteArray readFile(const QString & path) {
	QFile f(path);
	return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

using GuiTest::typeAndReturn;

template <typename T>
T * child(QWidget * parent, const char * name) {
	T * w = parent->findChild<T *>(name);
	EXPECT_NE(w, nullptr) << name;
	return w;
}

ScheduleInputWidget * scheduleEditorOf(QWidget * w) {
	for (QWidget * p = w->parentWidget(); p != nullptr; p = p->parentWidget())
		if (ScheduleInputWidget * s = qobject_cast<ScheduleInputWidget *>(p))
			return s;
	return nullptr;
}

/*! What a page shows: texts, current entries, pages, check states, table cells, titles
	and which widgets are hidden or disabled, keyed by class, name and position. */
std::map<QString, QString> shownState(QWidget * page) {
	std::map<QString, QString> state;
	std::map<QString, int> seen;
	for (QWidget * w : page->findChildren<QWidget *>()) {
		// Qt's own parts of scroll areas and tables come and go with their content
		const bool internal = w->objectName().isEmpty() || w->objectName().startsWith("qt_");
		if (internal && qobject_cast<QTableWidget *>(w) == nullptr)
			continue;
		// a schedule keeps only the values of its type: its editor shows the page of that type
		if (ScheduleInputWidget * s = scheduleEditorOf(w))
			if (!w->isVisibleTo(s))
				continue;
		const QString base = QString(w->metaObject()->className()) + ":" + w->objectName();
		const QString key = base + "#" + QString::number(seen[base]++);
		QString v = QString("%1%2 ").arg(w->isHidden() ? "hidden " : "").arg(w->isEnabled() ? "" : "disabled ");
		if (QLineEdit * e = qobject_cast<QLineEdit *>(w)) {
			// numbers as typed and as formatted by a refresh ("1777", "1,777") are one value
			bool ok = false;
			const double number = QLocale().toDouble(e->text(), &ok);
			v += ok ? QString::number(number) : e->text();
		}
		else if (QComboBox * c = qobject_cast<QComboBox *>(w))
			v += QString("%1/%2").arg(c->currentIndex()).arg(c->count());
		else if (QAbstractSpinBox * b = qobject_cast<QAbstractSpinBox *>(w))
			v += b->text();
		else if (QStackedWidget * s = qobject_cast<QStackedWidget *>(w))
			v += QString::number(s->currentIndex());
		else if (QGroupBox * g = qobject_cast<QGroupBox *>(w))
			v += g->title();
		else if (QListWidget * l = qobject_cast<QListWidget *>(w)) {
			for (int i = 0; i < l->count(); ++i)
				v += l->item(i)->checkState() == Qt::Checked ? "x" : "-";
		}
		else if (QTableWidget * t = qobject_cast<QTableWidget *>(w)) {
			for (int r = 0; r < t->rowCount(); ++r)
				for (int col = 0; col < t->columnCount(); ++col)
					v += (t->item(r, col) != nullptr ? t->item(r, col)->text() : QString()) + ";";
		}
		state[key] = v;
	}
	return state;
}

QString scheduleXml(const RM::Schedule & s) {
	QString xml;
	QXmlStreamWriter writer(&xml);
	s.writeXML(writer, true);
	return xml;
}

/*! Sets a schedule editor's type through its combo box and edits its values: the constant,
	or the first hour of a daily cycle, or 8760 pasted hourly values. */
void editSchedule(ScheduleInputWidget * s, int scheduleType, double value) {
	child<QComboBox>(s, "comboBoxType")->setCurrentIndex(scheduleType);
	const char * cycle = nullptr;
	switch (scheduleType) {
		case RM::Schedule::CONSTANT :
			typeAndReturn(child<Edit>(s, "lineEditConstantEdit"), QString::number(value));
			return;
		case RM::Schedule::DAILY_SEASONAL : cycle = "dailyCycleWinter"; break;
		case RM::Schedule::DAILY_WEEK : cycle = "dailyCycleWeekDay"; break;
		default : {
			QStringList values;
			for (int h = 0; h < 8760; ++h)
				values << QString::number(value + (h % 24));
			QApplication::clipboard()->setText(values.join('\n'));
			s->onPushButtonImportHourlyClicked();
			return;
		}
	}
	QTableWidget * table = child<QWidget>(s, cycle)->findChild<QTableWidget *>();
	ASSERT_NE(table, nullptr);
	table->item(0, 1)->setText(QString::number(value));
}

class LoadPagesWindowTest : public GuiTest::MainWindowTest {
protected:

	/*! New project through the button bar, discarding the edited one. */
	void newProject() {
		Driver driver;
		driver.add(Driver::press(QDialogButtonBox::Discard));
		m_window->buttonBar()->toolButtonNew->click();
	}

	std::map<QString, QString> allPagesShown() {
		std::map<QString, QString> all;
		for (int t = RoomModelDialog::TabHeating; t <= RoomModelDialog::TabMoistureLoads; ++t)
			for (const auto & kv : shownState(page(RoomModelDialog::InputTab(t))))
				all[QString::number(t) + "/" + kv.first] = kv.second;
		return all;
	}

	void save(const QString & path) {
		Driver driver;
		// a surface without construction is named before Save leaves it out
		if (!m_window->unkeptInput(true).isEmpty())
			driver.add(Driver::pressButton("Go on"));
		driver.add(Driver::chooseFile(path));
		driver.add(Driver::press(QDialogButtonBox::Ok));
		m_window->buttonBar()->toolButtonSave->click();
		ASSERT_EQ(m_window->project()->m_projectFilePath, path);
	}

	/*! Runs the project through the button bar, the run dialog accepted with its options off. */
	void run() {
		Driver driver;
		driver.add([](QWidget * w) {
			for (QAbstractButton * b : w->findChildren<QAbstractButton *>("checkBox"))
				b->setChecked(false);
			qobject_cast<QDialog *>(w)->accept();
		});
		m_window->buttonBar()->toolButtonUpdate->click();
		EXPECT_TRUE(m_window->model()->m_outputManager.m_resultsPresent);
	}

	/*! Chooses the construction type of the surface in its table cell as a user does: arrow
		keys in the cell's list, Return. */
	void chooseConstruction(int row, unsigned int id) {
		QTableView * view = child<QTableView>(page(RoomModelDialog::TabGeometry), "tableViewConstruction");
		QComboBox * combo = qobject_cast<QComboBox *>(
			GuiTest::openCellEditor(view, view->model()->index(row, ConstructionTableModel::ColConstruction)));
		ASSERT_NE(combo, nullptr);
		const int item = combo->findData(id);
		ASSERT_GE(item, 0);
		while (combo->currentIndex() > item)
			QTest::keyClick(combo, Qt::Key_Up);
		while (combo->currentIndex() < item)
			QTest::keyClick(combo, Qt::Key_Down);
		QTest::keyClick(combo, Qt::Key_Return);
		QApplication::processEvents();
	}

	/*! Loads the file through the Load button, an edited project discarded; a box about a
		replaced location is closed. */
	void loadThroughTheWindow(const QString & path) {
		Driver driver;
		if (!m_window->unkeptInput(true).isEmpty())
			driver.add(Driver::pressButton("Go on"));
		if (m_window->isProjectModified())
			driver.add(Driver::press(QDialogButtonBox::Discard));
		driver.add(Driver::chooseFile(path));
		m_window->buttonBar()->toolButtonLoad->click();
		EXPECT_EQ(driver.pending(), 0);
		ASSERT_EQ(m_window->project()->m_projectFilePath, path);
	}

	static QStringList examples() {
		const QString dir = QtExt::Directories::databasesDir() + "/examples/";
		return { dir + "DefaultRoom.rmxml", dir + "Office_SouthFacade.rmxml" };
	}

};


TEST_F(LoadPagesWindowTest, FreshStartShowsTheDefaultRoom) {
	newProject();
	EXPECT_EQ(child<QComboBox>(page(RoomModelDialog::TabHeating), "comboBoxHeatingType")->currentText(),
			  "Heating with thermostat");
	EXPECT_EQ(m_window->project()->m_heatingModel.m_modelType, 1);
}


TEST_F(LoadPagesWindowTest, LoadedExampleSavesAsTheCommandLineRoundTripWritesIt) {
	for (const QString & example : examples()) {
		SCOPED_TRACE(example.toStdString());
		ASSERT_TRUE(m_window->loadProject(example, true));
		const QString saved = m_dir + "/" + QFileInfo(example).fileName();
		save(saved);

		RM::Room room;
		room.readProjectFile(example, *m_window->database());
		const QString reference = m_dir + "/reference.rmxml";
		ASSERT_TRUE(room.writeProjectFile(reference, *m_window->database()));
		EXPECT_EQ(readFile(saved), readFile(reference));
	}
}


TEST_F(LoadPagesWindowTest, EditsOnEveryPageSurviveSaveNewAndLoad) {
	using T = RoomModelDialog;
	for (const QString & example : examples()) {
		SCOPED_TRACE(example.toStdString());
		ASSERT_TRUE(m_window->loadProject(example, true));
		// the shading page shows the record only without a rule-based assessment
		m_window->document()->setDinMode(false);
		const RM::Room loaded = *m_window->project();

		// heating: power, winter profile, then the other type
		QWidget * p = page(T::TabHeating);
		child<QComboBox>(p, "comboBoxHeatingType")->setCurrentIndex(1);
		typeAndReturn(child<Edit>(p, "lineEditMaxLoad"), "1777");
		editSchedule(child<ScheduleInputWidget>(p, "scheduleWidget"), RM::Schedule::DAILY_SEASONAL, 16.5);
		child<QComboBox>(p, "comboBoxHeatingType")->setCurrentIndex(loaded.m_heatingModel.m_modelType == 1 ? 0 : 1);

		// cooling: an annual set-point series and a constant humidity
		p = page(T::TabCooling);
		child<QComboBox>(p, "comboBoxType")->setCurrentIndex(1);
		typeAndReturn(child<Edit>(p, "lineEditMaxLoad"), "999");
		editSchedule(child<ScheduleInputWidget>(p, "scheduleWidgetSetPoints"), RM::Schedule::ANNUAL, 24);
		editSchedule(child<ScheduleInputWidget>(p, "scheduleWidgetRHSetPoints"), RM::Schedule::CONSTANT, 55);
		child<QComboBox>(p, "comboBoxType")->setCurrentIndex(loaded.m_coolingModel.m_modelType == 1 ? 0 : 1);

		// mechanical ventilation: both editors, heat recovery and supply values
		p = page(T::TabMechanicalVentilation);
		child<QComboBox>(p, "comboBoxType")->setCurrentIndex(2);
		editSchedule(child<ScheduleInputWidget>(p, "scheduleWidgetSetPoints"), RM::Schedule::DAILY_WEEK, 27);
		editSchedule(child<ScheduleInputWidget>(p, "scheduleWidgetFlowRates"), RM::Schedule::CONSTANT, 45);
		typeAndReturn(child<Edit>(p, "lineEditSupplyTemperature"), "17.5");
		typeAndReturn(child<Edit>(p, "lineEditSupplyFlowRate"), "150");
		child<QComboBox>(p, "comboBoxType")->setCurrentIndex(1);
		typeAndReturn(child<Edit>(p, "lineEditHeatRecoveryEfficiency"), "65");
		typeAndReturn(child<Edit>(p, "lineEditHeatRecoverySetpoint"), "24");
		child<QComboBox>(p, "comboBoxType")->setCurrentIndex(loaded.m_mechanicalVentilationModel.m_modelType == 2 ? 1 : 2);

		// natural ventilation: usage time values, occupancy time and the air change schedule
		p = page(T::TabInfiltration);
		child<QComboBox>(p, "comboBoxType")->setCurrentIndex(3);
		typeAndReturn(child<Edit>(p, "lineEditBaseVentilationRateDIN"), "0.6");
		typeAndReturn(child<Edit>(p, "lineEditTemperatureDifferenceNight"), "3");
		child<QTimeEdit>(p, "timeEditStart")->setTime(QTime(5, 30));
		emit child<QTimeEdit>(p, "timeEditStart")->editingFinished();
		editSchedule(child<ScheduleInputWidget>(p, "scheduleWidget"), RM::Schedule::CONSTANT, 0.9);
		child<QComboBox>(p, "comboBoxType")->setCurrentIndex(loaded.m_naturalVentilationModel.m_modelType == 2 ? 3 : 2);

		// gains, moisture and shading
		p = page(T::TabEquipment);
		editSchedule(child<ScheduleInputWidget>(p, "scheduleWidget"), RM::Schedule::DAILY_WEEK, 7.5);
		child<QListWidget>(p, "listWidgetWeekEndDays")->item(4)->setCheckState(Qt::Checked);
		p = page(T::TabOccupancy);
		typeAndReturn(child<Edit>(p, "lineEditPersonLoad"), "77");
		editSchedule(child<ScheduleInputWidget>(p, "scheduleWidget"), RM::Schedule::DAILY_SEASONAL, 1.5);
		p = page(T::TabMoistureLoads);
		editSchedule(child<ScheduleInputWidget>(p, "scheduleWidget"), RM::Schedule::ANNUAL, 30);
		p = page(T::TabShadingControl);
		child<QComboBox>(p, "comboBoxType")->setCurrentIndex(1);
		editSchedule(child<ScheduleInputWidget>(p, "scheduleWidget"), RM::Schedule::CONSTANT, 0.5);
		child<QComboBox>(p, "comboBoxType")->setCurrentIndex(2);
		typeAndReturn(child<Edit>(p, "lineEditMaxRadIntensityNorth"), "333");
		child<QComboBox>(p, "comboBoxType")->setCurrentIndex(loaded.m_shadingControlModel.m_modelType == 1 ? 2 : 1);

		const std::map<QString, QString> edited = allPagesShown();
		const QString saved = m_dir + "/edited.rmxml";
		save(saved);
		newProject();
		ASSERT_NE(allPagesShown(), edited);
		{
			Driver driver;
			driver.add(Driver::chooseFile(saved));
			m_window->buttonBar()->toolButtonLoad->click();
		}
		const std::map<QString, QString> reloaded = allPagesShown();
		ASSERT_EQ(reloaded.size(), edited.size());
		for (const auto & kv : edited)
			EXPECT_EQ(reloaded.at(kv.first), kv.second) << kv.first.toStdString();

		// the values reached the file
		const RM::Room & r = *m_window->project();
		EXPECT_EQ(r.m_heatingModel.m_maxPower, 1777);
		EXPECT_EQ(r.m_coolingModel.m_setPoints.m_type, int(RM::Schedule::ANNUAL));
		EXPECT_EQ(r.m_coolingModel.m_setPoints.m_annualValues.at(25), 25);
		EXPECT_DOUBLE_EQ(r.m_mechanicalVentilationModel.m_heatRecoveryEfficiency, 0.65);
		EXPECT_EQ(r.m_naturalVentilationModel.m_occupancyStartTime, QTime(5, 30));
		EXPECT_TRUE(r.m_userLoads.m_equipmentLoad.m_weekEndDays[4]);
		EXPECT_EQ(r.m_userLoads.m_personLoad, 77);
		EXPECT_EQ(r.m_shadingControlModel.m_maxRadiationIntensityNorth, 333);
	}
}


TEST_F(LoadPagesWindowTest, MoistureBalanceOffAndOnKeepsPageAndRecord) {
	ASSERT_TRUE(m_window->loadProject(examples()[1], true));
	ASSERT_TRUE(m_window->project()->m_moistureBalanceEnabled);
	QWidget * moisture = page(RoomModelDialog::TabMoistureLoads);
	editSchedule(child<ScheduleInputWidget>(moisture, "scheduleWidget"), RM::Schedule::DAILY_WEEK, 42);
	const std::map<QString, QString> shown = shownState(moisture);
	const QString record = scheduleXml(m_window->project()->m_moistureLoads.m_moistureLoad);

	QCheckBox * box = child<QCheckBox>(page(RoomModelDialog::TabAdvancedSettings), "checkBoxEnableMoistureBalance");
	box->setChecked(false);
	EXPECT_EQ(m_window->inputTabs()->indexOf(moisture), -1);
	box->setChecked(true);
	EXPECT_EQ(m_window->inputTabs()->indexOf(moisture), m_window->inputTabs()->count() - 2);
	EXPECT_EQ(shownState(moisture), shown);
	EXPECT_EQ(scheduleXml(m_window->project()->m_moistureLoads.m_moistureLoad), record);
}


TEST_F(LoadPagesWindowTest, ShadingTabFollowsTheLoadedAssessment) {
	QTabWidget * tabs = m_window->inputTabs();
	const int shading = tabs->indexOf(page(RoomModelDialog::TabShadingControl));
	ASSERT_TRUE(m_window->loadProject(examples()[1], true));	// active, rule-based shading
	EXPECT_FALSE(tabs->isTabEnabled(shading));
	ASSERT_TRUE(m_window->loadProject(examples()[0], true));
	EXPECT_TRUE(tabs->isTabEnabled(shading));
}


TEST_F(LoadPagesWindowTest, YearRunWithoutHeatingReportsNoHeatingEnergy) {
	newProject();
	ASSERT_EQ(m_window->project()->m_simulationEndTime, 8760*3600.0);
	const auto heatingEnergy = [this]() {
		run();
		return m_window->model()->m_outputManager.m_fluxIntegrals[RM::OutputManager::RF_Heating];
	};
	// the default room is heated through the winter; without heating nothing is supplied
	QComboBox * heatingType = child<QComboBox>(page(RoomModelDialog::TabHeating), "comboBoxHeatingType");
	ASSERT_EQ(heatingType->currentIndex(), 1);
	EXPECT_GT(heatingEnergy(), 0);
	heatingType->setCurrentIndex(0);
	EXPECT_EQ(heatingEnergy(), 0);
}

TEST_F(LoadPagesWindowTest, CommercialPresetRunsTheSameAfterSaveAndLoad) {
	newProject();
	ASSERT_TRUE(GuiTest::showActive(m_window.get()));
	m_window->inputTabs()->setCurrentWidget(page(RoomModelDialog::TabGeometry));
	// a height whose preset rate 4/h has more digits than the file keeps
	typeAndReturn(child<Edit>(page(RoomModelDialog::TabGeometry), "lineEditHeight"), "3");
	ASSERT_EQ(m_window->project()->m_height, 3);
	QWidget * natural = page(RoomModelDialog::TabInfiltration);
	m_window->inputTabs()->setCurrentWidget(natural);
	child<QComboBox>(natural, "comboBoxType")->setCurrentIndex(RM::NaturalVentilationModel::MANAGED);
	child<QAbstractButton>(natural, "pushButtonCommercialDefaults")->click();
	const auto roomStates = [this]() {
		run();
		return m_window->model()->m_outputManager.m_roomStateSeries;
	};
	// ten days are enough: the base rate acts in every hour (the run length is a setting of
	// the project file that the window does not offer)
	m_window->project()->m_simulationEndTime = 10*86400.0;
	const auto before = roomStates();
	const double rate = m_window->project()->m_naturalVentilationModel.m_baseAirChangeRate;
	EXPECT_DOUBLE_EQ(rate, 1.33333);

	const QString path = m_dir + "/commercial.rmxml";
	save(path);
	{
		Driver driver;
		driver.add(Driver::chooseFile(path));
		m_window->buttonBar()->toolButtonLoad->click();
	}
	EXPECT_EQ(m_window->project()->m_naturalVentilationModel.m_baseAirChangeRate, rate);
	ASSERT_EQ(m_window->project()->m_simulationEndTime, 10*86400.0);
	const auto after = roomStates();
	ASSERT_FALSE(before[0].empty());
	EXPECT_TRUE(before == after) << "Save and Load changed the results";
}


TEST_F(LoadPagesWindowTest, NoConstructionAndBackKeepsTheRow) {
	newProject();
	ASSERT_TRUE(GuiTest::showActive(m_window.get()));
	m_window->inputTabs()->setCurrentWidget(page(RoomModelDialog::TabGeometry));
	QTableView * view = child<QTableView>(page(RoomModelDialog::TabGeometry), "tableViewConstruction");
	QAbstractItemModel * model = view->model();
	RM::RoomConstruction & rc = m_window->project()->m_constructions[0];
	ASSERT_NE(rc.m_windowId, 0u);
	const RM::RoomConstruction kept = rc;
	// the user's own orientation, then the slip to "No Construction" and back
	GuiTest::typeIntoCell(view, model->index(0, ConstructionTableModel::ColOrientation), "135", Qt::Key_Return);
	ASSERT_EQ(rc.m_orientation, 135);
	chooseConstruction(0, 0);
	EXPECT_EQ(rc.m_constructionId, 0u);
	EXPECT_FALSE(model->index(0, ConstructionTableModel::ColArea).data().isValid());
	chooseConstruction(0, kept.m_constructionId);
	EXPECT_EQ(rc.m_constructionId, kept.m_constructionId);
	EXPECT_EQ(rc.m_AW, kept.m_AW);
	EXPECT_EQ(rc.m_AF, kept.m_AF);
	EXPECT_EQ(rc.m_orientation, 135);
	EXPECT_EQ(rc.m_windowId, kept.m_windowId);
	EXPECT_EQ(rc.m_shadingTypeId, kept.m_shadingTypeId);
	EXPECT_EQ(rc.m_type, kept.m_type);
	EXPECT_EQ(model->index(0, ConstructionTableModel::ColArea).data().toString(),
		QLocale().toString(kept.m_AW + kept.m_AF, 'f', 2));
}


TEST_F(LoadPagesWindowTest, SaveLoadAndSaveAgainWriteTheSameFile) {
	// every shipped and test project the reader takes (the others are refused at Load)
	const QStringList refused = { "Office_NanGammaRad.rmxml", "gammarad_inf.rmxml", "tinitial_nan.rmxml",
								  "embedded_id_at_top.rmxml" };
	struct Case {
		QString					m_name;
		std::function<void()>	m_open;
	};
	std::vector<Case> cases;
	for (const char * folder : { "resources/examples", "tools/caldoryne-cli/tests/data", "fuzz/corpus/project",
								 "fuzz/regressions/project" }) {
		const QDir dir(GuiTest::sourceDir() + "/" + folder);
		for (const QString & name : dir.entryList({ "*.rmxml" }, QDir::Files, QDir::Name))
			if (!refused.contains(name)) {
				const QString path = dir.absoluteFilePath(name);
				cases.push_back({ folder + QString("/") + name, [this, path]() { loadThroughTheWindow(path); } });
			}
	}
	ASSERT_GE(cases.size(), 12u);
	// the default room with its windowed outside wall set to "No Construction"
	cases.push_back({ "default room, surface 0 without construction", [this]() {
		newProject();
		ASSERT_TRUE(GuiTest::showActive(m_window.get()));
		m_window->inputTabs()->setCurrentWidget(page(RoomModelDialog::TabGeometry));
		chooseConstruction(0, 0);
		ASSERT_EQ(m_window->project()->m_constructions[0].m_constructionId, 0u);
	} });

	const QString first = m_dir + "/first.rmxml";
	const QString second = m_dir + "/second.rmxml";
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_name.toStdString());
		c.m_open();
		QFile::remove(first);
		QFile::remove(second);
		save(first);
		loadThroughTheWindow(first);
		save(second);
		const QByteArray written = readFile(first);
		ASSERT_FALSE(written.isEmpty());
		EXPECT_EQ(QString::fromUtf8(readFile(second)), QString::fromUtf8(written));
	}
}

} // namespace
