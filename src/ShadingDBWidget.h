#ifndef ShadingDBWidgetH
#define ShadingDBWidgetH

#include <QWidget>

namespace RM {
	class Database;
}

/*! Database page of the shading types (placeholder: shows nothing yet). */
class ShadingDBWidget : public QWidget {
	Q_OBJECT
public:
	ShadingDBWidget(QWidget * parent, RM::Database * db);

	/*! Clears the selection and resets the table model (after a project was loaded or created). */
	void resetModel();

private:
	RM::Database * m_db;
};

#endif // ShadingDBWidgetH
