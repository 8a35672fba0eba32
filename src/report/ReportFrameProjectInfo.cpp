#include "ReportFrameProjectInfo.h"

#include <algorithm>
#include <vector>

#include <QtExt_Table.h>
#include <QtExt_TextProperties.h>

#include <RM_CaldoryneModelInterface.h>

#include "Report.h"
#include "ReportSettings.h"

ReportFrameProjectInfo::ReportFrameProjectInfo(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument),
	m_table(newTable())
{
}


void ReportFrameProjectInfo::layoutBlocks() {
	const RM::ProjectInformation & info = room().m_projectInformation;
	const int type = ReportSettings::instance().m_headingType;
	const int smallType = QtExt::headingFontSize(type);
	struct Row {
		QString	m_label;
		QString	m_value;
		int		m_type;
	};
	std::vector<Row> rows;
	const Row candidates[] = {
		{ tr("Project:"), info.m_projectName, type },
		{ tr("Variant:"), info.m_constructionID, type },
		{ tr("User:"), info.m_userName, smallType },
		{ tr("Company:"), info.m_company, smallType }
	};
	for (const Row & r : candidates)
		if (!r.m_value.isEmpty())
			rows.push_back(r);

	m_table->clear();
	m_table->setColRowCount(2, int(rows.size()) + 2);
	m_table->setSize(QSize(int(width()), report()->pageSize().height()));
	m_table->setOuterBorderWidth(0);
	m_table->setInnerBorderWidth(0);
	m_table->setMargin(0);
	m_table->setSpacing(0);
	m_table->setBackgroundColor(Qt::white, true);
	const QString title = room().m_din4108_2Assessment.m_active
			? tr("Thermal simulation for heat protection in summertime according DIN 4108-2 8.4")
			: tr("Thermal simulation for heat protection in summertime");
	m_table->mergeCells(0, 0, 2, 1);
	m_table->setCellText(0, 0, QtExt::htmlHeading(title, type));
	m_table->mergeCells(0, 1, 2, 1);
	m_table->setCellText(0, 1, QtExt::htmlHeading(tr(" "), type));
	for (size_t i = 0; i < rows.size(); ++i) {
		const int r = int(i) + 2;
		m_table->setCellText(0, r, QtExt::htmlHeading(rows[i].m_label, rows[i].m_type));
		m_table->setCellText(1, r, QtExt::htmlHeading(rows[i].m_value.toHtmlEscaped(), rows[i].m_type));
		// a space of the headings' font (up to twice the text's) between label and value
		m_table->cell(1, r).setMarginLeft(std::max(double(report()->m_titleTopSpacing), 2 * spaceWidth()));
	}
	placeTable(m_table, spacing(report()->m_titleTopSpacing));
	setBottomSpace(spacing(report()->m_titleBottomSpacing));
}
