#ifndef UserNumberSpinBoxH
#define UserNumberSpinBoxH

#include <QDoubleSpinBox>

/*! A double spin box that reads typed numbers as every input field does: the locale first,
	then '.' as decimal point; a text that a '.'-grouping locale could read either way is
	refused. */
class UserNumberSpinBox : public QDoubleSpinBox {
	Q_OBJECT
public:
	explicit UserNumberSpinBox(QWidget * parent = nullptr);

	/*! Decimals at least minDecimals and as many as the 6 significant digits of value need
		(the precision project files keep), at most 10. */
	static int decimalsFor(double value, int minDecimals);

	QValidator::State validate(QString & text, int & pos) const override;
	double valueFromText(const QString & text) const override;
};

#endif // UserNumberSpinBoxH
