#include "ReportFrameConstruction.h"

#include <RM_ConstructionType.h>
#include <RM_Database.h>

ReportFrameConstruction::ReportFrameConstruction(Report * report, QTextDocument * textDocument, bool first,
												 unsigned int constructionId) :
	ReportFrameComponentsBase(report, textDocument),
	m_first(first),
	m_constructionId(constructionId),
	m_heading(newText()),
	m_symbols(newText())
{
}


void ReportFrameConstruction::layoutBlocks() {
	const RM::ConstructionType * ct = constructionType(m_constructionId);
	std::vector<Row> rows;
	if (ct != nullptr) {
		for (size_t i = 0; i < ct->m_materialIds.size() && i < ct->m_d.size(); ++i) {
			const unsigned int id = ct->m_materialIds[i];
			const RM::Material * m = database()->material(id);
			const Cell idCell{ QString::number(id), Qt::AlignRight };
			const Cell thickness = number(ct->m_d[i] * 1000, 2);
			if (m == nullptr)
				rows.push_back(Row{ idCell, text(QString::number(id)), thickness, missing(), missing(), missing() });
			else
				rows.push_back(Row{ idCell, text(m->name().toHtmlEscaped()), thickness,
									number(m->m_lambda, 3), number(m->m_rho, 1), number(m->m_cT, 0) });
		}
	}
	double space = frameTopSpacing();
	if (m_first) {
		placeText(m_heading, heading(tr("Constructions")), space);
		placeText(m_symbols, small(tr("Layers will shown from outside (top) to inside.<br>")
								   + tr("Symbols:<br>") + tr("d - thickness of layer<br>")
								   + tr("&lambda; - thermal conductivity<br>")
								   + tr("&rho; - bulk density of dry material<br>")
								   + tr("c - specific heat capacity")), blockSpacing());
		space = blockSpacing();
	}
	const QString name = ct != nullptr ? ct->name().toHtmlEscaped() : QString::number(m_constructionId);
	placeText(m_subTitle, subHeading(QString("%1 [%2]").arg(name).arg(m_constructionId)), space);
	fillTable(m_table, { tr("ID"), tr("Material"), "d", "&lambda;", "&rho;", "c" },
			  { QString(), QString(), "mm", "W/mK", "kg/m<sup>3</sup>", "J/kgK" }, rows, tr("No layers"), 6);
	placeTable(m_table, blockSpacing(), tableWidth());
}
