#ifndef MaterialSelectorWidgetH
#define MaterialSelectorWidgetH

#include <QModelIndex>
#include <QWidget>

class QTableView;
class DBModelSortProxy;
class MaterialDBModel;

/*! Sortable table of all materials, opened over the layer table to pick a layer's material. */
class MaterialSelectorWidget : public QWidget {
	Q_OBJECT
public:
	MaterialSelectorWidget(QWidget * parent, MaterialDBModel * materialDBModel);

	/*! Preselects the row of a material; an unknown id takes the first row in sort order. */
	void selectMaterial(unsigned int id);

	QTableView * tableView() const { return m_tableView; }
	DBModelSortProxy * proxyModel() const { return m_proxyModel; }

	/*! The chosen material. */
	unsigned int	m_materialId;

signals:
	/*! A material was picked by double-click: the owner commits and closes the editor. */
	void materialPicked();

public slots:
	void materialDoubleClicked(QModelIndex index);

private:
	QTableView *		m_tableView;
	DBModelSortProxy *	m_proxyModel;
	MaterialDBModel *	m_materialDBModel;
};

#endif // MaterialSelectorWidgetH
