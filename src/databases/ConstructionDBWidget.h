#ifndef ConstructionDBWidgetH
#define ConstructionDBWidgetH

#include "DBPageBase.h"

class ConstructionDBModel;
class ConstructionEditWidget;

/*! Database page of the construction types: table with add and remove buttons and the edit panel. */
class ConstructionDBWidget : public DBPageBase {
	Q_OBJECT
public:
	ConstructionDBWidget(QWidget * parent, RM::Database * db);

	ConstructionDBModel * dbModel() const { return m_dbModel; }
	ConstructionEditWidget * editWidget() const { return m_editWidget; }

protected:
	QStringList itemUsers(unsigned int id) const override;

private:
	ConstructionDBModel *	m_dbModel;
	ConstructionEditWidget *	m_editWidget;
};

#endif // ConstructionDBWidgetH
