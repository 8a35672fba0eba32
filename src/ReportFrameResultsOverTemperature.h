#ifndef ReportFrameResultsOverTemperatureH
#define ReportFrameResultsOverTemperatureH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report section: over-temperature hours of the run. */
class ReportFrameResultsOverTemperature : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameResultsOverTemperature)
public:
	ReportFrameResultsOverTemperature(Report * report, QTextDocument * textDocument);

	QString heading() const override;
};

#endif // ReportFrameResultsOverTemperatureH
