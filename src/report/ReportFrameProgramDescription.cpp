#include "ReportFrameProgramDescription.h"

ReportFrameProgramDescription::ReportFrameProgramDescription(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument),
	m_title(newText()),
	m_text(newText())
{
}


void ReportFrameProgramDescription::layoutBlocks() {
	const QString text =
		tr("CALDORYNE is a dynamic simulation model for buildings represented by single zones (one air space and enclosure).<br>")
		+ tr("It considers the interaction of the building and its envelope constructions with environmental loads, "
			 "such as temperature and solar radiation and the interaction with the user of building. The physical model "
			 "is very detailed and solved with a numerical solution method. The solver uses an error controlled time "
			 "integration method that dynamically adapts time steps and can resolve building system control signals "
			 "(heating/cooling/ventilation) in an accurate time resolution. The building envelope is calculated with "
			 "spatial resolution using the Finite-Volume method yielding dynamic temperature profiles across the "
			 "construction. This enables very detailed predictions of the availability of thermal storage masses utilized "
			 "for dampening the zone's temperatures, which is particularly useful for massive constructions used in "
			 "European/German buildings.<br><br>")
		+ tr("The calculation engine conforms to the requirements of the DIN 4108-2 for dynamic simulation models for "
			 "summer heat protection calculation/thermal comfort evaluation.");
	placeText(m_title, heading(tr("Program description")), frameSpacing());
	placeText(m_text, paragraph(text), headingSpacing());
}
