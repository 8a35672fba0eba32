#ifndef ReportFrameVentilationH
#define ReportFrameVentilationH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report section: natural and mechanical ventilation. */
class ReportFrameVentilation : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameVentilation)
public:
	ReportFrameVentilation(Report * report, QTextDocument * textDocument);

	QString heading() const override;
};

#endif // ReportFrameVentilationH
