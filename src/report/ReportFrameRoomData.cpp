#include "ReportFrameRoomData.h"

#include <algorithm>
#include <cmath>

#include <QtExt_Table.h>

#include <RM_CaldoryneModelInterface.h>

ReportFrameRoomData::ReportFrameRoomData(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument),
	m_title(newText()),
	m_table(newTable())
{
}


int ReportFrameRoomData::numberFieldWidth(const RM::Room & room) {
	double w = 1;
	auto widen = [&w](double value) {
		if (value > 0)
			w = std::max(w, std::log10(value));
	};
	widen(room.m_area);
	widen(room.m_height);
	widen(room.m_area * room.m_height);
	if (room.m_additionalMass > 0) {
		widen(room.m_additionalMass);
		widen(room.m_additionalMassHeatCapacity);
	}
	return int(w) + 4;
}


void ReportFrameRoomData::layoutBlocks() {
	const RM::Room & r = room();
	const bool mass = r.m_additionalMass > 0;
	const int fw = numberFieldWidth(r);
	auto number = [fw](double value) { return QString("%L1 ").arg(value, fw, 'f', 2); };

	placeText(m_title, heading(tr("Room Data")), frameSpacing());
	setupInfoTable(m_table, 3, mass ? 6 : 4, true);
	int row = 0;
	auto addRow = [&](const QString & label, const QString & value, const QString & unit) {
		m_table->setCellText(0, row, label);
		m_table->setCellText(1, row, value);
		m_table->cell(1, row).setAlignment(Qt::AlignRight);
		m_table->setCellText(2, row, unit);
		m_table->cell(2, row).setAlignment(Qt::AlignLeft);
		m_table->cell(2, row).setMarginLeft(3);
		++row;
	};
	addRow(tr("Net Floor Space:"), number(r.m_area), "m<sup>2</sup>");
	addRow(tr("Clear Room Height:"), number(r.m_height), "m");
	addRow(tr("Room Air Volume:"), number(r.m_area * r.m_height), "m<sup>3</sup>");
	if (mass) {
		addRow(tr("Additional thermal mass:"), QString("%L1 %2").arg(r.m_additionalMass, fw, 'f', 2).arg("kg"), QString());
		addRow(tr("Specific Heat Capacity of Thermal Mass:"),
			   QString("%L1 %2").arg(r.m_additionalMassHeatCapacity, fw, 'f', 2).arg("J/kgK"), QString());
	}
	addRow(tr("<b>Kind of building:</b>"), r.m_din4108_2Assessment.m_residential
		   ? tr("<b>Residential building</b>") : tr("<b>Non-residential building</b>"), QString());
	placeTable(m_table, headingSpacing());
}
