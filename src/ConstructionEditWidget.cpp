#include "ConstructionEditWidget.h"

#include <QLabel>
#include <QVBoxLayout>

#include <RM_Database.h>

#include "ConstructionDBModel.h"

ConstructionEditWidget::ConstructionEditWidget(QWidget * parent, RM::Database * db, ConstructionDBModel * dbModel) :
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


void ConstructionEditWidget::updateInput(const QModelIndex & index) {
	const RM::ConstructionType * con = index.isValid() ? m_db->constructionType(m_dbModel->itemId(index)) : nullptr;
	m_nameLabel->setText(con == nullptr ? QString() : con->name());
}
