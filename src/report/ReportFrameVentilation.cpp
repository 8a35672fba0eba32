#include "ReportFrameVentilation.h"

#include <QtExt_Table.h>

#include <RM_CaldoryneModelInterface.h>

#include "ReportModelTexts.h"

ReportFrameVentilation::ReportFrameVentilation(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument),
	m_title(newText()),
	m_basicTitle(newText()),
	m_basicTable(newTable()),
	m_dayTitle(newText()),
	m_dayTable(newTable()),
	m_nightTitle(newText()),
	m_nightTable(newTable())
{
}


QString ReportFrameVentilation::rateText(double ratePerSecond) {
	return QString("%L1 %2").arg(ratePerSecond * 3600, 5, 'f', 2).arg("h<sup>-1</sup>");
}


void ReportFrameVentilation::layoutBlocks() {
	const RM::Room & r = room();
	const RM::DIN4108_2Assessment & din = r.m_din4108_2Assessment;
	placeText(m_title, heading(tr("Ventilation")), frameSpacing());
	if (!din.m_active) {
		// the run used the project's own ventilation models
		ReportModelTexts::Rows rows = ReportModelTexts::naturalVentilation(r.m_naturalVentilationModel);
		const ReportModelTexts::Rows mechanical = ReportModelTexts::mechanicalVentilation(r.m_mechanicalVentilationModel);
		rows.insert(rows.end(), mechanical.begin(), mechanical.end());
		placeInfoRows(m_basicTable, rows, headingSpacing());
		return;
	}
	placeText(m_basicTitle, subHeading(tr("Basic ventilation")), headingSpacing());
	if (din.m_residential) {
		setupInfoTable(m_basicTable, 2, 1, false);
		m_basicTable->setCellText(0, 0, tr("Whole time"));
		m_basicTable->setCellText(1, 0, rateText(RM::DIN4108_2Assessment::airChangeRate(true, true, r)));
	}
	else {
		setupInfoTable(m_basicTable, 2, 2, false);
		m_basicTable->setCellText(0, 0, tr("Usage time (07:00 - 18:00)"));
		// the usage-time rate is 4 m/h over the room height: none for a room without height
		m_basicTable->setCellText(1, 0, r.m_height > 0 ? rateText(RM::DIN4108_2Assessment::airChangeRate(false, true, r))
													   : QString("-"));
		m_basicTable->setCellText(0, 1, tr("Outside usage time"));
		m_basicTable->setCellText(1, 1, rateText(RM::DIN4108_2Assessment::airChangeRate(false, false, r)));
	}
	placeTable(m_basicTable, 0);
	placeText(m_dayTitle, subHeading(tr("Enhanced day ventilation")), headingSpacing());
	fillDayTable();
	placeTable(m_dayTable, 0);
	placeText(m_nightTitle, subHeading(tr("Enhanced night ventilation")), headingSpacing());
	fillNightTable();
	placeTable(m_nightTable, 0);
}


void ReportFrameVentilation::setMergedRow(QtExt::Table * table, int row, const QString & html) {
	table->mergeCells(0, row, 2, 1);
	table->setCellText(0, row, html);
}


void ReportFrameVentilation::setRemark(QtExt::Table * table, const QString & remark) {
	if (!remark.isEmpty())
		setMergedRow(table, table->rowCount() - 1, remark.toHtmlEscaped());
}


void ReportFrameVentilation::fillDayTable() {
	const RM::DIN4108_2Assessment & din = room().m_din4108_2Assessment;
	const QString & remark = din.m_enhancedDayVentilationExplanation;
	const int rows = 1 + (remark.isEmpty() ? 0 : 1);
	setupInfoTable(m_dayTable, 2, rows, false);
	if (din.m_enhancedDayVentilation) {
		m_dayTable->setCellText(0, 0, tr("During time of residence (%1)")
								.arg(din.m_residential ? tr("06:00 - 23:00") : tr("07:00 - 18:00")));
		m_dayTable->setCellText(1, 0, rateText(din.enhancedDayVentilationValue()));
	}
	else {
		setMergedRow(m_dayTable, 0, tr("No enhanced day ventilation set"));
	}
	setRemark(m_dayTable, remark);
}


void ReportFrameVentilation::fillNightTable() {
	const RM::DIN4108_2Assessment & din = room().m_din4108_2Assessment;
	const QString & remark = din.m_enhancedNightVentilationExplanation;
	const int rows = 1 + (din.m_enhancedNightVentilation ? 1 : 0) + (remark.isEmpty() ? 0 : 1);
	setupInfoTable(m_nightTable, 2, rows, false);
	if (din.m_enhancedNightVentilation) {
		QString kind;
		switch (din.ventilationType()) {
			case 0 : kind = tr("Only window ventilation"); break;
			case 1 : kind = tr("Ventilation across floors"); break;
			case 2 : kind = tr("Mechanical ventilation system"); break;
			default : break;
		}
		setMergedRow(m_nightTable, 0, kind);
		m_nightTable->setCellText(0, 1, tr("Outside time of residence (%1)")
								  .arg(din.m_residential ? tr("23:00 - 06:00") : tr("18:00 - 07:00")));
		m_nightTable->setCellText(1, 1, rateText(din.enhancedNightVentilationValue()));
	}
	else {
		setMergedRow(m_nightTable, 0, tr("No enhanced night ventilation set"));
	}
	setRemark(m_nightTable, remark);
}
