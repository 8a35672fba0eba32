#ifndef ReportFrameExteriorComponentsH
#define ReportFrameExteriorComponentsH

#include <QCoreApplication>

#include "ReportFrameComponentsBase.h"

/*! Report section "Components", first table: the surfaces towards the outside climate (ID = index in the room's surface list). */
class ReportFrameExteriorComponents : public ReportFrameComponentsBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameExteriorComponents)
public:
	ReportFrameExteriorComponents(Report * report, QTextDocument * textDocument);

protected:
	void layoutBlocks() override;

private:
	QtExt::TextFrame *	m_title;
};

#endif // ReportFrameExteriorComponentsH
