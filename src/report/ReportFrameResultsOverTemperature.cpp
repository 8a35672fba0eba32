#include "ReportFrameResultsOverTemperature.h"

#include <algorithm>
#include <cmath>

#include <QtExt_Table.h>

#include <RM_CaldoryneModelInterface.h>

#include "Report.h"
#include "ReportSettings.h"

namespace {

const int HOURS_PER_YEAR = 8760;

/*! "%L1 %2" with a whole number of field width 4. */
QString valueText(double value, const QString & unit) {
	return QString("%L1 %2").arg(value, 4, 'f', 0).arg(unit);
}

} // namespace


ReportFrameResultsOverTemperature::ReportFrameResultsOverTemperature(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument),
	m_title(newText()),
	m_subTitle(newText()),
	m_table(newTable())
{
}


double ReportFrameResultsOverTemperature::degreeHoursAbove(const std::vector<double> & timeDays,
														   const std::vector<double> & temperature, double limit)
{
	double hours = 0;
	const size_t n = std::min(timeDays.size(), temperature.size());
	for (size_t i = 1; i < n; ++i) {
		const double excess = 0.5 * (temperature[i - 1] + temperature[i]) - limit;
		if (excess > 0)
			hours += (timeDays[i] - timeDays[i - 1]) * 24 * excess;
	}
	return hours;
}


QString ReportFrameResultsOverTemperature::degreeHoursText(double hours, unsigned int limit) {
	const QString whole = QString("%L1").arg(hours, 4, 'f', 0);
	// 1200.4 would read "1200 > 1200"
	if (whole.trimmed() == QString("%L1").arg(limit) && hours != limit)
		return QString("%L1").arg(hours, 4, 'f', 1);
	return whole;
}


double ReportFrameResultsOverTemperature::coveredDays(const std::vector<double> & timeDays) {
	if (timeDays.size() < 2)
		return 0;
	return timeDays.back() - timeDays.front();
}


void ReportFrameResultsOverTemperature::layoutBlocks() {
	placeText(m_title, heading(tr("Results")), frameSpacing());
	if (!project()->m_outputManager.m_resultsPresent) {
		// a former run's or no values at all would read as a verdict
		placeText(m_subTitle, paragraph(tr("No simulation results available.")), headingSpacing());
		return;
	}
	const RM::DIN4108_2Assessment & din = room().m_din4108_2Assessment;
	if (din.m_active)
		placeText(m_subTitle, subHeading(QString("%1 - %2").arg(tr("Verification according DIN 4108-2 2013 8.4.1"))
				  .arg(din.m_residential ? tr("residential building") : tr("non residential building"))), headingSpacing());
	else
		placeText(m_subTitle, subHeading(tr("Over-temperature hours")), headingSpacing());

	const ReportSettings & settings = ReportSettings::instance();
	const int extra = (settings.m_overTemperatureHoursP2 ? 1 : 0) + (settings.m_overTemperatureHoursP4 ? 1 : 0);
	const int rows = 3 + (din.m_active ? 1 : 0) + extra;
	const int boxed = 1 + extra;
	setupInfoTable(m_table, 3, rows, false);
	m_table->mergeCells(1, 2, 2, 1);
	const int border = int(report()->m_tableOuterBorderWidth);
	m_table->setBorderRect(0, 2, rows - boxed, rows - 1, border);
	if (boxed > 1) {
		for (int c = 0; c < 3; ++c)
			m_table->cell(c, rows - boxed).setBorderWidth(QtExt::TableCell::BottomBorder, border);
	}
	if (din.m_active)
		fillActive();
	else
		fillInactive();
	placeTable(m_table, spacing(report()->m_subHeadingSpacing));
}


void ReportFrameResultsOverTemperature::fillActive() {
	const RM::DIN4108_2Assessment & din = room().m_din4108_2Assessment;
	const RM::OutputManager & om = project()->m_outputManager;
	const ReportSettings & settings = ReportSettings::instance();

	// the hours the evaluation took (the last year of a longer run), as the log and summary say
	const double hours = om.m_din4108_2AssessedHours;
	const bool wholeYear = hours >= HOURS_PER_YEAR - 0.5;
	// the using hours belong to a verdict; without one they would read as one
	if (wholeYear) {
		m_table->setCellText(0, 0, tr("Related to using hours"));
		m_table->setCellText(1, 0, valueText(din.occupancyHours(), "h"));
	}
	else
		m_table->setCellText(0, 0, " ");
	m_table->setCellText(0, 1, tr("Related to operative room temperature"));
	m_table->setCellText(1, 1, valueText(din.referenceTemperature(), "&deg;C"));
	const char * const letters[] = { "A", "B", "C" };
	if (din.m_climateRegion >= 0 && din.m_climateRegion <= 2)
		m_table->setCellText(2, 1, tr("(Region %1)").arg(letters[din.m_climateRegion]));
	m_table->setCellText(0, 2, " ");

	m_table->cell(0, 3).setMarginLeft(5);
	// the limit holds for a year: the degree hours of a shorter run prove nothing
	if (!wholeYear) {
		m_table->setCellText(0, 3, tr("<b><font color=\"red\">No verification: the run covers %L1 h, "
									  "the assessment needs the %L2 h of a year.</font></b>")
							 .arg(hours, 0, 'f', 0).arg(HOURS_PER_YEAR));
		m_table->setCellText(1, 3, QString("<b>%1</b>").arg(valueText(om.m_overTemperatureHours, "Kh")));
	}
	else {
		const bool passed = om.m_din4108_2VerificationPassed;
		QString verdict = passed ? tr("<b>Verification fullfilled.</b>")
								 : tr("<b><font color=\"red\">Verification failed!</font></b>");
		const double runHours = 24*coveredDays(om.m_roomStateSeries[RM::OutputManager::RS_Time]);
		if (runHours > hours + 0.5)
			verdict += "<br>" + tr("Last year of the run of %L1 h").arg(runHours, 0, 'f', 0);
		m_table->setCellText(0, 3, verdict);
		m_table->setCellText(1, 3, QString("<b>%1 %2 %L3 %4</b>")
							 .arg(degreeHoursText(om.m_overTemperatureHours, din.overTemperatureLimit()))
							 .arg(passed ? "&le;" : "&gt;").arg(din.overTemperatureLimit()).arg("Kh/a"));
	}
	const char * const unit = wholeYear ? "Kh/a" : "Kh";
	int row = 4;
	if (settings.m_overTemperatureHoursP2) {
		m_table->cell(0, row).setMarginLeft(5);
		m_table->setCellText(0, row, tr("Related to operative room temperature + 2K"));
		m_table->setCellText(1, row, valueText(om.m_overTemperatureHoursP2, unit));
		++row;
	}
	if (settings.m_overTemperatureHoursP4) {
		m_table->cell(0, row).setMarginLeft(5);
		m_table->setCellText(0, row, tr("Related to operative room temperature + 4K"));
		m_table->setCellText(1, row, valueText(om.m_overTemperatureHoursP4, unit));
	}
}


void ReportFrameResultsOverTemperature::fillInactive() {
	typedef RM::OutputManager OM;
	const OM & om = project()->m_outputManager;
	const RM::DIN4108_2Assessment & din = room().m_din4108_2Assessment;
	const ReportSettings & settings = ReportSettings::instance();
	// the climate region's reference temperature, as the temperature chart draws it
	const double reference = din.referenceTemperature();
	const std::vector<double> & time = om.m_roomStateSeries[OM::RS_Time];
	const std::vector<double> & operative = om.m_roomStateSeries[OM::RS_OperativeTemperature];
	// degree hours per year for a run of a year only; another run gives those of its hours
	const double hours = 24*coveredDays(time);
	const bool year = std::fabs(hours - HOURS_PER_YEAR) < 0.5;
	const char * const unit = year ? "Kh/a" : "Kh";
	if (year)
		m_table->setCellText(0, 0, " ");
	else
		m_table->setCellText(0, 0, tr("The run covers %L1 h, not the %L2 h of a year.")
							 .arg(hours, 0, 'f', 0).arg(HOURS_PER_YEAR));
	m_table->setCellText(0, 1, tr("Related to operative room temperature"));
	m_table->setCellText(1, 1, valueText(reference, "&deg;C"));
	const char * const letters[] = { "A", "B", "C" };
	if (din.m_climateRegion >= 0 && din.m_climateRegion <= 2)
		m_table->setCellText(2, 1, tr("(Region %1)").arg(letters[din.m_climateRegion]));
	m_table->setCellText(0, 2, tr("Overtemperature hours"));
	m_table->setCellText(1, 2, "<b>" + valueText(degreeHoursAbove(time, operative, reference), unit) + "</b>");
	int row = 3;
	if (settings.m_overTemperatureHoursP2) {
		m_table->cell(0, row).setMarginLeft(5);
		m_table->setCellText(0, row, tr("Related to operative room temperature + 2K"));
		m_table->setCellText(1, row, valueText(degreeHoursAbove(time, operative, reference + 2), unit));
		++row;
	}
	if (settings.m_overTemperatureHoursP4) {
		m_table->cell(0, row).setMarginLeft(5);
		m_table->setCellText(0, row, tr("Related to operative room temperature + 4K"));
		m_table->setCellText(1, row, valueText(degreeHoursAbove(time, operative, reference + 4), unit));
	}
}
