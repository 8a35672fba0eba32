#include "CustomSplitterHandle.h"

#include <QLinearGradient>
#include <QPainter>

CustomSplitterHandle::CustomSplitterHandle(Qt::Orientation orientation, QSplitter * parent) :
	QSplitterHandle(orientation, parent)
{
}


void CustomSplitterHandle::paintEvent(QPaintEvent * /*event*/) {
	QPainter painter(this);
	const QRect r = rect();
	const int w = r.width();
	const QRect bar(QPoint(r.left(), r.top() + 1), QPoint(r.right(), r.bottom() - 1));

	QLinearGradient gradient(w/2 + 1, bar.top(), w/2 - 1, bar.bottom());
	gradient.setColorAt(0, palette().color(QPalette::Base));
	gradient.setColorAt(0.5, palette().color(QPalette::Button));
	gradient.setColorAt(1, palette().color(QPalette::Base));
	painter.fillRect(bar, gradient);

	painter.setPen(Qt::black);
	const int x = r.left() + w/2;
	const int y = r.top() + 1;
	for (int dx : {0, 5, -5})
		painter.drawRect(x + dx, y, 3, 2);
}
