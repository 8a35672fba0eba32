#include "ConstructionDBWidget.h"

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
}


QStringList ConstructionDBWidget::itemUsers(unsigned int id) const {
	return surfacesUsing(m_project, &RM::RoomConstruction::m_constructionId, id);
}
