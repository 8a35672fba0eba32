#ifndef BVX_ProgramStartH
#define BVX_ProgramStartH

namespace BVX {

/*! What every program of the system does first in main(). */
class ProgramStart {
public:
	/*! Sets up the process: a file that reaches the size limit (ulimit -f) fails its write with
		"File too large", which the writers report and survive as they do a full disk, instead of
		SIGXFSZ ending the program with its unsaved work. */
	static void prepareProcess();
};

} // namespace BVX

#endif // BVX_ProgramStartH
