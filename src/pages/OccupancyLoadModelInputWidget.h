#ifndef OccupancyLoadModelInputWidgetH
#define OccupancyLoadModelInputWidgetH

#include <QWidget>

namespace Ui {
	class OccupancyLoadModelInputWidget;
}

namespace RM {
	class UserLoads;
}

/*! Input page of the occupancy: heat emission per person and the occupancy schedule (the
	equipment page edits the same record). */
class OccupancyLoadModelInputWidget : public QWidget {
	Q_OBJECT
public:
	OccupancyLoadModelInputWidget(QWidget * parent, RM::UserLoads * loads);
	~OccupancyLoadModelInputWidget() override;

	/*! Refreshes the page from its record. */
	void updateInput();

private slots:
	void on_lineEditPersonLoad_editingFinished();

private:
	Ui::OccupancyLoadModelInputWidget *	m_ui;
	RM::UserLoads *						m_loads;
};

#endif // OccupancyLoadModelInputWidgetH
