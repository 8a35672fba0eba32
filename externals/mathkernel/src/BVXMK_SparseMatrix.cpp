#include "BVXMK_SparseMatrix.h"

namespace BVXMK {

SparseMatrix::~SparseMatrix() {
}

} // namespace BVXMK
