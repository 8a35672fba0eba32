#ifndef WindowEditWidgetH
#define WindowEditWidgetH

#include <vector>

#include <QWidget>

namespace Ui {
	class WindowEditWidget;
}

namespace RM {
	class Database;
	class WindowType;
}

class WindowDBModel;
class QLineEdit;
class QTableWidgetItem;
class QwtPlotCurve;

/*! Edit panel of the window type page: names, U, g, glass fraction and the angle-dependent
	solar heat gain coefficient as table (relative values) and plot (absolute values).
	Built-in types are shown read-only. */
class WindowEditWidget : public QWidget {
	Q_OBJECT
public:
	WindowEditWidget(QWidget * parent, RM::Database * db, WindowDBModel * dbModel);
	~WindowEditWidget() override;

	/*! Shows the window type of a row of the model (nothing for an invalid index). */
	virtual void updateInput(const QModelIndex & index);

private slots:
	void on_lineEditf_editingFinished();
	void on_lineEditg_editingFinished();
	void on_lineEditU_editingFinished();
	void on_lineEditNameEn_editingFinished();
	void on_lineEditNameDe_editingFinished();
	void on_spinBox_valueChanged(int count);
	void on_tableWidget_itemChanged(QTableWidgetItem * item);

private:
	void setupPlot();
	/*! Refreshes spin box, table and plot; writes nothing while doing so. */
	void updateSHGCTable(const RM::WindowType & win);
	/*! Stores an accepted relative value of a row; false when refused. */
	bool storeRelativeValue(int row, const QString & text);
	/*! Stores an accepted angle of a row; false when refused. */
	bool storeAngle(int row, const QString & text);
	/*! Stores the spline points, refreshes and commits. */
	void storeSHGC(const std::vector<double> & angles, const std::vector<double> & values);

	Ui::WindowEditWidget *	m_ui;
	RM::Database *			m_db;
	WindowDBModel *			m_dbModel;
	RM::WindowType *		m_current;
	QwtPlotCurve *			m_shgcCurve;
};

#endif // WindowEditWidgetH
