#ifndef ReportFrameInnerLoadsHeatingH
#define ReportFrameInnerLoadsHeatingH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report section: occupancy, equipment, lighting and heating. */
class ReportFrameInnerLoadsHeating : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameInnerLoadsHeating)
public:
	ReportFrameInnerLoadsHeating(Report * report, QTextDocument * textDocument);

	QString heading() const override;
};

#endif // ReportFrameInnerLoadsHeatingH
