#ifndef OutputOptionsH
#define OutputOptionsH

/*! The user's two output options of the result plots, kept in the program's settings
	(RM::ProgramIdentity) and independent of the project. The settings page writes
	them, the result plots read them; both go through here only.
*/
class OutputOptions {
public:
	/*! Key "OutputHeatLoadsPerFloorArea": loads shown per m2 of floor area (default off). */
	static bool heatLoadsPerFloorArea();
	static void setHeatLoadsPerFloorArea(bool on);

	/*! Key "OutputENPlotWithoutOccupancy": comfort criteria evaluated for all hours,
		not only the occupied ones (default off). */
	static bool enPlotWithoutOccupancy();
	static void setENPlotWithoutOccupancy(bool on);
};

#endif // OutputOptionsH
