#ifndef QtExt_ValidatingLineEditH
#define QtExt_ValidatingLineEditH

#include <QLineEdit>

#include "QtExt_UserNumber.h"
#include "QtExt_ValidatingInputBase.h"

namespace QtExt {

/*! Numeric input field. Checks its text on every change against the range (or the
	installed validator), colours its background by the result and shows the reason
	in its tool tip. Invalid text is never corrected; editingFinishedSuccessfully()
	is emitted only when editing ends on a valid value.

	Numbers are read with the default locale and, failing that, with '.' as decimal
	point (parseUserNumber()). Under a locale grouping with '.', a text such as "1.000"
	is refused as ambiguous, with a tool tip naming both plain forms. Non-finite numbers
	("nan", "inf") are never valid.
*/
class ValidatingLineEdit : public QLineEdit, public ValidatingInputBase {
	Q_OBJECT
public:
	/*! Background of a valid, an invalid and a read-only field. */
	static const char * const VALID_COLOR;
	static const char * const INVALID_COLOR;
	static const char * const READONLY_COLOR;

	explicit ValidatingLineEdit(QWidget * parent = nullptr);
	~ValidatingLineEdit() override;

	/*! Parses the text into value; true when it is a finite number. No range test. */
	bool isValidNumber(double & value) const;
	/*! Validity of the current text: empty-input rule, parsing and range test. */
	bool isValid();

	/*! Sets the text without emitting signals, then re-colours. */
	void setText(const QString & text);
	/*! Writes value formatted, without emitting signals, then re-colours. */
	void setValue(double value);
	/*! Sets the read-only state, then re-colours. */
	void setReadOnly(bool readOnly);
	/*! Sets the enabled state, then re-colours. */
	void setEnabled(bool enabled);

	/*! A tool tip holding markup (a unit with <sup>) as rich text, so that it shows as
		formatted text and not as raw html: Qt takes a text with a stray '<' before its
		first tag ("... <= 3 h<sup>-1</sup>") for plain text. Other texts are returned unchanged. */
	static QString richToolTip(const QString & text);

signals:
	/*! Editing ended with valid text. */
	void editingFinishedSuccessfully();

public slots:
	void onEditingFinished();
	void onTextChanged(const QString & text);

protected:
	void changeEvent(QEvent * event) override;

private:
	/*! Reads the text as the field's mode (integer or not) demands. */
	UserNumberStatus readNumber(double & value) const;
	void setBackground(const QColor & color);
	void updateColor();
};

} // namespace QtExt

#endif // QtExt_ValidatingLineEditH
