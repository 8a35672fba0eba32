#ifndef ReportFrameInnerLoadsHeatingH
#define ReportFrameInnerLoadsHeatingH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report sections "Inner loads" and "Heating" (the DIN 4108-2 assessment's rules or the
	project's models), and "Cooling" when the project's cooling model ran (never under the
	assessment's rules, which do not cool). */
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
	QtExt::TextFrame *	m_coolingTitle;
	QtExt::Table *		m_coolingTable;
};

#endif // ReportFrameInnerLoadsHeatingH
