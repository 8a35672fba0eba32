#include "DBModelDelegate.h"

#include <QPainter>

DBModelDelegate::DBModelDelegate(QObject * parent) :
	QItemDelegate(parent)
{
}


DBModelDelegate::~DBModelDelegate() {
}


void DBModelDelegate::paint(QPainter * painter, const QStyleOptionViewItem & option, const QModelIndex & index) const {
	if (!index.data(Qt::UserRole + 1).toBool()) {
		QItemDelegate::paint(painter, option, index);
		return;
	}
	const bool alternate = option.features & QStyleOptionViewItem::Alternate;
	painter->fillRect(option.rect, QBrush(QColor(alternate ? "#ffe49d" : "#fff4b8")));
	QStyleOptionViewItem opt(option);
	opt.palette.setBrush(QPalette::All, QPalette::Text, QBrush(QColor("#760000")));
	QItemDelegate::paint(painter, opt, index);
}
