#ifndef ReportFrameFixedTemperatureComponentsH
#define ReportFrameFixedTemperatureComponentsH

#include <QCoreApplication>

#include "ReportFrameComponentsBase.h"

/*! Report section "Components": the surfaces towards zones of fixed temperature. */
class ReportFrameFixedTemperatureComponents : public ReportFrameComponentsBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameFixedTemperatureComponents)
public:
	ReportFrameFixedTemperatureComponents(Report * report, QTextDocument * textDocument);

protected:
	void layoutBlocks() override;
};

#endif // ReportFrameFixedTemperatureComponentsH
