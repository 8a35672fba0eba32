#include "ReportFrameSectionBase.h"

#include <QPainter>
#include <QTextDocument>

#include <QtExt_Table.h>
#include <QtExt_TextFrame.h>

#include <RM_CaldoryneModelInterface.h>

#include "Report.h"

ReportFrameSectionBase::ReportFrameSectionBase(Report * report, QTextDocument * textDocument) :
	QtExt::ReportFrameBase(report, textDocument)
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


double ReportFrameSectionBase::frameSpacing() const {
	return spacing(report()->m_frameSpacing);
}


double ReportFrameSectionBase::headingSpacing() const {
	return spacing(report()->m_headingSpacing);
}


void ReportFrameSectionBase::update(QPaintDevice * device, double width) {
	m_blocks.clear();
	m_bottomSpace = 0;
	m_device = device;
	m_width = width;
	m_deviceFactor = QtExt::Table::deviceFactorFor(device);
	if (project() != nullptr)
		layoutBlocks();
	double h = m_bottomSpace;
	for (const Block & b : m_blocks)
		h += b.m_spaceAbove + b.m_rect.height();
	m_frameRect = QRectF(0, 0, width, m_blocks.empty() ? 0 : h);
}


void ReportFrameSectionBase::placeText(QtExt::TextFrame * block, const QString & html, double spaceAbove) {
	block->setText(html);
	block->setBackgroundColor(Qt::white);
	const QRectF r = block->frameRect(m_device, m_width);
	if (r.height() <= 0)
		return;
	m_blocks.push_back(Block{ block, nullptr, spaceAbove, r });
}


void ReportFrameSectionBase::placeTable(QtExt::Table * table, double spaceAbove, double tableWidth) {
	m_blocks.push_back(Block{ nullptr, table, spaceAbove, table->tableRect(m_device, tableWidth > 0 ? tableWidth : m_width) });
}


void ReportFrameSectionBase::setupInfoTable(QtExt::Table * table, int cols, int rows, bool naturalColumn1) const {
	table->clear();
	table->setColRowCount(cols, rows);
	table->setOuterBorderWidth(0);
	table->setInnerBorderWidth(0);
	table->setMargin(0);
	table->setSpacing(0);
	table->setSize(QSize(int(m_width), -1));
	table->setBackgroundColor(Qt::white, true);
	for (int r = 0; r < rows; ++r)
		table->setRowMargins(r, 4, 4);
	table->setColumnWidth(0, QtExt::Table::Fixed, m_width * 0.5);
	if (naturalColumn1 && cols > 1)
		table->setColumnWidth(1, QtExt::Table::Natural, 0);
}


void ReportFrameSectionBase::draw(QPainter * painter, const QRectF & frame) {
	double y = frame.top();
	for (const Block & b : m_blocks) {
		y += b.m_spaceAbove;
		if (b.m_text != nullptr)
			b.m_text->drawFrame(painter, QPointF(frame.left(), y), m_width);
		else
			b.m_table->drawTable(painter, QPointF(frame.left() + b.m_rect.left(), y));
		y += b.m_rect.height();
	}
}


std::vector<QtExt::Table *> ReportFrameSectionBase::tables() const {
	std::vector<QtExt::Table *> list;
	for (const Block & b : m_blocks)
		if (b.m_table != nullptr)
			list.push_back(b.m_table);
	return list;
}


QStringList ReportFrameSectionBase::texts() const {
	QStringList list;
	for (const Block & b : m_blocks)
		if (b.m_text != nullptr)
			list << b.m_text->text();
	return list;
}
