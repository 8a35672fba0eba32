#ifndef EquipmentLoadModelInputWidgetH
#define EquipmentLoadModelInputWidgetH

#include <QWidget>

namespace Ui {
	class EquipmentLoadModelInputWidget;
}

namespace RM {
	class UserLoads;
}

/*! Input page of the equipment load schedule (the occupancy page edits the same record). */
class EquipmentLoadModelInputWidget : public QWidget {
	Q_OBJECT
public:
	EquipmentLoadModelInputWidget(QWidget * parent, RM::UserLoads * loads);
	~EquipmentLoadModelInputWidget() override;

	/*! Refreshes the page from its record. */
	void updateInput();

private:
	Ui::EquipmentLoadModelInputWidget *	m_ui;
	RM::UserLoads *						m_loads;
};

#endif // EquipmentLoadModelInputWidgetH
