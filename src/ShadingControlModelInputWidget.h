#ifndef ShadingControlModelInputWidgetH
#define ShadingControlModelInputWidgetH

#include <QWidget>

namespace RM {
	class DIN4108_2Assessment;
	class ShadingControlModel;
}

/*! Input page of the shading control model (placeholder: shows nothing yet). */
class ShadingControlModelInputWidget : public QWidget {
	Q_OBJECT
public:
	ShadingControlModelInputWidget(QWidget * parent, RM::ShadingControlModel * model,
								   RM::DIN4108_2Assessment * assessment);

	/*! Refreshes the page from its record. */
	void updateInput();

private:
	RM::ShadingControlModel * m_model;
	RM::DIN4108_2Assessment * m_assessment;
};

#endif // ShadingControlModelInputWidgetH
