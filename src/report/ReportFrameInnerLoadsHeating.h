#ifndef ReportFrameInnerLoadsHeatingH
#define ReportFrameInnerLoadsHeatingH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report sections "Inner loads" and "Heating" of the DIN 4108-2 assessment. */
class ReportFrameInnerLoadsHeating : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameInnerLoadsHeating)
public:
	ReportFrameInnerLoadsHeating(Report * report, QTextDocument * textDocument);

protected:
	void layoutBlocks() override;

private:
	QtExt::TextFrame *	m_loadsTitle;
	QtExt::Table *		m_loadsTable;
	QtExt::TextFrame *	m_heatingTitle;
	QtExt::Table *		m_heatingTable;
};

#endif // ReportFrameInnerLoadsHeatingH
