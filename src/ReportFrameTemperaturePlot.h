#ifndef ReportFrameTemperaturePlotH
#define ReportFrameTemperaturePlotH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report section: chart of the room air temperature. */
class ReportFrameTemperaturePlot : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameTemperaturePlot)
public:
	ReportFrameTemperaturePlot(Report * report, QTextDocument * textDocument);

	QString heading() const override;
};

#endif // ReportFrameTemperaturePlotH
