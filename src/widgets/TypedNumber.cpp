#include "TypedNumber.h"

#include <QLocale>

#include <QtExt_UserNumber.h>
#include <QtExt_ValidatingLineEdit.h>

void TypedNumber::show(QtExt::ValidatingLineEdit * edit, double value, double factor) {
	// setText() also clears the modified flag
	edit->setText(edit->formatValue(value*factor));
}


bool TypedNumber::take(QtExt::ValidatingLineEdit * edit, double & value, double factor) {
	double typed;
	if (!edit->isModified() || !edit->isValid() || !edit->isValidNumber(typed))
		return false;
	// leaving the field again (Return, then a click elsewhere) finds nothing typed
	edit->setModified(false);
	// the number the field shows for value, typed again: value keeps its further digits
	double shown;
	const bool retyped = QtExt::parseUserNumber(edit->formatValue(value*factor), shown, QLocale())
			== QtExt::UserNumberStatus::Valid && shown == typed;
	if (!retyped)
		value = typed/factor;
	if (edit->m_format != 'a')
		show(edit, value, factor);
	return !retyped;
}
