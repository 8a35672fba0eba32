#ifndef ReportFrameMiscellaneousH
#define ReportFrameMiscellaneousH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report section: calculation settings. */
class ReportFrameMiscellaneous : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameMiscellaneous)
public:
	ReportFrameMiscellaneous(Report * report, QTextDocument * textDocument);

	QString heading() const override;
};

#endif // ReportFrameMiscellaneousH
