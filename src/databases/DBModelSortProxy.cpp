#include "DBModelSortProxy.h"

#include <QLocale>

DBModelSortProxy::DBModelSortProxy(QObject * parent) :
	QSortFilterProxyModel(parent)
{
}


DBModelSortProxy::~DBModelSortProxy() {
}


void DBModelSortProxy::setNumericColumns(const QSet<int> & columns) {
	beginResetModel();
	m_numericColumns = columns;
	endResetModel();
}


bool DBModelSortProxy::lessThan(const QModelIndex & left, const QModelIndex & right) const {
	if (m_numericColumns.contains(left.column())) {
		const QString leftText = left.data().toString();
		const QString rightText = right.data().toString();
		QLocale loc;
		bool leftOk = false;
		bool rightOk = false;
		const double leftValue = loc.toDouble(leftText, &leftOk);
		const double rightValue = loc.toDouble(rightText, &rightOk);
		if (!leftOk && !rightOk) {
			if (leftText != rightText)
				return leftText < rightText;
		}
		else if (leftOk != rightOk) {
			return !leftOk; // cells that do not parse come first
		}
		else if (leftValue != rightValue) {
			return leftValue < rightValue;
		}
		return tieLessThan(left, right);
	}
	const bool r = QSortFilterProxyModel::lessThan(left, right);
	if (r != QSortFilterProxyModel::lessThan(right, left))
		return r;
	return tieLessThan(left, right);
}


bool DBModelSortProxy::tieLessThan(const QModelIndex & left, const QModelIndex & right) const {
	const QAbstractItemModel * src = left.model();
	const QModelIndex leftId = src->index(left.row(), 0);
	const QModelIndex rightId = src->index(right.row(), 0);
	if (left.column() != 2) {
		const QModelIndex leftName = src->index(left.row(), 2);
		const QModelIndex rightName = src->index(right.row(), 2);
		if (QSortFilterProxyModel::lessThan(leftName, rightName))
			return true;
		if (QSortFilterProxyModel::lessThan(rightName, leftName))
			return false;
	}
	return QSortFilterProxyModel::lessThan(leftId, rightId);
}


QVariant DBModelSortProxy::headerData(int section, Qt::Orientation orientation, int role) const {
	const QVariant value = QSortFilterProxyModel::headerData(section, orientation, role);
	if (orientation != Qt::Horizontal || role != Qt::DisplayRole || value.type() != QVariant::String)
		return value;
	QString text = value.toString();
	const int unit = text.lastIndexOf(" [");
	if (unit > 0)
		text[unit] = '\n';
	return text;
}
