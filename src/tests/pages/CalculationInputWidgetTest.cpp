// Geometry and climate page: each edit typed and finished with Return changes its room value
// with the page's conversion; refused entries leave the room alone; the location list, the
// loading of the chosen climate file and its info text.
#include <gtest/gtest.h>

#include <BVX_Exception.h>

#include "DatabaseTestFixture.h"
#include "GuiTestHarness.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QWheelEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QToolButton>

#include <QtExt_Directories.h>
#include <QtExt_UserNumber.h>
#include <QtExt_LanguageHandler.h>
#include <QtExt_ValidatingLineEdit.h>
#include <RM_Climate.h>
#include <RM_Room.h>

#include "CalculationInputWidget.h"
#include "ConstructionTableModel.h"
#include "DIN4108_2SettingsWidget.h"
#include "ProjectDocument.h"

namespace {

/*! A tool tip as the user reads it: rich text as its plain text, other text as it is. */
QString shownToolTip(const QString & tip) {
	return Qt::mightBeRichText(tip) ? QTextDocumentFragment::fromHtml(tip).toPlainText() : tip;
}

const QString POTSDAM = "Europe/Germany/TRY2011/DE-04-TRY-2010__Potsdam__Jahr_00000K0_00081m.c6b";

/*! Copies a shipped c6b file with some header strings replaced ("KEY=value" entries). */
void writeC6bWithHeader(const QString & source, const QString & target, const std::map<std::string, std::string> & replaced) {
	std::ifstream in(source.toStdString(), std::ios::binary);
	const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
	ASSERT_GT(bytes.size(), 20u);
	std::size_t pos = 16;		// magic numbers, version, reserved
	std::uint32_t count = 0;
	std::memcpy(&count, bytes.data() + pos, 4);
	pos += 4;
	std::string header;
	for (std::uint32_t i = 0; i < count; ++i) {
		std::uint32_t len = 0;
		std::memcpy(&len, bytes.data() + pos, 4);
		std::string entry = bytes.substr(pos + 4, len);
		pos += 4 + len;
		const std::string key = entry.substr(0, entry.find('='));
		if (replaced.count(key))
			entry = key + "=" + replaced.at(key);
		const std::uint32_t newLen = std::uint32_t(entry.size());
		header.append(reinterpret_cast<const char *>(&newLen), 4);
		header += entry;
	}
	QDir().mkpath(QFileInfo(target).absolutePath());
	std::ofstream out(target.toStdString(), std::ios::binary);
	out << bytes.substr(0, 20) << header << bytes.substr(pos);
}

/*! Copies a shipped annual c6b file with some direct normal radiation values (hour index -> W/m2) replaced. */
void writeC6bWithDirectNormal(const QString & source, const QString & target, const std::map<unsigned int, double> & values) {
	std::ifstream in(source.toStdString(), std::ios::binary);
	std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
	ASSERT_GT(bytes.size(), 20u);
	std::uint32_t count = 0;
	std::memcpy(&count, bytes.data() + 16, 4);
	std::size_t pos = 20;
	for (std::uint32_t i = 0; i < count; ++i) {
		std::uint32_t len = 0;
		std::memcpy(&len, bytes.data() + pos, 4);
		pos += 4 + len;
	}
	// vectors of temperature and humidity, then the count of the direct normal radiation
	const std::size_t directNormal = pos + 2 * (4 + 8760 * 8) + 4;
	ASSERT_LE(directNormal + 8760 * 8, bytes.size());
	for (const auto & v : values)
		std::memcpy(&bytes[directNormal + 8 * v.first], &v.second, 8);
	QDir().mkpath(QFileInfo(target).absolutePath());
	std::ofstream out(target.toStdString(), std::ios::binary);
	out << bytes;
}

class CalculationInputTest : public ::testing::Test {
protected:
	void SetUp() override {
		GuiTest::clearSettings();
		QLocale::setDefault(QLocale::c());
		GuiTest::fillTestDatabase(m_db);
		m_room.m_constructions.assign(2, RM::RoomConstruction());
		m_room.m_constructions[0].m_constructionId = 1;
		m_room.m_climateDataPath = POTSDAM;
		setBaseline();
		m_page.reset(new CalculationInputWidget(nullptr, &m_db, &m_climate, &m_room));
		// the mode switch as the main window wires it: the document switches, the page shows
		QObject::connect(m_page.get(), &CalculationInputWidget::calculationModeChosen,
						 &m_document, &ProjectDocument::setDinMode);
		QObject::connect(&m_document, &ProjectDocument::dinModeChanged,
						 m_page.get(), &CalculationInputWidget::showSwitchedMode);
		m_page->updateInput();
	}
	void TearDown() override {
		QLocale::setDefault(QLocale::c());
		QDir(userClimateDir()).removeRecursively();
	}

	void setBaseline() {
		m_room.m_area = 20;
		m_room.m_height = 2.5;
		m_room.m_additionalMass = 100;
		m_room.m_additionalMassHeatCapacity = 1000;
		m_room.m_albedo = 0.2;
	}
	static QString userClimateDir() { return QtExt::Directories::userDataDir() + "/DB_climate"; }

	QtExt::ValidatingLineEdit * edit(const char * name) const {
		return m_page->findChild<QtExt::ValidatingLineEdit *>(name);
	}
	QComboBox * locations() const { return m_page->findChild<QComboBox *>("comboBoxLocation"); }
	QString info() const { return m_page->findChild<QTextBrowser *>("textBrowserClimateDataInfo")->toPlainText(); }

	ProjectDocument							m_document;
	RM::Database &							m_db = m_document.database();
	RM::Climate &							m_climate = m_document.climate();
	RM::Room &								m_room = m_document.room();
	std::unique_ptr<CalculationInputWidget>	m_page;
};


TEST_F(CalculationInputTest, AcceptedEntriesAreStoredAndShown) {
	struct Case {
		const char *	m_edit;
		bool			m_german;
		const char *	m_typed;
		double			RM::Room::* m_member;
		double			m_stored;
		const char *	m_shown;	// text of the edit afterwards
		const char *	m_volume;	// text of the volume afterwards
	};
	const Case cases[] = {
		// a new area or height rewrites the volume with 3 decimals; the edit keeps the text
		{ "lineEditArea", false, "30", &RM::Room::m_area, 30, "30", "75.000" },
		{ "lineEditArea", true, "12,5", &RM::Room::m_area, 12.5, "12,5", "31,250" },
		{ "lineEditArea", false, "0.000001", &RM::Room::m_area, 1e-6, "0.000001", "0.000" },
		{ "lineEditHeight", false, "1000", &RM::Room::m_height, 1000, "1000", "20000.000" },
		{ "lineEditHeight", false, "0.000001", &RM::Room::m_height, 1e-6, "0.000001", "0.000" },
		// the same area again: nothing is written, the volume keeps its shorter form
		{ "lineEditArea", false, "20.0", &RM::Room::m_area, 20, "20.0", "50" },
		{ "lineEditExtraMass", false, "250", &RM::Room::m_additionalMass, 250, "250.0", "50" },
		{ "lineEditExtraMass", true, "1000000", &RM::Room::m_additionalMass, 1e6, "1000000,0", "50" },
		// the same mass again: shown in the field's format, as every accepted entry
		{ "lineEditExtraMass", false, "100.00", &RM::Room::m_additionalMass, 100, "100.0", "50" },
		{ "lineEditCapacity", false, "0", &RM::Room::m_additionalMassHeatCapacity, 0, "0.0", "50" },
		{ "lineEditCapacity", true, "840,75", &RM::Room::m_additionalMassHeatCapacity, 840.75, "840,8", "50" },
		// the albedo is rewritten even when unchanged
		{ "lineEditAlbedo", false, "0.20", &RM::Room::m_albedo, 0.2, "0.2", "50" },
		{ "lineEditAlbedo", true, "0,35", &RM::Room::m_albedo, 0.35, "0,35", "50" },
		{ "lineEditAlbedo", false, "1", &RM::Room::m_albedo, 1, "1", "50" },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(std::string(c.m_edit) + " " + c.m_typed);
		GuiTest::ScopedLocale locale(c.m_german ? QLocale::German : QLocale::C);
		setBaseline();
		m_page->updateInput();
		GuiTest::typeAndReturn(edit(c.m_edit), c.m_typed);
		EXPECT_DOUBLE_EQ(m_room.*c.m_member, c.m_stored);
		EXPECT_EQ(edit(c.m_edit)->text(), QString(c.m_shown));
		EXPECT_EQ(edit("lineEditVolume")->text(), QString(c.m_volume));
		EXPECT_TRUE(edit(c.m_edit)->isValid());
	}
}


TEST_F(CalculationInputTest, LeavingAFieldThatShowsARoundedValueKeepsTheStoredValue) {
	struct Case {
		const char *	m_edit;
		double			RM::Room::* m_member;
		double			m_stored;
		const char *	m_typed;	// empty: the loaded value is left as shown
	};
	const Case cases[] = {
		{ "lineEditExtraMass", &RM::Room::m_additionalMass, 0.25, "" },
		{ "lineEditCapacity", &RM::Room::m_additionalMassHeatCapacity, 840.75, "" },
		{ "lineEditExtraMass", &RM::Room::m_additionalMass, 0.25, "0.25" },
		{ "lineEditCapacity", &RM::Room::m_additionalMassHeatCapacity, 840.75, "840.75" },
	};
	m_page->show();
	ASSERT_TRUE(QTest::qWaitForWindowExposed(m_page.get()));
	for (const Case & c : cases) {
		SCOPED_TRACE(std::string(c.m_edit) + " '" + c.m_typed + "'");
		setBaseline();
		m_room.*c.m_member = c.m_stored;
		m_page->updateInput();
		if (*c.m_typed == 0)
			QTest::mouseClick(edit(c.m_edit), Qt::LeftButton);
		else
			GuiTest::typeAndReturn(edit(c.m_edit), c.m_typed);
		ASSERT_TRUE(edit(c.m_edit)->hasFocus());
		// the field shows one decimal; the focus moves on by a click into another field
		QTest::mouseClick(edit("lineEditArea"), Qt::LeftButton);
		EXPECT_FALSE(edit(c.m_edit)->hasFocus());
		EXPECT_EQ(m_room.*c.m_member, c.m_stored);
	}
}


TEST_F(CalculationInputTest, RefusedEntriesLeaveTheRoomAndMarkTheField) {
	const char * area = "Area must be a valid size in [m<sup>2</sup>] (higher than 0.001 mm<sup>2</sup>).";
	const char * height = "Height must be a valid size in [m] (between 0.001 mm and 1000 m).";
	const char * mass = "Thermal storage mass must be a value between 0 and 1000000 kg (1000 tons).";
	const char * capacity = "Thermal storage capacity must be a value between 0 and 1000 kJ/kgK.";
	const char * albedo = "Albedo must be a number between 0 and 1 (0 and 100 %%).";
	struct Case { const char * m_edit; const char * m_typed; const char * m_tip; };
	const Case cases[] = {
		{ "lineEditArea", "0", area }, { "lineEditArea", "0.0000009", area }, { "lineEditArea", "nan", area },
		{ "lineEditHeight", "0", height }, { "lineEditHeight", "1000.001", height }, { "lineEditHeight", "abc", height },
		{ "lineEditExtraMass", "-0.1", mass }, { "lineEditExtraMass", "1000000.1", mass },
		{ "lineEditCapacity", "inf", capacity }, { "lineEditCapacity", "-1", capacity },
		{ "lineEditAlbedo", "1.01", albedo }, { "lineEditAlbedo", "-0.01", albedo }, { "lineEditAlbedo", "nan", albedo },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(std::string(c.m_edit) + " " + c.m_typed);
		setBaseline();
		m_page->updateInput();
		GuiTest::typeAndReturn(edit(c.m_edit), c.m_typed);
		EXPECT_EQ(m_room.m_area, 20);
		EXPECT_EQ(m_room.m_height, 2.5);
		EXPECT_EQ(m_room.m_additionalMass, 100);
		EXPECT_EQ(m_room.m_additionalMassHeatCapacity, 1000);
		EXPECT_EQ(m_room.m_albedo, 0.2);
		EXPECT_EQ(edit("lineEditVolume")->text(), "50");
		EXPECT_FALSE(edit(c.m_edit)->isValid());
		EXPECT_EQ(edit(c.m_edit)->text(), QString(c.m_typed));
		// a text that is no number: the number reader's reason, else the field's range
		const QString reason = QtExt::refusedNumberMessage(c.m_typed);
		EXPECT_EQ(edit(c.m_edit)->toolTip(), reason.isEmpty() ? CalculationInputWidget::tr(c.m_tip) : reason);
	}
}


TEST_F(CalculationInputTest, UpdateInputFormatsTheRoom) {
	GuiTest::ScopedLocale german(QLocale::German);
	m_room.m_area = 12.25;
	m_room.m_height = 2.6;
	m_room.m_additionalMass = 12.34;
	m_room.m_albedo = 0.125;
	m_page->updateInput();
	EXPECT_EQ(edit("lineEditArea")->text(), "12,25");
	EXPECT_EQ(edit("lineEditHeight")->text(), "2,6");
	EXPECT_EQ(edit("lineEditVolume")->text(), "31,85");
	EXPECT_EQ(edit("lineEditExtraMass")->text(), "12,3");
	EXPECT_EQ(edit("lineEditCapacity")->text(), "1000,0");
	EXPECT_EQ(edit("lineEditAlbedo")->text(), "0,125");
	EXPECT_TRUE(edit("lineEditVolume")->isReadOnly());
}


TEST_F(CalculationInputTest, LocationsSortedAndTheProjectsOneLoaded) {
	QComboBox * combo = locations();
	ASSERT_EQ(combo->count(), m_climate.climateDataFiles().size());
	for (int i = 1; i < combo->count(); ++i) {
		const auto prev = std::make_pair(combo->itemText(i - 1), combo->itemData(i - 1).toString());
		const auto cur = std::make_pair(combo->itemText(i), combo->itemData(i).toString());
		EXPECT_LT(prev, cur) << i;
	}
	EXPECT_EQ(combo->currentData().toString(), POTSDAM);
	EXPECT_EQ(m_climate.m_currentClimateDataFile, POTSDAM);
	// the shipped header in the info view
	const QString text = info();
	EXPECT_TRUE(text.contains("City/Country: Potsdam/DEU, Source: DWD/BBSR test reference year")) << text.toStdString();
	EXPECT_TRUE(text.contains("Longitude: 13.07 Deg, Latitude: 52.38 Deg")) << text.toStdString();
	EXPECT_TRUE(text.contains("Average year of TRY region 4, station Potsdam")) << text.toStdString();

	// choosing another one loads it at once and tells the window
	QSignalSpy loads(m_page.get(), &CalculationInputWidget::loadsChanged);
	const int region = m_room.m_din4108_2Assessment.m_climateRegion;
	const int other = combo->findData("Europe/Germany/DIN4108_2/DIN4108_2_Region_C.c6b");
	ASSERT_NE(other, -1);
	combo->setCurrentIndex(other);
	EXPECT_EQ(loads.count(), 1);
	EXPECT_EQ(m_climate.m_currentClimateDataFile, combo->itemData(other).toString());
	EXPECT_TRUE(info().contains("Region C/DEU"));
	// user-defined mode leaves the DIN region alone
	EXPECT_EQ(m_room.m_din4108_2Assessment.m_climateRegion, region);
}


TEST_F(CalculationInputTest, DinModeListsTheDinFilesAndFollowsTheRegion) {
	RM::DIN4108_2Assessment & din = m_room.m_din4108_2Assessment;
	din.m_active = true;
	din.m_climateRegion = 2;
	m_room.m_climateDataPath = "Europe/Germany/DIN4108_2/DIN4108_2_Region_C.c6b";
	m_page->updateInput();
	QComboBox * combo = locations();
	ASSERT_EQ(combo->count(), 3);
	for (int i = 0; i < 3; ++i)
		EXPECT_TRUE(combo->itemData(i).toString().contains("DIN4108_2")) << i;
	EXPECT_EQ(combo->currentIndex(), 2);
	EXPECT_EQ(m_climate.m_currentClimateDataFile, m_room.m_climateDataPath);

	// the page sets the region from the city "Region B"
	const int regionB = combo->findData("Europe/Germany/DIN4108_2/DIN4108_2_Region_B.c6b");
	ASSERT_NE(regionB, -1);
	combo->setCurrentIndex(regionB);
	EXPECT_EQ(din.m_climateRegion, 1);

	// back in user-defined mode the region is left alone
	din.m_active = false;
	din.m_climateRegion = 2;
	m_page->updateInput();
	EXPECT_GT(combo->count(), 3);
	combo->setCurrentIndex(combo->findData("Europe/Germany/DIN4108_2/DIN4108_2_Region_B.c6b"));
	EXPECT_EQ(din.m_climateRegion, 2);
}


TEST_F(CalculationInputTest, MissingLocationLoadsTheFirstEntry) {
	m_room.m_climateDataPath = "Europe/Nowhere/missing.c6b";
	GuiTest::ModalDialogDriver driver;
	QSignalSpy loads(m_page.get(), &CalculationInputWidget::loadsChanged);
	m_page->updateInput();
	// the window tells the user (or logs, for a silent load)
	EXPECT_TRUE(driver.m_seen.empty());
	EXPECT_EQ(m_page->replacedLocation(), "Europe/Nowhere/missing.c6b");
	EXPECT_EQ(locations()->currentIndex(), 0);
	EXPECT_EQ(m_climate.m_currentClimateDataFile, locations()->itemData(0).toString());
	EXPECT_EQ(loads.count(), 1);
}


TEST_F(CalculationInputTest, FailingFileKeepsTheProjectsLocation) {
	// catalogued while intact, broken before it is chosen
	const QString broken = userClimateDir() + "/Test/Broken.c6b";
	writeC6bWithHeader(QtExt::Directories::databasesDir() + "/DB_climate/" + POTSDAM, broken, {});
	CalculationInputWidget page(nullptr, &m_db, &m_climate, &m_room);
	page.updateInput();
	QFile::resize(broken, 100);

	QComboBox * combo = page.findChild<QComboBox *>("comboBoxLocation");
	const int index = combo->findData("Test/Broken.c6b");
	ASSERT_NE(index, -1);
	GuiTest::ModalDialogDriver driver;
	driver.add(GuiTest::ModalDialogDriver::press(QDialogButtonBox::Ok));
	QSignalSpy loads(&page, &CalculationInputWidget::loadsChanged);
	const RM::Room before = m_room;
	combo->setCurrentIndex(index);
	ASSERT_EQ(driver.m_seen.size(), 1u);
	EXPECT_EQ(driver.m_seen[0].m_title, "Error loading climatic data");
	// the reader's reason follows
	const QString & text = driver.m_seen[0].m_text;
	EXPECT_TRUE(text.startsWith(QString("Could not load climatic data in directory 'Test/Broken.c6b', see error log '%1' for details!\n\n")
								.arg(QtExt::Directories::globalLogFile()))) << text.toStdString();
	EXPECT_TRUE(text.contains("Unexpected end of stream")) << text.toStdString();
	EXPECT_EQ(loads.count(), 0);
	EXPECT_EQ(m_room.m_climateDataPath, before.m_climateDataPath);
	EXPECT_EQ(combo->currentData().toString(), POTSDAM) << "the list shows the project's location again";
	EXPECT_TRUE(page.findChild<QTextBrowser *>("textBrowserClimateDataInfo")->toPlainText().isEmpty());
}


TEST_F(CalculationInputTest, HeaderTextsAreEscapedInTheInfo) {
	// the city in the current language; "<" and "&" shown as they are
	const QString odd = userClimateDir() + "/Test/Odd.c6b";
	writeC6bWithHeader(QtExt::Directories::databasesDir() + "/DB_climate/" + POTSDAM, odd,
		{ { "CITY", "en:A<b>&amp;|de:B<i>" }, { "COUNTRY", "D&D" }, { "COMMENT", "x < y & <b>z</b>" } });
	m_room.m_climateDataPath = "Test/Odd.c6b";
	for (const char * lang : { "en", "de" }) {
		QtExt::LanguageHandler::setLangId(lang);
		CalculationInputWidget page(nullptr, &m_db, &m_climate, &m_room);
		page.updateInput();
		const QString text = page.findChild<QTextBrowser *>("textBrowserClimateDataInfo")->toPlainText();
		const QString city = QString(lang) == "en" ? "A<b>&amp;" : "B<i>";
		EXPECT_TRUE(text.contains("City/Country: " + city + "/D&D, Source: DWD/BBSR")) << text.toStdString();
		EXPECT_TRUE(text.contains("x < y & <b>z</b>")) << text.toStdString();
	}
	QtExt::LanguageHandler::setLangId("en");
}


TEST_F(CalculationInputTest, InfoCountsTheRepairedHoursOfTheFile) {
	// 16 Feb 08:00 and 5 Sep 06:00 with a beam far above what any sky lets through,
	// as the weather file of this climate held them; one impossible hour in a second file
	const QString source = QtExt::Directories::databasesDir() + "/DB_climate/" + POTSDAM;
	writeC6bWithDirectNormal(source, userClimateDir() + "/Test/Two.c6b", { { 1111, 11606 }, { 5933, 5117 } });
	writeC6bWithDirectNormal(source, userClimateDir() + "/Test/One.c6b", { { 1111, 11606 } });
	struct Case { const char * m_file; const char * m_lang; const char * m_text; } cases[] = {
		{ "Test/Two.c6b", "en", "On reading, the radiation of 2 hours lay outside what the sun delivers "
								"and was repaired (the program log names the hours)." },
		{ "Test/Two.c6b", "de", "Beim Einlesen lag die Strahlung von 2 Stunden außerhalb dessen, was die Sonne "
								"liefern kann, und wurde korrigiert (das Programmprotokoll nennt die Stunden)." },
		{ "Test/One.c6b", "en", "On reading, the radiation of 1 hour lay outside what the sun delivers "
								"and was repaired (the program log names the hour)." },
		{ "Test/One.c6b", "de", "Beim Einlesen lag die Strahlung von 1 Stunde außerhalb dessen, was die Sonne "
								"liefern kann, und wurde korrigiert (das Programmprotokoll nennt die Stunde)." },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(std::string(c.m_file) + " " + c.m_lang);
		QtExt::LanguageHandler::instance().installTranslator(c.m_lang);
		m_room.m_climateDataPath = c.m_file;
		CalculationInputWidget page(nullptr, &m_db, &m_climate, &m_room);
		page.updateInput();
		const QString text = page.findChild<QTextBrowser *>("textBrowserClimateDataInfo")->toPlainText();
		EXPECT_TRUE(text.contains(QString::fromUtf8(c.m_text))) << text.toStdString();
	}
	QtExt::LanguageHandler::instance().installTranslator("en");
	// the shipped file holds the repaired values: nothing to say
	EXPECT_FALSE(info().contains("repaired")) << info().toStdString();
	EXPECT_FALSE(info().isEmpty());
}


TEST_F(CalculationInputTest, ToolButtonsShowTheHiddenRows) {
	m_page->show();
	m_page->resize(1000, 600);
	QToolButton * room = m_page->findChild<QToolButton *>("toolButtonToggleAdvancedRoomProperties");
	QToolButton * climate = m_page->findChild<QToolButton *>("toolButtonToggleAdvancedClimateProperties");
	EXPECT_TRUE(edit("lineEditExtraMass")->isVisible());
	EXPECT_FALSE(edit("lineEditAlbedo")->isVisible());
	m_page->resizeConstructionTableColumns();
	EXPECT_FALSE(edit("lineEditExtraMass")->isVisible());
	EXPECT_FALSE(edit("lineEditCapacity")->isVisible());
	room->click();
	EXPECT_TRUE(edit("lineEditExtraMass")->isVisible());
	EXPECT_TRUE(m_page->findChild<QLabel *>("labelCapacity")->isVisible());
	climate->click();
	EXPECT_TRUE(edit("lineEditAlbedo")->isVisible());
	EXPECT_TRUE(m_page->findChild<QLabel *>("labelAlbedo")->isVisible());
	climate->click();
	EXPECT_FALSE(edit("lineEditAlbedo")->isVisible());
}


TEST_F(CalculationInputTest, ColumnTwoTakesTheFreeWidthOnly) {
	QTableView * view = m_page->findChild<QTableView *>("tableViewConstruction");
	struct Case { int m_width; bool m_fills; };
	for (const Case & c : { Case{ 2400, true }, Case{ 400, false } }) {
		m_page->resize(c.m_width, 600);
		m_page->show();
		QApplication::processEvents();
		m_page->resizeConstructionTableColumns();
		int sum = 0;
		for (int col = 0; col < ConstructionTableModel::NumColumns; ++col)
			sum += view->columnWidth(col);
		if (c.m_fills) {
			EXPECT_LE(sum, view->viewport()->width());
			EXPECT_GE(sum, view->viewport()->width() - 2);
		}
		else {
			EXPECT_GT(sum, view->viewport()->width());
			EXPECT_GE(view->columnWidth(ConstructionTableModel::ColConstruction), 160);
		}
		EXPECT_EQ(view->columnWidth(ConstructionTableModel::ColId), 30);
		EXPECT_EQ(view->columnWidth(ConstructionTableModel::ColValid), 22);
		// the kind column holds its longest text
		for (int kind = 0; kind < 3; ++kind)
			EXPECT_GT(view->columnWidth(ConstructionTableModel::ColKind),
					  view->fontMetrics().horizontalAdvance(ConstructionTableModel::kindText(kind))) << kind;
	}
}

/*! The page switched to the DIN 4108-2 mode by a click, as a user does. */
class DinSettingsTest : public CalculationInputTest {
protected:
	void SetUp() override {
		CalculationInputTest::SetUp();
		m_page->show();
		m_page->resize(1200, 600);
		// focus moves between fields of the active window only
		QApplication::setActiveWindow(m_page.get());
		ASSERT_TRUE(QTest::qWaitForWindowActive(m_page.get()));
		QTest::mouseClick(child<QRadioButton>("radioButtonDIN4108_2Calculation"), Qt::LeftButton);
	}
	template <typename T>
	T * child(const char * name) const {
		T * w = m_page->findChild<T *>(name);
		EXPECT_NE(w, nullptr) << name;
		return w;
	}
	RM::DIN4108_2Assessment & din() { return m_room.m_din4108_2Assessment; }
	/*! What Save would write of the room. */
	QByteArray content() const { return m_room.projectFileContent(m_db); }
	/*! Types into a field key by key and ends the edit with Return or by a click elsewhere. */
	void type(const char * field, const QString & text, bool byReturn) {
		QtExt::ValidatingLineEdit * e = edit(field);
		e->setFocus();
		e->selectAll();
		QTest::keyClick(e, Qt::Key_Backspace);
		QTest::keyClicks(e, text);
		if (byReturn)
			QTest::keyClick(e, Qt::Key_Return);
		else
			QTest::mouseClick(edit("lineEditArea"), Qt::LeftButton);
	}
	void wheelOver(QWidget * w, int delta) {
		const QPoint pos = w->rect().center();
		QWheelEvent ev(pos, w->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
					   Qt::NoScrollPhase, false);
		QApplication::sendEvent(w, &ev);
	}
};


TEST_F(DinSettingsTest, SwitchShowsTheSettingsAndTheRegionsFiles) {
	EXPECT_TRUE(din().m_active);
	EXPECT_TRUE(child<DIN4108_2SettingsWidget>("groupBoxDIN4108_2Settings")->isVisible());
	QComboBox * combo = locations();
	ASSERT_EQ(combo->count(), 3);
	// the default region B chooses its file, which is loaded at once
	EXPECT_EQ(m_room.m_din4108_2Assessment.m_climateRegion, 1);
	EXPECT_EQ(m_climate.m_currentClimateDataFile, "Europe/Germany/DIN4108_2/DIN4108_2_Region_B.c6b");
	EXPECT_EQ(edit("lineEditClimateRegion")->text(), "Region B");
	EXPECT_TRUE(edit("lineEditClimateRegion")->isReadOnly());
	EXPECT_EQ(child<QLabel>("labelReferenceValues")->text(), "Limit: 1200 Kh/a above 26 °C operative temperature");

	// another region through the list: the region and its reference temperature follow
	combo->setFocus();
	QTest::keyClick(combo, Qt::Key_Down);
	EXPECT_EQ(m_room.m_din4108_2Assessment.m_climateRegion, 2);
	EXPECT_EQ(edit("lineEditClimateRegion")->text(), "Region C");
	EXPECT_EQ(child<QLabel>("labelReferenceValues")->text(), "Limit: 1200 Kh/a above 27 °C operative temperature");

	// and back: the settings go, the list holds every file again, the location of the user
	// mode before the switch returns
	QSignalSpy modes(m_page.get(), &CalculationInputWidget::calculationModeChosen);
	const QByteArray written = content();
	QTest::mouseClick(child<QRadioButton>("radioButtonUserCalculation"), Qt::LeftButton);
	EXPECT_FALSE(din().m_active);
	ASSERT_EQ(modes.count(), 1);
	EXPECT_EQ(modes[0][0].toBool(), false);
	EXPECT_NE(content(), written);
	EXPECT_FALSE(child<DIN4108_2SettingsWidget>("groupBoxDIN4108_2Settings")->isVisible());
	EXPECT_GT(combo->count(), 3);
	EXPECT_EQ(combo->currentData().toString(), POTSDAM);
	EXPECT_EQ(m_climate.m_currentClimateDataFile, POTSDAM);
}


TEST_F(DinSettingsTest, TypedValuesStoredInBaseUnits) {
	QTest::mouseClick(child<QCheckBox>("checkBoxEnhancedDayVentilation"), Qt::LeftButton);
	QTest::mouseClick(child<QCheckBox>("checkBoxEnhancedNightVentilation"), Qt::LeftButton);
	ASSERT_TRUE(din().m_enhancedDayVentilation);
	ASSERT_TRUE(din().m_enhancedNightVentilation);
	// stored in 1/s with the six digits the project file keeps
	struct Case {
		const char *	m_field;
		const char *	m_typed;
		bool			m_byReturn;
		double			m_day;		// stored, 1/s
		double			m_night;	// stored, 1/s
		double			m_power;	// W
		const char *	m_shown;
	};
	const Case cases[] = {
		{ "lineEditEnhancedDayVentilation", "1.5", true, 0.000416667, 0, 10000, "1.5" },
		{ "lineEditEnhancedDayVentilation", "3", false, 0.000833333, 0, 10000, "3" },
		{ "lineEditEnhancedDayVentilation", "0", true, 0, 0, 10000, "0" },
		// window ventilation: up to 2 1/h at night
		{ "lineEditEnhancedNightVentilation", "2", true, 0, 0.000555556, 10000, "2" },
		{ "lineEditEnhancedNightVentilation", "0.50", false, 0, 0.000138889, 10000, "0.5" },
		{ "lineEditMaxHeatingPower", "2500.004", true, 0, 0.000138889, 2500, "2500" },
		{ "lineEditMaxHeatingPower", "0", false, 0, 0.000138889, 0, "0" },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(std::string(c.m_field) + " " + c.m_typed);
		const QByteArray written = content();
		type(c.m_field, c.m_typed, c.m_byReturn);
		EXPECT_EQ(din().enhancedDayVentilationValue(), c.m_day);
		EXPECT_EQ(din().enhancedNightVentilationValue(), c.m_night);
		EXPECT_EQ(din().m_maximumHeatingPower, c.m_power);
		EXPECT_EQ(edit(c.m_field)->text(), QString(c.m_shown));
		EXPECT_TRUE(edit(c.m_field)->isValid());
		EXPECT_NE(content(), written);
	}

	// the shown value again, or a value only typed: nothing stored, nothing modified
	const QByteArray written = content();
	type("lineEditEnhancedNightVentilation", "0.5", true);
	QtExt::ValidatingLineEdit * night = edit("lineEditEnhancedNightVentilation");
	night->setFocus();
	QTest::keyClick(night, Qt::Key_End);
	QTest::keyClicks(night, "1");
	EXPECT_EQ(night->text(), "0.51");
	EXPECT_EQ(din().enhancedNightVentilationValue(), 0.000138889);
	EXPECT_EQ(content(), written);
}


TEST_F(DinSettingsTest, RefusedValuesMarkTheFieldAndStoreNothing) {
	QTest::mouseClick(child<QCheckBox>("checkBoxEnhancedDayVentilation"), Qt::LeftButton);
	QTest::mouseClick(child<QCheckBox>("checkBoxEnhancedNightVentilation"), Qt::LeftButton);
	// as the tool tip shows them: the unit's exponent as markup, not as raw html
	const char * day = "Air change rate must be >= 0 and <= 3 h-1";
	const char * night = "Air change rate must be >= 0 and <= 2 h-1";
	const char * power = "Maximum heating power must be a value >= 0 W.";
	struct Case { const char * m_field; const char * m_typed; const char * m_tip; };
	const Case cases[] = {
		{ "lineEditEnhancedDayVentilation", "3.01", day }, { "lineEditEnhancedDayVentilation", "-0.1", day },
		{ "lineEditEnhancedDayVentilation", "abc", day },
		{ "lineEditEnhancedNightVentilation", "2.5", night }, { "lineEditEnhancedNightVentilation", "inf", night },
		{ "lineEditMaxHeatingPower", "-1", power }, { "lineEditMaxHeatingPower", "nan", power },
	};
	const RM::DIN4108_2Assessment before = din();
	for (const Case & c : cases) {
		SCOPED_TRACE(std::string(c.m_field) + " " + c.m_typed);
		const QByteArray written = content();
		type(c.m_field, c.m_typed, true);
		EXPECT_EQ(din().enhancedDayVentilationValue(), before.enhancedDayVentilationValue());
		EXPECT_EQ(din().enhancedNightVentilationValue(), before.enhancedNightVentilationValue());
		EXPECT_EQ(din().m_maximumHeatingPower, before.m_maximumHeatingPower);
		EXPECT_FALSE(edit(c.m_field)->isValid());
		EXPECT_EQ(edit(c.m_field)->text(), QString(c.m_typed));
		// a text that is no number: the number reader's reason, else the field's range
		const QString reason = QtExt::refusedNumberMessage(c.m_typed);
		EXPECT_EQ(shownToolTip(edit(c.m_field)->toolTip()), reason.isEmpty() ? QString(c.m_tip) : reason);
		EXPECT_EQ(content(), written);
	}
}


TEST_F(DinSettingsTest, NightLimitFollowsTheVentilationType) {
	QTest::mouseClick(child<QCheckBox>("checkBoxEnhancedNightVentilation"), Qt::LeftButton);
	QComboBox * kind = child<QComboBox>("comboBoxVentilationType");
	type("lineEditEnhancedNightVentilation", "5", true);
	EXPECT_FALSE(edit("lineEditEnhancedNightVentilation")->isValid());

	// across floors allows 5 1/h: the shown text becomes valid and can be taken
	kind->setFocus();
	QTest::keyClick(kind, Qt::Key_Down);
	EXPECT_EQ(din().ventilationType(), 1);
	EXPECT_TRUE(edit("lineEditEnhancedNightVentilation")->isValid());
	type("lineEditEnhancedNightVentilation", "5", true);
	EXPECT_EQ(din().enhancedNightVentilationValue(), 0.00138889);

	// a mechanical system has no upper limit
	kind->setFocus();
	QTest::keyClick(kind, Qt::Key_Down);
	EXPECT_EQ(din().ventilationType(), 2);
	type("lineEditEnhancedNightVentilation", "12", true);
	EXPECT_EQ(din().enhancedNightVentilationValue(), 0.00333333);
	type("lineEditEnhancedNightVentilation", "-1", true);
	EXPECT_EQ(shownToolTip(edit("lineEditEnhancedNightVentilation")->toolTip()), "Air change rate must be >= 0 h-1");

	// back to window ventilation: the stored 12 1/h is shown as refused, not changed
	type("lineEditEnhancedNightVentilation", "12", true);
	kind->setCurrentIndex(0);
	emit kind->activated(0);
	EXPECT_FALSE(edit("lineEditEnhancedNightVentilation")->isValid());
	EXPECT_EQ(shownToolTip(edit("lineEditEnhancedNightVentilation")->toolTip()), "Air change rate must be >= 0 and <= 2 h-1");
	EXPECT_EQ(din().enhancedNightVentilationValue(), 0.00333333);
}


// A value taken under a type with a higher limit stays stored when the user picks a type with
// a lower one: the field shows it refused with the new limit, and the run refuses it too; a
// field switched off again is not checked (the run does not use it).
TEST_F(DinSettingsTest, ValueAboveTheLimitOfANewTypeIsShownRefusedAndRefusedByTheRun) {
	QComboBox * kind = child<QComboBox>("comboBoxVentilationType");
	kind->setFocus();
	QTest::keyClick(kind, Qt::Key_Down);
	ASSERT_EQ(din().ventilationType(), 1);
	QCheckBox * night = child<QCheckBox>("checkBoxEnhancedNightVentilation");
	QTest::mouseClick(night, Qt::LeftButton);
	type("lineEditEnhancedNightVentilation", "4", true);
	ASSERT_EQ(din().enhancedNightVentilationValue(), 0.00111111);
	EXPECT_NO_THROW(din().checkVentilationLimits());

	kind->setFocus();
	QTest::keyClick(kind, Qt::Key_Up);
	ASSERT_EQ(din().ventilationType(), 0);
	QtExt::ValidatingLineEdit * e = edit("lineEditEnhancedNightVentilation");
	EXPECT_EQ(e->text(), "4");
	EXPECT_EQ(e->palette().color(QPalette::Base), QColor(QtExt::ValidatingLineEdit::INVALID_COLOR));
	EXPECT_EQ(shownToolTip(e->toolTip()), "Air change rate must be >= 0 and <= 2 h-1");
	EXPECT_THROW(din().checkVentilationLimits(), BVX::Exception);

	// night ventilation off: the run does not use the value
	QTest::mouseClick(night, Qt::LeftButton);
	EXPECT_FALSE(e->isEnabled());
	EXPECT_NO_THROW(din().checkVentilationLimits());
	// and on again: refused as before
	QTest::mouseClick(night, Qt::LeftButton);
	EXPECT_EQ(e->palette().color(QPalette::Base), QColor(QtExt::ValidatingLineEdit::INVALID_COLOR));
	EXPECT_EQ(shownToolTip(e->toolTip()), "Air change rate must be >= 0 and <= 2 h-1");
}


TEST_F(DinSettingsTest, ChoicesByKeyWheelAndClick) {
	QSignalSpy shading(m_page.get(), &CalculationInputWidget::shadingControlChanged);
	const QByteArray written = content();
	QComboBox * use = child<QComboBox>("comboBoxBuildingUse");
	QComboBox * control = child<QComboBox>("comboBoxShadingControl");

	// the keys choose (the wheel rule of the window: DinModeWindowTest)
	use->setFocus();
	QTest::keyClick(use, Qt::Key_Down);
	EXPECT_FALSE(din().m_residential);
	EXPECT_EQ(child<QLabel>("labelReferenceValues")->text(), "Limit: 500 Kh/a above 26 °C operative temperature");
	ASSERT_EQ(shading.count(), 1);
	EXPECT_EQ(shading[0][0].toInt(), 2);		// the limits of the shading page change with the use
	control->setFocus();
	QTest::keyClick(control, Qt::Key_Down);
	EXPECT_EQ(din().m_shadingControlType, 3);
	ASSERT_EQ(shading.count(), 2);
	EXPECT_EQ(shading[1][0].toInt(), 3);
	EXPECT_NE(content(), written);
	// beyond the last entry nothing changes and nothing is reported
	const QByteArray chosen = content();
	QTest::keyClick(control, Qt::Key_Down);
	EXPECT_EQ(shading.count(), 2);
	EXPECT_EQ(content(), chosen);

	// the value fields follow their check boxes; a disabled one takes no wheel or keys
	QtExt::ValidatingLineEdit * day = edit("lineEditEnhancedDayVentilation");
	EXPECT_FALSE(day->isEnabled());
	wheelOver(day, 120);
	QTest::keyClicks(day, "2");
	EXPECT_EQ(day->text(), "0");
	QCheckBox * box = child<QCheckBox>("checkBoxEnhancedDayVentilation");
	box->setFocus();
	QTest::keyClick(box, Qt::Key_Space);
	EXPECT_TRUE(din().m_enhancedDayVentilation);
	EXPECT_TRUE(day->isEnabled());
	EXPECT_NE(content(), chosen);
	// a wheel over the value changes nothing
	wheelOver(day, 120);
	EXPECT_EQ(day->text(), "0");
	EXPECT_EQ(din().enhancedDayVentilationValue(), 0);
}


TEST_F(DinSettingsTest, RefreshShowsTheProjectAndStoresNothing) {
	RM::DIN4108_2Assessment & a = din();
	a.m_residential = false;
	a.m_ventilationType = 1;
	a.m_shadingControlType = 0;
	a.m_enhancedNightVentilation = true;
	a.m_enhancedNightVentilationValue = 0.000555556;	// 2 1/h with the file's six digits
	a.m_maximumHeatingPower = 1234.5678;
	a.m_climateRegion = 0;
	m_room.m_climateDataPath = "Europe/Germany/DIN4108_2/DIN4108_2_Region_A.c6b";
	const QByteArray written = content();
	QSignalSpy modes(m_page.get(), &CalculationInputWidget::calculationModeChosen);
	m_page->updateInput();
	EXPECT_EQ(child<QComboBox>("comboBoxBuildingUse")->currentText(), "Non-residential building");
	EXPECT_EQ(child<QComboBox>("comboBoxVentilationType")->currentText(), "Ventilation across floors");
	EXPECT_EQ(child<QComboBox>("comboBoxShadingControl")->currentText(), "Full shading");
	EXPECT_TRUE(child<QCheckBox>("checkBoxEnhancedNightVentilation")->isChecked());
	EXPECT_FALSE(child<QCheckBox>("checkBoxEnhancedDayVentilation")->isChecked());
	EXPECT_EQ(edit("lineEditEnhancedNightVentilation")->text(), "2");
	EXPECT_EQ(edit("lineEditMaxHeatingPower")->text(), "1234.57");
	EXPECT_EQ(edit("lineEditClimateRegion")->text(), "Region A");
	EXPECT_EQ(child<QLabel>("labelReferenceValues")->text(), "Limit: 500 Kh/a above 25 °C operative temperature");

	// the shown values finished unchanged keep the stored digits
	type("lineEditEnhancedNightVentilation", "2", true);
	type("lineEditMaxHeatingPower", "1234.57", false);
	EXPECT_EQ(a.m_enhancedNightVentilationValue, 0.000555556);
	EXPECT_EQ(a.m_maximumHeatingPower, 1234.5678);
	EXPECT_EQ(content(), written);
	EXPECT_EQ(modes.count(), 0);

	// a user-defined project hides the settings again
	a.m_active = false;
	const QByteArray userMode = content();
	m_page->updateInput();
	EXPECT_TRUE(child<QRadioButton>("radioButtonUserCalculation")->isChecked());
	EXPECT_FALSE(child<DIN4108_2SettingsWidget>("groupBoxDIN4108_2Settings")->isVisible());
	EXPECT_EQ(content(), userMode);
	EXPECT_EQ(modes.count(), 0);
}


TEST_F(DinSettingsTest, SettingsFitBesideEachOther) {
	// labels before their fields, none clipped, every field inside the group box
	DIN4108_2SettingsWidget * box = child<DIN4108_2SettingsWidget>("groupBoxDIN4108_2Settings");
	QApplication::processEvents();
	const std::pair<const char *, const char *> pairs[] = {
		{ "labelBuildingUse", "comboBoxBuildingUse" }, { "labelShadingControl", "comboBoxShadingControl" },
		{ "labelVentilationType", "comboBoxVentilationType" }, { "labelMaxHeatingPower", "lineEditMaxHeatingPower" },
		{ "checkBoxEnhancedDayVentilation", "lineEditEnhancedDayVentilation" },
		{ "checkBoxEnhancedNightVentilation", "lineEditEnhancedNightVentilation" },
		{ "labelClimateRegion", "lineEditClimateRegion" }
	};
	for (const auto & p : pairs) {
		QWidget * label = child<QWidget>(p.first);
		QWidget * field = child<QWidget>(p.second);
		EXPECT_LE(label->geometry().right(), field->geometry().left()) << p.first;
		EXPECT_GE(label->width(), label->sizeHint().width()) << p.first << " is clipped";
		EXPECT_TRUE(box->rect().contains(field->geometry())) << p.second;
	}
}

} // namespace
