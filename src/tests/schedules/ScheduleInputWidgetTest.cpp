#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <functional>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QXmlStreamWriter>

#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>

#include <QtExt_ValidatingLineEdit.h>
#include <RM_Database.h>
#include <RM_Room.h>
#include <RM_Schedule.h>

#include "DailyCycleInputWidget.h"
#include "DatabaseTestFixture.h"
#include "GuiTestHarness.h"
#include "ScheduleInputWidget.h"
#include "SchedulePlot.h"

namespace {

using Driver = GuiTest::ModalDialogDriver;

/*! Hours from..to expected to hold value. */
struct Span { int m_from, m_to; double m_value; };

std::vector<double> annualSeries(double offset) {
	std::vector<double> v(8760);
	for (size_t h = 0; h < v.size(); ++h)
		v[h] = offset + double(h % 24) + 0.5*double(h/24 % 7);
	return v;
}

/*! An editor on a schedule, set up as a heating page would. */
class Editor : public ::testing::Test {
protected:
	void SetUp() override {
		m_schedule = RM::Schedule::workingHoursSchedule("HeatingSetPoint", 21, 16);
		m_w.setup("Set point", "C", "Set point of the heating", 0, 30, &m_schedule);
		m_w.resize(965, 539);
		m_w.updateInput();
	}
	template <class T> T * child(const char * name) { return m_w.findChild<T *>(name); }
	QComboBox * combo() { return child<QComboBox>("comboBoxType"); }
	int page() { return child<QStackedWidget>("stackedWidgetSchedules")->currentIndex(); }

	RM::Schedule		m_schedule;
	ScheduleInputWidget	m_w;
};

} // namespace


TEST(ScheduleParsers, timeValuePairs) {
	struct Case {
		const char *		m_text;
		double				m_hoursPerUnit;
		bool				m_german;
		bool				m_ok;
		std::vector<Span>	m_spans;
	};
	const Case cases[] = {
		{"0 5\n100 7\n", 24, false, true, {{0, 2399, 5}, {2400, 8759, 7}}},
		{"45 3", 24, false, true, {{0, 8759, 3}}},
		{"0 1\n10 2\n5 3\n20 4", 24, false, true, {{0, 239, 1}, {240, 479, 3}, {480, 8759, 4}}},
		{"1,5 2,5", 24, true, true, {{0, 8759, 2.5}}},			// German decimal commas
		{"0.5 2\n1.5 3", 24, true, true, {{0, 35, 2}, {36, 8759, 3}}},	// '.' read as decimal point in German too
		{"1,5 2,5", 24, false, false, {}},						// no numbers in English
		{"0,5\n100,7\n200,9", 24, false, false, {}},			// comma-separated columns
		{"0,5\n100,7\n200,9", 24, true, false, {}},			// one column of German numbers
		{"0,5\n", 24, false, false, {}},
		{"0 2\n400 9", 24, false, true, {{0, 8759, 2}}},		// beyond the year
		{"0.9 4\n2 6", 1, false, true, {{0, 1, 4}, {2, 8759, 6}}},	// hour 0.9 addresses hour 0
		{"10 -1000000\n20 3", 1, false, true, {{0, 19, -1e6}, {20, 8759, 3}}},	// an ordinary value
		{"5 1\n8 2\nx 9\n12 3", 1, false, false, {}},			// a broken row refuses the table
		{"5 1\n8", 1, false, false, {}},						// so does a row of one number
		{"1e30 5", 1, false, true, {{0, 8759, 5}}},
		{"-1e30 5", 24, false, true, {{0, 8759, 5}}},
		{"3 1\n1e300 5\n", 24, false, true, {{0, 8759, 1}}},	// a time beyond the year fills nothing
		{"inf 5", 1, false, false, {}},
		{"0 nan", 1, false, false, {}},
		{"2 1\n-inf 4\n", 1, false, false, {}},
		{"1.000 4", 1, true, false, {}},						// ambiguous under German
		{"hello", 1, false, false, {}},
		{"7", 1, false, false, {}},
		// each line holds one pair: lines of one German number never pair across the break
		{"0,20\n100,22\n", 24, true, false, {}},
		{"0,5\n100,7\n200,9\n300,1", 24, true, false, {}},
		{"0,20\n100,22\n", 24, false, false, {}},
		{"0\t0,5\r\n10\t0,7\r\n", 24, true, true, {{0, 239, 0.5}, {240, 8759, 0.7}}},	// tab lines
		{"0\t0.5\n10\t0.7\n", 24, false, true, {{0, 239, 0.5}, {240, 8759, 0.7}}},
		{"0 5\n\n  \n100 7\n", 24, false, true, {{0, 2399, 5}, {2400, 8759, 7}}},	// blank lines
		{"0 5 6\n10 7 8\n", 24, false, false, {}},			// three columns
		{"0 5\n100 7 8\n", 24, false, false, {}},
	};
	for (const Case & c : cases) {
		GuiTest::ScopedLocale locale(c.m_german ? QLocale::German : QLocale::English);
		const std::string what = std::string(c.m_text) + (c.m_german ? " (de)" : " (en)");
		std::vector<double> values{42};
		const ScheduleInputWidget::ParseResult res = ScheduleInputWidget::parseTimeValuePairs(c.m_text, c.m_hoursPerUnit, values);
		if (!c.m_ok) {
			EXPECT_EQ(res, ScheduleInputWidget::ParseInvalid) << what;
			EXPECT_EQ(values, std::vector<double>{42}) << what;
			continue;
		}
		ASSERT_EQ(res, ScheduleInputWidget::ParseOk) << what;
		ASSERT_EQ(values.size(), 8760u) << what;
		for (const Span & s : c.m_spans)
			for (int h = s.m_from; h <= s.m_to; ++h)
				ASSERT_EQ(values[size_t(h)], s.m_value) << what << " hour " << h;
	}
	std::vector<double> values;
	EXPECT_EQ(ScheduleInputWidget::parseTimeValuePairs("", 1, values), ScheduleInputWidget::ParseEmpty);
}


TEST(ScheduleParsers, hourlyValues) {
	auto numbers = [](int n, const char * separator) {
		QString text;
		for (int i = 0; i < n; ++i)
			text += QString::number(i % 100) + ",25" + separator;
		return text;
	};
	struct Case { QString m_text; bool m_german; ScheduleInputWidget::ParseResult m_res; };
	const Case cases[] = {
		{numbers(8760, "\n"), true, ScheduleInputWidget::ParseOk},
		{numbers(8760, "\n").replace(',', '.'), false, ScheduleInputWidget::ParseOk},
		{numbers(8760, "\n"), false, ScheduleInputWidget::ParseInvalid},		// no numbers in English
		{numbers(8761, " "), true, ScheduleInputWidget::ParseOk},
		{numbers(8760, "\t") + "rest of the sheet", true, ScheduleInputWidget::ParseOk},
		{numbers(8759, "\n"), true, ScheduleInputWidget::ParseInvalid},
		{numbers(100, "\n") + "nan\n" + numbers(8659, "\n"), true, ScheduleInputWidget::ParseInvalid},
		{numbers(100, "\n") + "inf\n" + numbers(8659, "\n"), true, ScheduleInputWidget::ParseInvalid},
		{numbers(100, "\n") + "x\n" + numbers(8659, "\n"), true, ScheduleInputWidget::ParseInvalid},
		{"", true, ScheduleInputWidget::ParseEmpty},
	};
	for (const Case & c : cases) {
		GuiTest::ScopedLocale locale(c.m_german ? QLocale::German : QLocale::English);
		std::vector<double> values;
		EXPECT_EQ(ScheduleInputWidget::parseHourlyValues(c.m_text, values), c.m_res) << c.m_text.left(40).toStdString();
		if (c.m_res == ScheduleInputWidget::ParseOk) {
			ASSERT_EQ(values.size(), 8760u);
			EXPECT_DOUBLE_EQ(values[0], 0.25);
			EXPECT_DOUBLE_EQ(values[8759], 59.25);
		}
		else
			EXPECT_TRUE(values.empty());
	}
}


TEST_F(Editor, comboPageAndTypeAgreeBothWays) {
	EXPECT_EQ(combo()->count(), 4);
	for (int type : {int(RM::Schedule::DAILY_SEASONAL), int(RM::Schedule::ANNUAL), int(RM::Schedule::CONSTANT), int(RM::Schedule::DAILY_WEEK)}) {
		m_schedule.m_type = type;
		m_w.updateInput();
		EXPECT_EQ(combo()->currentIndex(), type);
		EXPECT_EQ(page(), type);
	}
	for (int index : {3, 1, 0, 2}) {
		combo()->setCurrentIndex(index);
		EXPECT_EQ(m_schedule.m_type, index);
		EXPECT_EQ(page(), index);
	}
}


TEST_F(Editor, readOnlyShowsTheConstantPageAndKeepsTheType) {
	m_schedule.m_type = RM::Schedule::DAILY_WEEK;
	m_w.updateInput();
	m_w.setScheduleEditable(false);
	EXPECT_EQ(page(), 0);
	EXPECT_FALSE(combo()->isEnabled());
	EXPECT_FALSE(child<QtExt::ValidatingLineEdit>("lineEditConstantEdit")->isEnabled());
	EXPECT_TRUE(child<QtExt::ValidatingLineEdit>("lineEditMaximumValueSeason")->isEnabled());
	m_w.updateInput();		// pages refresh after switching off
	EXPECT_EQ(page(), 0);
	EXPECT_EQ(m_schedule.m_type, int(RM::Schedule::DAILY_WEEK));
	m_w.setScheduleEditable(true);
	EXPECT_EQ(page(), 2);
	EXPECT_EQ(m_schedule.m_type, int(RM::Schedule::DAILY_WEEK));
}


TEST_F(Editor, interpolatingScheduleKeepsItsTypeUntilAnotherIsPicked) {
	m_schedule.m_type = RM::Schedule::DATLINEAR;
	m_w.updateInput();
	EXPECT_EQ(m_schedule.m_type, int(RM::Schedule::DATLINEAR));
	EXPECT_EQ(combo()->count(), 5);
	EXPECT_EQ(combo()->currentIndex(), 4);
	EXPECT_EQ(page(), 4);

	// saved and read back: the type survives
	QString xml;
	QXmlStreamWriter writer(&xml);
	m_schedule.writeXML(writer, true);
	EXPECT_TRUE(xml.contains(RM::Schedule::typeKeyword(RM::Schedule::DATLINEAR)));

	combo()->setCurrentIndex(1);
	EXPECT_EQ(m_schedule.m_type, int(RM::Schedule::DAILY_SEASONAL));
	m_w.updateInput();
	EXPECT_EQ(combo()->count(), 4);
	EXPECT_EQ(combo()->currentIndex(), 1);
}


TEST_F(Editor, weekListsMirrorEachOther) {
	QListWidget * weekDays = child<QListWidget>("listWidgetWeekDays");
	QListWidget * weekEnds = child<QListWidget>("listWidgetWeekEndDays");
	ASSERT_TRUE(m_schedule.m_weekEndDays[5]);
	EXPECT_EQ(weekEnds->item(5)->checkState(), Qt::Checked);
	EXPECT_EQ(weekDays->item(5)->checkState(), Qt::Unchecked);
	weekEnds->item(5)->setCheckState(Qt::Unchecked);		// Saturday becomes a week day
	EXPECT_EQ(weekDays->item(5)->checkState(), Qt::Checked);
	EXPECT_FALSE(m_schedule.m_weekEndDays[5]);
	weekDays->item(2)->setCheckState(Qt::Unchecked);		// Wednesday off
	EXPECT_EQ(weekEnds->item(2)->checkState(), Qt::Checked);
	EXPECT_TRUE(m_schedule.m_weekEndDays[2]);
	for (int d = 0; d < 7; ++d)
		EXPECT_NE(weekDays->item(d)->checkState(), weekEnds->item(d)->checkState()) << d;
}


TEST_F(Editor, startDaysShowTheirDatesInTheWindowsLanguage) {
	QSpinBox * winter = child<QSpinBox>("spinBoxWinterStart");
	QSpinBox * summer = child<QSpinBox>("spinBoxSummerStart");
	QLineEdit * winterDate = child<QLineEdit>("lineEditWinterStart");
	QLineEdit * summerDate = child<QLineEdit>("lineEditSummerStart");
	const QLocale saved;
	struct Case { QLocale::Language m_lang; const char * m_first; const char * m_last; };
	for (const Case & c : {Case{QLocale::English, "January 01", "December 31"}, Case{QLocale::German, "Januar 01", "Dezember 31"}}) {
		QLocale::setDefault(QLocale(c.m_lang));
		winter->setValue(1);
		winter->setValue(0);
		summer->setValue(0);
		summer->setValue(364);
		EXPECT_EQ(winterDate->text(), c.m_first);
		EXPECT_EQ(summerDate->text(), c.m_last);
	}
	QLocale::setDefault(saved);
	EXPECT_EQ(m_schedule.m_winterStartDay, 0u);
	EXPECT_EQ(m_schedule.m_summerStartDay, 364u);
}


TEST(ScheduleInputWidget, annualTableDatesAreCountedInDays) {
	const QByteArray oldTz = qgetenv("TZ");
	qputenv("TZ", "Australia/Sydney");
	tzset();
	ScheduleInputWidget w;
	if (oldTz.isEmpty())
		qunsetenv("TZ");
	else
		qputenv("TZ", oldTz);
	tzset();
	const int daysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
	int row = 0;
	for (int m = 1; m <= 12; ++m)
		for (int day = 1; day <= daysInMonth[m - 1]; ++day, ++row)
			ASSERT_EQ(w.annualTable()->item(row, 0)->text(),
					  QLocale().toString(QDate(2007, m, day), "MMM dd")) << row;
	EXPECT_EQ(row, 365);
}


TEST_F(Editor, maximumFieldsRescaleTheGraphsAndWriteNothing) {
	const RM::Schedule before = m_schedule;
	QtExt::ValidatingLineEdit * season = child<QtExt::ValidatingLineEdit>("lineEditMaximumValueSeason");
	QtExt::ValidatingLineEdit * weekday = child<QtExt::ValidatingLineEdit>("lineEditMaximumValueWeekday");
	season->setText("45");
	emit season->editingFinished();
	for (const char * name : {"dailyCycleSummer", "dailyCycleWinter", "dailyCycleWeekDay", "dailyCycleWeekEnds"})
		EXPECT_DOUBLE_EQ(child<DailyCycleInputWidget>(name)->axisMaximum(), 45) << name;
	EXPECT_DOUBLE_EQ(m_w.plot()->axisScaleDiv(QwtPlot::yLeft).upperBound(), 45);
	EXPECT_EQ(weekday->text(), QString("%L1").arg(30.0));

	// the lower bound itself would leave no height: refused
	weekday->setText("0");
	EXPECT_FALSE(weekday->isValid());
	emit weekday->editingFinished();
	EXPECT_DOUBLE_EQ(child<DailyCycleInputWidget>("dailyCycleWinter")->axisMaximum(), 45);
	EXPECT_EQ(m_schedule.m_winterSchedule, before.m_winterSchedule);
	EXPECT_EQ(m_schedule.m_summerSchedule, before.m_summerSchedule);
	EXPECT_EQ(m_schedule.m_constantValue, before.m_constantValue);
}


TEST_F(Editor, constantFieldRefusesValuesBelowTheLowerBound) {
	QtExt::ValidatingLineEdit * edit = child<QtExt::ValidatingLineEdit>("lineEditConstantEdit");
	GuiTest::typeAndReturn(edit, "-2");
	EXPECT_EQ(m_schedule.m_constantValue, 21);
	EXPECT_EQ(edit->toolTip(), "Set point of the heating");
	GuiTest::typeAndReturn(edit, QString("%L1").arg(19.5));
	EXPECT_EQ(m_schedule.m_constantValue, 19.5);
	GuiTest::typeAndReturn(edit, "0");
	EXPECT_EQ(m_schedule.m_constantValue, 0);		// the lower bound itself is allowed
}


TEST_F(Editor, clipboardImportsReportFailuresAndKeepTheSchedule) {
	m_schedule.m_type = RM::Schedule::DAILY_SEASONAL;
	m_schedule.m_annualValues = annualSeries(1);
	m_w.updateInput();
	struct Case { QString m_text; void (ScheduleInputWidget::*m_slot)(); const char * m_message; };
	const Case cases[] = {
		{"", &ScheduleInputWidget::onPushButtonImportDayClicked, "No data on clipboard"},
		{"", &ScheduleInputWidget::onPushButtonImportHourlyClicked, "No data on clipboard"},
		{"1,2\n", &ScheduleInputWidget::onPushButtonImportDayClicked,
			"Invalid format, expected table with two columns of numbers, separated by white-space character(s)."},
		{"inf 5", &ScheduleInputWidget::onPushButtonImportHourClicked,
			"Invalid format, expected table with two columns of numbers, separated by white-space character(s)."},
		{"1 2 3", &ScheduleInputWidget::onPushButtonImportHourlyClicked, "Invalid format, expected 8760 hourly values."},
	};
	for (const Case & c : cases) {
		QGuiApplication::clipboard()->setText(c.m_text);
		Driver driver;
		driver.add(Driver::press(QDialogButtonBox::Ok));
		(m_w.*c.m_slot)();
		ASSERT_EQ(driver.m_seen.size(), 1u) << c.m_message;
		EXPECT_EQ(driver.m_seen[0].m_title, "Cannot paste schedule data");
		EXPECT_EQ(driver.m_seen[0].m_text, c.m_message);
		EXPECT_EQ(m_schedule.m_annualValues, annualSeries(1)) << c.m_message;
		EXPECT_EQ(m_schedule.m_type, int(RM::Schedule::DAILY_SEASONAL));
	}

	// the paste buttons as a user presses them: one-field lines refused in either language
	for (QLocale::Language lang : { QLocale::German, QLocale::English }) {
		GuiTest::ScopedLocale locale(lang);
		for (const char * text : { "0,20\n100,22\n", "0,5\n100,7\n200,9\n300,1" }) {
			SCOPED_TRACE(text);
			QGuiApplication::clipboard()->setText(text);
			Driver driver;
			driver.add(Driver::press(QDialogButtonBox::Ok));
			QPushButton * day = nullptr;
			for (QPushButton * b : m_w.findChildren<QPushButton *>())
				if (b->text() == "Paste (day,value)")
					day = b;
			ASSERT_NE(day, nullptr);
			day->click();
			ASSERT_EQ(driver.m_seen.size(), 1u);
			EXPECT_EQ(driver.m_seen[0].m_text,
				"Invalid format, expected table with two columns of numbers, separated by white-space character(s).");
			EXPECT_EQ(m_schedule.m_annualValues, annualSeries(1));
		}
	}

	QGuiApplication::clipboard()->setText("0\t4\n2\t6\n");
	m_w.onPushButtonImportHourClicked();
	EXPECT_EQ(m_schedule.m_type, int(RM::Schedule::DAILY_SEASONAL));	// no import changes the type
	ASSERT_EQ(m_schedule.m_annualValues.size(), 8760u);
	EXPECT_EQ(m_schedule.m_annualValues[1], 4);
	EXPECT_EQ(m_schedule.m_annualValues[2], 6);
	EXPECT_EQ(m_w.annualTable()->item(0, 2)->text(), "4");
	EXPECT_EQ(m_w.annualTable()->item(364, 24)->text(), "6");
	EXPECT_EQ(m_w.plot()->curve()->dataSize(), 8760u);
}


TEST_F(Editor, scheduleWithoutAnnualValuesClearsPlotAndTable) {
	m_schedule.m_annualValues = annualSeries(2);
	m_w.updateInput();
	EXPECT_EQ(m_w.annualTable()->item(1, 1)->text(), QString("%L1").arg(2.5));
	m_schedule.m_annualValues.clear();
	m_w.updateInput();
	EXPECT_EQ(m_w.plot()->curve()->dataSize(), 0u);
	for (int d : {0, 180, 364})
		for (int k : {1, 12, 24})
			EXPECT_TRUE(m_w.annualTable()->item(d, k)->text().isEmpty()) << d << " " << k;
	EXPECT_EQ(m_w.annualTable()->item(0, 0)->text().isEmpty(), false);
}


TEST(ScheduleInputWidget, editsSurviveAProjectRoundTrip) {
	QTemporaryDir userDir;
	ASSERT_TRUE(userDir.isValid());
	RM::Database db;
	db.setDirectories(GuiTest::sourceDir() + "/resources", userDir.path());
	db.readDatabase();
	RM::Room room;
	room.setDefaults();
	RM::Schedule & schedule = room.m_heatingModel.m_setPoints;
	ScheduleInputWidget w;
	w.setup("Set point", "C", "Set point of the heating", 0, 30, &schedule);
	w.resize(965, 539);
	w.updateInput();
	QComboBox * combo = w.findChild<QComboBox *>("comboBoxType");
	auto table = [&](const char * name) { return w.findChild<DailyCycleInputWidget *>(name)->findChild<QTableWidget *>(); };

	struct Step { int m_type; std::function<void()> m_edit; std::function<void()> m_check; };
	const std::vector<Step> steps = {
		{RM::Schedule::CONSTANT,
			[&] { auto * e = w.findChild<QtExt::ValidatingLineEdit *>("lineEditConstantEdit");
				  e->selectAll(); QTest::keyClicks(e, QString("%L1").arg(23.25)); QTest::keyClick(e, Qt::Key_Return); },
			[&] { EXPECT_EQ(w.findChild<QLineEdit *>("lineEditConstantEdit")->text(), QString("%L1").arg(23.25)); }},
		{RM::Schedule::DAILY_SEASONAL,
			[&] { table("dailyCycleWinter")->item(3, 1)->setText("12.5");
				  table("dailyCycleSummer")->item(20, 1)->setText("26");
				  w.findChild<QSpinBox *>("spinBoxSummerStart")->setValue(120);
				  w.findChild<QSpinBox *>("spinBoxWinterStart")->setValue(280); },
			[&] { EXPECT_EQ(table("dailyCycleWinter")->item(3, 1)->text(), QString("%L1").arg(12.5));
				  EXPECT_EQ(table("dailyCycleSummer")->item(20, 1)->text(), "26");
				  EXPECT_EQ(w.findChild<QSpinBox *>("spinBoxSummerStart")->value(), 120);
				  EXPECT_EQ(w.findChild<QSpinBox *>("spinBoxWinterStart")->value(), 280); }},
		{RM::Schedule::DAILY_WEEK,
			[&] { table("dailyCycleWeekDay")->item(9, 1)->setText("22");
				  table("dailyCycleWeekEnds")->item(0, 1)->setText("14");
				  w.findChild<QListWidget *>("listWidgetWeekEndDays")->item(4)->setCheckState(Qt::Checked); },
			[&] { EXPECT_EQ(table("dailyCycleWeekDay")->item(9, 1)->text(), "22");
				  EXPECT_EQ(table("dailyCycleWeekEnds")->item(0, 1)->text(), "14");
				  EXPECT_EQ(w.findChild<QListWidget *>("listWidgetWeekDays")->item(4)->checkState(), Qt::Unchecked); }},
		{RM::Schedule::ANNUAL,
			[&] { QGuiApplication::clipboard()->setText("0 17\n100 " + QString("%L1").arg(19.5)); w.onPushButtonImportDayClicked(); },
			[&] { EXPECT_EQ(w.annualTable()->item(99, 24)->text(), "17");
				  EXPECT_EQ(w.annualTable()->item(100, 1)->text(), QString("%L1").arg(19.5));
				  EXPECT_EQ(w.plot()->curve()->dataSize(), 8760u); }},
	};
	for (const Step & s : steps) {
		combo->setCurrentIndex(s.m_type);
		s.m_edit();
		const QString file = userDir.filePath(QString("room%1.rmxml").arg(s.m_type));
		ASSERT_TRUE(room.writeProjectFile(file, db));
		RM::Room read;
		read.readProjectFile(file, db);
		room = read;			// in place, as the main window does
		EXPECT_EQ(schedule.m_type, s.m_type);
		w.updateInput();
		EXPECT_EQ(combo->currentIndex(), s.m_type);
		s.m_check();
	}
}


namespace {

QPushButton * pasteButton(ScheduleInputWidget & w, const char * text) {
	for (QPushButton * b : w.findChildren<QPushButton *>())
		if (b->text() == text)
			return b;
	return nullptr;
}

} // namespace


TEST_F(Editor, pagesFollowTheTypeAfterAnInterpolatingSchedule) {
	m_schedule.m_type = RM::Schedule::DATLINEAR;
	m_w.updateInput();
	ASSERT_EQ(page(), 4);
	// the next project's schedule, read into the same record
	for (int type : {int(RM::Schedule::ANNUAL), int(RM::Schedule::DATLINEAR), int(RM::Schedule::CONSTANT)}) {
		m_schedule.m_type = type;
		m_w.updateInput();
		EXPECT_EQ(combo()->currentIndex(), type);
		EXPECT_EQ(page(), type) << combo()->currentText().toStdString();
	}
	m_schedule.m_type = RM::Schedule::DATLINEAR;
	m_w.updateInput();
	m_schedule.m_type = RM::Schedule::ANNUAL;
	m_w.setScheduleEditable(false);
	EXPECT_EQ(page(), 0);
	m_w.setScheduleEditable(true);
	EXPECT_EQ(page(), int(RM::Schedule::ANNUAL));
}


TEST_F(Editor, choosingTheAnnualKindStartsFromTheValuesInForce) {
	for (int type : {int(RM::Schedule::CONSTANT), int(RM::Schedule::DAILY_SEASONAL), int(RM::Schedule::DAILY_WEEK)}) {
		SCOPED_TRACE(type);
		m_schedule = RM::Schedule::workingHoursSchedule("HeatingSetPoint", 21, 16);
		m_schedule.m_summerSchedule.assign(24, 25);
		m_schedule.m_type = type;
		m_w.updateInput();
		const RM::Schedule before = m_schedule;
		m_w.show();
		combo()->setFocus();
		QTest::keyClick(combo(), Qt::Key_End);		// the last entry: "Annual hourly schedule"
		ASSERT_EQ(combo()->currentText(), "Annual hourly schedule");
		EXPECT_EQ(m_schedule.m_type, int(RM::Schedule::ANNUAL));
		ASSERT_EQ(m_schedule.m_annualValues.size(), 8760u);
		for (unsigned int h = 0; h < 8760; h += 7)
			ASSERT_EQ(m_schedule.value(h, h*3600.0), before.value(h, h*3600.0)) << h;
		EXPECT_EQ(m_w.plot()->curve()->dataSize(), 8760u);
		EXPECT_EQ(m_w.annualTable()->item(0, 9)->text(), QString("%L1").arg(m_schedule.m_annualValues[8]));
	}
	// a series already there is kept; a refresh of an annual schedule without one fills nothing
	std::vector<double> series = annualSeries(3);
	m_schedule.m_annualValues = series;
	combo()->setCurrentIndex(0);
	combo()->setCurrentIndex(int(RM::Schedule::ANNUAL));
	EXPECT_EQ(m_schedule.m_annualValues, series);
	m_schedule.m_annualValues.clear();
	m_w.updateInput();
	EXPECT_TRUE(m_schedule.m_annualValues.empty());
}


TEST_F(Editor, pastesOfCommaTablesAndNegativeValuesAreRefused) {
	m_schedule.m_type = RM::Schedule::ANNUAL;
	m_schedule.m_annualValues = annualSeries(1);
	m_w.updateInput();
	m_w.show();
	const QString twoColumns = "Invalid format, expected table with two columns of numbers, separated by white-space character(s).";
	QStringList negative;
	for (int h = 0; h < 8760; ++h)
		negative << (h == 4000 ? "-1" : "20");
	struct Case { QLocale::Language m_lang; const char * m_button; QString m_text; QString m_message; };
	const Case cases[] = {
		{ QLocale::English, "Paste (day,value)", "0,5\n100,7\n200,9", twoColumns },
		{ QLocale::English, "Paste (hour,value)", "0,5\n100,7\n200,9", twoColumns },
		{ QLocale::German, "Paste (hour,value)", "0,5\n100,7\n200,9", twoColumns },
		{ QLocale::English, "Paste (hour,value)", "0 18\n100 -2", "The data hold values below 0, which are not accepted here.\nSet point of the heating" },
		{ QLocale::English, "Paste (hourly values)", negative.join('\n'), "The data hold values below 0, which are not accepted here.\nSet point of the heating" },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_text.left(30).toStdString());
		GuiTest::ScopedLocale locale(c.m_lang);
		QGuiApplication::clipboard()->setText(c.m_text);
		Driver driver;
		driver.add(Driver::press(QDialogButtonBox::Ok));
		QPushButton * button = pasteButton(m_w, c.m_button);
		ASSERT_NE(button, nullptr);
		QTest::mouseClick(button, Qt::LeftButton);
		ASSERT_EQ(driver.m_seen.size(), 1u);
		EXPECT_EQ(driver.m_seen[0].m_text, c.m_message);
		EXPECT_EQ(m_schedule.m_annualValues, annualSeries(1));
	}
	// German decimal commas in two columns are numbers
	GuiTest::ScopedLocale german(QLocale::German);
	QGuiApplication::clipboard()->setText("0 0,5\n100 7,25");
	QTest::mouseClick(pasteButton(m_w, "Paste (hour,value)"), Qt::LeftButton);
	EXPECT_EQ(m_schedule.m_annualValues[99], 0.5);
	EXPECT_EQ(m_schedule.m_annualValues[100], 7.25);
}
