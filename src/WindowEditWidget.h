#ifndef WindowEditWidgetH
#define WindowEditWidgetH

#include <QWidget>

namespace RM {
	class Database;
}

class WindowDBModel;
class QLabel;

/*! Edit panel of the window type page (for now it shows only the name of the current type). */
class WindowEditWidget : public QWidget {
	Q_OBJECT
public:
	WindowEditWidget(QWidget * parent, RM::Database * db, WindowDBModel * dbModel);

	/*! Shows the window type of a row of the model (nothing for an invalid index). */
	virtual void updateInput(const QModelIndex & index);

private:
	RM::Database *		m_db;
	WindowDBModel *	m_dbModel;
	QLabel *			m_nameLabel;
};

#endif // WindowEditWidgetH
