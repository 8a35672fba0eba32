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

protected:
	bool lessThan(const QModelIndex & left, const QModelIndex & right) const override;

private:
	/*! Ties: by name (column 2), then by id; in the name column by id. */
	bool tieLessThan(const QModelIndex & left, const QModelIndex & right) const;

	QSet<int>	m_numericColumns;
};

#endif // DBModelSortProxyH
