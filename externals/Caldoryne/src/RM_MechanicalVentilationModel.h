#ifndef RM_MechanicalVentilationModelH
#define RM_MechanicalVentilationModelH

#include <QString>

#include "RM_Schedule.h"

class QXmlStreamReader;
class QXmlStreamWriter;

namespace RM {

/*! Mechanical ventilation: either supply/exhaust ventilation with heat recovery (and a
	recovery bypass above a set point), or cooling ventilation that blows outside air,
	cooled down to the supply temperature, into an overheated room.

	Rates are volume flows in m3/h, independent of the room volume.
*/
class MechanicalVentilationModel {
public:
	enum ModelType {
		NONE,
		MECHANICAL_VENTILATION,
		MECHANICAL_VENTILATION_COOLING,
		NUM_MT
	};

	MechanicalVentilationModel();

	/*! Flows at hour of year h, time t (s); Ti, Te room and outside air temperature (K);
		rhov_i, rhov_e vapour densities (kg/m3); V room volume (m3, not used).
		Results: vapour flow into the room (kg/s), supply air flow (m3/s), heat flow into
		the room (W) and power of the cooling coil (W, <= 0, reported only). */
	void mechanicalVentilationLoads(bool moisture, unsigned int h, double t, double Ti, double Te,
									double rhov_i, double rhov_e, double V, double & vapourFlow,
									double & airFlow, double & heatFlow, double & coolingPower) const;

	/*! Effective heat recovery efficiency at room air temperature Ti (K): the recovery
		fades out smoothly over 0.6 K around the bypass set point. */
	double effectiveHeatRecovery(double Ti) const;

	/*! Reads the "MechanicalVentilationModel" element; out-of-range values are corrected. */
	void readXML(QXmlStreamReader & reader);
	void writeXML(QXmlStreamWriter & writer) const;

	static QString modelTypeKeyword(int type);

	QString		m_name;
	/*! One of ModelType. */
	int			m_modelType;
	/*! Supply air temperature of the cooling ventilation in C. */
	double		m_supplyTemperature;
	/*! Maximum supply air flow of the cooling ventilation in m3/h. */
	double		m_maxSupplyFlowRate;
	/*! Heat recovery efficiency 0..1. */
	double		m_heatRecoveryEfficiency;
	/*! Room temperature in C above which the heat recovery is bypassed. */
	double		m_heatRecoverySetpoint;
	/*! Room temperature set point of the cooling ventilation in C. */
	Schedule	m_setPoints;
	/*! Relative humidity set point in % (stored and edited only). */
	Schedule	m_humiditySetPoints;
	/*! Supply air flow of the ventilation in m3/h. */
	Schedule	m_ventilationRates;

private:
	void ventilationWithRecovery(bool moisture, unsigned int h, double t, double Ti, double Te,
								 double rhov_i, double rhov_e, double & vapourFlow,
								 double & airFlow, double & heatFlow) const;
	void coolingVentilation(unsigned int h, double t, double Ti, double Te,
							double & airFlow, double & heatFlow, double & coolingPower) const;
};

} // namespace RM

#endif // RM_MechanicalVentilationModelH
