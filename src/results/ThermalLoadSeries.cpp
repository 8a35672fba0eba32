#include "ThermalLoadSeries.h"

#include <algorithm>

#include <RM_CaldoryneModel.h>
#include <RM_OutputManager.h>
#include <RM_RoomConstruction.h>

#include "OutputOptions.h"

namespace {

typedef RM::OutputManager OM;

const std::size_t NONE = std::size_t(-1);

/*! Value i of a series, 0 beyond its end. */
double at(const std::vector<double> & series, std::size_t i) {
	return i < series.size() ? series[i] : 0;
}

/*! s[i1] - s[i0] when the series holds both, else 0 (i0 == NONE: s[i1]). */
double delta(const std::vector<double> & series, std::size_t i0, std::size_t i1) {
	if (i0 == NONE)
		return at(series, i1);
	if (i0 >= series.size() || i1 >= series.size())
		return 0;
	return series[i1] - series[i0];
}

} // namespace


ThermalLoadSeries::ThermalLoadSeries(const RM::CaldoryneModel & model, const RM::OutputManager & outputs, bool integrals) :
	m_outputs(outputs),
	m_integrals(integrals)
{
	const std::size_t n = std::min<std::size_t>(outputs.wallCount(), model.m_constructions.size());
	for (std::size_t k = 0; k < n; ++k) {
		const RM::RoomConstruction & con = model.m_constructions[k];
		m_walls.push_back(Wall{con.m_AW, con.m_type == RM::RoomConstruction::Outside, k});
	}
}


double ThermalLoadSeries::value(const Source & source, std::size_t i) const {
	if (source.m_kind == Source::RoomFlux || source.m_kind == Source::RoomFluxTaken)
		return sign(source)*at(roomSeries(source), i);
	return wallSum(source.m_kind, NONE, i);
}


double ThermalLoadSeries::change(const Source & source, std::size_t from, std::size_t to) const {
	if (source.m_kind == Source::RoomFlux || source.m_kind == Source::RoomFluxTaken)
		return sign(source)*delta(roomSeries(source), from, to);
	return wallSum(source.m_kind, from, to);
}


const std::vector<double> & ThermalLoadSeries::roomSeries(const Source & source) const {
	return (m_integrals ? m_outputs.m_roomFluxIntegralSeries : m_outputs.m_roomFluxSeries)[std::size_t(source.m_flux)];
}


double ThermalLoadSeries::sign(const Source & source) {
	return source.m_kind == Source::RoomFluxTaken ? -1 : 1;
}


std::vector<double> ThermalLoadSeries::values(const Source & source, std::size_t n) const {
	std::vector<double> v(n);
	for (std::size_t i = 0; i < n; ++i)
		v[i] = value(source, i);
	return v;
}


std::size_t ThermalLoadSeries::length(const Source & source) const {
	const auto & wallSeries = m_integrals ? m_outputs.m_wallFluxIntegralSeries : m_outputs.m_wallFluxSeries;
	if (source.m_kind == Source::RoomFlux || source.m_kind == Source::RoomFluxTaken)
		return roomSeries(source).size();
	std::size_t n = 0;
	for (const Wall & w : m_walls) {
		for (int f : {OM::WF_InsideConvection, OM::WF_InsideWindowRadiation, OM::WF_OutsideConvection, OM::WF_AbsorbedRadiation})
			if (w.m_index < wallSeries[std::size_t(f)].size())
				n = std::max(n, wallSeries[std::size_t(f)][w.m_index].size());
	}
	return n;
}


double ThermalLoadSeries::wallSum(Source::Kind kind, std::size_t i0, std::size_t i1) const {
	const auto & series = m_integrals ? m_outputs.m_wallFluxIntegralSeries : m_outputs.m_wallFluxSeries;
	// the two fluxes of a sum and their sign: room side counts what enters the room
	int fluxes[2] = {OM::WF_InsideConvection, OM::WF_InsideWindowRadiation};
	double sign = -1;
	if (kind == Source::OuterWalls) {
		fluxes[0] = OM::WF_AbsorbedRadiation;
		fluxes[1] = OM::WF_OutsideConvection;
		sign = 1;
	}
	double sum = 0;
	for (const Wall & w : m_walls) {
		if (kind == Source::OuterWalls && !w.m_outside)
			continue;
		for (int f : fluxes) {
			const auto & perWall = series[std::size_t(f)];
			if (w.m_index < perWall.size())
				sum += sign*delta(perWall[w.m_index], i0, i1)*w.m_area;
		}
	}
	return sum;
}


double ThermalLoadSeries::energyFactor(const RM::CaldoryneModel & model) {
	return 2.7777777777777776e-7*floorAreaFactor(model);
}


double ThermalLoadSeries::floorAreaFactor(const RM::CaldoryneModel & model) {
	if (OutputOptions::heatLoadsPerFloorArea() && model.m_room.m_area > 0)
		return 1/model.m_room.m_area;
	return 1;
}
