#include "WindowDBWidget.h"

#include <RM_Database.h>

#include "DBItemUsers.h"
#include "WindowDBModel.h"
#include "WindowEditWidget.h"

WindowDBWidget::WindowDBWidget(QWidget * parent, RM::Database * db) :
	DBPageBase(parent, db),
	m_dbModel(new WindowDBModel(this, db)),
	m_editWidget(new WindowEditWidget(this, db, m_dbModel))
{
	Setup setup;
	setup.m_model = m_dbModel;
	setup.m_editWidget = m_editWidget;
	setup.m_updateInput = [this](const QModelIndex & index) { m_editWidget->updateInput(index); };
	setup.m_title = tr("Windows");
	setup.m_addToolTip = tr("Adds a new window type.");
	setup.m_removeToolTip = tr("Removes the currently selected window type.");
	setup.m_panelBeside = true;
	setupPage(setup);
}


QStringList WindowDBWidget::itemUsers(unsigned int id) const {
	return surfacesUsing(m_project, &RM::RoomConstruction::m_windowId, id);
}
