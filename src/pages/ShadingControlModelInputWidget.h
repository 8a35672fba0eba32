#ifndef ShadingControlModelInputWidgetH
#define ShadingControlModelInputWidgetH

#include <QWidget>

namespace Ui {
	class ShadingControlModelInputWidget;
}

namespace RM {
	class DIN4108_2Assessment;
	class ShadingControlModel;
}

/*! Input page of the shading control: constant or scheduled shading degree, or shading
	closed above a radiation intensity per orientation. While a DIN 4108-2 assessment with
	rule-based shading is active, the page shows the intensity limits of the rules instead
	of the record's own. Accepted edits go straight into the record. */
class ShadingControlModelInputWidget : public QWidget {
	Q_OBJECT
public:
	ShadingControlModelInputWidget(QWidget * parent, RM::ShadingControlModel * model,
								   RM::DIN4108_2Assessment * assessment);
	~ShadingControlModelInputWidget() override;

	/*! Refreshes the page from its records. */
	void updateInput();

public slots:
	/*! Refreshes the page when automaticShading is set, else does nothing. */
	void updateShadingControl(bool automaticShading);

private slots:
	void on_comboBoxType_currentIndexChanged(int index);
	void on_lineEditMaxRadIntensityHor_editingFinished();
	void on_lineEditMaxRadIntensityWest_editingFinished();
	void on_lineEditMaxRadIntensitySouth_editingFinished();
	void on_lineEditMaxRadIntensityEast_editingFinished();
	void on_lineEditMaxRadIntensityNorth_editingFinished();

private:
	/*! Stacked page and schedule editability of a model type; other types change nothing. */
	void showType(int type);

	Ui::ShadingControlModelInputWidget *	m_ui;
	RM::ShadingControlModel *				m_model;
	RM::DIN4108_2Assessment *				m_assessment;
};

#endif // ShadingControlModelInputWidgetH
