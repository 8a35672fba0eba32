#ifndef CoolingModelInputWidgetH
#define CoolingModelInputWidgetH

#include <QWidget>

namespace Ui {
	class CoolingModelInputWidget;
}

namespace RM {
	class CoolingModel;
}

/*! Input page of the cooling model: type, maximum power, temperature and humidity set-point
	schedules. Accepted edits go straight into the record. */
class CoolingModelInputWidget : public QWidget {
	Q_OBJECT
public:
	CoolingModelInputWidget(QWidget * parent, RM::CoolingModel * model);
	~CoolingModelInputWidget() override;

	/*! Refreshes the page from its record; a type other than "simple" becomes "none". */
	void updateInput();

private slots:
	void on_lineEditMaxLoad_editingFinished();
	void on_comboBoxType_currentIndexChanged(int index);

private:
	Ui::CoolingModelInputWidget *	m_ui;
	RM::CoolingModel *				m_model;
};

#endif // CoolingModelInputWidgetH
