#ifndef ShadingEditWidgetH
#define ShadingEditWidgetH

#include <QWidget>

namespace Ui {
	class ShadingEditWidget;
}

namespace RM {
	class Database;
	class ShadingType;
}

class ShadingDBModel;
class QLineEdit;

/*! Edit panel of the shading-type page: names and shading factor of the current type.
	Built-in types are shown read-only. */
class ShadingEditWidget : public QWidget {
	Q_OBJECT
public:
	ShadingEditWidget(QWidget * parent, RM::Database * db, ShadingDBModel * dbModel);
	~ShadingEditWidget() override;

	/*! Shows the shading type of a row of the model (nothing for an invalid index). */
	virtual void updateInput(const QModelIndex & index);

private slots:
	void on_lineEditNameEn_editingFinished();
	void on_lineEditNameDe_editingFinished();
	void on_lineEditZconstant_editingFinished();

private:

	Ui::ShadingEditWidget *	m_ui;
	RM::Database *			m_db;
	ShadingDBModel *		m_dbModel;
	RM::ShadingType *		m_current;
};

#endif // ShadingEditWidgetH
