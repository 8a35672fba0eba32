#include "BVX_Version.h"

#include <cctype>
#include <vector>

#include "BVX_Conversions.h"
#include "BVX_Exception.h"
#include "BVX_StringUtils.h"

namespace BVX {

namespace {

const char * const FUNC_ID = "[Version::lesserVersionNumber]";

struct VersionTriple {
	unsigned int m_part[3];
};

VersionTriple parseVersion(const std::string & version) {
	std::vector<std::string> tokens;
	explode(version, tokens, ".", EXPLODE_TRIM);
	if (tokens.size() < 3)
		throw Exception("Bad version numbers.", FUNC_ID);
	VersionTriple v;
	for (unsigned int i = 0; i < 3; ++i) {
		// a stream would read "-1" as a huge unsigned number
		if (!std::isdigit(static_cast<unsigned char>(tokens[i][0])))
			throw Exception("Bad version numbers.", FUNC_ID);
		try {
			v.m_part[i] = string2val<unsigned int>(tokens[i]);
		}
		catch (Exception & ex) {
			throw Exception(ex, "Bad version numbers.", FUNC_ID);
		}
	}
	return v;
}

} // namespace


bool Version::lesserVersionNumber(const std::string & first, const std::string & second) {
	VersionTriple a = parseVersion(first);
	VersionTriple b = parseVersion(second);
	for (unsigned int i = 0; i < 3; ++i) {
		if (a.m_part[i] != b.m_part[i])
			return a.m_part[i] < b.m_part[i];
	}
	return false;
}

} // namespace BVX
