#include "CalculationInputWidget.h"

#include <QtExt_Directories.h>

#include <RM_Climate.h>
#include <RM_Database.h>
#include <RM_Room.h>

CalculationInputWidget::CalculationInputWidget(QWidget * parent, RM::Database * db, RM::Climate * climate,
											   RM::Room * room) :
	QWidget(parent),
	m_db(db),
	m_climate(climate),
	m_room(room)
{
	m_climate->parseClimateDataDir(QtExt::Directories::databasesDir() + "/DB_climate",
								   QtExt::Directories::userDataDir() + "/DB_climate");
}


void CalculationInputWidget::updateInput() {
	if (m_climate->loadClimateData(m_room->m_climateDataPath))
		emit loadsChanged();
}


void CalculationInputWidget::resizeConstructionTableColumns() {
}
