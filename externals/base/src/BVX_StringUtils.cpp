#include "BVX_StringUtils.h"

#include <cwctype>
#include <type_traits>

namespace BVX {

namespace {

const char32_t REPLACEMENT_CHARACTER = 0xFFFD;

/*! Shared splitter of explode_char() and explode_to_list(). */
template <typename Container>
std::size_t explodeAtChar(const std::string & str, Container & tokens, char delim, bool trimTokens) {
	tokens.clear();
	std::string token;
	auto finishToken = [&]() {
		if (token.empty())
			return;
		if (trimTokens)
			trim(token, " \t\r");
		tokens.push_back(token);
		token.clear();
	};
	for (char c : str) {
		if (c == delim)
			finishToken();
		else
			token += c;
	}
	finishToken();
	return tokens.size();
}


/*! Decodes one UTF-8 character starting at 'pos' and advances 'pos' behind it.
	An invalid lead byte is consumed alone; a lead byte followed by a byte that
	cannot continue it yields one replacement character and leaves that byte for
	the next call, so every maximal invalid subpart becomes exactly one U+FFFD.
	The second-byte ranges exclude overlong forms, surrogates and values above U+10FFFF.
*/
char32_t decodeUtf8(const std::string & s, std::size_t & pos) {
	const unsigned char lead = static_cast<unsigned char>(s[pos++]);
	if (lead < 0x80)
		return lead;

	unsigned int length = 0;
	char32_t cp = 0;
	unsigned char lo = 0x80;
	unsigned char hi = 0xBF;
	if (lead >= 0xC2 && lead <= 0xDF) {
		length = 2;
		cp = lead & 0x1F;
	}
	else if (lead >= 0xE0 && lead <= 0xEF) {
		length = 3;
		cp = lead & 0x0F;
		if (lead == 0xE0)		lo = 0xA0; // overlong
		else if (lead == 0xED)	hi = 0x9F; // surrogates
	}
	else if (lead >= 0xF0 && lead <= 0xF4) {
		length = 4;
		cp = lead & 0x07;
		if (lead == 0xF0)		lo = 0x90; // overlong
		else if (lead == 0xF4)	hi = 0x8F; // above U+10FFFF
	}
	else
		return REPLACEMENT_CHARACTER; // continuation byte, C0, C1, F5..FF

	for (unsigned int k = 1; k < length; ++k) {
		if (pos >= s.size())
			return REPLACEMENT_CHARACTER; // truncated at the end
		const unsigned char b = static_cast<unsigned char>(s[pos]);
		if (b < lo || b > hi)
			return REPLACEMENT_CHARACTER;
		lo = 0x80;
		hi = 0xBF;
		cp = (cp << 6) | (b & 0x3F);
		++pos;
	}
	return cp;
}


void appendUtf8(std::string & out, char32_t cp) {
	if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
		cp = REPLACEMENT_CHARACTER;
	if (cp < 0x80) {
		out += static_cast<char>(cp);
	}
	else if (cp < 0x800) {
		out += static_cast<char>(0xC0 | (cp >> 6));
		out += static_cast<char>(0x80 | (cp & 0x3F));
	}
	else if (cp < 0x10000) {
		out += static_cast<char>(0xE0 | (cp >> 12));
		out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
		out += static_cast<char>(0x80 | (cp & 0x3F));
	}
	else {
		out += static_cast<char>(0xF0 | (cp >> 18));
		out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
		out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
		out += static_cast<char>(0x80 | (cp & 0x3F));
	}
}


char asciiLower(char c) {
	return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace


std::size_t explode(const std::string & str, std::vector<std::string> & tokens,
					const std::string & delims, int flags)
{
	tokens.clear();
	const bool trimTokens = (flags & EXPLODE_TRIM) != 0;
	const bool keepEmpty = (flags & EXPLODE_KEEP_EMPTY) != 0;
	std::string token;
	auto finishToken = [&]() {
		if (trimTokens)
			trim(token, " \t\r\n");
		if (keepEmpty || !token.empty())
			tokens.push_back(token);
		token.clear();
	};
	for (char c : str) {
		if (delims.find(c) != std::string::npos)
			finishToken();
		else
			token += c;
	}
	finishToken();
	return tokens.size();
}


std::size_t explode_char(const std::string & str, std::vector<std::string> & tokens, char delim, bool trim) {
	return explodeAtChar(str, tokens, delim, trim);
}


std::size_t explode_to_list(const std::string & str, std::list<std::string> & tokens, char delim, bool trim) {
	return explodeAtChar(str, tokens, delim, trim);
}


std::size_t explode_quoted(const std::string & line, std::vector<std::string> & tokens) {
	tokens.clear();
	std::string field;
	bool inQuotes = false;
	for (char c : line) {
		if (c == '"')
			inQuotes = !inQuotes;
		if (c == ',' && !inQuotes) {
			tokens.push_back(field);
			field.clear();
		}
		else
			field += c;
	}
	if (!field.empty())
		tokens.push_back(field);
	return tokens.size();
}


void trim(std::string & str, const std::string & trimchars) {
	const std::size_t first = str.find_first_not_of(trimchars);
	if (first == std::string::npos) {
		str.clear();
		return;
	}
	const std::size_t last = str.find_last_not_of(trimchars);
	str = str.substr(first, last - first + 1);
}


std::string trim_copy(const std::string & str, const std::string & trimchars) {
	std::string result(str);
	trim(result, trimchars);
	return result;
}


std::string replace_string(const std::string & str, const std::string & search,
						   const std::string & replacement, int mode)
{
	// an empty search text would match everywhere (and never end in mode 1)
	if (search.empty() || search == replacement)
		return str;
	std::string result(str);
	switch (mode) {
		case REPLACE_ALL : {
			std::size_t pos = result.find(search);
			while (pos != std::string::npos) {
				result.replace(pos, search.size(), replacement);
				pos = result.find(search, pos + replacement.size());
			}
		} break;

		case REPLACE_FIRST : {
			const std::size_t pos = result.find(search);
			if (pos != std::string::npos)
				result.replace(pos, search.size(), replacement);
		} break;

		case REPLACE_LAST : {
			std::size_t last = std::string::npos;
			for (std::size_t pos = result.find(search); pos != std::string::npos; pos = result.find(search, pos + 1))
				last = pos;
			if (last != std::string::npos)
				result.replace(last, search.size(), replacement);
		} break;

		default : ;
	}
	return result;
}


bool string_nocase_compare(const std::string & a, const std::string & b) {
	if (a.size() != b.size())
		return false;
	for (std::size_t i = 0; i < a.size(); ++i)
		if (asciiLower(a[i]) != asciiLower(b[i]))
			return false;
	return true;
}


std::string tolower_string(const std::string & str) {
	std::string result(str);
	for (char & c : result)
		c = asciiLower(c);
	return result;
}


std::string first_to_upper(const std::string & str) {
	if (str.empty())
		return str;
	const unsigned char first = static_cast<unsigned char>(str[0]);
	if (first >= 0x01 && first <= 0x7F) {
		std::string result(str);
		if (first >= 'a' && first <= 'z')
			result[0] = static_cast<char>(first - 'a' + 'A');
		return result;
	}
	std::size_t pos = 0;
	const char32_t cp = decodeUtf8(str, pos);
	if (cp == REPLACEMENT_CHARACTER || cp == 0)
		return str; // not a character we could convert
	const wint_t upper = std::towupper(static_cast<wint_t>(cp));
	std::string result;
	appendUtf8(result, static_cast<char32_t>(upper));
	result += str.substr(pos);
	return result;
}


std::wstring UTF8ToWstring(const std::string & utf8) {
	static_assert(sizeof(wchar_t) == 4, "UTF-32 wide strings expected");
	std::wstring result;
	result.reserve(utf8.size());
	std::size_t pos = 0;
	while (pos < utf8.size())
		result += static_cast<wchar_t>(decodeUtf8(utf8, pos));
	return result;
}


std::string WstringToUTF8(const std::wstring & wide) {
	std::string result;
	result.reserve(wide.size());
	for (wchar_t c : wide)
		appendUtf8(result, static_cast<char32_t>(static_cast<std::make_unsigned<wchar_t>::type>(c)));
	return result;
}

} // namespace BVX
