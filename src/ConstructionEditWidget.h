#ifndef ConstructionEditWidgetH
#define ConstructionEditWidgetH

#include <QWidget>

namespace RM {
	class Database;
}

class ConstructionDBModel;
class QLabel;

/*! Edit panel of the construction type page (for now it shows only the name of the current type). */
class ConstructionEditWidget : public QWidget {
	Q_OBJECT
public:
	ConstructionEditWidget(QWidget * parent, RM::Database * db, ConstructionDBModel * dbModel);

	/*! Shows the construction type of a row of the model (nothing for an invalid index). */
	virtual void updateInput(const QModelIndex & index);

private:
	RM::Database *		m_db;
	ConstructionDBModel *	m_dbModel;
	QLabel *			m_nameLabel;
};

#endif // ConstructionEditWidgetH
