#ifndef ReportFrameVentilationH
#define ReportFrameVentilationH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report section "Ventilation": basic, enhanced day and enhanced night ventilation of the DIN 4108-2 assessment. */
class ReportFrameVentilation : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameVentilation)
public:
	ReportFrameVentilation(Report * report, QTextDocument * textDocument);

protected:
	void layoutBlocks() override;

private:
	/*! Air change rate (1/s) per hour: "%L1 %2" with width 5 and 2 decimals. */
	static QString rateText(double ratePerSecond);
	/*! A text over both columns of a row. */
	static void setMergedRow(QtExt::Table * table, int row, const QString & html);
	/*! A remark, when given, in the last row over both columns. */
	static void setRemark(QtExt::Table * table, const QString & remark);
	void fillDayTable();
	void fillNightTable();

	QtExt::TextFrame *	m_title;
	QtExt::TextFrame *	m_basicTitle;
	QtExt::Table *		m_basicTable;
	QtExt::TextFrame *	m_dayTitle;
	QtExt::Table *		m_dayTable;
	QtExt::TextFrame *	m_nightTitle;
	QtExt::Table *		m_nightTable;
};

#endif // ReportFrameVentilationH
