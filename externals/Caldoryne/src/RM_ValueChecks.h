#ifndef RM_ValueChecksH
#define RM_ValueChecksH

#include <string>

namespace RM {

class ConstructionType;
class Database;
class Material;
class Room;
class RoomConstruction;
class Schedule;
class ShadingType;
class WindowType;

/*! Physical ranges of the values a project and its database items hold, checked before a
	model is built: a value outside its range throws BVX::Exception naming the value and
	the surface, model or item it belongs to.

	Besides the physical bound every range has a magnitude limit of 1e9 (in the unit of the
	file): larger values are typing errors and overflow the products of the balances.
*/
struct ValueRange {
	double		m_min;
	double		m_max;
	/*! The minimum itself is outside the range. */
	bool		m_minExcluded;
};

/*! Areas, heights, thicknesses, conductivities, densities, capacities, resistances. */
extern const ValueRange POSITIVE;
/*! Loads, powers, flow rates, masses, absorption coefficients. */
extern const ValueRange NON_NEGATIVE;
/*! Fractions, absorptances, efficiencies (0..1). */
extern const ValueRange FRACTION;
/*! Temperatures in C. */
extern const ValueRange TEMPERATURE;
/*! Angles and other values that only must be finite numbers of sensible magnitude. */
extern const ValueRange FINITE;
/*! Inclination of a surface in degrees: 0 faces the sky, 90 is a wall, 180 faces the ground. */
extern const ValueRange INCLINATION;
/*! Equipment load in W per m2 of floor area. */
extern const ValueRange EQUIPMENT_LOAD;

/*! True when value lies inside range (false for NaN). */
bool inRange(double value, const ValueRange & range);

/*! Throws when value lies outside range, e.g. "AW of wall #2 is -1 but must be >= 0!". */
void checkValue(double value, const ValueRange & range, const std::string & field, const std::string & owner);

/*! Checks every value a schedule holds (constant, seasonal, weekly and annual values). */
void checkSchedule(const Schedule & schedule, const ValueRange & range, const std::string & field,
				   const std::string & owner);

/*! Room geometry, initial state and the values of all load and control models. */
void checkRoomValues(const Room & room);

/*! Orientation, areas, surface resistances and zone values of surface k. */
void checkSurfaceValues(const RoomConstruction & rc, unsigned int k);

/*! Layer thicknesses of a construction type. */
void checkConstructionTypeValues(const ConstructionType & ct);
/*! Conductivity, density, heat capacity and the further material values. */
void checkMaterialValues(const Material & m);
void checkWindowTypeValues(const WindowType & w);
void checkShadingTypeValues(const ShadingType & s);
/*! The database items a surface uses: construction type with its materials, window type
	and, with a window, shading type. Items missing from db are left to the caller. */
void checkItemValues(const RoomConstruction & rc, const Database & db);

/*! All of the above for a project without building a model (the project check). */
void checkProjectValues(const Room & room, const Database & db);

} // namespace RM

#endif // RM_ValueChecksH
