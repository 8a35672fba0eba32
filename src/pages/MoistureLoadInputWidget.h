#ifndef MoistureLoadInputWidgetH
#define MoistureLoadInputWidgetH

#include <QWidget>

namespace Ui {
	class MoistureLoadInputWidget;
}

namespace RM {
	class MoistureLoads;
}

/*! Input page of the moisture load schedule; shown while the moisture balance is on. */
class MoistureLoadInputWidget : public QWidget {
	Q_OBJECT
public:
	MoistureLoadInputWidget(QWidget * parent, RM::MoistureLoads * loads);
	~MoistureLoadInputWidget() override;

	/*! Refreshes the page from its record. */
	void updateInput();

private:
	Ui::MoistureLoadInputWidget *	m_ui;
	RM::MoistureLoads *				m_loads;
};

#endif // MoistureLoadInputWidgetH
