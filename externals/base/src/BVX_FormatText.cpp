#include "BVX_FormatText.h"

#include <iomanip>
#include <sstream>

#include "BVX_Conversions.h"

namespace BVX {

FormatText::FormatText(const std::string & text) {
	std::string buffer;
	const std::size_t n = text.size();
	std::size_t i = 0;
	while (i < n) {
		char c = text[i];
		if (c != '%') {
			buffer += c;
			++i;
			continue;
		}
		if (!buffer.empty()) {
			m_tokens.push_back(Token{buffer, 0});
			buffer.clear();
		}
		// literal percent sign opens the next text token
		if (i + 1 < n && text[i+1] == '%') {
			buffer = "%";
			i += 2;
			continue;
		}
		std::size_t j = i + 1;
		while (j < n && text[j] >= '0' && text[j] <= '9')
			++j;
		if (j > i + 1) {
			int number = string2val<int>(text.substr(i + 1, j - i - 1));
			m_tokens.push_back(Token{std::string(), number});
			i = j;
		}
		else {
			// lone '%' stays in the text
			buffer = "%";
			++i;
		}
	}
	if (!buffer.empty())
		m_tokens.push_back(Token{buffer, 0});
}


FormatText & FormatText::appendPadded(const std::string & s, int width) {
	if (width > 0 && s.size() < static_cast<std::size_t>(width))
		m_args.push_back(std::string(static_cast<std::size_t>(width) - s.size(), ' ') + s);
	else
		m_args.push_back(s);
	return *this;
}


FormatText & FormatText::arg(const std::string & s, int width) {
	return appendPadded(s, width);
}


FormatText & FormatText::arg(int value, int width) {
	return appendPadded(val2string(value), width);
}


FormatText & FormatText::arg(unsigned int value, int width) {
	return appendPadded(val2string(value), width);
}


FormatText & FormatText::arg(long value, int width) {
	return appendPadded(std::to_string(value), width);
}


FormatText & FormatText::arg(unsigned long value, int width) {
	return appendPadded(std::to_string(value), width);
}


FormatText & FormatText::arg(long long value, int width) {
	return appendPadded(std::to_string(value), width);
}


FormatText & FormatText::arg(unsigned long long value, int width) {
	return appendPadded(std::to_string(value), width);
}


FormatText & FormatText::arg(double value, int width, char format, int precision, char fill) {
	if (format == 'g') {
		m_args.push_back(val2string(value));
		return *this;
	}
	std::stringstream strm;
	if (format == 'f')
		strm << std::fixed;
	else if (format == 'e' || format == 'E')
		strm << std::scientific;
	strm << std::setw(width) << std::setprecision(precision < 0 ? 6 : precision) << std::setfill(fill) << value;
	m_args.push_back(strm.str());
	return *this;
}


std::string FormatText::str() const {
	std::string result;
	for (const Token & t : m_tokens) {
		if (t.m_argNumber == 0 && !t.m_text.empty()) {
			result += t.m_text;
			continue;
		}
		if (t.m_argNumber >= 1 && static_cast<std::size_t>(t.m_argNumber) <= m_args.size())
			result += m_args[static_cast<std::size_t>(t.m_argNumber) - 1];
		else
			result += "%" + std::to_string(t.m_argNumber);
	}
	return result;
}

} // namespace BVX
