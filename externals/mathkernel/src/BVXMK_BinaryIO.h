#ifndef BVXMK_BinaryIOH
#define BVXMK_BinaryIOH

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace BVXMK {

/*! Helpers for the matrices' binary storage forms: plain little-endian values without
	padding, written at a byte pointer that is advanced past the value. The host is
	little-endian (x86-64), so the bytes are copied as they lie in memory.
*/
namespace BinaryIO {

template <typename T>
inline void write(char *& p, const T & val) {
	static_assert(std::is_trivially_copyable<T>::value, "plain values only");
	std::memcpy(p, &val, sizeof(T));
	p += sizeof(T);
}

template <typename T>
inline void writeArray(char *& p, const T * vals, std::size_t count) {
	if (count == 0)
		return;
	std::memcpy(p, vals, count*sizeof(T));
	p += count*sizeof(T);
}

template <typename T>
inline T read(const char *& p) {
	T val;
	std::memcpy(&val, p, sizeof(T));
	p += sizeof(T);
	return val;
}

template <typename T>
inline void readArray(const char *& p, T * vals, std::size_t count) {
	if (count == 0)
		return;
	std::memcpy(vals, p, count*sizeof(T));
	p += count*sizeof(T);
}

/*! Reads element idx of an array of T that starts at p (no alignment needed). */
template <typename T>
inline T peek(const char * p, std::size_t idx) {
	T val;
	std::memcpy(&val, p + idx*sizeof(T), sizeof(T));
	return val;
}

} // namespace BinaryIO
} // namespace BVXMK

#endif // BVXMK_BinaryIOH
