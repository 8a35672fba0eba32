#ifndef BVX_MultiLanguageStringH
#define BVX_MultiLanguageStringH

#include <map>
#include <string>
#include <vector>

namespace BVX {

/*! One text in several languages, in the encoded form of data files:
	"en:<New Shading Type>|de:<Neuer Verschattungstyp>".

	The reserved ID "all" always holds the encoded string as given, so that a plain
	text without language IDs is simply the "all" text.
*/
class MultiLanguageString {
public:
	MultiLanguageString() = default;
	explicit MultiLanguageString(const std::string & encoded);

	/*! Replaces the whole content by the parse of 'encoded'. Entries are
		"<two-letter ID>:<text>" separated by '|'; a part without ':' or with empty
		text is skipped, a part shorter than three characters or an ID that is not
		two characters long discards all entries (only "all" remains). */
	void setEncodedString(const std::string & encoded);

	/*! Language IDs present (lower case, "all" excluded), sorted. */
	std::vector<std::string> languages() const;

	/*! Text for 'languageId' (case-insensitive). A missing language gives "" or,
		with 'fallback', the whole encoded string. Throws for the ID "all". */
	std::string string(const std::string & languageId, bool fallback = false) const;

private:
	/*! Language ID -> text, plus "all" -> encoded string. */
	std::map<std::string, std::string>	m_strings;
};

} // namespace BVX

#endif // BVX_MultiLanguageStringH
