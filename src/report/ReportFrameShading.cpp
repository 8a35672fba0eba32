#include "ReportFrameShading.h"

#include <QtExt_Table.h>

#include <RM_CaldoryneModelInterface.h>

#include "ReportModelTexts.h"

ReportFrameShading::ReportFrameShading(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument),
	m_title(newText()),
	m_table(newTable())
{
}


void ReportFrameShading::layoutBlocks() {
	const RM::DIN4108_2Assessment & din = room().m_din4108_2Assessment;
	const bool automated = din.m_shadingControlType == 2;
	const int rows = automated ? 4 : 2;
	placeText(m_title, heading(tr("Shading control")), frameSpacing());
	if (!din.m_active) {
		// the run used the project's own shading control
		placeInfoRows(m_table, ReportModelTexts::shading(room().m_shadingControlModel), headingSpacing());
		return;
	}
	setupInfoTable(m_table, 2, rows, false);
	switch (din.m_shadingControlType) {
		case 0 :
			m_table->setCellText(0, 0, tr("Full shading:"));
			m_table->setCellText(1, 0, din.m_residential ? tr("always") : tr("weekdays (Mo. - Fr.)"));
			break;
		case 1 :
			m_table->mergeCells(0, 0, 2, 1);
			m_table->setCellText(0, 0, tr("No shading system"));
			break;
		case 2 :
			m_table->mergeCells(0, 0, 2, 1);
			m_table->setCellText(0, 0, tr("Automated shading system"));
			m_table->setCellText(0, 1, tr("Global radiation > %L1 W/m<sup>2</sup>").arg(din.maxRadiationIntensity(0)));
			m_table->setCellText(1, 1, tr("For orientation N. NO and NW"));
			m_table->setCellText(0, 2, tr("Global radiation > %L1 W/m<sup>2</sup>").arg(din.maxRadiationIntensity(180)));
			m_table->setCellText(1, 2, tr("For all other orientations"));
			break;
		default :
			m_table->mergeCells(0, 0, 2, 1);
			m_table->setCellText(0, 0, tr("User defined shading system"));
			break;
	}
	m_table->mergeCells(0, rows - 1, 2, 1);
	m_table->setCellText(0, rows - 1, din.m_shadingControlExplanation.toHtmlEscaped());
	placeTable(m_table, headingSpacing());
}
