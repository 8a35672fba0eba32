#ifndef BVX_ConversionsH
#define BVX_ConversionsH

#include <cmath>
#include <cstdint>
#include <limits>
#include <sstream>
#include <string>
#include <type_traits>

namespace BVX {

/*! Text that stands for a quiet NaN in every number conversion. */
extern const char * const NAN_TEXT;

/*! Throws the conversion error (kept out of line so the templates stay small). */
[[noreturn]] void throwConversionError(const std::string & text);

/*! Reads a value with a string stream's extraction operator. Trailing characters
	are not examined ("1,5" reads as 1). "1.#QNAN" gives NaN (0 for integers and bool).
	Throws BVX::Exception "Could not convert '%1' into value." on failure.
*/
template <typename T>
T string2val(const std::string & text) {
	if (text == NAN_TEXT) {
		if constexpr (std::is_floating_point<T>::value)
			return std::numeric_limits<T>::quiet_NaN();
		else
			return T(0);
	}
	std::istringstream strm(text);
	if constexpr (std::is_unsigned<T>::value && !std::is_same<T, bool>::value) {
		// the stream would wrap "-1" silently to the largest value
		strm >> std::ws;
		if (strm.peek() == '-')
			throwConversionError(text);
	}
	T val;
	if (!(strm >> val))
		throwConversionError(text);
	return val;
}

template <>
inline std::string string2val<std::string>(const std::string & text) { return text; }


/*! Writes a value with a default string stream; NaN is written as "1.#QNAN". */
template <typename T>
std::string val2string(const T & val) {
	if constexpr (std::is_floating_point<T>::value) {
		if (std::isnan(val))
			return NAN_TEXT;
	}
	std::ostringstream strm;
	strm << val;
	return strm.str();
}

inline std::string val2string(const std::string & val) { return val; }
inline std::string val2string(const char * val) { return std::string(val); }

} // namespace BVX

#endif // BVX_ConversionsH
