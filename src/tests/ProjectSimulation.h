#ifndef ProjectSimulationH
#define ProjectSimulationH

#include <memory>

namespace RM {
	class CaldoryneModelInterface;
	class Climate;
	class Database;
	class Room;
}

/*! Simulates a room without a window, as the main window's run does: the climate file of the
	room is loaded from the catalogue, the model initialised and integrated with hourly outputs
	up to endTime (s; 0 keeps the room's own end time). The results-present flag is set.
	Throws BVX::Exception on failure. */
std::unique_ptr<RM::CaldoryneModelInterface> simulateProject(const RM::Room & room, const RM::Climate & catalogue,
															 const RM::Database & db, double endTime);

#endif // ProjectSimulationH
