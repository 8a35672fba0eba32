#include "ShadingDBModel.h"

#include <RM_Database.h>

ShadingDBModel::ShadingDBModel(QObject * parent, RM::Database * db) :
	DBTableModel(parent, db, RM::Database::T_ShadingTypes)
{
}


QVariant ShadingDBModel::headerData(int section, Qt::Orientation orientation, int role) const {
	if (orientation == Qt::Horizontal && section == 3 && role == Qt::ToolTipRole)
		return tr("Percentage of solar radiation that still passes through the window (0-fully shaded, ..., 1-no shading).");
	return DBTableModel::headerData(section, orientation, role);
}


int ShadingDBModel::itemCount() const {
	return int(m_db->m_shadingTypes.size());
}


const RM::AbstractDatabaseItem * ShadingDBModel::itemAt(int row) const {
	return rowItem(m_db->m_shadingTypes, row);
}


bool ShadingDBModel::itemValid(int row) const {
	return rowItem(m_db->m_shadingTypes, row)->isValid();
}


QStringList ShadingDBModel::invalidReasons(int row) const {
	if (rowItem(m_db->m_shadingTypes, row)->isValid())
		return QStringList();
	return QStringList(tr("The shading factor must lie between 0 and 1."));
}

QString ShadingDBModel::cellText(int row, int column) const {
	const RM::ShadingType & sh = *rowItem(m_db->m_shadingTypes, row);
	switch (column) {
		case 2: return sh.name();
		case 3: return QString("%L1").arg(sh.m_z, 0, 'f', 2);
		default: return QString();
	}
}


QString ShadingDBModel::headerText(int column) const {
	switch (column) {
		case 0: return tr("Id");
		case 2: return tr("Name");
		case 3: return tr("Shading factor [-]");
		default: return QString();
	}
}


unsigned int ShadingDBModel::createItem() {
	// the translation is itself an encoded name, best with both languages
	RM::ShadingType sh(tr("en:<new shading type>"), 0.1);
	return m_db->addShadingType(sh, 0);
}


void ShadingDBModel::eraseItem(unsigned int id) {
	m_db->removeShadingType(id);
}
