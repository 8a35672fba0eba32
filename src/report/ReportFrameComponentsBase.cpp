#include "ReportFrameComponentsBase.h"

#include <cmath>

#include <QtExt_Table.h>

#include <RM_CaldoryneModelInterface.h>
#include <RM_Database.h>

#include "Report.h"

ReportFrameComponentsBase::ReportFrameComponentsBase(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument),
	m_subTitle(newText()),
	m_table(newTable()),
	m_legend(newText())
{
}


void ReportFrameComponentsBase::placeComponents(double spaceAbove, const QString & subTitle, const QStringList & titles,
												const QStringList & units, const std::vector<Row> & rows,
												const QString & noneText, int noneColumns, const QStringList & legendLines)
{
	placeText(m_subTitle, subHeading(subTitle), spaceAbove);
	fillTable(m_table, titles, units, rows, noneText, noneColumns);
	placeTable(m_table, headingSpacing(), tableWidth());
	placeText(m_legend, legend(legendLines), legendSpacing());
}


ReportFrameComponentsBase::Cell ReportFrameComponentsBase::missing() {
	return Cell{ "-", Qt::AlignHCenter };
}


ReportFrameComponentsBase::Cell ReportFrameComponentsBase::number(double value, int decimals) {
	return Cell{ QString("%L1").arg(value, 0, 'f', decimals), Qt::AlignRight };
}


ReportFrameComponentsBase::Cell ReportFrameComponentsBase::text(const QString & html) {
	return Cell{ html, Qt::AlignLeft };
}


ReportFrameComponentsBase::Cell ReportFrameComponentsBase::centred(const QString & html) {
	return Cell{ html, Qt::AlignHCenter };
}


QString ReportFrameComponentsBase::legend(const QStringList & lines) {
	return small(lines.join(QString()));
}


double ReportFrameComponentsBase::tableWidth() const {
	return width() - std::ceil(report()->m_tableOuterBorderWidth * QtExt::Table::deviceFactorFor(device()));
}


double ReportFrameComponentsBase::frameTopSpacing() const {
	return spacing(report()->m_frameTopSpacing);
}


double ReportFrameComponentsBase::legendSpacing() const {
	return spacing(report()->m_legendSpacing);
}


double ReportFrameComponentsBase::blockSpacing() const {
	return spacing(report()->m_blockSpacing);
}


void ReportFrameComponentsBase::fillTable(QtExt::Table * table, const QStringList & titles, const QStringList & units,
										  const std::vector<Row> & rows, const QString & noneText, int noneColumns) const
{
	const int cols = titles.size();
	const double outer = report()->m_tableOuterBorderWidth;
	table->clear();
	table->setColRowCount(cols, rows.empty() ? 3 : int(rows.size()) + 2);
	// titles and units head every page of a table broken over pages
	table->setHeaderRowCount(2);
	table->setOuterBorderWidth(outer);
	table->setInnerBorderWidth(report()->m_tableInnerBorderWidth);
	table->setSpacing(0);
	const double w = tableWidth();
	table->setSize(QSize(int(w), -1));
	table->setBackgroundColor(Qt::white, true);
	table->setColumnWidth(0, QtExt::Table::Fixed, w / 20);
	table->setColumnWidth(1, QtExt::Table::Fixed, w * (cols == 8 ? 7 : 11) / 20);
	for (int c = 2; c < cols; ++c)
		table->setColumnWidth(c, QtExt::Table::Fixed, w / 10);
	table->mergeCells(0, 0, 1, 2);
	table->mergeCells(1, 0, 1, 2);
	for (int c = 0; c < cols; ++c) {
		table->setCellText(c, 0, titles[c]);
		if (c > 1 && c < units.size())
			table->setCellText(c, 1, units[c]);
		table->cell(c, 0).setAlignment(Qt::AlignCenter);
		table->cell(c, 1).setAlignment(Qt::AlignCenter);
		table->cell(c, 1).setBorderWidth(QtExt::TableCell::BottomBorder, outer);
	}
	if (rows.empty()) {
		table->mergeCells(0, 2, noneColumns, 1);
		table->setCellText(0, 2, noneText);
		table->cell(0, 2).setAlignment(Qt::AlignCenter);
		return;
	}
	for (size_t r = 0; r < rows.size(); ++r) {
		for (int c = 0; c < cols && c < int(rows[r].size()); ++c) {
			table->setCellText(c, int(r) + 2, rows[r][size_t(c)].m_text);
			table->cell(c, int(r) + 2).setAlignment(rows[r][size_t(c)].m_alignment | Qt::AlignVCenter);
		}
	}
}


const RM::ConstructionType * ReportFrameComponentsBase::constructionType(unsigned int id) const {
	return database() != nullptr ? database()->constructionType(id) : nullptr;
}


QString ReportFrameComponentsBase::constructionName(unsigned int id) const {
	const RM::ConstructionType * ct = constructionType(id);
	if (ct == nullptr)
		return QString::number(id);
	return QString("%1 [ID&nbsp;%2]").arg(ct->name().toHtmlEscaped()).arg(id);
}


ReportFrameComponentsBase::Cell ReportFrameComponentsBase::uValue(const RM::RoomConstruction & rc) const {
	const RM::ConstructionType * ct = constructionType(rc.m_constructionId);
	double U = 0;
	if (ct == nullptr || !ct->UValue(U, *database(), rc.m_R_ui, rc.m_R_ui))
		return missing();
	return number(U, 3);
}


std::vector<std::pair<unsigned int, const RM::RoomConstruction *>> ReportFrameComponentsBase::surfaces(int kind) const {
	std::vector<std::pair<unsigned int, const RM::RoomConstruction *>> list;
	const std::vector<RM::RoomConstruction> & all = room().m_constructions;
	for (size_t i = 0; i < all.size(); ++i)
		if (all[i].m_type == kind)
			list.emplace_back(static_cast<unsigned int>(i), &all[i]);
	return list;
}
