#ifndef ReportFrameResultsOverTemperatureH
#define ReportFrameResultsOverTemperatureH

#include <vector>

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report section "Results": the summer heat protection verdict after DIN 4108-2 (2013,
	8.4.1) with reference values and degree hours against their limit; without an active
	assessment the degree hours above 26 C. Without results of a run: one line saying so.
*/
class ReportFrameResultsOverTemperature : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameResultsOverTemperature)
public:
	ReportFrameResultsOverTemperature(Report * report, QTextDocument * textDocument);

	/*! Degree hours in Kh above a limit (C): per interval of the time series (d) the mean
		of its two temperatures (C) above the limit, times its length in hours. */
	static double degreeHoursAbove(const std::vector<double> & timeDays, const std::vector<double> & temperature,
								   double limit);

	/*! Degree hours as printed beside their limit: whole numbers, one decimal where the
		whole number would read equal to a limit it differs from. */
	static QString degreeHoursText(double hours, unsigned int limit);

	/*! Days between the first and the last output of a time series (d); 0 for fewer than two. */
	static double coveredDays(const std::vector<double> & timeDays);

protected:
	void layoutBlocks() override;

private:
	void fillActive();
	void fillInactive();

	QtExt::TextFrame *	m_title;
	QtExt::TextFrame *	m_subTitle;
	QtExt::Table *		m_table;
};

#endif // ReportFrameResultsOverTemperatureH
