#ifndef VUREDO_LESInterfaceIterativeH
#define VUREDO_LESInterfaceIterativeH

#include "VUREDO_LESInterface.h"

namespace VUREDO {

/*! Intermediate base of the Krylov solvers. The CVODE integrator registers its
	preconditioner and J*v callbacks only for solvers of this kind.
*/
class LESInterfaceIterative : public LESInterface {
public:
	LESInterfaceIterative();
	~LESInterfaceIterative() override;
};

} // namespace VUREDO

#endif // VUREDO_LESInterfaceIterativeH
