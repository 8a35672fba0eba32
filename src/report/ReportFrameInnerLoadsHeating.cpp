#include "ReportFrameInnerLoadsHeating.h"

#include <QtExt_Table.h>

#include <RM_CaldoryneModelInterface.h>

#include "ReportModelTexts.h"

ReportFrameInnerLoadsHeating::ReportFrameInnerLoadsHeating(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument),
	m_loadsTitle(newText()),
	m_loadsTable(newTable()),
	m_heatingTitle(newText()),
	m_heatingTable(newTable()),
	m_coolingTitle(newText()),
	m_coolingTable(newTable())
{
}


void ReportFrameInnerLoadsHeating::layoutBlocks() {
	const RM::DIN4108_2Assessment & din = room().m_din4108_2Assessment;
	placeText(m_loadsTitle, heading(tr("Inner loads")), frameSpacing());
	if (!din.m_active) {
		// the run used the project's own load and heating models
		placeInfoRows(m_loadsTable, ReportModelTexts::internalLoads(room().m_userLoads), headingSpacing());
		placeText(m_heatingTitle, heading(tr("Heating")), frameSpacing());
		placeInfoRows(m_heatingTable, ReportModelTexts::heating(room().m_heatingModel), headingSpacing());
		if (room().m_coolingModel.m_modelType == RM::CoolingModel::SIMPLE) {
			// the cooling capped the room temperature the results show
			placeText(m_coolingTitle, heading(tr("Cooling")), frameSpacing());
			placeInfoRows(m_coolingTable, ReportModelTexts::cooling(room().m_coolingModel, room().m_moistureBalanceEnabled),
						  headingSpacing());
		}
		return;
	}
	setupInfoTable(m_loadsTable, 2, 2, true);
	m_loadsTable->setCellText(0, 0, tr("Load:"));
	m_loadsTable->setCellText(1, 0, din.m_residential ? "100 Wh/(m<sup>2</sup>d)" : "144 Wh/(m<sup>2</sup>d)");
	m_loadsTable->setCellText(0, 1, tr("Usage time:"));
	m_loadsTable->setCellText(1, 1, din.m_residential ? tr("daily 0:00 - 24:00 h") : tr("Mo. - Fr.  7:00 - 18:00 h"));
	placeTable(m_loadsTable, headingSpacing());

	placeText(m_heatingTitle, heading(tr("Heating")), frameSpacing());
	setupInfoTable(m_heatingTable, 2, 2, true);
	m_heatingTable->setCellText(0, 0, tr("Room temperature setpoint for heating:"));
	m_heatingTable->setCellText(1, 0, tr("%L1 %2C").arg(din.heatingSetpointTemperature(), 0, 'f', 1)
								.arg(QString::fromUtf8("°")));
	m_heatingTable->setCellText(0, 1, ReportModelTexts::tr("Maximum heating power:"));
	m_heatingTable->setCellText(1, 1, ReportModelTexts::valueText(din.m_maximumHeatingPower, "W", 0));
	placeTable(m_heatingTable, headingSpacing());
}
