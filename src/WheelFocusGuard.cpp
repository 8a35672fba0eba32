#include "WheelFocusGuard.h"

#include <QAbstractSpinBox>
#include <QEvent>

WheelFocusGuard::WheelFocusGuard(QObject * parent) :
	QObject(parent)
{
}


void WheelFocusGuard::install(QAbstractSpinBox * spinBox) {
	spinBox->setFocusPolicy(Qt::StrongFocus);
	spinBox->installEventFilter(new WheelFocusGuard(spinBox));
}


bool WheelFocusGuard::eventFilter(QObject * watched, QEvent * event) {
	if (event->type() != QEvent::Wheel)
		return false;
	QWidget * w = qobject_cast<QWidget *>(watched);
	if (w == nullptr || w->hasFocus())
		return false;
	event->ignore();
	return true;
}
