#include "RM_Schedule.h"

#include <cmath>
#include <limits>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>
#include <BVX_Time.h>
#include <BVX_Unit.h>
#include <BVX_UnitList.h>

#include "RM_XMLHelpers.h"

namespace RM {

namespace {

const char * const READ_FUNC_ID = "Schedule::readXML()";
const char * const WEEK_DAY_NAMES[7] = { "Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun" };
using BVX::HOURS_PER_YEAR;

void warning(const BVX::FormatText & text) {
	BVX::BVX_Message(text, BVX::MSG_WARNING, READ_FUNC_ID, 1);
}

/*! Reads numbers into consecutive slots; stops at the first text that is no number
	or when all slots are filled, the remaining slots keep their values. */
void readValuesInto(QXmlStreamReader & reader, const QString & tag, const QString & text, std::vector<double> & target) {
	if (!checkFiniteText(reader, text, tag))
		return;
	std::vector<double> vals = parseDoubles(text);
	for (std::size_t i = 0; i < vals.size() && i < target.size(); ++i)
		target[i] = vals[i];
}

/*! A day number in text; text that is no whole number from 0 on is a read error and gives 0. */
unsigned int dayOfYear(QXmlStreamReader & reader, const QString & tag, const QString & text) {
	long long v = 0;
	if (parseWholeNumber(text, v) && v >= 0 && v <= std::numeric_limits<unsigned int>::max())
		return static_cast<unsigned int>(v);
	if (!reader.hasError())
		reader.raiseError(QCoreApplication::translate("XMLHelpers", "Invalid value for element '%1', must be a whole number.")
						  .arg(tag));
	return 0;
}

} // namespace


std::vector<double> Schedule::workingHoursProfile(double workValue, double offValue) {
	std::vector<double> profile(24, offValue);
	for (unsigned int k = 8; k <= 16; ++k)
		profile[k] = workValue;
	return profile;
}


Schedule Schedule::workingHoursSchedule(const QString & name, double workValue, double offValue) {
	Schedule s;
	s.m_name = name;
	s.m_type = DAILY_WEEK;
	s.m_constantValue = workValue;
	s.m_summerSchedule = workingHoursProfile(workValue, offValue);
	s.m_weekDaySchedule = s.m_summerSchedule;
	s.m_winterSchedule.assign(24, offValue);
	s.m_weekEndSchedule.assign(24, offValue);
	return s;
}


Schedule::Schedule() :
	m_name("UndefinedSchedule"),
	m_type(DAILY_WEEK),
	m_constantValue(0),
	m_summerSchedule(24, 0.0),
	m_winterSchedule(24, 0.0),
	m_weekDaySchedule(24, 0.0),
	m_weekEndSchedule(24, 0.0),
	m_weekEndDays{ {false, false, false, false, false, true, true} },
	m_summerStartDay(90),
	m_winterStartDay(273),
	m_xUnitId(0)
{
}


double Schedule::value(unsigned int h, double t) const {
	Q_ASSERT_X(h < HOURS_PER_YEAR, "Schedule::value", "h<8760");
	const unsigned int d = h / 24;
	const unsigned int k = h % 24;
	switch (m_type) {
		case DAILY_SEASONAL : {
			const unsigned int s = m_summerStartDay;
			const unsigned int w = m_winterStartDay;
			bool summer;
			if (s < w)
				summer = (d >= s && d < w);
			else
				summer = !(d >= w && d < s);
			return summer ? m_summerSchedule[k] : m_winterSchedule[k];
		}
		case DAILY_WEEK :
			return m_weekEndDays[weekDay(d)] ? m_weekEndSchedule[k] : m_weekDaySchedule[k];
		case ANNUAL :
			if (m_annualValues.size() == HOURS_PER_YEAR)
				return m_annualValues[h];
			return m_constantValue;
		case DATLINEAR :
			// a schedule without usable data falls back to its constant value
			if (m_datLinearSpline.empty() || !m_datLinearSpline.valid())
				return m_constantValue;
			return m_datLinearSpline.value(t);
		case CONSTANT :
		default :
			return m_constantValue;
	}
}


QString Schedule::typeKeyword(int type) {
	switch (type) {
		case CONSTANT		: return "CONSTANT";
		case DAILY_SEASONAL	: return "DAILY_SEASONAL";
		case DAILY_WEEK		: return "DAILY_WEEK";
		case ANNUAL			: return "ANNUAL";
		case DATLINEAR		: return "DATLINEAR";
		default				: return QString();
	}
}


int Schedule::typeFromKeyword(const QString & keyword) {
	for (int t = 0; t < NUM_ST; ++t)
		if (typeKeyword(t) == keyword)
			return t;
	return -1;
}


void Schedule::readXML(QXmlStreamReader & reader) {
	Q_ASSERT(reader.isStartElement());
	m_name = reader.name().toString();
	const QString typeText = reader.attributes().value("type").toString();
	int type = typeFromKeyword(typeText);
	if (type != -1)
		m_type = type;

	while (!reader.atEnd()) {
		reader.readNext();
		if (reader.isEndElement()) {
			if (reader.name() == m_name)
				break;
			BVX::BVX_Message(BVX::FormatText("Leaving element '%1'.\n").arg(reader.name().toString().toStdString()),
							 BVX::MSG_PROGRESS, READ_FUNC_ID, 1);
			continue;
		}
		if (reader.isStartElement())
			readChild(reader, typeText);
	}
}


void Schedule::readChild(QXmlStreamReader & reader, const QString & typeText) {
	const QString tag = reader.name().toString();
	if (tag == "LinearSpline") {
		readDatLinearSpline(reader);
		return;
	}

	struct ChildInfo {
		const char *	m_tag;
		int				m_type;
	};
	static const ChildInfo CHILDREN[] = {
		{ "ConstantValue", CONSTANT },
		{ "SummerSchedule", DAILY_SEASONAL },
		{ "WinterSchedule", DAILY_SEASONAL },
		{ "SummerStartDay", DAILY_SEASONAL },
		{ "WinterStartDay", DAILY_SEASONAL },
		{ "WeekDaySchedule", DAILY_WEEK },
		{ "WeekEndSchedule", DAILY_WEEK },
		{ "WeekEndDays", DAILY_WEEK },
		{ "AnnualSchedule", ANNUAL },
		{ "AnnualScheduleCCD", ANNUAL }
	};
	const ChildInfo * info = nullptr;
	for (const ChildInfo & c : CHILDREN)
		if (tag == c.m_tag)
			info = &c;

	if (info == nullptr) {
		warning(BVX::FormatText("Found unknown element in '%1' tag %2.")
				.arg(m_name.toStdString()).arg(tag.toStdString()));
		skipElement(reader);
		return;
	}
	if (info->m_type != m_type) {
		warning(BVX::FormatText("%1 is ignored for Schedule with name %2 of type %3.")
				.arg(tag.toStdString()).arg(m_name.toStdString()).arg(typeText.toStdString()));
		skipElement(reader);
		return;
	}

	const QString text = readElementText(reader);
	if (tag == "ConstantValue") {
		double v = 0;
		if (!parseNumber(text, v))
			v = std::nan("");
		if (checkFiniteValues(reader, std::vector<double>(1, v), tag))
			m_constantValue = v;
	}
	else if (tag == "SummerSchedule")	readValuesInto(reader, tag, text, m_summerSchedule);
	else if (tag == "WinterSchedule")	readValuesInto(reader, tag, text, m_winterSchedule);
	else if (tag == "WeekDaySchedule")	readValuesInto(reader, tag, text, m_weekDaySchedule);
	else if (tag == "WeekEndSchedule")	readValuesInto(reader, tag, text, m_weekEndSchedule);
	else if (tag == "SummerStartDay")	m_summerStartDay = dayOfYear(reader, tag, text);
	else if (tag == "WinterStartDay")	m_winterStartDay = dayOfYear(reader, tag, text);
	else if (tag == "WeekEndDays") {
		m_weekEndDays.fill(false);
		const QStringList words = text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
		for (const QString & w : words) {
			bool known = false;
			for (unsigned int i = 0; i < 7; ++i) {
				if (w == WEEK_DAY_NAMES[i]) {
					m_weekEndDays[i] = true;
					known = true;
				}
			}
			if (!known)
				warning(BVX::FormatText("Found unknown weekEndDay: '%1' in Schedule with name %2.")
						.arg(w.toStdString()).arg(m_name.toStdString()));
		}
	}
	else if (tag == "AnnualSchedule") {
		m_annualValues.resize(HOURS_PER_YEAR, 0.0);
		readValuesInto(reader, tag, text, m_annualValues);
	}
	else if (tag == "AnnualScheduleCCD")
		m_annualDataFile = text;
}


void Schedule::readDatLinearSpline(QXmlStreamReader & reader) {
	QString name, xUnit, yUnit;
	BVX::LinearSpline spl;
	readNamedBVXSplineData(reader, name, xUnit, yUnit, spl);
	if (name != "DatLinear")
		return;
	try {
		BVX::Unit xu(xUnit.toStdString());
		const BVX::Unit seconds("s");
		if (xu.base_id() != seconds.id())
			throw BVX::Exception(BVX::FormatText("Invalid x unit in linear spline '%1', expected time point in [s] "
												 "or convertible unit.").arg(name.toStdString()), READ_FUNC_ID);
		BVX::LinearSpline converted;
		if (!spl.empty()) {
			std::vector<double> x = spl.x();
			for (double & v : x)
				BVX::UnitList::instance().convert(xu, seconds, v);
			converted.setValues(x, spl.y());
		}
		if (!converted.valid())
			throw BVX::Exception(BVX::FormatText("Invalid data in linear spline '%1', cannot create monotonically "
												 "increasing spline.").arg(name.toStdString()), READ_FUNC_ID);
		m_datLinearSpline = converted;
		m_xUnitId = xu.id();
	}
	catch (BVX::Exception & ex) {
		throw BVX::Exception(ex, "Error reading LinearSpline data in schedule.", READ_FUNC_ID);
	}
}


void Schedule::writeXML(QXmlStreamWriter & writer, bool asScheduleElement) const {
	if (asScheduleElement) {
		writer.writeStartElement("Schedule");
		writer.writeAttribute("name", m_name);
	}
	else
		writer.writeStartElement(m_name);
	const QString typestr = typeKeyword(m_type);
	Q_ASSERT(!typestr.isEmpty());
	writer.writeAttribute("type", typestr);

	switch (m_type) {
		case CONSTANT :
			writer.writeTextElement("ConstantValue", QString("%1").arg(m_constantValue));
			break;
		case DAILY_SEASONAL :
			writer.writeTextElement("SummerSchedule", doubleVectorToString(m_summerSchedule, true));
			writer.writeTextElement("WinterSchedule", doubleVectorToString(m_winterSchedule, true));
			writer.writeTextElement("SummerStartDay", QString::number(m_summerStartDay));
			writer.writeTextElement("WinterStartDay", QString::number(m_winterStartDay));
			break;
		case DAILY_WEEK : {
			writer.writeTextElement("WeekDaySchedule", doubleVectorToString(m_weekDaySchedule, true));
			writer.writeTextElement("WeekEndSchedule", doubleVectorToString(m_weekEndSchedule, true));
			QString days;
			for (unsigned int i = 0; i < 7; ++i)
				if (m_weekEndDays[i])
					days += QString(WEEK_DAY_NAMES[i]) + " ";
			writer.writeTextElement("WeekEndDays", days);
		} break;
		case ANNUAL :
			// values and file path are independent: write whatever is held
			if (!m_annualDataFile.isEmpty() || m_annualValues.size() != HOURS_PER_YEAR)
				writer.writeTextElement("AnnualScheduleCCD", m_annualDataFile);
			if (m_annualValues.size() == HOURS_PER_YEAR)
				writer.writeTextElement("AnnualSchedule", doubleVectorToString(m_annualValues, true));
			break;
		case DATLINEAR :
			if (!m_datLinearSpline.x().empty() && m_datLinearSpline.valid() && m_xUnitId != 0) {
				const BVX::Unit xu(m_xUnitId);
				std::vector<double> x = m_datLinearSpline.x();
				for (double & v : x)
					BVX::UnitList::instance().convert(BVX::Unit("s"), xu, v);
				BVX::LinearSpline spl;
				spl.setValues(x, m_datLinearSpline.y());
				writeLinearSpline(writer, "DatLinear", QString::fromStdString(xu.name()), "---", spl);
			}
			break;
		default : ;
	}
	writer.writeEndElement();
}

} // namespace RM
