#include "WindowDBModel.h"

#include <RM_Database.h>

WindowDBModel::WindowDBModel(QObject * parent, RM::Database * db) :
	DBTableModel(parent, db, RM::Database::T_Windows)
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


QStringList WindowDBModel::invalidReasons(int row) const {
	// the same tests as the window type's own validity test
	const RM::WindowType & win = *rowItem(m_db->m_windows, row);
	QStringList reasons;
	if (!(win.m_U > 0))
		reasons << tr("The U-value must be above 0.");
	if (!(win.m_g >= 0 && win.m_g <= 1))
		reasons << tr("The solar heat gain coefficient g must lie between 0 and 1.");
	if (!(win.m_f >= 0 && win.m_f <= 1))
		reasons << tr("The glass fraction must lie between 0 and 1.");
	const BVX::LinearSpline & shgc = win.m_relativeSHGC;
	if (shgc.empty())
		return reasons;
	if (!shgc.valid() || shgc.size() < 2) {
		reasons << tr("The angle-dependent SHGC needs at least two points with increasing angles.");
		return reasons;
	}
	const std::vector<double> & x = shgc.x();
	const std::vector<double> & y = shgc.y();
	for (std::size_t i = 0; i < y.size(); ++i) {
		if (!(y[i] >= 0 && y[i] <= 1))
			reasons << tr("The relative SHGC at %L1 deg must lie between 0 and 1.").arg(x[i]);
		else if (y[i] > y[0])
			reasons << tr("The relative SHGC at %L1 deg (%L2) is above the value at %L3 deg (%L4).")
					   .arg(x[i]).arg(y[i]).arg(x[0]).arg(y[0]);
	}
	return reasons;
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
