#ifndef QtExt_ValidatingInputBaseH
#define QtExt_ValidatingInputBaseH

#include <limits>
#include <memory>

#include <QString>

namespace QtExt {

class ValidatorBase;
class FormatterBase;

/*! Range and number formatting shared by numeric input widgets.

	A value passes when it is finite and lies within [m_minVal, m_maxVal], each bound
	included only when its flag is set; an installed validator replaces the range test
	(non-finite values still fail). m_value holds the last value that passed.
*/
class ValidatingInputBase {
public:
	ValidatingInputBase();
	~ValidatingInputBase();
	ValidatingInputBase(const ValidatingInputBase &) = delete;
	ValidatingInputBase & operator=(const ValidatingInputBase &) = delete;

	/*! Stores range, tool tip and the inclusive flags; does not re-validate. */
	void setup(double minVal, double maxVal, const QString & toolTip,
			   bool minValueAllowed = false, bool maxValueAllowed = false);

	/*! Range (or validator) test; on success value becomes m_value. */
	bool isValid(double value);

	/*! Blank text counts as valid (m_value is then kept). */
	void setAcceptEmptyInput(bool accept) { m_acceptEmptyInput = accept; }
	/*! Parse the text as an integer. */
	void setInteger(bool isInteger) { m_isInteger = isInteger; }
	/*! Number format for formatted values; 'a' means automatic (6 significant digits). */
	void setFormat(char format, int precision) { m_format = format; m_precision = precision; }
	/*! Installs a validator (takes ownership); nullptr removes it. */
	void installValidator(ValidatorBase * validator);
	/*! Installs a formatter (takes ownership); nullptr removes it. */
	void installFormatter(FormatterBase * formatter);

	/*! The text for value: formatter, else the default locale with m_format. */
	QString formatValue(double value) const;

	double		m_minVal = std::numeric_limits<double>::lowest();
	double		m_maxVal = std::numeric_limits<double>::max();
	/*! Tool tip shown while the value is invalid. */
	QString		m_toolTip;
	bool		m_minValueAllowed = false;
	bool		m_maxValueAllowed = false;
	bool		m_acceptEmptyInput = false;
	bool		m_isInteger = false;
	std::unique_ptr<ValidatorBase>	m_validator;
	std::unique_ptr<FormatterBase>	m_formatter;
	char		m_format = 'a';
	int			m_precision = 0;
	/*! Last value that passed the test. */
	double		m_value = 0;
};

} // namespace QtExt

#endif // QtExt_ValidatingInputBaseH
