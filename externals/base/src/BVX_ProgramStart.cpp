#include "BVX_ProgramStart.h"

#include <csignal>

namespace BVX {

void ProgramStart::prepareProcess() {
#ifdef SIGXFSZ
	std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace BVX
