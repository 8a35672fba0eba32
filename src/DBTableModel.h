#ifndef DBTableModelH
#define DBTableModelH

#include <map>
#include <vector>

#include <QAbstractTableModel>
#include <QStringList>

#include <RM_AbstractDatabaseItem.h>

namespace RM {
	class AbstractDatabaseItem;
	class Database;
}

/*! Common part of the four read-only database table models: rows are the items of one
	database table in ascending id order. Column 0 holds the id, column 1 the validity icon,
	column 2 the name. Row order and cell texts are cached (a sort asks for them many times):
	edits announce themselves through setItemModified(), other changes through resetModel(). */
class DBTableModel : public QAbstractTableModel {
	Q_OBJECT
public:
	DBTableModel(QObject * parent, RM::Database * db);
	~DBTableModel() override;

	int rowCount(const QModelIndex & parent = QModelIndex()) const override;
	int columnCount(const QModelIndex & parent = QModelIndex()) const override;
	QVariant data(const QModelIndex & index, int role = Qt::DisplayRole) const override;
	QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

	/*! Creates a new user item and returns the column-0 index of its row. */
	QModelIndex addNewItem();
	/*! Removes the user item of the index's row; false (nothing done) for an invalid index
		or a built-in item. */
	bool removeItem(const QModelIndex & index);
	/*! Column-0 index of the row holding the id, or an invalid index. */
	QModelIndex indexById(unsigned int id) const;
	/*! Announces that the row of the id changed (unknown ids are ignored). */
	void setItemModified(unsigned int id);
	/*! Tells the views that the database contents were replaced. */
	void resetModel();

	/*! Id of a row's item (0 for an invalid index). */
	unsigned int itemId(const QModelIndex & index) const;

protected:
	/*! The r-th item of a table in id order, or nullptr. The row order is cached (sorting
		asks for many rows); the cache is rebuilt after a reset, an add or a removal and
		whenever the table's size differs from it. */
	template <typename T>
	const T * rowItem(const std::map<unsigned int, T> & table, int row) const {
		if (row < 0 || row >= int(table.size()))
			return nullptr;
		if (m_rowCache.size() != table.size()) {
			m_rowCache.clear();
			for (const auto & entry : table)
				m_rowCache.push_back(&entry.second);
		}
		return static_cast<const T *>(m_rowCache[std::size_t(row)]);
	}

	virtual int itemCount() const = 0;
	virtual const RM::AbstractDatabaseItem * itemAt(int row) const = 0;
	virtual bool itemValid(int row) const = 0;
	/*! Display text of the columns from 2 on. */
	virtual QString cellText(int row, int column) const = 0;
	virtual QString headerText(int column) const = 0;
	virtual int columns() const = 0;
	virtual bool rightAligned(int column) const { return column >= 3; }
	/*! Adds a new item to the database and returns its id. */
	virtual unsigned int createItem() = 0;
	virtual void eraseItem(unsigned int id) = 0;

	RM::Database *	m_db;

private:
	/*! Display text of a cell from column 2 on, from the cache. */
	QString cachedText(int row, int column) const;
	void clearCaches();

	mutable std::vector<const RM::AbstractDatabaseItem *>	m_rowCache;
	/*! Texts of columns 2... per row; an empty list is not yet filled. */
	mutable std::vector<QStringList>						m_textCache;
};

#endif // DBTableModelH
