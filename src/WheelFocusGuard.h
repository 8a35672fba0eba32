#ifndef WheelFocusGuardH
#define WheelFocusGuardH

#include <QObject>

class QAbstractSpinBox;

/*! Lets a spin box react to the mouse wheel only while it has the focus: a wheel turned
	while scrolling past the box must not change what it counts. */
class WheelFocusGuard : public QObject {
	Q_OBJECT
public:
	/*! Installs a guard owned by the spin box; the wheel no longer gives it the focus. */
	static void install(QAbstractSpinBox * spinBox);

protected:
	bool eventFilter(QObject * watched, QEvent * event) override;

private:
	explicit WheelFocusGuard(QObject * parent);
};

#endif // WheelFocusGuardH
