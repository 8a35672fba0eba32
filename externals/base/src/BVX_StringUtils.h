#ifndef BVX_StringUtilsH
#define BVX_StringUtilsH

/*! \file BVX_StringUtils.h
	Stateless helpers on UTF-8 std::string values: splitting, trimming, replacing,
	case handling and the conversion between UTF-8 and wide strings.
*/

#include <cstddef>
#include <list>
#include <string>
#include <vector>

namespace BVX {

/*! Flags of explode(). */
enum ExplodeFlags {
	/*! Trim every token of blanks, tabs, carriage returns and line feeds. */
	EXPLODE_TRIM		= 1,
	/*! Keep empty tokens (also those that become empty by trimming). */
	EXPLODE_KEEP_EMPTY	= 2
};

/*! Modes of replace_string(). */
enum ReplaceMode {
	REPLACE_NOTHING	= 0,
	REPLACE_ALL		= 1,
	REPLACE_FIRST	= 2,
	REPLACE_LAST	= 3
};

/*! Splits 'str' at every character contained in 'delims'.
	\param flags Combination of ExplodeFlags.
	\return Number of tokens stored (the vector is cleared first).
*/
std::size_t explode(const std::string & str, std::vector<std::string> & tokens,
					const std::string & delims, int flags);

/*! Splits 'str' at each 'delim'; empty tokens are dropped. With 'trim', every
	non-empty token is trimmed of " \t\r" (and stored even if that leaves it empty).
	\return Number of tokens stored (the vector is cleared first).
*/
std::size_t explode_char(const std::string & str, std::vector<std::string> & tokens,
						 char delim, bool trim = false);

/*! As explode_char(), with a list as result (cleared first). */
std::size_t explode_to_list(const std::string & str, std::list<std::string> & tokens,
							char delim, bool trim = false);

/*! Splits a comma-separated line; commas inside double quotes do not split, and
	the quotes are copied into the fields. Empty fields are kept, except a last
	empty field.
	\return Number of fields stored (the vector is cleared first).
*/
std::size_t explode_quoted(const std::string & line, std::vector<std::string> & tokens);

/*! Removes all characters of 'trimchars' from both ends of 'str'. */
void trim(std::string & str, const std::string & trimchars = " \t\r");

/*! Returns a copy of 'str' trimmed of the characters in 'trimchars'. */
std::string trim_copy(const std::string & str, const std::string & trimchars = " \t\r");

/*! Replaces occurrences of 'search' by 'replacement'.
	\param mode A ReplaceMode: 1 all (replacements are never searched again),
		2 the first, 3 the last, 0 none. An empty search text changes nothing.
*/
std::string replace_string(const std::string & str, const std::string & search,
						   const std::string & replacement, int mode = REPLACE_ALL);

/*! True when a and b have the same length and are equal after lower-casing ASCII letters. */
bool string_nocase_compare(const std::string & a, const std::string & b);

/*! Copy with the ASCII letters lower-cased; all other bytes stay unchanged. */
std::string tolower_string(const std::string & str);

/*! Copy with the first character in upper case. ASCII is converted directly, a
	multibyte first character is decoded as UTF-8 and converted with towupper()
	(which follows the current C locale). */
std::string first_to_upper(const std::string & str);

/*! Converts UTF-8 to a wide string (UTF-32 here, since wchar_t is 32 bits wide).
	Invalid bytes, overlong forms, encoded surrogates, code points above U+10FFFF
	and truncated sequences become U+FFFD (one per maximal invalid subpart).
*/
std::wstring UTF8ToWstring(const std::string & utf8);

/*! Converts a wide string to UTF-8. Values that are no Unicode scalar values
	(surrogates, values above U+10FFFF) are written as U+FFFD.
*/
std::string WstringToUTF8(const std::wstring & wide);

} // namespace BVX

#endif // BVX_StringUtilsH
