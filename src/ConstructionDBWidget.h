#ifndef ConstructionDBWidgetH
#define ConstructionDBWidgetH

#include <QWidget>

namespace RM {
	class Database;
}

/*! Database page of the construction types (placeholder: shows nothing yet). */
class ConstructionDBWidget : public QWidget {
	Q_OBJECT
public:
	ConstructionDBWidget(QWidget * parent, RM::Database * db);

	/*! Clears the selection and resets the table model (after a project was loaded or created). */
	void resetModel();

private:
	RM::Database * m_db;
};

#endif // ConstructionDBWidgetH
