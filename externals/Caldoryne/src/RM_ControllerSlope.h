#ifndef RM_ControllerSlopeH
#define RM_ControllerSlopeH

namespace RM {

/*! Slope adaptation of the proportional controllers of the ideal heating and cooling loads.
	After a completed step in which the load was neither off nor at its limit but the room
	still missed its set point by more than 0.2 K (deviation, positive towards the side the
	controller works against), the slope is raised by 20 %, up to 500,000 W/K.
	Returns true when the slope was raised.
*/
bool raiseControllerSlope(double & slope, double deviation);

/*! Reports a raised slope as "<name> = <slope> W/K" (progress, verbosity 2), formatted only
	when the console shows that level. */
void reportControllerSlope(const char * name, double slope, const char * functionId);

} // namespace RM

#endif // RM_ControllerSlopeH
