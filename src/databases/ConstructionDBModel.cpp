#include "ConstructionDBModel.h"

#include <RM_Database.h>

ConstructionDBModel::ConstructionDBModel(QObject * parent, RM::Database * db) :
	DBTableModel(parent, db, RM::Database::T_Constructions)
{
}


int ConstructionDBModel::itemCount() const {
	return int(m_db->m_constructions.size());
}


const RM::AbstractDatabaseItem * ConstructionDBModel::itemAt(int row) const {
	return rowItem(m_db->m_constructions, row);
}


bool ConstructionDBModel::itemValid(int row) const {
	return rowItem(m_db->m_constructions, row)->isValid(*m_db);
}


QStringList ConstructionDBModel::invalidReasons(int row) const {
	const RM::ConstructionType & con = *rowItem(m_db->m_constructions, row);
	QStringList reasons;
	for (std::size_t i = 0; i < con.m_d.size() && i < con.m_materialIds.size(); ++i) {
		const RM::Material * mat = m_db->material(con.m_materialIds[i]);
		if (mat == nullptr)
			reasons << tr("Layer %1: material %2 does not exist.").arg(i + 1).arg(con.m_materialIds[i]);
		else if (!mat->isValid())
			reasons << tr("Layer %1: material '%2' is invalid.").arg(i + 1).arg(mat->name());
		if (!(con.m_d[i] > 0))
			reasons << tr("Layer %1: the width must be above 0 m.").arg(i + 1);
	}
	return reasons;
}

QString ConstructionDBModel::cellText(int row, int column) const {
	const RM::ConstructionType & con = *rowItem(m_db->m_constructions, row);
	switch (column) {
		case 2: return con.name();
		case 3: return QString("%L1").arg(con.m_materialIds.size());
		case 4: {
			double U;
			// inside and outside surface resistances in m2K/W
			if (!con.UValue(U, *m_db, 0.13, 0.04))
				return tr("---");
			return QString("%L1").arg(U, 0, 'f', 3);
		}
		default: return QString();
	}
}


QString ConstructionDBModel::headerText(int column) const {
	switch (column) {
		case 0: return tr("Id");
		case 2: return tr("Name");
		case 3: return tr("Layers");
		case 4: return tr("U [W/m2K]");
		default: return QString();
	}
}


unsigned int ConstructionDBModel::createItem() {
	RM::ConstructionType con;
	con.setEncodedName("en:<new construction type>");
	return m_db->addConstructionType(con, 0);
}


void ConstructionDBModel::eraseItem(unsigned int id) {
	m_db->removeConstructionType(id);
}
