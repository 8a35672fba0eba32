#ifndef RM_RunPreparationH
#define RM_RunPreparationH

#include <memory>

namespace RM {

class CaldoryneModelInterface;
class Climate;
class Database;
class Room;

/*! Turns a loaded project into a model interface ready for VUREDO::SolverControlFramework:
	copies the room and the climate directory model, switches the climate's moisture data
	on with the room's moisture balance, loads the project's climate file, sets the location
	(latitude and longitude of the file in radians), initialises the model with the database
	and sets the hourly output step. Both front ends (the command line and the window) call it.

	Throws BVX::Exception: the message of DIN4108_2Assessment::checkVentilationLimits() while
	the assessment is active and a switched-on enhanced ventilation exceeds its limit, "Missing climate data for location '%1'." when the climate file is
	not in the directory's catalogue, "Climata data initialization failed." (text kept on
	purpose) when it cannot be loaded, and the exceptions of CaldoryneModelInterface::init().

	Threading: a run is synchronous, in the thread that calls this function and the
	framework's run (the GUI thread in the window). Should the run ever move to a worker
	thread, the state shared between the threads is the model's abort flag, the message
	handler that the run installs in BVX::MessageHandlerRegistry, and the solver framework's
	timers (VUREDO::SolverTimer); each would need synchronising first.
*/
std::unique_ptr<CaldoryneModelInterface> prepareRun(const Room & room, const Climate & climateDirectory,
													const Database & db);

/*! The same for a new model object of the caller (a derived class, for instance). */
void prepareRun(CaldoryneModelInterface & model, const Room & room, const Climate & climateDirectory,
				const Database & db);

} // namespace RM

#endif // RM_RunPreparationH
