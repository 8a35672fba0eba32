#ifndef RM_ZonavexTemplatesH
#define RM_ZonavexTemplatesH

namespace RM {

/*! Text templates of the zone-model project export, compiled in from resources/zonavex.
	Placeholders have the form ${Name}. The block templates start with the line break and
	the indentation of their place in the main template. */
namespace ZonavexTemplates {

/*! The whole project file. */
extern const char * const ZonavexProject;
/*! One construction instance with its interfaces and embedded objects. */
extern const char * const ConstructionInstance;
/*! Interface on the outer side (outdoor air or a constant zone). */
extern const char * const OutsideInterface;
/*! Interface towards the room. */
extern const char * const RoomSideInterface;
/*! A zone of constant temperature. */
extern const char * const FixedZone;
/*! The window of a construction instance. */
extern const char * const Window;
/*! Angle dependency of the window's solar heat gain. */
extern const char * const RelativeSHGC;
/*! The climate data file of the location (no line break of its own). */
extern const char * const ClimateReference;
/*! One exported construction type file. */
extern const char * const ConstructionTypeReference;

} // namespace ZonavexTemplates

} // namespace RM

#endif // RM_ZonavexTemplatesH
