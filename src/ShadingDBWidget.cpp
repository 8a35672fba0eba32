#include "ShadingDBWidget.h"

#include <RM_Database.h>

ShadingDBWidget::ShadingDBWidget(QWidget * parent, RM::Database * db) :
	QWidget(parent),
	m_db(db)
{
}


void ShadingDBWidget::resetModel() {
}
