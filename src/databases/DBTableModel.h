#ifndef DBTableModelH
#define DBTableModelH

#include <iterator>
#include <map>
#include <vector>

#include <QAbstractTableModel>
#include <QStringList>

#include <RM_Database.h>

namespace RM {
	class AbstractDatabaseItem;
}

/*! Common part of the four read-only database table models: rows are the items of one
	database table in ascending id order. Column 0 holds the id, column 1 the validity icon,
	column 2 the name.

	The models keep no copy of the database: every call reads it. Several models may show the
	same table (a page's and an editor's own); every change made through one of them (add,
	remove, edit announced with setItemModified, reset) is announced by all models of the same
	database that show that table or depend on it (the construction types' U-values and
	validity depend on the materials). */
class DBTableModel : public QAbstractTableModel {
	Q_OBJECT
public:
	DBTableModel(QObject * parent, RM::Database * db, RM::Database::Table table);
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
	/*! The r-th item of a table in id order, or nullptr. The ids of the rows are kept (a sort
		asks for many rows) and looked up in the table on every call; they are rebuilt after
		each announced change, and whenever the table's size differs or an id has gone. */
	template <typename T>
	const T * rowItem(const std::map<unsigned int, T> & table, int row) const {
		if (row < 0 || row >= int(table.size()))
			return nullptr;
		if (m_rowIds.size() != table.size())
			rebuildRowIds(table);
		auto it = table.find(m_rowIds[std::size_t(row)]);
		if (it == table.end()) {
			rebuildRowIds(table);
			it = table.find(m_rowIds[std::size_t(row)]);
		}
		return &it->second;
	}

	virtual int itemCount() const = 0;
	virtual const RM::AbstractDatabaseItem * itemAt(int row) const = 0;
	virtual bool itemValid(int row) const = 0;
	/*! Why the item of a row is not valid, one reason a line; empty for a valid item. */
	virtual QStringList invalidReasons(int row) const = 0;
	/*! Display text of the columns from 2 on. */
	virtual QString cellText(int row, int column) const = 0;
	virtual QString headerText(int column) const = 0;
	virtual int columns() const = 0;
	virtual bool rightAligned(int column) const { return column >= 3; }
	/*! Columns whose full text is also the tool tip. */
	virtual bool textColumn(int column) const { return column == 2; }
	/*! Adds a new item to the database and returns its id. */
	virtual unsigned int createItem() = 0;
	virtual void eraseItem(unsigned int id) = 0;
	/*! Whether the cells depend on another table's items. */
	virtual bool dependsOn(RM::Database::Table /*table*/) const { return false; }

	RM::Database *	m_db;

private:
	template <typename T>
	void rebuildRowIds(const std::map<unsigned int, T> & table) const {
		m_rowIds.clear();
		for (const auto & entry : table)
			m_rowIds.push_back(entry.first);
	}
	/*! Display text of a cell from column 2 on, kept per item id until the next change. */
	QString cachedText(int row, int column) const;
	void clearCaches();

	/*! Models of the same database showing the table (this one included). */
	std::vector<DBTableModel *> showing(RM::Database::Table table) const;
	/*! Tells the models depending on this model's table that all their rows may have changed. */
	void announceToDependants() const;
	void announceAllRowsChanged();

	RM::Database::Table								m_table;
	mutable std::vector<unsigned int>				m_rowIds;
	mutable std::map<unsigned int, QStringList>		m_textCache;
};

#endif // DBTableModelH
