#include "BVX_Conversions.h"

#include "BVX_Exception.h"
#include "BVX_FormatText.h"

namespace BVX {

const char * const NAN_TEXT = "1.#QNAN";

void throwConversionError(const std::string & text) {
	throw Exception(FormatText("Could not convert '%1' into value.").arg(text), "[string2val]");
}

} // namespace BVX
