#ifndef LoadPageHelpersH
#define LoadPageHelpersH

#include <QString>

namespace QtExt {
	class ValidatingLineEdit;
}

/*! Small pieces shared by the load and control input pages. */
namespace LoadPageHelpers {

/*! The number of an edit whose text is valid (range included); false leaves value alone. */
bool acceptedValue(QtExt::ValidatingLineEdit * edit, double & value);

/*! Writes value as "%L1" (locale, six significant digits) without emitting signals. */
void showValue(QtExt::ValidatingLineEdit * edit, double value);

} // namespace LoadPageHelpers

#endif // LoadPageHelpersH
