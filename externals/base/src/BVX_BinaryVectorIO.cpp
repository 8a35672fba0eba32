#include "BVX_BinaryVectorIO.h"

#include <cstdint>

#include "BVX_Exception.h"
#include "BVX_FormatText.h"

namespace BVX {

void read_vector_binary(std::istream & in, std::vector<double> & vec, unsigned int maxSize) {
	const char * const FUNC_ID = "[read_vector_binary]";
	std::uint32_t count = 0;
	in.read(reinterpret_cast<char *>(&count), sizeof(count));
	if (!in)
		throw Exception("Error reading from input stream!", FUNC_ID);
	if (count > maxSize)
		throw Exception("Vector length exceeds given maximum!", FUNC_ID);
	// read into a buffer so that a short read leaves the caller's vector intact
	std::vector<double> buf(count);
	if (count > 0) {
		in.read(reinterpret_cast<char *>(buf.data()), static_cast<std::streamsize>(count * sizeof(double)));
		if (!in)
			throw Exception(FormatText("Unexpected end of stream while reading vector of %1 values.").arg(count), FUNC_ID);
	}
	vec.swap(buf);
}

} // namespace BVX
