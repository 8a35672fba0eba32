#ifndef LoadPageHelpersH
#define LoadPageHelpersH

#include <QObject>
#include <QString>

#include "ScheduleInputWidget.h"

namespace QtExt {
	class ValidatingLineEdit;
}

/*! Small pieces shared by the load and control input pages. */
namespace LoadPageHelpers {

/*! The number of an edit whose text is valid (range included); false leaves value alone. */
bool acceptedValue(QtExt::ValidatingLineEdit * edit, double & value);

/*! Stores the number of a valid edit; true only when that changed value. */
bool storeChangedValue(QtExt::ValidatingLineEdit * edit, double & value);

/*! Stores the number the user typed, divided by divisor, into member; false when the text is refused
	or the user has not changed it since it was shown: a field shows a rounded value, which
	leaving the field must not store. True only when that changed member. */
bool takeEditedValue(QtExt::ValidatingLineEdit * edit, double & member, double divisor = 1);

/*! Writes value as "%L1" (locale, six significant digits) without emitting signals. */
void showValue(QtExt::ValidatingLineEdit * edit, double value);

/*! Stores a combo box entry as model type; true only when that changed it. */
bool storeChangedType(int index, int & modelType);

/*! The page's projectModified() follows every edit of its schedule editors. */
template <typename Page>
void forwardScheduleEdits(Page * page) {
	for (ScheduleInputWidget * s : page->template findChildren<ScheduleInputWidget *>())
		QObject::connect(s, &ScheduleInputWidget::projectModified, page, &Page::projectModified);
}

} // namespace LoadPageHelpers

#endif // LoadPageHelpersH
