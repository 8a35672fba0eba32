#ifndef ReportFrameClimateH
#define ReportFrameClimateH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report section: location, summer climate region, climate data (other regions) and albedo. */
class ReportFrameClimate : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameClimate)
public:
	ReportFrameClimate(Report * report, QTextDocument * textDocument);

protected:
	void layoutBlocks() override;

private:
	QtExt::TextFrame *	m_title;
	QtExt::Table *		m_table;
};

#endif // ReportFrameClimateH
