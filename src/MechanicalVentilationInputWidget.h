#ifndef MechanicalVentilationInputWidgetH
#define MechanicalVentilationInputWidgetH

#include <QWidget>

namespace RM {
	class MechanicalVentilationModel;
}

/*! Input page of the mechanical ventilation model (placeholder: shows nothing yet). */
class MechanicalVentilationInputWidget : public QWidget {
	Q_OBJECT
public:
	MechanicalVentilationInputWidget(QWidget * parent, RM::MechanicalVentilationModel * model);

	/*! Refreshes the page from its record. */
	void updateInput();

private:
	RM::MechanicalVentilationModel * m_model;
};

#endif // MechanicalVentilationInputWidgetH
