#ifndef QtExt_ValidatorBaseH
#define QtExt_ValidatorBaseH

#include <QObject>
#include <QString>

namespace QtExt {

/*! External validity test of a numeric input; replaces the range test when installed. */
class ValidatorBase : public QObject {
	Q_OBJECT
public:
	explicit ValidatorBase(QObject * parent = nullptr) : QObject(parent) {}

	/*! True when value is acceptable. */
	virtual bool isValid(double value) = 0;
	/*! Text explaining what is valid; shown as tool tip of an invalid input. */
	virtual QString toolTip() = 0;
};

} // namespace QtExt

#endif // QtExt_ValidatorBaseH
