#ifndef CoolingModelInputWidgetH
#define CoolingModelInputWidgetH

#include <QWidget>

namespace RM {
	class CoolingModel;
}

/*! Input page of the cooling model (placeholder: shows nothing yet). */
class CoolingModelInputWidget : public QWidget {
	Q_OBJECT
public:
	CoolingModelInputWidget(QWidget * parent, RM::CoolingModel * model);

	/*! Refreshes the page from its record. */
	void updateInput();

private:
	RM::CoolingModel * m_model;
};

#endif // CoolingModelInputWidgetH
