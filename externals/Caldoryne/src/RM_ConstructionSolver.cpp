#include "RM_ConstructionSolver.h"

#include <algorithm>

#include <QCoreApplication>

#include <BVX_Elementwise.h>
#include <BVX_Exception.h>
#include <BVX_MessageHandler.h>

#include "RM_ConstructionType.h"
#include "RM_Material.h"
#include "RM_Physics.h"
#include "RM_RoomConstruction.h"

namespace RM {

namespace {

/*! Width of the temperature range over which the latent heat is released, K. */
const double PCM_RANGE = 3;
/*! Vapour diffusion coefficient in air, m2/s. */
const double DIFFUSION_COEFFICIENT_AIR = 2.662e-5;
/*! Fixed reference temperature of the vapour diffusion, K. */
const double DIFFUSION_REFERENCE_TEMPERATURE = 296.15;

/*! pv = psat(T)*phi for n elements; one loop without branches so that it vectorises. */
BVX_ELEMENTWISE
void vapourPressures(unsigned int n, const double * T, const double * phi, double * pv) {
	for (unsigned int i = 0; i < n; ++i)
		pv[i] = saturationVapourPressure(T[i])*phi[i];
}

} // namespace


ConstructionSolver::ConstructionSolver() :
	m_moisture(false),
	m_n(0),
	m_totalThickness(0),
	m_construction(nullptr),
	m_outsideHeatFlux(0),
	m_insideConvectiveFlux(0),
	m_outsideSolarFlux(0),
	m_insideRadiantFlux(0),
	m_outsideVapourFlux(0),
	m_insideVapourFlux(0),
	m_outsideFactor(0),
	m_insideFactor(0),
	m_hasPCM(false)
{
}


void ConstructionSolver::init(bool moisture, const RoomConstruction * construction,
							  const std::map<unsigned int, Material> & materials)
{
	const char * const FUNC_ID = "[ConstructionSolver::init]";
	Q_ASSERT(construction != nullptr && construction->m_constructionType != nullptr);
	m_moisture = moisture;
	m_construction = construction;
	mesh(materials);

	double minDx = m_elements[0].m_width;
	double maxDx = minDx;
	for (const ConstructionMesh::Element & e : m_elements) {
		minDx = std::min(minDx, e.m_width);
		maxDx = std::max(maxDx, e.m_width);
	}
	BVX::BVX_Message(BVX::FormatText("  Mesh generated, n = %1, min_dx = %2 m, max_dx = %3\n")
					 .arg(m_n).arg(minDx, 0, 'g').arg(maxDx, 0, 'g'), BVX::MSG_PROGRESS, FUNC_ID, 1);
	checkMaterials();
}


void ConstructionSolver::checkMaterials() const {
	const char * const FUNC_ID = "[ConstructionSolver::init]";
	const Material * previous = nullptr;
	for (const ConstructionMesh::Element & e : m_elements) {
		const Material * mat = e.m_material;
		if (mat == previous)
			continue;
		previous = mat;
		if (m_moisture && !mat->hasSorptionData()) {
			QString msg = QCoreApplication::translate("ConstructionSolver",
				"Material '%1' not parametrized for moisture calculation.").arg(mat->name());
			// the material editor has no fields for them
			if (!mat->m_builtin)
				msg += " " + QCoreApplication::translate("ConstructionSolver",
					"User materials carry no moisture data (sorption isotherm); switch the moisture balance off "
					"or use a built-in material.");
			throw BVX::Exception(msg.toStdString(), FUNC_ID);
		}
		// these would divide by zero in the temperature or in the face fluxes
		if (!(mat->m_lambda > 0) || !(mat->m_rho*mat->m_cT > 0))
			throw BVX::Exception(QCoreApplication::translate("ConstructionSolver",
				"Material '%1' needs a thermal conductivity, density and heat capacity above 0.")
				.arg(mat->name()).toStdString(), FUNC_ID);
		if (m_moisture && !(mat->m_mu > 0))
			throw BVX::Exception(QCoreApplication::translate("ConstructionSolver",
				"Material '%1' needs a vapour diffusion resistance factor above 0.")
				.arg(mat->name()).toStdString(), FUNC_ID);
	}
}


void ConstructionSolver::mesh(const std::map<unsigned int, Material> & materials) {
	ConstructionMesh grid;
	grid.generate(*m_construction->m_constructionType, materials);

	m_elements = grid.m_elements;
	m_n = grid.m_n;
	m_totalThickness = grid.m_totalThickness;
	m_outsideFactor = grid.m_outsideFactor;
	m_insideFactor = grid.m_insideFactor;

	m_T.assign(m_n, 0);
	m_phi.assign(m_n, 0);
	m_pv.assign(m_n, 0);
	m_q.assign(m_n + 1, 0);
	m_g.assign(m_n + 1, 0);
	m_widths.assign(m_n, 0);
	m_rhoC.assign(m_n, 0);
	m_inverseRhoC.assign(m_n, 0);
	m_inverseWidths.assign(m_n, 0);
	m_isotherms.assign(m_n, IsothermTable());
	m_hasPCM = false;
	for (unsigned int i = 0; i < m_n; ++i) {
		const Material & mat = *m_elements[i].m_material;
		const BVX::LinearSpline & isotherm = mat.m_reversedSorptionIsotherm;
		IsothermTable & table = m_isotherms[i];
		table.m_spline = &isotherm;
		table.m_x = isotherm.x().data();
		table.m_y = isotherm.y().data();
		table.m_slopes = isotherm.slopes().data();
		table.m_size = isotherm.valid() && isotherm.x().size() >= 2 ? static_cast<unsigned int>(isotherm.x().size()) : 0;
		table.m_interval = 1;
		m_widths[i] = m_elements[i].m_width;
		m_rhoC[i] = mat.m_rho*mat.m_cT;
		m_inverseRhoC[i] = 1/m_rhoC[i];
		m_inverseWidths[i] = 1/m_widths[i];
		if (mat.m_HPCM != 0)
			m_hasPCM = true;
	}
	computeFaceConductances();
}


void ConstructionSolver::computeFaceConductances() {
	m_heatConductance.assign(m_n + 1, 0);
	m_vapourConductance.assign(m_n + 1, 0);
	for (unsigned int i = 1; i < m_n; ++i) {
		const ConstructionMesh::Element & left = m_elements[i - 1];
		const ConstructionMesh::Element & right = m_elements[i];
		// half-element resistances in series
		m_heatConductance[i] = 1/((right.m_width/right.m_material->m_lambda
								   + left.m_width/left.m_material->m_lambda)*0.5);
		const double muMean = (left.m_width*left.m_material->m_mu + right.m_width*right.m_material->m_mu)
							  /(left.m_width + right.m_width);
		m_vapourConductance[i] = DIFFUSION_COEFFICIENT_AIR/(muMean*R_VAPOUR*DIFFUSION_REFERENCE_TEMPERATURE)
								 /((left.m_width + right.m_width)*0.5);
	}
}


double ConstructionSolver::energyDensity(const Material & mat, double T) {
	const double rhoC = mat.m_rho*mat.m_cT;
	double u = rhoC*T;
	const double TL = mat.m_TPCMLow + T_KELVIN;
	if (mat.m_HPCM != 0 && T > TL) {
		if (T < TL + PCM_RANGE)
			u += mat.m_rho*mat.m_HPCM/PCM_RANGE*(T - TL);
		else
			u += mat.m_rho*mat.m_HPCM;
	}
	return u;
}


double ConstructionSolver::temperature(const Material & mat, double u) {
	const double rhoC = mat.m_rho*mat.m_cT;
	const double TL = mat.m_TPCMLow + T_KELVIN;
	if (mat.m_HPCM != 0 && u > TL*rhoC) {
		const double uHigh = (TL + PCM_RANGE)*rhoC + mat.m_HPCM*mat.m_rho;
		if (u < uHigh)
			return (u - TL*rhoC)/(rhoC + mat.m_HPCM*mat.m_rho/PCM_RANGE) + TL;
		return (u - uHigh)/rhoC + TL + PCM_RANGE;
	}
	// as a product with the inverse, the form the element loops use with stored inverses
	return u*(1/rhoC);
}


void ConstructionSolver::setInitialStates(double T, double phi, double * y) {
	for (unsigned int i = 0; i < m_n; ++i) {
		const Material & mat = *m_elements[i].m_material;
		m_T[i] = T;
		if (m_moisture) {
			y[2*i] = energyDensity(mat, T);
			y[2*i + 1] = mat.m_sorptionIsotherm.value(phi);
		}
		else {
			y[i] = energyDensity(mat, T);
		}
	}
}


inline double ConstructionSolver::relativeHumidity(unsigned int i, double w) {
	IsothermTable & t = m_isotherms[i];
	// outside the table, and for tables without an interval, the spline's own rules apply
	if (t.m_size == 0 || !(w > t.m_x[0]) || w > t.m_x[t.m_size - 1])
		return t.m_spline->value(w);
	// the interval (k-1, k] holding w, the one the spline's binary search would find;
	// k stays within 1 ... size-1 as x[0] < w <= x[size-1]
	unsigned int k = t.m_interval;
	while (w > t.m_x[k])
		++k;
	while (w <= t.m_x[k - 1])
		--k;
	t.m_interval = k;
	// the stored slope spares a division per element
	return t.m_y[k - 1] + (w - t.m_x[k - 1])*t.m_slopes[k - 1];
}


void ConstructionSolver::updateStates(const double * y) {
	const unsigned int stride = m_moisture ? 2 : 1;
	if (m_hasPCM) {
		for (unsigned int i = 0; i < m_n; ++i)
			m_T[i] = temperature(*m_elements[i].m_material, y[stride*i]);
	}
	// without latent heat temperature() is u*(1/(rho*cT))
	else if (m_moisture) {
		for (unsigned int i = 0; i < m_n; ++i)
			m_T[i] = y[2*i]*m_inverseRhoC[i];
	}
	else {
		for (unsigned int i = 0; i < m_n; ++i)
			m_T[i] = y[i]*m_inverseRhoC[i];
	}
	if (!m_moisture)
		return;
	for (unsigned int i = 0; i < m_n; ++i)
		m_phi[i] = relativeHumidity(i, y[2*i + 1]);
	vapourPressures(m_n, m_T.data(), m_phi.data(), m_pv.data());
}


double ConstructionSolver::outsideSurfaceTemperature() const {
	return m_T[0] - (m_T[1] - m_T[0])*m_outsideFactor;
}


double ConstructionSolver::insideSurfaceTemperature() const {
	return m_T[m_n - 1] - (m_T[m_n - 2] - m_T[m_n - 1])*m_insideFactor;
}


void ConstructionSolver::computeDivergences(double insideConvectiveFlux, double insideRadiantFlux,
											double insideVapourFlux, double outsideSolarFlux,
											double Te, double Troom, double pvOutside, double pvRoom,
											double * ydot)
{
	computeSurfaceFluxes(insideConvectiveFlux, insideRadiantFlux, insideVapourFlux, outsideSolarFlux,
						 Te, Troom, pvOutside, pvRoom);

	m_q[0] = m_outsideHeatFlux + m_outsideSolarFlux;
	m_q[m_n] = -(insideConvectiveFlux + insideRadiantFlux);
	for (unsigned int i = 1; i < m_n; ++i)
		m_q[i] = (m_T[i - 1] - m_T[i])*m_heatConductance[i];

	if (!m_moisture) {
		for (unsigned int i = 0; i < m_n; ++i)
			ydot[i] = (m_q[i] - m_q[i + 1])*m_inverseWidths[i];
		return;
	}

	m_g[0] = m_outsideVapourFlux;
	m_g[m_n] = m_insideVapourFlux;
	for (unsigned int i = 1; i < m_n; ++i)
		m_g[i] = (m_pv[i - 1] - m_pv[i])*m_vapourConductance[i];
	for (unsigned int i = 0; i < m_n; ++i) {
		const double r = m_inverseWidths[i];
		ydot[2*i] = (m_q[i] - m_q[i + 1])*r;
		ydot[2*i + 1] = (m_g[i] - m_g[i + 1])*r;
	}
}


void ConstructionSolver::computeSurfaceFluxes(double insideConvectiveFlux, double insideRadiantFlux,
											  double insideVapourFlux, double outsideSolarFlux,
											  double Te, double Troom, double pvOutside, double pvRoom)
{
	const RoomConstruction & con = *m_construction;
	const double TsOut = outsideSurfaceTemperature();
	const double p0 = m_moisture ? m_pv[0] : 0;

	// outside boundary by the kind of the far side
	switch (con.m_type) {
		case RoomConstruction::Outside :
			m_outsideHeatFlux = (Te - TsOut)/con.m_R_ue;
			m_outsideSolarFlux = outsideSolarFlux;
			m_outsideVapourFlux = (pvOutside - p0)*con.m_beta_e;
			break;
		case RoomConstruction::Inside :
			// neighbour room in the same state as this room
			m_outsideHeatFlux = (Troom - TsOut)/con.m_R_ui;
			m_outsideSolarFlux = 0;
			m_outsideVapourFlux = (pvRoom - p0)*con.m_beta_e;
			break;
		case RoomConstruction::FixedTemperature :
			m_outsideHeatFlux = (con.m_zoneT - TsOut)/con.m_R_ue;
			m_outsideSolarFlux = 0;
			m_outsideVapourFlux = (saturationVapourPressure(con.m_zoneT)*con.m_zoneRH - p0)*con.m_beta_e;
			break;
		default :
			throw BVX::Exception("Invalid Construction Type!", "[ConstructionSolver::computeDivergences]");
	}
	m_insideConvectiveFlux = insideConvectiveFlux;
	m_insideRadiantFlux = insideRadiantFlux;
	m_insideVapourFlux = -insideVapourFlux;
}

} // namespace RM
