#ifndef VUREDO_IntegratorErrorControlledH
#define VUREDO_IntegratorErrorControlledH

#include <vector>

#include "VUREDO_IntegratorInterface.h"

namespace VUREDO {

/*! Common base of the error-controlled integrators: holds the tolerances.
	The owner sets the fields directly before init().
*/
class IntegratorErrorControlled : public IntegratorInterface {
public:
	IntegratorErrorControlled();
	~IntegratorErrorControlled() override;

	/*! Kept for file/layout compatibility; nothing reads it. */
	int					m_unused;
	/*! Relative tolerance. */
	double				m_relTol;
	/*! Scalar absolute tolerance, used when m_absTolVec is empty. */
	double				m_absTol;
	/*! Per-unknown absolute tolerances; empty or exactly n entries. */
	std::vector<double>	m_absTolVec;
	/*! When not 0, the integrator never steps beyond this time. */
	double				m_stopTime;
};

} // namespace VUREDO

#endif // VUREDO_IntegratorErrorControlledH
