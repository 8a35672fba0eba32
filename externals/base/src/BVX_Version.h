#ifndef BVX_VersionH
#define BVX_VersionH

#include <string>

namespace BVX {

/*! Comparison of dotted version numbers "major.minor.patch". */
class Version {
public:
	/*! True when the first version is lower than the second; equal versions give false.
		Only the first three parts count, further parts are ignored. Throws when either
		version has fewer than three parts or a part that is not an unsigned number.
	*/
	static bool lesserVersionNumber(const std::string & first, const std::string & second);
};

} // namespace BVX

#endif // BVX_VersionH
