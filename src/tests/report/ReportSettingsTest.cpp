// Report settings: defaults, reading the stored flags, an empty store, writing and reading back.
#include <gtest/gtest.h>

#include "GuiTestHarness.h"

#include <QSettings>
#include <QTemporaryDir>

#include "ReportSettings.h"

namespace {

class ReportSettingsTest : public ::testing::Test {
protected:
	void SetUp() override {
		m_saved = &ReportSettings::instance();
		m_backup = snapshot();
		m_settings.reset(new QSettings(m_dir.path() + "/report.ini", QSettings::IniFormat));
	}
	void TearDown() override {
		restore(m_backup);
	}

	struct Values {
		std::set<int>	m_frames;
		bool			m_pageNumbers;
		bool			m_p2;
		bool			m_p4;
		QFont			m_font;
	};

	Values snapshot() const {
		const ReportSettings & s = ReportSettings::instance();
		return { s.m_activatedFrames, s.m_currentPageNumbersVisible, s.m_overTemperatureHoursP2,
				 s.m_overTemperatureHoursP4, s.m_font };
	}

	void restore(const Values & v) {
		ReportSettings & s = ReportSettings::instance();
		s.m_activatedFrames = v.m_frames;
		s.m_currentPageNumbersVisible = v.m_pageNumbers;
		s.m_overTemperatureHoursP2 = v.m_p2;
		s.m_overTemperatureHoursP4 = v.m_p4;
		s.m_font = v.m_font;
	}

	static std::set<int> range(int from, int to) {
		std::set<int> s;
		for (int i = from; i <= to; ++i)
			s.insert(i);
		return s;
	}

	QTemporaryDir					m_dir;
	std::unique_ptr<QSettings>		m_settings;
	ReportSettings *				m_saved;
	Values							m_backup;
};

} // namespace


TEST_F(ReportSettingsTest, OneInstanceWithItsDefaults) {
	EXPECT_EQ(&ReportSettings::instance(), m_saved);
	ReportSettings & s = ReportSettings::instance();
	s.m_activatedFrames = { 1 };
	s.m_currentPageNumbersVisible = false;
	s.m_overTemperatureHoursP2 = true;
	s.m_headingType = 3;
	s.setDefaults();
	EXPECT_EQ(s.m_activatedFrames, range(0, 13));
	EXPECT_TRUE(s.m_currentPageNumbersVisible);
	EXPECT_FALSE(s.m_overTemperatureHoursP2);
	EXPECT_FALSE(s.m_overTemperatureHoursP4);
	EXPECT_EQ(s.m_fontFamily, "Verdana");
	EXPECT_EQ(s.m_font.family(), "Verdana");
	EXPECT_EQ(s.m_font.pointSize(), 8);
	EXPECT_EQ(s.m_headingType, 1);
}


TEST_F(ReportSettingsTest, ActivatedFramesFromTheStoredFlags) {
	struct Case {
		const char *	m_stored;
		std::set<int>	m_expected;
	};
	auto without = [](std::set<int> s, int id) { s.erase(id); return s; };
	const Case cases[] = {
		{ "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ", { 13 } },			// 13 cannot be switched off
		{ "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 ", range(0, 14) },
		{ "1 x 1", without(range(0, 13), 1) },					// not a number: removed
		{ "0 1 ", without(without(range(0, 13), 0), 2) },		// covers ids 0..2, the last part is empty
		{ "", range(0, 13) },									// nothing stored: the set stays
		{ "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 1 1", { 13 } },		// beyond 15 flags: ignored
		{ "2 -1 0", without(range(0, 13), 2) },					// any number but 0 activates
	};
	for (const Case & c : cases) {
		ReportSettings::instance().m_activatedFrames = range(0, 13);
		m_settings->clear();
		if (*c.m_stored != '\0')
			m_settings->setValue("ReportSettings/ActivatedFrames", c.m_stored);
		ReportSettings::instance().read(*m_settings);
		EXPECT_EQ(ReportSettings::instance().m_activatedFrames, c.m_expected) << '"' << c.m_stored << '"';
	}
}


TEST_F(ReportSettingsTest, EmptyStoreSwitchesPageNumbersOffAndKeepsTheFrames) {
	ReportSettings & s = ReportSettings::instance();
	s.m_currentPageNumbersVisible = true;
	s.m_overTemperatureHoursP2 = true;
	s.m_overTemperatureHoursP4 = true;
	s.m_font = QFont("Courier", 20);
	s.read(*m_settings);
	EXPECT_EQ(s.m_activatedFrames, range(0, 13));
	EXPECT_FALSE(s.m_currentPageNumbersVisible);
	EXPECT_FALSE(s.m_overTemperatureHoursP2);
	EXPECT_FALSE(s.m_overTemperatureHoursP4);
	EXPECT_EQ(s.m_font, QFont());
}


TEST_F(ReportSettingsTest, WrittenFlagsAndRoundTrip) {
	ReportSettings & s = ReportSettings::instance();
	s.m_activatedFrames = range(0, 13);
	s.write(*m_settings);
	EXPECT_EQ(m_settings->value("ReportSettings/ActivatedFrames").toString(), "1 1 1 1 1 1 1 1 1 1 1 1 1 1 0 ");

	const Values written = { { 2, 5, 13, 14 }, false, true, true, QFont("DejaVu Sans", 11, QFont::Bold) };
	restore(written);
	s.write(*m_settings);
	EXPECT_EQ(m_settings->value("ReportSettings/ActivatedFrames").toString(), "0 0 1 0 0 1 0 0 0 0 0 0 0 1 1 ");
	restore({ range(0, 13), true, false, false, QFont() });
	s.read(*m_settings);
	const Values read = snapshot();
	EXPECT_EQ(read.m_frames, written.m_frames);
	EXPECT_EQ(read.m_pageNumbers, written.m_pageNumbers);
	EXPECT_EQ(read.m_p2, written.m_p2);
	EXPECT_EQ(read.m_p4, written.m_p4);
	EXPECT_EQ(read.m_font, written.m_font);
}


TEST_F(ReportSettingsTest, FontStoredAsTextIsConverted) {
	m_settings->setValue("ReportSettings/ReportFont", QFont("DejaVu Serif", 13).toString());
	ReportSettings::instance().read(*m_settings);
	EXPECT_EQ(ReportSettings::instance().m_font.family(), "DejaVu Serif");
	EXPECT_EQ(ReportSettings::instance().m_font.pointSize(), 13);
}
