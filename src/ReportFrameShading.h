#ifndef ReportFrameShadingH
#define ReportFrameShadingH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report section: shading types and their control. */
class ReportFrameShading : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameShading)
public:
	ReportFrameShading(Report * report, QTextDocument * textDocument);

	QString heading() const override;
};

#endif // ReportFrameShadingH
