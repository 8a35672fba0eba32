#include "QtExt_ValidatingLineEdit.h"

#include <cmath>

#include <QEvent>
#include <QLocale>
#include <QPalette>
#include <QRegularExpression>
#include <QTextDocument>
#include <QSignalBlocker>

#include "QtExt_ValidatorBase.h"
#include "QtExt_UserNumber.h"

namespace QtExt {

const char * const ValidatingLineEdit::VALID_COLOR = "#f9f6c8";
const char * const ValidatingLineEdit::INVALID_COLOR = "#ff7777";
const char * const ValidatingLineEdit::READONLY_COLOR = "#d6e9ff";


ValidatingLineEdit::ValidatingLineEdit(QWidget * parent) :
	QLineEdit(parent)
{
	setBackground(QColor(VALID_COLOR));
	setAlignment(Qt::AlignRight | Qt::AlignVCenter);
	connect(this, &QLineEdit::textChanged, this, &ValidatingLineEdit::onTextChanged);
	connect(this, &QLineEdit::editingFinished, this, &ValidatingLineEdit::onEditingFinished);
}


ValidatingLineEdit::~ValidatingLineEdit() = default;


bool ValidatingLineEdit::isValidNumber(double & value) const {
	return readNumber(value) == UserNumberStatus::Valid;
}


UserNumberStatus ValidatingLineEdit::readNumber(double & value) const {
	const QLocale loc;
	if (!m_isInteger)
		return parseUserNumber(text(), value, loc);
	double v;
	// "1.000" under German: the thousands or 1, in integer mode as well
	if (parseUserNumber(text(), v, loc) == UserNumberStatus::AmbiguousGrouping)
		return UserNumberStatus::AmbiguousGrouping;
	bool ok = false;
	const int i = loc.toInt(text(), &ok);
	if (!ok)
		return UserNumberStatus::Invalid;
	value = i;
	return UserNumberStatus::Valid;
}


bool ValidatingLineEdit::isValid() {
	if (m_acceptEmptyInput && text().trimmed().isEmpty())
		return true;
	double v;
	return isValidNumber(v) && ValidatingInputBase::isValid(v);
}


void ValidatingLineEdit::setText(const QString & text) {
	{
		QSignalBlocker block(this);
		QLineEdit::setText(text);
	}
	updateColor();
}


void ValidatingLineEdit::setValue(double value) {
	setText(formatValue(value));
	// a read-only or disabled field does not run the test while colouring
	if ((isReadOnly() || !isEnabled()) && std::isfinite(value))
		m_value = value;
}


void ValidatingLineEdit::setReadOnly(bool readOnly) {
	QLineEdit::setReadOnly(readOnly);
	updateColor();
}


void ValidatingLineEdit::setEnabled(bool enabled) {
	QLineEdit::setEnabled(enabled);
	updateColor();
}


void ValidatingLineEdit::onEditingFinished() {
	if (isValid())
		emit editingFinishedSuccessfully();
}


QString ValidatingLineEdit::richToolTip(const QString & text) {
	const QString tags = "sup|sub|b|i|u|br|small|big";
	static const QRegularExpression markup(QString("<(/?)(%1)\\s*/?>").arg(tags), QRegularExpression::CaseInsensitiveOption);
	if (Qt::mightBeRichText(text) || !markup.match(text).hasMatch())
		return text;
	// everything escaped, then the tags and entities made markup again
	QString html = text.toHtmlEscaped();
	static const QRegularExpression escapedTag(QString("&lt;(/?(?:%1)\\s*/?)&gt;").arg(tags), QRegularExpression::CaseInsensitiveOption);
	static const QRegularExpression escapedEntity("&amp;(#?\\w+;)");
	html.replace(escapedTag, "<\\1>");
	html.replace(escapedEntity, "&\\1");
	return "<qt>" + html + "</qt>";
}


void ValidatingLineEdit::onTextChanged(const QString & /*text*/) {
	updateColor();
}


void ValidatingLineEdit::changeEvent(QEvent * event) {
	QLineEdit::changeEvent(event);
	if (event->type() == QEvent::EnabledChange)
		updateColor();
}


void ValidatingLineEdit::setBackground(const QColor & color) {
	QPalette pal;
	pal.setBrush(QPalette::All, QPalette::Base, QBrush(color, Qt::SolidPattern));
	setPalette(pal);
}


void ValidatingLineEdit::updateColor() {
	if (!isEnabled()) {
		setPalette(QPalette());
		setToolTip(QString());
	}
	else if (isReadOnly()) {
		setBackground(QColor(READONLY_COLOR));
		setToolTip(QString());
	}
	else if (isValid()) {
		setBackground(QColor(VALID_COLOR));
		setToolTip(QString());
	}
	else {
		setBackground(QColor(INVALID_COLOR));
		// a text that is no number gets the reader's reason, not the range
		QString tip;
		if (!text().trimmed().isEmpty())
			tip = refusedNumberMessage(text());
		if (tip.isEmpty() && m_validator)
			tip = m_validator->toolTip();
		setToolTip(richToolTip(tip.isEmpty() ? m_toolTip : tip));
	}
}

} // namespace QtExt
