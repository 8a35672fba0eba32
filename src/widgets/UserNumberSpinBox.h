#ifndef UserNumberSpinBoxH
#define UserNumberSpinBoxH

#include <QDoubleSpinBox>

/*! A double spin box that reads typed numbers as every input field does, through the shared
	number reader: the locale first, then '.' as decimal point; a text that a '.'-grouping
	locale could read either way is refused. The text is never corrected: a refused text
	(no number, ambiguous or out of range) stays as typed, the box turns red and its tool tip
	says why, and the value stays the last accepted one. Keyboard tracking is off, so a text
	on its way to a refused one ("1.00" before "1.000") never becomes the value. */
class UserNumberSpinBox : public QDoubleSpinBox {
	Q_OBJECT
public:
	explicit UserNumberSpinBox(QWidget * parent = nullptr);

	/*! Decimals at least minDecimals and as many as the 6 significant digits of value need
		(the precision project files keep), at most 10. */
	static int decimalsFor(double value, int minDecimals);

	/*! Message for a typed number outside the range; empty: the range is named. */
	void setRangeMessage(const QString & message) { m_rangeMessage = message; }

	/*! True and value set when the current text reads as a number within the range. */
	bool typedValue(double & value) const;
	/*! Why the current text is refused; empty when it is accepted. */
	QString refusal() const;

	QValidator::State validate(QString & text, int & pos) const override;
	double valueFromText(const QString & text) const override;
	QString textFromValue(double value) const override;
	void fixup(QString & text) const override;

protected:
	void keyPressEvent(QKeyEvent * event) override;

private:
	void updateState();

	QString m_rangeMessage;
	QPalette m_normalPalette;
};

#endif // UserNumberSpinBoxH
