#ifndef EquipmentLoadModelInputWidgetH
#define EquipmentLoadModelInputWidgetH

#include <QWidget>

namespace RM {
	class UserLoads;
}

/*! Input page of the equipment loads (placeholder: shows nothing yet). */
class EquipmentLoadModelInputWidget : public QWidget {
	Q_OBJECT
public:
	EquipmentLoadModelInputWidget(QWidget * parent, RM::UserLoads * model);

	/*! Refreshes the page from its record. */
	void updateInput();

private:
	RM::UserLoads * m_model;
};

#endif // EquipmentLoadModelInputWidgetH
