#ifndef OccupancyLoadModelInputWidgetH
#define OccupancyLoadModelInputWidgetH

#include <QWidget>

namespace RM {
	class UserLoads;
}

/*! Input page of the occupancy loads (placeholder: shows nothing yet). */
class OccupancyLoadModelInputWidget : public QWidget {
	Q_OBJECT
public:
	OccupancyLoadModelInputWidget(QWidget * parent, RM::UserLoads * model);

	/*! Refreshes the page from its record. */
	void updateInput();

private:
	RM::UserLoads * m_model;
};

#endif // OccupancyLoadModelInputWidgetH
