#ifndef ReportFrameExteriorComponentsH
#define ReportFrameExteriorComponentsH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report section: surfaces facing the outdoor climate. */
class ReportFrameExteriorComponents : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameExteriorComponents)
public:
	ReportFrameExteriorComponents(Report * report, QTextDocument * textDocument);

	QString heading() const override;
};

#endif // ReportFrameExteriorComponentsH
