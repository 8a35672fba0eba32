#ifndef ReportFrameClimateH
#define ReportFrameClimateH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report section: climate location and data set. */
class ReportFrameClimate : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameClimate)
public:
	ReportFrameClimate(Report * report, QTextDocument * textDocument);

	QString heading() const override;
};

#endif // ReportFrameClimateH
