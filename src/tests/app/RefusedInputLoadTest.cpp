// Loading through the main window a project with a number text that is no number, or whose
// climate file holds a value no air can have: the window says what it refused and where.
#include <gtest/gtest.h>

#include <QDir>
#include <QToolButton>

#include <QtExt_Directories.h>

#include <RM_Room.h>

#include "ButtonBar.h"
#include "GuiTestHarness.h"
#include "MainWindowTest.h"
#include "RoomModelDialog.h"

namespace {

using Driver = GuiTest::ModalDialogDriver;

const char * const POTSDAM_EPW = "/resources/DB_climate/Europe/Germany/TRY2035/04_BB_Potsdam_TRY2035.epw";

class RefusedInputLoadTest : public GuiTest::MainWindowTest {
protected:
	/*! A user climate file, catalogued when the window starts: the Potsdam weather file with
		a relative humidity of 250 % in the hour of data line #4000. */
	void beforeWindow() override {
		QList<QByteArray> lines = GuiTest::readBytes(GuiTest::sourceDir() + POTSDAM_EPW).split('\n');
		ASSERT_GT(lines.size(), 4008);
		QList<QByteArray> fields = lines[4007].split(',');
		ASSERT_EQ(fields[8], "49");
		fields[8] = "250";
		lines[4007] = fields.join(',');
		const QString dir = QtExt::Directories::userDataDir() + "/DB_climate";
		ASSERT_TRUE(QDir().mkpath(dir));
		ASSERT_TRUE(GuiTest::writeBytes(dir + "/Potsdam_Humid.epw", lines.join('\n')));
	}

	/*! The three-day office with texts replaced (from, to, from, to ...), written into the test folder. */
	QString office(const QList<QByteArray> & replaced) {
		QByteArray text = GuiTest::readBytes(GuiTest::sourceDir() + "/tools/caldoryne-cli/tests/data/Office_ThreeDays.rmxml");
		for (int i = 0; i + 1 < replaced.size(); i += 2) {
			EXPECT_TRUE(text.contains(replaced[i])) << replaced[i].toStdString();
			text.replace(replaced[i], replaced[i + 1]);
		}
		const QString path = m_dir + "/office.rmxml";
		EXPECT_TRUE(GuiTest::writeBytes(path, text));
		return path;
	}

	/*! Loads the file with the Load button and its file dialog; the boxes seen after the dialog. */
	std::vector<Driver::Seen> load(const QString & file, int boxes) {
		Driver driver;
		driver.add(Driver::chooseFile(file));
		for (int i = 0; i < boxes; ++i)
			driver.add(Driver::press(QDialogButtonBox::Ok));
		m_window->buttonBar()->toolButtonLoad->click();
		EXPECT_EQ(driver.pending(), 0);
		return std::vector<Driver::Seen>(driver.m_seen.begin() + (driver.m_seen.empty() ? 0 : 1), driver.m_seen.end());
	}
};

} // namespace


TEST_F(RefusedInputLoadTest, NumberTextsThatAreNoNumberAreReadErrorsWithLineAndColumn) {
	const QString before = m_window->project()->m_projectFilePath;
	// the office window's area, written by hand with a decimal comma, with text after it, or empty
	for (const char * text : { "2,5", "2.5x", "" }) {
		SCOPED_TRACE(text);
		const QString file = office({ "<AF>4.5</AF>", QByteArray("<AF>") + text + "</AF>" });
		const std::vector<Driver::Seen> seen = load(file, 1);
		ASSERT_EQ(seen.size(), 1u);
		EXPECT_EQ(seen[0].m_title, "Read Error");
		EXPECT_TRUE(seen[0].m_text.contains(QString("Error reading project file '%1' (line 29, column %2): "
													"Invalid value for element 'AF', must be a finite number.")
											.arg(file).arg(28 + QByteArray(text).size() + 1)))
				<< seen[0].m_text.toStdString();
		EXPECT_EQ(m_window->project()->m_projectFilePath, before);
	}
}


TEST_F(RefusedInputLoadTest, ClimateValueNoAirCanHaveIsToldWithLineAndField) {
	// the DIN 4108-2 assessment would take the climate of its region
	const QString file = office({ "Europe/Germany/DIN4108_2/DIN4108_2_Region_B.c6b", "Potsdam_Humid.epw",
								  "<Active>true</Active>", "<Active>false</Active>" });
	const std::vector<Driver::Seen> seen = load(file, 1);
	ASSERT_EQ(seen.size(), 1u);
	EXPECT_EQ(seen[0].m_title, "Error loading climatic data");
	EXPECT_TRUE(seen[0].m_text.contains("Invalid relative humidity 250 % in field 9 of data line #4000 (line #4008), "
										"must lie between 0 and 100 %.\nError reading file '"))
			<< seen[0].m_text.toStdString();
	EXPECT_TRUE(seen[0].m_text.contains("Potsdam_Humid.epw")) << seen[0].m_text.toStdString();
}
