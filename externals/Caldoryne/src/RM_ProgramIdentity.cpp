#include "RM_ProgramIdentity.h"

namespace RM {

const char * const ProgramIdentity::ORGANIZATION = "BVX";
const char * const ProgramIdentity::APPLICATION = "Caldoryne 3.2";
const char * const ProgramIdentity::NAME = "Caldoryne";
const char * const ProgramIdentity::VERSION = "3.2";
const char * const ProgramIdentity::FULL_VERSION = "3.2.2";

} // namespace RM
