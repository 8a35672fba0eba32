#ifndef DBModelDelegateH
#define DBModelDelegateH

#include <QItemDelegate>

/*! Paints the rows of built-in database items yellow with dark red text. */
class DBModelDelegate : public QItemDelegate {
	Q_OBJECT
public:
	explicit DBModelDelegate(QObject * parent);
	~DBModelDelegate() override;

	void paint(QPainter * painter, const QStyleOptionViewItem & option, const QModelIndex & index) const override;
};

#endif // DBModelDelegateH
