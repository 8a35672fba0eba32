#ifndef BVX_BinaryVectorIOH
#define BVX_BinaryVectorIOH

#include <istream>
#include <vector>

namespace BVX {

/*! Reads a vector of doubles stored as a 4-byte unsigned count followed by count
	little-endian IEEE 754 doubles. A count of 0 empties the vector.
	Throws BVX::Exception when the stream fails (also inside the values, so a truncated
	file is detected) or when the count exceeds maxSize; on error the vector is unchanged.
*/
void read_vector_binary(std::istream & in, std::vector<double> & vec, unsigned int maxSize);

} // namespace BVX

#endif // BVX_BinaryVectorIOH
