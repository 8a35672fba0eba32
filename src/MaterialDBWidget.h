#ifndef MaterialDBWidgetH
#define MaterialDBWidgetH

#include <QWidget>

namespace RM {
	class Database;
}

/*! Database page of the materials (placeholder: shows nothing yet). */
class MaterialDBWidget : public QWidget {
	Q_OBJECT
public:
	MaterialDBWidget(QWidget * parent, RM::Database * db);

	/*! Clears the selection and resets the table model (after a project was loaded or created). */
	void resetModel();

private:
	RM::Database * m_db;
};

#endif // MaterialDBWidgetH
