#include "DBTableModel.h"

#include <QIcon>

#include <RM_AbstractDatabaseItem.h>

DBTableModel::DBTableModel(QObject * parent, RM::Database * db) :
	QAbstractTableModel(parent),
	m_db(db)
{
}


DBTableModel::~DBTableModel() {
}


int DBTableModel::rowCount(const QModelIndex & parent) const {
	if (parent.isValid())
		return 0;
	return itemCount();
}


int DBTableModel::columnCount(const QModelIndex & parent) const {
	if (parent.isValid())
		return 0;
	return columns();
}


QVariant DBTableModel::data(const QModelIndex & index, int role) const {
	if (!index.isValid() || index.row() >= itemCount())
		return QVariant();
	const RM::AbstractDatabaseItem * item = itemAt(index.row());
	if (item == nullptr)
		return QVariant();
	const int col = index.column();
	switch (role) {
		case Qt::DisplayRole:
			if (col == 0)
				return item->m_id;
			if (col == 1)
				return QVariant();
			return cachedText(index.row(), col);
		case Qt::DecorationRole:
			if (col != 1)
				return QVariant();
			return QIcon(itemValid(index.row()) ? ":/gfx/ok_16x16.png" : ":/gfx/error_16x16.png");
		case Qt::TextAlignmentRole:
			if (rightAligned(col))
				return int(Qt::AlignRight | Qt::AlignVCenter);
			return QVariant();
		case Qt::UserRole:
			return item->m_id;
		case Qt::UserRole + 1:
			return item->m_builtin;
		default:
			return QVariant();
	}
}


QVariant DBTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
	if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columns())
		return QVariant();
	const QString text = headerText(section);
	if (text.isEmpty())
		return QVariant();
	return text;
}


QModelIndex DBTableModel::addNewItem() {
	// the database may hand out an id below a kept imported one, so the new row can lie
	// anywhere in the table: the views learn of it through a reset
	beginResetModel();
	clearCaches();
	const unsigned int id = createItem();
	endResetModel();
	return indexById(id);
}


bool DBTableModel::removeItem(const QModelIndex & index) {
	if (!index.isValid() || index.row() >= itemCount())
		return false;
	const RM::AbstractDatabaseItem * item = itemAt(index.row());
	if (item == nullptr || item->m_builtin)
		return false;
	const unsigned int id = item->m_id;
	beginRemoveRows(QModelIndex(), index.row(), index.row());
	eraseItem(id);
	clearCaches();
	endRemoveRows();
	return true;
}


QModelIndex DBTableModel::indexById(unsigned int id) const {
	for (int i = 0; i < rowCount(); ++i) {
		QModelIndex idx = index(i, 0);
		if (data(idx, Qt::UserRole).toUInt() == id)
			return idx;
	}
	return QModelIndex();
}


void DBTableModel::setItemModified(unsigned int id) {
	const QModelIndex idx = indexById(id);
	if (!idx.isValid())
		return;
	if (std::size_t(idx.row()) < m_textCache.size())
		m_textCache[std::size_t(idx.row())].clear();
	emit dataChanged(index(idx.row(), 0), index(idx.row(), columns() - 1), {});
}


void DBTableModel::resetModel() {
	beginResetModel();
	clearCaches();
	endResetModel();
}


unsigned int DBTableModel::itemId(const QModelIndex & index) const {
	if (!index.isValid())
		return 0;
	return index.model()->data(index, Qt::UserRole).toUInt();
}


QString DBTableModel::cachedText(int row, int column) const {
	if (m_textCache.size() != std::size_t(itemCount()))
		m_textCache.assign(std::size_t(itemCount()), QStringList());
	QStringList & texts = m_textCache[std::size_t(row)];
	if (texts.isEmpty())
		for (int c = 2; c < columns(); ++c)
			texts.append(cellText(row, c));
	return texts.value(column - 2);
}


void DBTableModel::clearCaches() {
	m_rowCache.clear();
	m_textCache.clear();
}
