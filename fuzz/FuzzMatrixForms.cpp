// Binary storage forms of the band and CSR matrices. The forms carry no length, so the
// input is read into a target of fixed shape and must hold at least that shape's size;
// the first byte chooses the matrix.
#include <cstring>
#include <vector>

#include <BVX_Exception.h>

#include <BVXMK_BandMatrix.h>
#include <BVXMK_SparseMatrixCSR.h>

#include "FuzzSupport.h"

namespace {

template <typename M>
void readForm(M & m, const std::uint8_t * data, std::size_t size) {
	if (size < m.serializationSize())
		return;
	std::vector<char> buffer(data, data + size);
	void * p = buffer.data();
	try {
		m.deserialize(p);
		FuzzSupport::require(static_cast<char *>(p) - buffer.data() <= static_cast<std::ptrdiff_t>(size),
							 "reading stays inside the form");
	}
	catch (BVX::Exception &) {
	}
}

} // namespace


extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t * data, std::size_t size) {
	static const bool quiet = (FuzzSupport::silenceMessages(), true);
	(void)quiet;
	if (size == 0)
		return 0;
	if (data[0] % 2 == 0) {
		BVXMK::BandMatrix band;
		band.resize(5, 1, 1, 2);
		readForm(band, data + 1, size - 1);
	}
	else {
		// tridiagonal pattern of a 4 x 4 matrix
		const unsigned int ia[] = { 0, 2, 5, 8, 10 };
		const unsigned int ja[] = { 0, 1, 0, 1, 2, 1, 2, 3, 2, 3 };
		BVXMK::SparseMatrixCSR csr(4, 10, ia, ja);
		readForm(csr, data + 1, size - 1);
	}
	return 0;
}
