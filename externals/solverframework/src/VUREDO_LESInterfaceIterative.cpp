#include "VUREDO_LESInterfaceIterative.h"

namespace VUREDO {

LESInterfaceIterative::LESInterfaceIterative() {
}

LESInterfaceIterative::~LESInterfaceIterative() {
}

} // namespace VUREDO
