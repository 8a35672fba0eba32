#include "ReportFrameSectionBase.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextDocument>

#include <QtExt_Table.h>
#include <QtExt_TextFrame.h>

#include <RM_CaldoryneModelInterface.h>

#include "Report.h"

ReportFrameSectionBase::ReportFrameSectionBase(Report * report, QTextDocument * textDocument) :
	QtExt::ReportBlockFrame(report, textDocument)
{
}


ReportFrameSectionBase::~ReportFrameSectionBase() = default;


QString ReportFrameSectionBase::heading(const QString & text) {
	return QString("<h2>%1</h2>").arg(text);
}


QString ReportFrameSectionBase::subHeading(const QString & text) {
	return QString("<h3>%1</h3>").arg(text);
}


QString ReportFrameSectionBase::small(const QString & text) {
	return QString("<small>%1</small>").arg(text);
}


QString ReportFrameSectionBase::paragraph(const QString & text) {
	return QString("<normal>%1</normal>").arg(text);
}


QtExt::TextFrame * ReportFrameSectionBase::newText() {
	m_textFrames.emplace_back(new QtExt::TextFrame(m_textDocument));
	m_textFrames.back()->setBackgroundColor(Qt::white);
	return m_textFrames.back().get();
}


QtExt::Table * ReportFrameSectionBase::newTable() {
	m_tableBlocks.emplace_back(new QtExt::Table(m_textDocument, QSize()));
	return m_tableBlocks.back().get();
}


Report * ReportFrameSectionBase::report() const {
	return static_cast<Report *>(m_report);
}


const RM::CaldoryneModelInterface * ReportFrameSectionBase::project() const {
	return report()->project();
}


const RM::Room & ReportFrameSectionBase::room() const {
	return project()->m_room;
}


const RM::Database * ReportFrameSectionBase::database() const {
	return report()->database();
}


bool ReportFrameSectionBase::hasContent() const {
	return project() != nullptr;
}


double ReportFrameSectionBase::frameSpacing() const {
	return spacing(report()->m_frameSpacing);
}


double ReportFrameSectionBase::headingSpacing() const {
	return spacing(report()->m_headingSpacing);
}


double ReportFrameSectionBase::spaceWidth() const {
	return QFontMetricsF(m_textDocument->defaultFont(), device()).horizontalAdvance(' ') / deviceFactor();
}


void ReportFrameSectionBase::setupInfoTable(QtExt::Table * table, int cols, int rows, bool naturalColumn1) const {
	table->clear();
	table->setColRowCount(cols, rows);
	table->setOuterBorderWidth(0);
	table->setInnerBorderWidth(0);
	table->setMargin(1);
	table->setSpacing(0);
	table->setSize(QSize(int(width()), -1));
	table->setBackgroundColor(Qt::white, true);
	// label and value apart by a space at every font size
	const double space = spaceWidth();
	for (int r = 0; r < rows; ++r) {
		table->setRowMargins(r, 4, 4);
		for (int c = 0; c + 1 < cols; ++c)
			table->cell(c, r).setMarginRight(space);
	}
	table->setColumnWidth(0, QtExt::Table::Fixed, width() * 0.5);
	if (naturalColumn1 && cols > 1)
		table->setColumnWidth(1, QtExt::Table::Natural, 0);
}




void ReportFrameSectionBase::placeInfoRows(QtExt::Table * table, const std::vector<std::pair<QString, QString>> & rows,
										   double spaceAbove)
{
	setupInfoTable(table, 2, int(rows.size()), true);
	for (size_t r = 0; r < rows.size(); ++r) {
		table->setCellText(0, int(r), rows[r].first);
		table->setCellText(1, int(r), rows[r].second);
	}
	placeTable(table, spaceAbove);
}
