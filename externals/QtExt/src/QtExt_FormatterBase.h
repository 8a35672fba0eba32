#ifndef QtExt_FormatterBaseH
#define QtExt_FormatterBaseH

#include <QString>

namespace QtExt {

/*! External number-to-text conversion of a numeric input. */
class FormatterBase {
public:
	virtual ~FormatterBase() = default;

	/*! The text shown for value. */
	virtual QString formatted(double value) = 0;
};

} // namespace QtExt

#endif // QtExt_FormatterBaseH
