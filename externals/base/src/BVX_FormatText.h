#ifndef BVX_FormatTextH
#define BVX_FormatTextH

#include <string>
#include <vector>

namespace BVX {

class Path;

/*! A message text with numbered placeholders %1, %2, ... that are filled by
	typed arg() calls in order and rendered by str().

	\code
	FormatText("Cannot open file '%1' (line %2).").arg(fname).arg(lineNr).str();
	\endcode

	A placeholder without argument stays visible ("%3"), surplus arguments are ignored,
	"%%" is a literal percent sign and a lone '%' stays in the text.
*/
class FormatText {
public:
	explicit FormatText(const std::string & text);
	explicit FormatText(const char * text) : FormatText(std::string(text)) {}

	FormatText & arg(const std::string & s, int width = 0);
	FormatText & arg(const char * s, int width = 0) { return arg(std::string(s), width); }
	/*! Appends the path's UTF-8 text (defined with the path type). */
	FormatText & arg(const Path & p);

	FormatText & arg(int value, int width = 0);
	FormatText & arg(unsigned int value, int width = 0);
	// All integer widths of LP64 get their own overload, so callers never need a cast.
	FormatText & arg(long value, int width = 0);
	FormatText & arg(unsigned long value, int width = 0);
	FormatText & arg(long long value, int width = 0);
	FormatText & arg(unsigned long long value, int width = 0);

	/*! Format 'g' (default) writes like a default output stream (NaN as "1.#QNAN") and
		ignores width, precision and fill; 'f' is fixed, 'e'/'E' scientific notation. */
	FormatText & arg(double value, int width = 0, char format = 'g', int precision = -1, char fill = ' ');

	/*! Renders the text with all arguments. */
	std::string str() const;

private:
	struct Token {
		std::string m_text;
		int			m_argNumber;
	};

	FormatText & appendPadded(const std::string & s, int width);

	std::vector<Token>			m_tokens;
	std::vector<std::string>	m_args;
};

} // namespace BVX

#endif // BVX_FormatTextH
