#include "ShadingDBWidget.h"

#include <RM_Database.h>

#include "DBItemUsers.h"
#include "ShadingDBModel.h"
#include "ShadingEditWidget.h"

ShadingDBWidget::ShadingDBWidget(QWidget * parent, RM::Database * db) :
	DBPageBase(parent, db),
	m_dbModel(new ShadingDBModel(this, db)),
	m_editWidget(new ShadingEditWidget(this, db, m_dbModel))
{
	Setup setup;
	setup.m_model = m_dbModel;
	setup.m_editWidget = m_editWidget;
	setup.m_updateInput = [this](const QModelIndex & index) { m_editWidget->updateInput(index); };
	setup.m_title = tr("Shading Types");
	setup.m_addToolTip = tr("Adds a new shading type.");
	setup.m_removeToolTip = tr("Removes the currently selected shading type.");
	setup.m_panelBeside = true;
	setupPage(setup);
}


QStringList ShadingDBWidget::itemUsers(unsigned int id) const {
	return surfacesUsing(m_project, &RM::RoomConstruction::m_shadingTypeId, id);
}
