#ifndef HeatingModelInputWidgetH
#define HeatingModelInputWidgetH

#include <QWidget>

namespace Ui {
	class HeatingModelInputWidget;
}

namespace RM {
	class HeatingModel;
}

/*! Input page of the heating model: type, maximum power and the set-point schedule.
	Accepted edits go straight into the record. */
class HeatingModelInputWidget : public QWidget {
	Q_OBJECT
public:
	HeatingModelInputWidget(QWidget * parent, RM::HeatingModel * model);
	~HeatingModelInputWidget() override;

	/*! Refreshes the page from its record. */
	void updateInput();

private slots:
	void on_lineEditMaxLoad_editingFinished();
	void on_comboBoxHeatingType_currentIndexChanged(int index);

private:
	Ui::HeatingModelInputWidget *	m_ui;
	RM::HeatingModel *				m_model;
};

#endif // HeatingModelInputWidgetH
