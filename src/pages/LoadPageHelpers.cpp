#include "LoadPageHelpers.h"

#include <QtExt_ValidatingLineEdit.h>

namespace LoadPageHelpers {

bool acceptedValue(QtExt::ValidatingLineEdit * edit, double & value) {
	double v;
	if (!edit->isValid() || !edit->isValidNumber(v))
		return false;
	value = v;
	return true;
}


bool storeChangedValue(QtExt::ValidatingLineEdit * edit, double & value) {
	double v;
	if (!acceptedValue(edit, v) || v == value)
		return false;
	value = v;
	return true;
}


bool takeEditedValue(QtExt::ValidatingLineEdit * edit, double & member, double divisor) {
	double val;
	if (!edit->isModified() || !acceptedValue(edit, val))
		return false;
	edit->setModified(false);
	if (val/divisor == member)
		return false;
	member = val/divisor;
	return true;
}


bool storeChangedType(int index, int & modelType) {
	if (index == modelType)
		return false;
	modelType = index;
	return true;
}


void showValue(QtExt::ValidatingLineEdit * edit, double value) {
	edit->setText(QString("%L1").arg(value));
}

} // namespace LoadPageHelpers
