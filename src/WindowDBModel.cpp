#include "WindowDBModel.h"

#include <RM_Database.h>

WindowDBModel::WindowDBModel(QObject * parent, RM::Database * db) :
	DBTableModel(parent, db)
{
}


int WindowDBModel::itemCount() const {
	return int(m_db->m_windows.size());
}


const RM::AbstractDatabaseItem * WindowDBModel::itemAt(int row) const {
	return rowItem(m_db->m_windows, row);
}


bool WindowDBModel::itemValid(int row) const {
	return rowItem(m_db->m_windows, row)->isValid();
}


QString WindowDBModel::cellText(int row, int column) const {
	const RM::WindowType & win = *rowItem(m_db->m_windows, row);
	switch (column) {
		case 2: return win.name();
		case 3: return QString("%L1").arg(win.m_U, 0, 'f', 2);
		case 4: return QString("%L1").arg(win.m_g, 0, 'f', 2);
		case 5: return QString("%L1").arg(win.m_f, 0, 'f', 2);
		default: return QString();
	}
}


QString WindowDBModel::headerText(int column) const {
	switch (column) {
		case 0: return tr("Id");
		case 2: return tr("Name");
		case 3: return tr("Uw [W/m²K]");
		case 4: return tr("g [-]");
		case 5: return tr("f [-]");
		default: return QString();
	}
}


unsigned int WindowDBModel::createItem() {
	RM::WindowType win;
	return m_db->addWindowType(win, 0);
}


void WindowDBModel::eraseItem(unsigned int id) {
	m_db->removeWindowType(id);
}
