#include "ReportFrameClimate.h"

#include <QtExt_Table.h>

#include <RM_CaldoryneModelInterface.h>

ReportFrameClimate::ReportFrameClimate(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument),
	m_title(newText()),
	m_table(newTable())
{
}


void ReportFrameClimate::layoutBlocks() {
	const RM::Room & r = room();
	const int region = r.m_din4108_2Assessment.m_climateRegion;
	QString regionText;
	switch (region) {
		case 0 : regionText = tr("A (TRY 2011 Zone 2)"); break;
		case 1 : regionText = tr("B (TRY 2011 Zone 4)"); break;
		case 2 : regionText = tr("C (TRY 2011 Zone 12)"); break;
		case 3 : regionText = tr("Other region"); break;
		default : break;
	}
	placeText(m_title, heading(tr("Climate")), frameSpacing());
	setupInfoTable(m_table, 2, region == 3 ? 4 : 3, true);
	int row = 0;
	auto addRow = [&](const QString & label, const QString & value) {
		m_table->setCellText(0, row, label);
		m_table->setCellText(1, row, value);
		m_table->cell(1, row).setAlignment(Qt::AlignRight);
		++row;
	};
	addRow(tr("Location:"), r.m_projectInformation.m_location.toHtmlEscaped());
	addRow(tr("Summer Climate Region according DIN 4108-2 8.1:"), regionText);
	// region 3 has no file of its own: the climate data file tells which climate was used
	if (region == 3)
		addRow(tr("Climate Data:"), r.m_climateDataPath.toHtmlEscaped());
	addRow(tr("Albedo:"), QString("%L1").arg(r.m_albedo, 0, 'f', 2));
	placeTable(m_table, headingSpacing());
}
