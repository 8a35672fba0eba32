#include "DBTableModel.h"

#include <algorithm>

#include <QIcon>

#include <RM_AbstractDatabaseItem.h>

namespace {

	/*! All live table models, so that a change made through one reaches the others. */
	std::vector<DBTableModel *> & liveModels() {
		static std::vector<DBTableModel *> models;
		return models;
	}

}


DBTableModel::DBTableModel(QObject * parent, RM::Database * db, RM::Database::Table table) :
	QAbstractTableModel(parent),
	m_db(db),
	m_table(table)
{
	liveModels().push_back(this);
}


DBTableModel::~DBTableModel() {
	std::vector<DBTableModel *> & models = liveModels();
	models.erase(std::remove(models.begin(), models.end(), this), models.end());
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
		case Qt::ToolTipRole: {
			// names and categories may be cut in narrow columns
			if (textColumn(col))
				return cachedText(index.row(), col);
			if (col != 1 || itemValid(index.row()))
				return QVariant();
			const QStringList reasons = invalidReasons(index.row());
			return reasons.isEmpty() ? tr("The item is invalid.") : reasons.join("\n");
		}
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
	const std::vector<DBTableModel *> models = showing(m_table);
	for (DBTableModel * m : models)
		m->beginResetModel();
	const unsigned int id = createItem();
	for (DBTableModel * m : models) {
		m->clearCaches();
		m->endResetModel();
	}
	announceToDependants();
	return indexById(id);
}


bool DBTableModel::removeItem(const QModelIndex & index) {
	if (!index.isValid() || index.row() >= itemCount())
		return false;
	const RM::AbstractDatabaseItem * item = itemAt(index.row());
	if (item == nullptr || item->m_builtin)
		return false;
	const unsigned int id = item->m_id;
	const int row = index.row();
	// all models of the table share the row order: the row is the same in each
	const std::vector<DBTableModel *> models = showing(m_table);
	for (DBTableModel * m : models)
		m->beginRemoveRows(QModelIndex(), row, row);
	eraseItem(id);
	for (DBTableModel * m : models) {
		m->clearCaches();
		m->endRemoveRows();
	}
	announceToDependants();
	return true;
}


QModelIndex DBTableModel::indexById(unsigned int id) const {
	const int rows = rowCount();
	for (int i = 0; i < rows; ++i) {
		const RM::AbstractDatabaseItem * item = itemAt(i);
		if (item != nullptr && item->m_id == id)
			return index(i, 0);
	}
	return QModelIndex();
}


void DBTableModel::setItemModified(unsigned int id) {
	const QModelIndex idx = indexById(id);
	if (!idx.isValid())
		return;
	for (DBTableModel * m : showing(m_table)) {
		m->m_textCache.erase(id);
		emit m->dataChanged(m->index(idx.row(), 0), m->index(idx.row(), m->columns() - 1), {});
	}
	announceToDependants();
}


void DBTableModel::resetModel() {
	const std::vector<DBTableModel *> models = showing(m_table);
	for (DBTableModel * m : models)
		m->beginResetModel();
	for (DBTableModel * m : models) {
		m->clearCaches();
		m->endResetModel();
	}
	announceToDependants();
}


unsigned int DBTableModel::itemId(const QModelIndex & index) const {
	if (!index.isValid())
		return 0;
	return index.model()->data(index, Qt::UserRole).toUInt();
}


std::vector<DBTableModel *> DBTableModel::showing(RM::Database::Table table) const {
	std::vector<DBTableModel *> models;
	for (DBTableModel * m : liveModels())
		if (m->m_db == m_db && m->m_table == table)
			models.push_back(m);
	return models;
}


void DBTableModel::announceToDependants() const {
	const std::vector<DBTableModel *> models = liveModels();
	for (DBTableModel * m : models)
		if (m->m_db == m_db && m->dependsOn(m_table))
			m->announceAllRowsChanged();
}


void DBTableModel::announceAllRowsChanged() {
	clearCaches();
	if (itemCount() > 0)
		emit dataChanged(index(0, 0), index(itemCount() - 1, columns() - 1), {});
}


QString DBTableModel::cachedText(int row, int column) const {
	const RM::AbstractDatabaseItem * item = itemAt(row);
	if (item == nullptr)
		return QString();
	QStringList & texts = m_textCache[item->m_id];
	if (texts.isEmpty())
		for (int c = 2; c < columns(); ++c)
			texts.append(cellText(row, c));
	return texts.value(column - 2);
}


void DBTableModel::clearCaches() {
	m_rowIds.clear();
	m_textCache.clear();
}
