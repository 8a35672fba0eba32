#ifndef RM_CoolingModelH
#define RM_CoolingModelH

#include <QString>

#include <BVX_LinearSpline.h>

#include "RM_Schedule.h"

class QXmlStreamReader;
class QXmlStreamWriter;

namespace RM {

/*! Ideal cooling with optional dehumidification: a proportional controller on the room
	air temperature (steep, self-adapting slope) and a vapour sink towards the humidity
	set point. Dehumidification takes precedence over sensible cooling for the power:
	  G_dehum = min(0, c_dehum (rho_v,set - rho_v,i)),   Q_latent = -h_v0 G_dehum <= P_max
	  Q_cool  = max(min(0, k (T_set - T_i)), -(P_avail - Q_latent))   (W, <= 0)
	with rho_v,set = phi_set p_sat(T_i) / (R_v T_i) and P_avail the maximum power (or its
	curve over T_set).
*/
class CoolingModel {
public:
	enum ModelType {
		NONE,
		SIMPLE,
		NUM_MT
	};

	CoolingModel();

	/*! Loads at hour of year h, time t (s), room air temperature Ti (K) and room vapour
		density rhov_i (kg/m3):
		sensible (W, <= 0), vapourFlow (kg/s, <= 0), enthalpyFlow of the removed vapour (W)
		and latent load (W, >= 0). Dehumidification only with the moisture balance. */
	void coolingLoads(bool moisture, unsigned int h, double t, double Ti, double rhov_i,
					  double & sensible, double & vapourFlow, double & enthalpyFlow, double & latent) const;

	/*! Raises the slope by 20 % (up to 500000 W/K) when the controller runs unsaturated
		while the room is more than 0.2 K above the set point. */
	void adjustSlope(unsigned int h, double t, double Ti, double currentLoad);

	/*! Reads the "CoolingModel" element; throws BVX::Exception for a broken "MaxPowerCurve". */
	void readXML(QXmlStreamReader & reader);
	void writeXML(QXmlStreamWriter & writer) const;

	static QString modelTypeKeyword(int type);

	QString				m_name;
	/*! One of ModelType. */
	int					m_modelType;
	/*! Maximum cooling power in W (positive). */
	double				m_maxPower;
	/*! Available power in W over the set-point temperature in K; replaces m_maxPower when valid. */
	BVX::LinearSpline	m_maxPowerCurve;
	/*! Temperature set point in C. */
	Schedule			m_setPoints;
	/*! Relative humidity set point in %. */
	Schedule			m_humiditySetPoints;
	/*! Controller slope in W/K; adapted during a run, not stored. */
	double				m_slope;

private:
	void readMaxPowerCurve(QXmlStreamReader & reader);
};

} // namespace RM

#endif // RM_CoolingModelH
