#include "UserNumberSpinBox.h"

#include <cmath>
#include <limits>

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

#include <QtExt_UserNumber.h>
#include <QtExt_ValidatingLineEdit.h>

namespace {
const int MAX_DECIMALS = 10;
}


UserNumberSpinBox::UserNumberSpinBox(QWidget * parent) :
	QDoubleSpinBox(parent)
{
	m_normalPalette = palette();
	setKeyboardTracking(false);
	connect(lineEdit(), &QLineEdit::textChanged, this, &UserNumberSpinBox::updateState);
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


bool UserNumberSpinBox::typedValue(double & value) const {
	double v = 0;
	if (!QtExt::readUserNumber(text(), v) || v < minimum() || v > maximum())
		return false;
	value = v;
	return true;
}


QString UserNumberSpinBox::refusal() const {
	const QString message = QtExt::refusedNumberMessage(text());
	if (!message.isEmpty())
		return message;
	double v;
	if (typedValue(v))
		return QString();
	if (!m_rangeMessage.isEmpty())
		return m_rangeMessage;
	if (maximum() >= std::numeric_limits<double>::max())
		return tr("Enter a value of at least %L1.").arg(minimum());
	return tr("Enter a value from %L1 to %L2.").arg(minimum()).arg(maximum());
}


QValidator::State UserNumberSpinBox::validate(QString & text, int & pos) const {
	Q_UNUSED(pos)
	double v = 0;
	if (QtExt::readUserNumber(text, v) && v >= minimum() && v <= maximum())
		return QValidator::Acceptable;
	// anything else may still become a number while typing; it is refused, never corrected
	return QValidator::Intermediate;
}


double UserNumberSpinBox::valueFromText(const QString & text) const {
	double v = value();
	QtExt::readUserNumber(text, v);
	return v;
}


QString UserNumberSpinBox::textFromValue(double value) const {
	// the reader refuses group separators, so they are never written either
	QLocale loc;
	loc.setNumberOptions(loc.numberOptions() | QLocale::OmitGroupSeparator);
	return loc.toString(value, 'f', decimals());
}


void UserNumberSpinBox::fixup(QString & /*text*/) const {
	// QDoubleSpinBox::fixup drops group separators: "0.043" became 43 under German
}


void UserNumberSpinBox::keyPressEvent(QKeyEvent * event) {
	if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
		double v;
		// Return on a refused text keeps the text and its message; the value stays
		if (!typedValue(v)) {
			event->accept();
			return;
		}
		// the spin box rounds to its decimals: "0.043" must not become 0.04
		const int needed = decimalsFor(v, decimals());
		if (needed > decimals())
			setDecimals(needed);
		setValue(v);
	}
	QDoubleSpinBox::keyPressEvent(event);
}


void UserNumberSpinBox::updateState() {
	const QString message = refusal();
	if (message.isEmpty()) {
		setPalette(m_normalPalette);
	}
	else {
		QPalette pal = m_normalPalette;
		pal.setBrush(QPalette::All, QPalette::Base, QColor(QtExt::ValidatingLineEdit::INVALID_COLOR));
		setPalette(pal);
	}
	setToolTip(message);
}
