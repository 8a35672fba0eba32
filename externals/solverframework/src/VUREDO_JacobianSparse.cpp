#include "VUREDO_JacobianSparse.h"

namespace VUREDO {

JacobianSparse::~JacobianSparse() {
}

} // namespace VUREDO
