#ifndef ReportFrameFixedTemperatureComponentsH
#define ReportFrameFixedTemperatureComponentsH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report section: surfaces facing zones of given temperature. */
class ReportFrameFixedTemperatureComponents : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameFixedTemperatureComponents)
public:
	ReportFrameFixedTemperatureComponents(Report * report, QTextDocument * textDocument);

	QString heading() const override;
};

#endif // ReportFrameFixedTemperatureComponentsH
