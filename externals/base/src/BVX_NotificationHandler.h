#ifndef BVX_NotificationHandlerH
#define BVX_NotificationHandlerH

namespace BVX {

/*! Callback through which long operations report progress without knowing the
	user interface. The operation holds a pointer to a handler and calls notify()
	at each progress point.
*/
class NotificationHandler {
public:
	virtual ~NotificationHandler();

	/*! Progress with a value (for simulations: seconds since the start of the year).
		The default forwards to notify() without argument. */
	virtual void notify(double t);

	/*! Progress without a value. */
	virtual void notify() = 0;
};

} // namespace BVX

#endif // BVX_NotificationHandlerH
