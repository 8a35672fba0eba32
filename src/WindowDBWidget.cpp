#include "WindowDBWidget.h"

#include <RM_Database.h>

WindowDBWidget::WindowDBWidget(QWidget * parent, RM::Database * db) :
	QWidget(parent),
	m_db(db)
{
}


void WindowDBWidget::resetModel() {
}
