#ifndef MaterialEditWidgetH
#define MaterialEditWidgetH

#include <QWidget>

namespace Ui {
	class MaterialEditWidget;
}

namespace QtExt {
	class ValidatingLineEdit;
}

namespace RM {
	class Database;
	class Material;
}

class MaterialDBModel;
class QLineEdit;

/*! Edit panel of the material page: names, category, rho, cT, lambda and the phase-change
	values of the current material. Built-in materials are shown read-only. */
class MaterialEditWidget : public QWidget {
	Q_OBJECT
public:
	MaterialEditWidget(QWidget * parent, RM::Database * db, MaterialDBModel * dbModel);
	~MaterialEditWidget() override;

	/*! Shows the material of a row of the model (nothing for an invalid index). */
	void updateInput(const QModelIndex & index);

private slots:
	void on_lineEditNameEn_editingFinished();
	void on_lineEditNameDe_editingFinished();
	void on_comboBoxCategories_currentIndexChanged(int index);
	void on_lineEditRho_editingFinished();
	void on_lineEditCet_editingFinished();
	void on_lineEditLambda_editingFinished();
	void on_lineEditPCMEnthalpy_editingFinished();
	void on_lineEditPCMTlow_editingFinished();

private:
	/*! Takes an edited value of a field (times unitFactor into the stored unit), stores it
		in the member of the current material and shows it again with the given decimals. */
	void storeValue(QtExt::ValidatingLineEdit * field, double RM::Material::* member,
					double unitFactor, int decimals);

	Ui::MaterialEditWidget *	m_ui;
	RM::Database *				m_db;
	MaterialDBModel *			m_dbModel;
	RM::Material *				m_current;
};

#endif // MaterialEditWidgetH
