#ifndef MaterialDBWidgetH
#define MaterialDBWidgetH

#include "DBPageBase.h"

class MaterialDBModel;
class MaterialEditWidget;
class DBModelSortProxy;

/*! Database page of the materials: table with add and remove buttons and the edit panel. */
class MaterialDBWidget : public DBPageBase {
	Q_OBJECT
public:
	MaterialDBWidget(QWidget * parent, RM::Database * db);

	MaterialDBModel * dbModel() const { return m_dbModel; }
	MaterialEditWidget * editWidget() const { return m_editWidget; }
	DBModelSortProxy * proxyModel() const { return m_proxyModel; }

protected:
	QStringList itemUsers(unsigned int id) const override;

private:
	MaterialDBModel *	m_dbModel;
	/*! Sorts the table by the clicked column. */
	DBModelSortProxy *		m_proxyModel;
	MaterialEditWidget *	m_editWidget;
};

#endif // MaterialDBWidgetH
