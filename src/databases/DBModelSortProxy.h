#ifndef DBModelSortProxyH
#define DBModelSortProxyH

#include <QSet>
#include <QSortFilterProxyModel>

/*! Sorts a database table: numeric columns by their value (cells that do not parse
	first), ties by name and then by id, so that the order is always total. */
class DBModelSortProxy : public QSortFilterProxyModel {
	Q_OBJECT
public:
	explicit DBModelSortProxy(QObject * parent);
	~DBModelSortProxy() override;

	/*! Columns whose display text is a number in the default locale. */
	void setNumericColumns(const QSet<int> & columns);

	/*! Horizontal headers with their unit on a second line ("rho\n[kg/m3]"), so that the
		many value columns of the material table fit beside the name. */
	QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

protected:
	bool lessThan(const QModelIndex & left, const QModelIndex & right) const override;

private:
	/*! Ties: by name (column 2), then by id; in the name column by id. */
	bool tieLessThan(const QModelIndex & left, const QModelIndex & right) const;

	QSet<int>	m_numericColumns;
};

#endif // DBModelSortProxyH
