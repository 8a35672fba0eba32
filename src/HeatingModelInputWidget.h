#ifndef HeatingModelInputWidgetH
#define HeatingModelInputWidgetH

#include <QWidget>

namespace RM {
	class HeatingModel;
}

/*! Input page of the heating model (placeholder: shows nothing yet). */
class HeatingModelInputWidget : public QWidget {
	Q_OBJECT
public:
	HeatingModelInputWidget(QWidget * parent, RM::HeatingModel * model);

	/*! Refreshes the page from its record. */
	void updateInput();

private:
	RM::HeatingModel * m_model;
};

#endif // HeatingModelInputWidgetH
