#ifndef ShadingDBWidgetH
#define ShadingDBWidgetH

#include "DBPageBase.h"

class ShadingDBModel;
class ShadingEditWidget;

/*! Database page of the shading types: table with add and remove buttons and the edit panel. */
class ShadingDBWidget : public DBPageBase {
	Q_OBJECT
public:
	ShadingDBWidget(QWidget * parent, RM::Database * db);

	ShadingDBModel * dbModel() const { return m_dbModel; }
	ShadingEditWidget * editWidget() const { return m_editWidget; }

protected:
	QStringList itemUsers(unsigned int id) const override;

private:
	ShadingDBModel *	m_dbModel;
	ShadingEditWidget *	m_editWidget;
};

#endif // ShadingDBWidgetH
