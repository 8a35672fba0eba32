#include "WheelFocusFilter.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>

namespace {

/*! The boxes whose value a wheel notch changes. */
QWidget * valueBox(QObject * o) {
	if (QAbstractSpinBox * spin = qobject_cast<QAbstractSpinBox *>(o))
		return spin;
	return qobject_cast<QComboBox *>(o);
}

} // namespace


void WheelFocusFilter::install(QWidget * box) {
	box->setFocusPolicy(Qt::StrongFocus);
	box->installEventFilter(new WheelFocusFilter(box));
}


bool WheelFocusFilter::eventFilter(QObject * watched, QEvent * event) {
	if (event->type() != QEvent::Polish && event->type() != QEvent::Wheel)
		return false;
	QWidget * box = valueBox(watched);
	if (box == nullptr)
		return false;
	if (event->type() == QEvent::Polish) {
		if (box->focusPolicy() == Qt::WheelFocus)
			box->setFocusPolicy(Qt::StrongFocus);
		return false;
	}
	if (box->hasFocus())
		return false;
	// not accepted: the parents get the notch
	event->ignore();
	return true;
}
