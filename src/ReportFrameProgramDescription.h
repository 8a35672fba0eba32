#ifndef ReportFrameProgramDescriptionH
#define ReportFrameProgramDescriptionH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report section: what the program computes and how. */
class ReportFrameProgramDescription : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameProgramDescription)
public:
	ReportFrameProgramDescription(Report * report, QTextDocument * textDocument);

	QString heading() const override;
};

#endif // ReportFrameProgramDescriptionH
