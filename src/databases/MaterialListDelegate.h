#ifndef MaterialListDelegateH
#define MaterialListDelegateH

#include <QItemDelegate>

namespace RM {
	class Database;
}

class MaterialDBModel;

/*! Delegate of the layer table's material column: edits with a material selector that covers
	the table; the cell holds the material name and, at Qt::UserRole, its id. */
class MaterialListDelegate : public QItemDelegate {
	Q_OBJECT
public:
	MaterialListDelegate(QObject * parent, RM::Database * db, MaterialDBModel * materialDBModel);
	~MaterialListDelegate() override;

	QWidget * createEditor(QWidget * parent, const QStyleOptionViewItem & option, const QModelIndex & index) const override;
	void setEditorData(QWidget * editor, const QModelIndex & index) const override;
	void setModelData(QWidget * editor, QAbstractItemModel * model, const QModelIndex & index) const override;
	void updateEditorGeometry(QWidget * editor, const QStyleOptionViewItem & option, const QModelIndex & index) const override;

signals:
	/*! A layer row got the material with this id. */
	void materialChanged(unsigned int id, int row);

private:
	RM::Database *		m_db;
	MaterialDBModel *	m_materialDBModel;
};

#endif // MaterialListDelegateH
