#ifndef WindowDBWidgetH
#define WindowDBWidgetH

#include <QWidget>

namespace RM {
	class Database;
}

/*! Database page of the window types (placeholder: shows nothing yet). */
class WindowDBWidget : public QWidget {
	Q_OBJECT
public:
	WindowDBWidget(QWidget * parent, RM::Database * db);

	/*! Clears the selection and resets the table model (after a project was loaded or created). */
	void resetModel();

private:
	RM::Database * m_db;
};

#endif // WindowDBWidgetH
