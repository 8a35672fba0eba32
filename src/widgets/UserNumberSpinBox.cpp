#include "UserNumberSpinBox.h"

#include <cmath>

#include <QtExt_UserNumber.h>

namespace {
const int MAX_DECIMALS = 10;
}


UserNumberSpinBox::UserNumberSpinBox(QWidget * parent) :
	QDoubleSpinBox(parent)
{
}


int UserNumberSpinBox::decimalsFor(double value, int minDecimals) {
	if (!std::isfinite(value))
		return minDecimals;
	const double kept = QString::number(value, 'g', 6).toDouble();
	for (int d = minDecimals; d < MAX_DECIMALS; ++d)
		if (QString::number(kept, 'f', d).toDouble() == kept)
			return d;
	return MAX_DECIMALS;
}


QValidator::State UserNumberSpinBox::validate(QString & text, int & pos) const {
	Q_UNUSED(pos)
	double v = 0;
	if (QtExt::readUserNumber(text, v) && v >= minimum() && v <= maximum())
		return QValidator::Acceptable;
	// anything else may still become a number while typing; leaving keeps the last value
	return QValidator::Intermediate;
}


double UserNumberSpinBox::valueFromText(const QString & text) const {
	double v = value();
	QtExt::readUserNumber(text, v);
	return v;
}
