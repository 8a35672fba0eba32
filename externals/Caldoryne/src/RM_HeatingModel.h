#ifndef RM_HeatingModelH
#define RM_HeatingModelH

#include <QString>

#include "RM_Schedule.h"

class QXmlStreamReader;
class QXmlStreamWriter;

namespace RM {

/*! Ideal heating: a proportional controller on the room air temperature with a steep
	slope that stiffens itself during a run, limited to the maximum power:
	  Q_heat = min(P_max, max(0, k (T_set - T_i)))      W, k slope in W/K, T in K
*/
class HeatingModel {
public:
	enum ModelType {
		NONE,
		SIMPLE,
		NUM_MT
	};

	HeatingModel();

	/*! Heating load in W (>= 0) at hour of year h, time t (s) and room air temperature Ti (K). */
	void heatingLoad(unsigned int h, double t, double Ti, double & load) const;

	/*! Raises the slope by 20 % (up to 500000 W/K) when the controller runs unsaturated
		while the room is more than 0.2 K below the set point. */
	void adjustSlope(unsigned int h, double t, double Ti, double currentLoad);

	/*! Reads the "HeatingModel" element at the reader's start element. */
	void readXML(QXmlStreamReader & reader);
	void writeXML(QXmlStreamWriter & writer) const;

	static QString modelTypeKeyword(int type);

	QString		m_name;
	/*! One of ModelType. */
	int			m_modelType;
	/*! Maximum heating power in W. */
	double		m_maxPower;
	/*! Set point in C. */
	Schedule	m_setPoints;
	/*! Controller slope in W/K; adapted during a run, not stored. */
	double		m_slope;
};

} // namespace RM

#endif // RM_HeatingModelH
