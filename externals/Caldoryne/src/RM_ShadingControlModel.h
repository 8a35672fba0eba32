#ifndef RM_ShadingControlModelH
#define RM_ShadingControlModelH

#include <QString>

#include "RM_Schedule.h"

class QXmlStreamReader;
class QXmlStreamWriter;

namespace RM {

class ShadingType;

/*! Decides how far the movable shading of the windows is closed: always, by schedule,
	or when the radiation on the surface exceeds a threshold chosen by its orientation.
*/
class ShadingControlModel {
public:
	enum ModelType {
		CONSTANT,
		SCHEDULED,
		INTENSITY_CONTROLLED,
		NUM_MT
	};

	ShadingControlModel();

	/*! Factor applied to the window's solar gain (1 = unshaded, z of the shading type =
		fully closed) at hour of year h, time t (s), total radiation on the surface (W/m2),
		orientation (Deg, 0 north, 90 east) and inclination (Deg, 0 horizontal). */
	double shadingFactor(const ShadingType & shadingType, unsigned int h, double t, double radiation,
						 double orientation, double inclination) const;

	/*! Radiation threshold in W/m2 for a surface of this orientation and inclination (Deg). */
	double radiationThreshold(double orientation, double inclination) const;

	void readXML(QXmlStreamReader & reader);
	void writeXML(QXmlStreamWriter & writer) const;

	static QString modelTypeKeyword(int type);

	QString		m_name;
	/*! One of ModelType. */
	int			m_modelType;
	/*! Thresholds in W/m2. */
	double		m_maxRadiationIntensityHorizontal;
	double		m_maxRadiationIntensityWest;
	double		m_maxRadiationIntensityNorth;
	double		m_maxRadiationIntensitySouth;
	double		m_maxRadiationIntensityEast;
	/*! Shading degree: 0 open, 1 fully closed. */
	Schedule	m_shadingDegree;
};

} // namespace RM

#endif // RM_ShadingControlModelH
