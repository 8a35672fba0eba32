#include "ConstructionDBWidget.h"

#include <RM_Database.h>

ConstructionDBWidget::ConstructionDBWidget(QWidget * parent, RM::Database * db) :
	QWidget(parent),
	m_db(db)
{
}


void ConstructionDBWidget::resetModel() {
}
