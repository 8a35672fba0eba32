#ifndef WindowDBWidgetH
#define WindowDBWidgetH

#include "DBPageBase.h"

class WindowDBModel;
class WindowEditWidget;

/*! Database page of the windows: table with add and remove buttons and the edit panel. */
class WindowDBWidget : public DBPageBase {
	Q_OBJECT
public:
	WindowDBWidget(QWidget * parent, RM::Database * db);

	WindowDBModel * dbModel() const { return m_dbModel; }
	WindowEditWidget * editWidget() const { return m_editWidget; }

protected:
	QStringList itemUsers(unsigned int id) const override;

private:
	WindowDBModel *	m_dbModel;
	WindowEditWidget *	m_editWidget;
};

#endif // WindowDBWidgetH
