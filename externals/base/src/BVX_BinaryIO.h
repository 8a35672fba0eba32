#ifndef BVX_BinaryIOH
#define BVX_BinaryIOH

#include <istream>
#include <string>

namespace BVX {

/*! Reads a string stored as a 4-byte unsigned length (machine byte order) followed by
	that many bytes, without terminator.
	Throws BVX::Exception when the length exceeds maxLength (text unchanged) or when the
	stream ends or fails before all bytes are read.
*/
void read_string_binary(std::istream & in, std::string & text, unsigned int maxLength);

} // namespace BVX

#endif // BVX_BinaryIOH
