#include "MaterialDBWidget.h"

#include <RM_Database.h>

#include "DBItemUsers.h"
#include "DBModelSortProxy.h"
#include "MaterialDBModel.h"
#include "MaterialEditWidget.h"

MaterialDBWidget::MaterialDBWidget(QWidget * parent, RM::Database * db) :
	DBPageBase(parent, db),
	m_dbModel(new MaterialDBModel(this, db)),
	m_proxyModel(nullptr),
	m_editWidget(new MaterialEditWidget(this, db, m_dbModel))
{
	Setup setup;
	setup.m_model = m_dbModel;
	m_proxyModel = new DBModelSortProxy(this);
	m_proxyModel->setNumericColumns({0, 4, 5, 6});
	setup.m_proxy = m_proxyModel;
	setup.m_editWidget = m_editWidget;
	setup.m_updateInput = [this](const QModelIndex & index) { m_editWidget->updateInput(index); };
	setup.m_title = tr("Materials");
	setup.m_addToolTip = tr("Adds a new material.");
	setup.m_removeToolTip = tr("Removes the currently selected material.");
	// the six value columns as wide as a unit (headers in two lines) and the category cut
	// (tool tip): at the smallest window the name keeps the width they leave
	const int valueWidth = fontMetrics().horizontalAdvance("[W/mK]") + fontMetrics().averageCharWidth();
	setup.m_interactiveColumns = {{3, 10 * fontMetrics().averageCharWidth()}};
	for (int col = 4; col <= 9; ++col)
		setup.m_interactiveColumns[col] = valueWidth;
	setupPage(setup);
}


QStringList MaterialDBWidget::itemUsers(unsigned int id) const {
	return constructionTypesUsingMaterial(*m_db, id);
}
