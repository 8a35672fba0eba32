#ifndef WheelFocusFilterH
#define WheelFocusFilterH

#include <QObject>

/*! Keeps the mouse wheel from changing spin boxes and combo boxes that the user has not
	focused: scrolling a page over such a field would otherwise change the project (a
	location, a schedule kind, a layer count) without the user noticing. Installed on the
	application, it gives these boxes strong instead of wheel focus and passes a wheel
	over an unfocused box on to its parents, which scroll.
*/
class WheelFocusFilter : public QObject {
	Q_OBJECT
public:
	explicit WheelFocusFilter(QObject * parent) : QObject(parent) {}

	/*! Guards one box on its own, for editors shown outside the main window; the filter
		is owned by the box. */
	static void install(QWidget * box);

protected:
	bool eventFilter(QObject * watched, QEvent * event) override;
};

#endif // WheelFocusFilterH
