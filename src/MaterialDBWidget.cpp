#include "MaterialDBWidget.h"

#include <RM_Database.h>

MaterialDBWidget::MaterialDBWidget(QWidget * parent, RM::Database * db) :
	QWidget(parent),
	m_db(db)
{
}


void MaterialDBWidget::resetModel() {
}
