#include "BVX_Rectangle.h"

namespace BVX {

template class rectangle<unsigned int>;

} // namespace BVX
