#include <cmath>

#include <gtest/gtest.h>

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <BVX_Exception.h>
#include <BVX_Unit.h>

#include <RM_Schedule.h>

#include "RM_TestSupport.h"

using RM::Schedule;

namespace {

/*! Profile whose value encodes the hour of the day, offset to tell profiles apart. */
std::vector<double> profile(double offset) {
	std::vector<double> p(24);
	for (unsigned int k = 0; k < 24; ++k)
		p[k] = offset + k;
	return p;
}

QString toXML(const Schedule & s) {
	QString xml;
	QXmlStreamWriter writer(&xml);
	s.writeXML(writer);
	return xml;
}

Schedule fromXML(const QString & xml) {
	QXmlStreamReader reader;
	RMTest::startReader(reader, xml);
	Schedule s;
	s.readXML(reader);
	EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
	return s;
}

} // namespace


TEST(Schedule, defaults) {
	Schedule s;
	EXPECT_EQ(s.m_name, QString("UndefinedSchedule"));
	EXPECT_EQ(s.m_type, Schedule::DAILY_WEEK);
	EXPECT_EQ(s.m_summerStartDay, 90u);
	EXPECT_EQ(s.m_winterStartDay, 273u);
	const bool weekEnd[7] = { false, false, false, false, false, true, true };
	for (unsigned int i = 0; i < 7; ++i)
		EXPECT_EQ(s.m_weekEndDays[i], weekEnd[i]) << i;
}


TEST(Schedule, dailySeasonalChoosesProfileBySeason) {
	Schedule s;
	s.m_type = Schedule::DAILY_SEASONAL;
	s.m_summerSchedule = profile(100);
	s.m_winterSchedule = profile(200);

	struct Case { unsigned int summerStart, winterStart, day, hourOfDay; double expected; };
	const Case cases[] = {
		// defaults: summer from day 90 through day 272
		{ 90, 273, 89, 5, 205 }, { 90, 273, 90, 5, 105 }, { 90, 273, 272, 23, 123 }, { 90, 273, 273, 0, 200 },
		// summer across the turn of the year: days 300..364 and 0..59
		{ 300, 60, 0, 3, 103 }, { 300, 60, 59, 3, 103 }, { 300, 60, 60, 3, 203 },
		{ 300, 60, 299, 3, 203 }, { 300, 60, 300, 3, 103 }, { 300, 60, 364, 3, 103 },
		// equal start days: summer all year
		{ 120, 120, 0, 1, 101 }, { 120, 120, 120, 1, 101 }, { 120, 120, 364, 1, 101 },
	};
	for (const Case & c : cases) {
		s.m_summerStartDay = c.summerStart;
		s.m_winterStartDay = c.winterStart;
		EXPECT_EQ(s.value(c.day * 24 + c.hourOfDay, 0), c.expected)
			<< c.summerStart << "/" << c.winterStart << " day " << c.day;
	}
}


TEST(Schedule, dailyWeekUsesCalendarStartingOnMonday) {
	Schedule s;
	s.m_type = Schedule::DAILY_WEEK;
	s.m_weekDaySchedule = profile(100);
	s.m_weekEndSchedule = profile(200);
	EXPECT_EQ(s.value(0, 0), 100);				// Monday, January 1st
	EXPECT_EQ(s.value(4 * 24 + 23, 0), 123);	// Friday 23:00
	EXPECT_EQ(s.value(120, 0), 200);			// Saturday 0:00
	EXPECT_EQ(s.value(6 * 24 + 12, 0), 212);	// Sunday noon
	EXPECT_EQ(s.value(7 * 24, 0), 100);			// next Monday
	EXPECT_EQ(s.value(8759, 0), 123);			// December 31st, a Monday

	s.m_weekEndDays.fill(false);
	s.m_weekEndDays[2] = true;					// Wednesday only
	EXPECT_EQ(s.value(120, 0), 100);
	EXPECT_EQ(s.value(2 * 24 + 1, 0), 201);
}


TEST(Schedule, constantAnnualAndDatLinearValues) {
	Schedule s;
	s.m_constantValue = 4.5;
	s.m_type = Schedule::CONSTANT;
	EXPECT_EQ(s.value(0, 0), 4.5);
	EXPECT_EQ(s.value(8759, 1e9), 4.5);

	s.m_type = Schedule::ANNUAL;
	EXPECT_EQ(s.value(100, 0), 4.5);			// never loaded
	s.m_annualValues.assign(8759, 1.0);
	EXPECT_EQ(s.value(100, 0), 4.5);			// one value short
	s.m_annualValues.assign(8760, 0);
	for (unsigned int h = 0; h < 8760; ++h)
		s.m_annualValues[h] = h * 0.5;
	EXPECT_EQ(s.value(0, 0), 0);
	EXPECT_EQ(s.value(8759, 0), 4379.5);

	s.m_type = Schedule::DATLINEAR;
	EXPECT_EQ(s.value(10, 36000), 4.5);			// no data: constant value instead of a failing lookup
	s.m_datLinearSpline.setValues({ 0, 3600, 7200 }, { 0, 10, 20 });
	s.m_datLinearSpline.setValues({ 0, 7200, 3600 }, { 0, 10, 20 });	// not increasing: invalid
	EXPECT_EQ(s.value(0, 1800), 4.5);
	s.m_datLinearSpline.setValues({ 0, 3600, 7200 }, { 0, 10, 20 });
	EXPECT_EQ(s.value(0, 1800), 5);
	EXPECT_EQ(s.value(0, 1e8), 20);				// beyond the end: constant extrapolation

	s.m_type = 17;								// unknown type: constant value
	EXPECT_EQ(s.value(0, 0), 4.5);
}


TEST(Schedule, xmlRoundTripOfEveryType) {
	Schedule s;
	s.m_name = "ScheduleSetPoints";
	s.m_constantValue = 21.5;
	s.m_summerSchedule = profile(0.25);
	s.m_winterSchedule = profile(1000);
	s.m_weekDaySchedule = profile(-3.125);
	s.m_weekEndSchedule = profile(7);
	s.m_summerStartDay = 100;
	s.m_winterStartDay = 250;
	s.m_weekEndDays.fill(false);
	s.m_weekEndDays[0] = true;
	s.m_weekEndDays[6] = true;
	s.m_annualValues.resize(8760);
	for (unsigned int h = 0; h < 8760; ++h)
		s.m_annualValues[h] = std::sin(h * 0.01);

	for (int type = 0; type < Schedule::NUM_ST; ++type) {
		s.m_type = type;
		if (type == Schedule::DATLINEAR) {
			s.m_datLinearSpline.setValues({ 0, 3600, 36000 }, { 1, 2, 4 });
			s.m_xUnitId = BVX::Unit("h").id();
		}
		const QString xml = toXML(s);
		Schedule b = fromXML(xml);
		EXPECT_EQ(b.m_name, s.m_name);
		EXPECT_EQ(b.m_type, type);
		for (unsigned int h : { 0u, 120u, 2400u, 5000u, 8759u })
			for (double t : { 0.0, 1800.0, 20000.0 })
				EXPECT_NEAR(b.value(h, t), s.value(h, t), 1e-5 * (1 + std::fabs(s.value(h, t))))
					<< Schedule::typeKeyword(type).toStdString() << " h=" << h;
		if (type == Schedule::CONSTANT) {
			EXPECT_FALSE(xml.contains("Schedule>")) << "no profiles for CONSTANT";
		}
	}
}


TEST(Schedule, datLinearStoredInSecondsWrittenInFileUnit) {
	const QString xml = "<ScheduleX type='DATLINEAR'><LinearSpline name='DatLinear'>"
						"<X unit='h'>0 1 2</X><Y unit='---'>0 10 30</Y></LinearSpline></ScheduleX>";
	Schedule s = fromXML(xml);
	EXPECT_EQ(s.m_datLinearSpline.x(), std::vector<double>({ 0, 3600, 7200 }));
	EXPECT_EQ(s.m_xUnitId, BVX::Unit("h").id());
	EXPECT_EQ(s.value(0, 5400), 20);
	EXPECT_TRUE(toXML(s).contains("<X unit=\"h\">0 1 2</X>"));

	// other spline names are dropped silently
	Schedule o = fromXML("<S type='DATLINEAR'><LinearSpline name='Other'><X unit='h'>0 1</X>"
						 "<Y unit='---'>0 1</Y></LinearSpline></S>");
	EXPECT_TRUE(o.m_datLinearSpline.empty());
	// an empty spline writes only the type attribute
	EXPECT_EQ(toXML(o), QString("<S type=\"DATLINEAR\"/>"));
}


TEST(Schedule, brokenDatLinearSplineThrowsWrappedError) {
	struct Case { const char * xml; const char * inner; };
	const Case cases[] = {
		{ "<S type='DATLINEAR'><LinearSpline name='DatLinear'><X unit='m'>0 1</X><Y unit='---'>0 1</Y>"
		  "</LinearSpline></S>", "Invalid x unit in linear spline 'DatLinear'" },
		{ "<S type='DATLINEAR'><LinearSpline name='DatLinear'><X unit='h'>0 2 1</X><Y unit='---'>0 1 2</Y>"
		  "</LinearSpline></S>", "cannot create monotonically increasing spline" },
		{ "<S type='DATLINEAR'><LinearSpline name='DatLinear'><X unit='h'>0 1 2</X><Y unit='---'>0 1</Y>"
		  "</LinearSpline></S>", "cannot create monotonically increasing spline" },
		{ "<S type='DATLINEAR'><LinearSpline name='DatLinear'><X unit='fortnight'>0 1</X><Y unit='---'>0 1</Y>"
		  "</LinearSpline></S>", "Unit 'fortnight' not found." },
	};
	RMTest::MessageCapture capture;
	for (const Case & c : cases) {
		QXmlStreamReader reader;
		RMTest::startReader(reader, c.xml);
		Schedule s;
		try {
			s.readXML(reader);
			ADD_FAILURE() << "no exception for " << c.xml;
		}
		catch (BVX::Exception & ex) {
			EXPECT_EQ(std::string(ex.what()), "Error reading LinearSpline data in schedule.");
			EXPECT_NE(ex.msgStack().find(c.inner), std::string::npos) << ex.msgStack();
		}
	}
}


TEST(Schedule, readerWarnsAndKeepsValuesForMisplacedOrUnknownContent) {
	RMTest::MessageCapture capture;
	const QString xml = "<Occ type='DAILY_WEEK'>"
						"<ConstantValue>5</ConstantValue>"
						"<WeekDaySchedule>1 2 3 4 5 6 7 8 9 10</WeekDaySchedule>"
						"<WeekEndDays>Sat Sun Holiday</WeekEndDays>"
						"<Foo><Bar/></Foo>"
						"</Occ>";
	Schedule s;
	s.m_weekDaySchedule = profile(100);
	QXmlStreamReader reader;
	RMTest::startReader(reader, xml);
	s.readXML(reader);
	ASSERT_FALSE(reader.hasError());
	EXPECT_EQ(s.m_constantValue, 0);
	for (unsigned int k = 0; k < 10; ++k)
		EXPECT_EQ(s.m_weekDaySchedule[k], k + 1);
	for (unsigned int k = 10; k < 24; ++k)
		EXPECT_EQ(s.m_weekDaySchedule[k], 100 + k);
	const bool weekEnd[7] = { false, false, false, false, false, true, true };
	for (unsigned int i = 0; i < 7; ++i)
		EXPECT_EQ(s.m_weekEndDays[i], weekEnd[i]);
	EXPECT_EQ(capture.count(BVX::MSG_WARNING, "ConstantValue is ignored for Schedule with name Occ of type DAILY_WEEK."), 1u);
	EXPECT_EQ(capture.count(BVX::MSG_WARNING, "Found unknown weekEndDay: 'Holiday' in Schedule with name Occ."), 1u);
	EXPECT_EQ(capture.count(BVX::MSG_WARNING, "Found unknown element in 'Occ' tag Foo."), 1u);
	EXPECT_TRUE(reader.isEndElement());
	EXPECT_EQ(reader.name(), QString("Occ"));
}


TEST(Schedule, annualWritesValuesAndFilePathIndependently) {
	Schedule s;
	s.m_name = "A";
	s.m_type = Schedule::ANNUAL;
	s.m_constantValue = 3;
	s.m_annualDataFile = "climate/loads.ccd";
	s.m_annualValues.assign(8760, 0.5);
	s.m_annualValues[8759] = 9;

	const QString xml = toXML(s);
	EXPECT_TRUE(xml.contains("<AnnualScheduleCCD>climate/loads.ccd</AnnualScheduleCCD>"));
	Schedule b = fromXML(xml);
	EXPECT_EQ(b.m_annualDataFile, s.m_annualDataFile);
	ASSERT_EQ(b.m_annualValues.size(), 8760u);
	EXPECT_EQ(b.value(8759, 0), 9);
	EXPECT_EQ(b.value(0, 0), 0.5);

	// a path alone: no values are loaded from it, the constant value is used
	s.m_annualValues.clear();
	Schedule c = fromXML(toXML(s));
	EXPECT_EQ(c.m_annualDataFile, s.m_annualDataFile);
	EXPECT_TRUE(c.m_annualValues.empty());
	c.m_constantValue = 3;
	EXPECT_EQ(c.value(5, 0), 3);

	// a short value list fills the first slots and leaves zeros
	Schedule d = fromXML("<A type='ANNUAL'><AnnualSchedule>1 2</AnnualSchedule></A>");
	ASSERT_EQ(d.m_annualValues.size(), 8760u);
	EXPECT_EQ(d.value(1, 0), 2);
	EXPECT_EQ(d.value(2, 0), 0);
}


TEST(Schedule, writeFormatsOfProfilesAndWeekEndDays) {
	Schedule s;
	s.m_name = "W";
	s.m_weekDaySchedule.assign(24, 0.1);
	s.m_weekDaySchedule[0] = 1234567;
	const QString xml = toXML(s);
	EXPECT_TRUE(xml.contains("<WeekDaySchedule>1.23457e+06 0.1 ")) << xml.toStdString();
	EXPECT_TRUE(xml.contains("<WeekEndDays>Sat Sun </WeekEndDays>"));

	QString xml2;
	QXmlStreamWriter writer(&xml2);
	s.m_type = Schedule::CONSTANT;
	s.m_constantValue = 31536000;
	s.writeXML(writer, true);
	EXPECT_EQ(xml2, QString("<Schedule name=\"W\" type=\"CONSTANT\"><ConstantValue>3.1536e+07</ConstantValue></Schedule>"));
}


// Default set points of the air-conditioning models: working hours 8..16 on week days.
TEST(Schedule, workingHoursSchedule) {
	const RM::Schedule s = RM::Schedule::workingHoursSchedule("ScheduleSetPoints", 26, 40);
	EXPECT_EQ(s.m_name, "ScheduleSetPoints");
	EXPECT_EQ(s.m_type, RM::Schedule::DAILY_WEEK);
	EXPECT_EQ(s.m_constantValue, 26);
	const unsigned int summerMonday = 7*20*24;		// day 140 is a Monday
	struct Case { unsigned int h; double value; };
	const Case cases[] = {
		{summerMonday + 7, 40}, {summerMonday + 8, 26}, {summerMonday + 16, 26}, {summerMonday + 17, 40},
		{summerMonday + 5*24 + 10, 40},		// Saturday
		{10, 26}							// week days use the week-day profile all year
	};
	for (const Case & c : cases)
		EXPECT_EQ(s.value(c.h, c.h*3600.0), c.value) << "hour " << c.h;
	EXPECT_EQ(RM::Schedule::workingHoursProfile(4, 0), std::vector<double>({0,0,0,0,0,0,0,0,4,4,4,4,4,4,4,4,4,0,0,0,0,0,0,0}));
}
