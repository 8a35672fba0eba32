#ifndef ReportFrameInteriorComponentsH
#define ReportFrameInteriorComponentsH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report section: surfaces facing rooms with the same conditions. */
class ReportFrameInteriorComponents : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameInteriorComponents)
public:
	ReportFrameInteriorComponents(Report * report, QTextDocument * textDocument);

	QString heading() const override;
};

#endif // ReportFrameInteriorComponentsH
