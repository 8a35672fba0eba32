#ifndef ThermalLoadSeriesH
#define ThermalLoadSeriesH

#include <cstddef>
#include <vector>

namespace RM {
	class CaldoryneModel;
	class OutputManager;
}

/*! Reads the load series of a run as the load plots group them: a room flux, or one of the two
	sums over the model's walls (room-side surfaces of all walls, outer surfaces of the Outside
	walls). Works on the rates (W) or on the cumulative integrals (J) of the output manager.

	Wall k is the k-th entry of the model's own wall list (areas adjusted there); walls beyond
	the output manager's wall count, or values beyond the end of a series, are not read.
*/
class ThermalLoadSeries {
public:
	/*! What a curve or bar category shows. */
	struct Source {
		enum Kind {
			/*! Sum over all walls of -(inside convection + inside window radiation) x area. */
			RoomSideWalls,
			/*! Sum over Outside walls of (absorbed radiation + outside convection) x area. */
			OuterWalls,
			/*! One room flux of the output manager. */
			RoomFlux,
			/*! A room flux that counts the energy it takes from the room as positive (the
				latent cooling load): read with the opposite sign, so it shows as a loss. */
			RoomFluxTaken
		};
		Kind	m_kind;
		/*! Room flux index for RoomFlux and RoomFluxTaken. */
		int		m_flux;
	};

	/*! integrals: the cumulative flux integrals instead of the rates. */
	ThermalLoadSeries(const RM::CaldoryneModel & model, const RM::OutputManager & outputs, bool integrals);

	/*! Value at output i; parts whose series end before i count 0. */
	double value(const Source & source, std::size_t i) const;

	/*! Change I(to) - I(from); parts whose series do not reach both indices count 0. */
	double change(const Source & source, std::size_t from, std::size_t to) const;

	/*! Values 0..n-1 of a source. */
	std::vector<double> values(const Source & source, std::size_t n) const;

	/*! Number of values of a source's series (the longest wall series for the wall sums). */
	std::size_t length(const Source & source) const;

	/*! kWh per J, divided by the floor area when loads are shown per floor area (and it is above 0). */
	static double energyFactor(const RM::CaldoryneModel & model);
	/*! 1 / floor area when loads are shown per floor area and the area is above 0, else 1. */
	static double floorAreaFactor(const RM::CaldoryneModel & model);

private:
	struct Wall {
		double	m_area;
		bool	m_outside;
		std::size_t	m_index;
	};

	/*! Rate or integral series of a room flux source. */
	const std::vector<double> & roomSeries(const Source & source) const;
	/*! -1 for RoomFluxTaken, else 1. */
	static double sign(const Source & source);
	/*! Sum of the wall terms at i1 minus those at i0 (i0 == npos: only i1). */
	double wallSum(Source::Kind kind, std::size_t i0, std::size_t i1) const;

	const RM::OutputManager &	m_outputs;
	bool						m_integrals;
	std::vector<Wall>			m_walls;
};

#endif // ThermalLoadSeriesH
