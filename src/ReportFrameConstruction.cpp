#include "ReportFrameConstruction.h"

#include <QStringList>

#include <RM_Database.h>

#include "Report.h"

ReportFrameConstruction::ReportFrameConstruction(Report * report, QTextDocument * textDocument, bool first, unsigned int constructionId) :
	ReportFrameSectionBase(report, textDocument),
	m_first(first),
	m_constructionId(constructionId)
{
}


QString ReportFrameConstruction::heading() const {
	return m_first ? tr("Constructions") : QString();
}


QStringList ReportFrameConstruction::bodyLines() const {
	const RM::Database * db = report()->database();
	const RM::ConstructionType * ct = db != nullptr ? db->constructionType(m_constructionId) : nullptr;
	const QString name = ct != nullptr ? ct->name() : tr("Unknown construction");
	return QStringList() << tr("%1 [%2]").arg(name).arg(m_constructionId);
}
