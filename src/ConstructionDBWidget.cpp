#include "ConstructionDBWidget.h"

#include <QHeaderView>
#include <QTableView>

#include <RM_Database.h>

#include "DBItemUsers.h"
#include "ConstructionDBModel.h"
#include "ConstructionEditWidget.h"

ConstructionDBWidget::ConstructionDBWidget(QWidget * parent, RM::Database * db) :
	DBPageBase(parent, db),
	m_dbModel(new ConstructionDBModel(this, db)),
	m_editWidget(new ConstructionEditWidget(this, db, m_dbModel))
{
	Setup setup;
	setup.m_model = m_dbModel;
	setup.m_editWidget = m_editWidget;
	setup.m_updateInput = [this](const QModelIndex & index) { m_editWidget->updateInput(index); };
	setup.m_title = tr("Construction Types");
	setup.m_addToolTip = tr("Adds a new construction type.");
	setup.m_removeToolTip = tr("Removes the currently selected construction type.");
	setup.m_panelBeside = false;
	setupPage(setup);

	QHeaderView * header = m_tableView->horizontalHeader();
	header->setSectionResizeMode(0, QHeaderView::Fixed);
	header->setSectionResizeMode(1, QHeaderView::Fixed);
	header->setSectionResizeMode(2, QHeaderView::Stretch);
	header->setSectionResizeMode(3, QHeaderView::ResizeToContents);
	header->setSectionResizeMode(4, QHeaderView::ResizeToContents);
	header->resizeSection(0, 60);
	header->resizeSection(1, 22);
	header->resizeSection(2, 120);
}


QStringList ConstructionDBWidget::itemUsers(unsigned int id) const {
	return surfacesUsing(m_project, &RM::RoomConstruction::m_constructionId, id);
}
