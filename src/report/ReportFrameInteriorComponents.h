#ifndef ReportFrameInteriorComponentsH
#define ReportFrameInteriorComponentsH

#include <QCoreApplication>

#include "ReportFrameComponentsBase.h"

/*! Report section "Components": the surfaces towards rooms of the same conditions. */
class ReportFrameInteriorComponents : public ReportFrameComponentsBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameInteriorComponents)
public:
	ReportFrameInteriorComponents(Report * report, QTextDocument * textDocument);

protected:
	void layoutBlocks() override;
};

#endif // ReportFrameInteriorComponentsH
