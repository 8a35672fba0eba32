#ifndef NaturalVentilationModelInputWidgetH
#define NaturalVentilationModelInputWidgetH

#include <QWidget>

namespace RM {
	class NaturalVentilationModel;
	class Room;
}

/*! Input page of the natural ventilation (infiltration) model (placeholder: shows nothing yet). */
class NaturalVentilationModelInputWidget : public QWidget {
	Q_OBJECT
public:
	NaturalVentilationModelInputWidget(QWidget * parent, RM::NaturalVentilationModel * model, RM::Room * room);

	/*! Refreshes the page from its record. */
	void updateInput();

private:
	RM::NaturalVentilationModel * m_model;
	RM::Room * m_room;
};

#endif // NaturalVentilationModelInputWidgetH
