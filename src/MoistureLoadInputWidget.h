#ifndef MoistureLoadInputWidgetH
#define MoistureLoadInputWidgetH

#include <QWidget>

namespace RM {
	class MoistureLoads;
}

/*! Input page of the moisture loads (placeholder: shows nothing yet). */
class MoistureLoadInputWidget : public QWidget {
	Q_OBJECT
public:
	MoistureLoadInputWidget(QWidget * parent, RM::MoistureLoads * model);

	/*! Refreshes the page from its record. */
	void updateInput();

private:
	RM::MoistureLoads * m_model;
};

#endif // MoistureLoadInputWidgetH
