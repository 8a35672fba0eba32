#include "BVX_MultiLanguageString.h"

#include <list>

#include "BVX_Exception.h"
#include "BVX_StringUtils.h"

namespace BVX {

namespace {
const char * const ALL_ID = "all";
}


MultiLanguageString::MultiLanguageString(const std::string & encoded) {
	setEncodedString(encoded);
}


void MultiLanguageString::setEncodedString(const std::string & encoded) {
	m_strings.clear();
	std::list<std::string> parts;
	explode_to_list(encoded, parts, '|', true);
	for (const std::string & part : parts) {
		if (part.size() < 3) {
			m_strings.clear(); // malformed: keep only the plain text
			break;
		}
		const std::size_t colon = part.find(':');
		if (colon == std::string::npos)
			continue;
		const std::string id = tolower_string(part.substr(0, colon));
		const std::string text = trim_copy(part.substr(colon + 1), " \t\r");
		if (text.empty())
			continue;
		if (id.size() != 2) {
			m_strings.clear();
			break;
		}
		m_strings[id] = text;
	}
	m_strings[ALL_ID] = encoded;
}


std::vector<std::string> MultiLanguageString::languages() const {
	std::vector<std::string> ids;
	for (const auto & entry : m_strings)
		if (entry.first != ALL_ID)
			ids.push_back(entry.first);
	return ids;
}


std::string MultiLanguageString::string(const std::string & languageId, bool fallback) const {
	const std::string id = tolower_string(languageId);
	if (id == ALL_ID)
		throw Exception("Cannot use 'all' as language ID for MultiLanguageString.", "[MultiLanguageString::string]");
	const auto it = m_strings.find(id);
	if (it != m_strings.end())
		return it->second;
	if (!fallback)
		return "";
	const auto all = m_strings.find(ALL_ID);
	return all != m_strings.end() ? all->second : std::string();
}

} // namespace BVX
