#include "WindowEditWidget.h"

#include <QLabel>
#include <QVBoxLayout>

#include <RM_Database.h>

#include "WindowDBModel.h"

WindowEditWidget::WindowEditWidget(QWidget * parent, RM::Database * db, WindowDBModel * dbModel) :
	QWidget(parent),
	m_db(db),
	m_dbModel(dbModel),
	m_nameLabel(new QLabel(this))
{
	QVBoxLayout * lay = new QVBoxLayout(this);
	lay->addWidget(m_nameLabel);
	lay->addStretch(1);
	updateInput(QModelIndex());
}


void WindowEditWidget::updateInput(const QModelIndex & index) {
	const RM::WindowType * win = index.isValid() ? m_db->windowType(m_dbModel->itemId(index)) : nullptr;
	m_nameLabel->setText(win == nullptr ? QString() : win->name());
}
