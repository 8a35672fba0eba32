#include "BVX_BinaryIO.h"

#include <cstdint>

#include "BVX_Exception.h"
#include "BVX_FormatText.h"

namespace BVX {

void read_string_binary(std::istream & in, std::string & text, unsigned int maxLength) {
	const char * const FUNC_ID = "[read_string_binary]";
	std::uint32_t len = 0;
	in.read(reinterpret_cast<char *>(&len), sizeof(len));
	if (!in)
		throw Exception("Cannot read string length from stream.", FUNC_ID);
	if (len > maxLength)
		throw Exception("String length exceeds given maximum!", FUNC_ID);
	// read into a buffer first so that the caller's text stays intact on a short read
	std::string buf(len, '\0');
	if (len > 0) {
		in.read(&buf[0], static_cast<std::streamsize>(len));
		if (!in)
			throw Exception(FormatText("Unexpected end of stream while reading string of length %1 (got %2 bytes).")
							.arg(len).arg(in.gcount()), FUNC_ID);
	}
	text.swap(buf);
}

} // namespace BVX
