#include "QtExt_ValidatingInputBase.h"

#include <cmath>

#include <QLocale>

#include "QtExt_FormatterBase.h"
#include "QtExt_ValidatorBase.h"

namespace QtExt {

ValidatingInputBase::ValidatingInputBase() = default;

ValidatingInputBase::~ValidatingInputBase() = default;


void ValidatingInputBase::setup(double minVal, double maxVal, const QString & toolTip,
								bool minValueAllowed, bool maxValueAllowed)
{
	m_minVal = minVal;
	m_maxVal = maxVal;
	m_toolTip = toolTip;
	m_minValueAllowed = minValueAllowed;
	m_maxValueAllowed = maxValueAllowed;
}


bool ValidatingInputBase::isValid(double value) {
	// NaN fails no comparison and would slip through the range test
	if (!std::isfinite(value))
		return false;
	if (m_validator) {
		if (!m_validator->isValid(value))
			return false;
	}
	else {
		if (value < m_minVal || (value == m_minVal && !m_minValueAllowed))
			return false;
		if (value > m_maxVal || (value == m_maxVal && !m_maxValueAllowed))
			return false;
	}
	m_value = value;
	return true;
}


void ValidatingInputBase::installValidator(ValidatorBase * validator) {
	m_validator.reset(validator);
}


void ValidatingInputBase::installFormatter(FormatterBase * formatter) {
	m_formatter.reset(formatter);
}


QString ValidatingInputBase::formatValue(double value) const {
	if (m_formatter)
		return m_formatter->formatted(value);
	if (m_format == 'a')
		return QLocale().toString(value, 'g', 6);
	return QLocale().toString(value, m_format, m_precision);
}

} // namespace QtExt
