#ifndef RM_RoomConstructionH
#define RM_RoomConstructionH

#include <QString>

#include <BVX_LinearSpline.h>
#include <BVX_Path.h>

class QXmlStreamReader;
class QXmlStreamWriter;

namespace RM {

class ConstructionType;
class Database;
class ShadingType;
class WindowType;

/*! One enclosing surface of the room: a wall, floor or ceiling of a construction type,
	optionally with a window and a shading type, with its orientation, surface
	coefficients, areas and the conditions on its far side.

	Areas: m_AW is the opaque wall area without the window, m_AF the window area; the
	gross area of the surface is m_AW + m_AF. The balance model couples m_AW to the wall
	model of an outside surface and treats the window separately; a surface that is not
	Outside cannot have a window, so its window area counts as wall (m_AW + m_AF).

	The zone temperature series, the solar surface id and the three resolved types are
	filled by the simulation model at the start of a run and never stored.
*/
class RoomConstruction {
public:
	/*! Kind of the far side. */
	enum ConstructionKind {
		/*! Outdoor climate. */
		Outside,
		/*! A room with the same conditions. */
		Inside,
		/*! A zone at the given temperature and humidity, or the zone temperature series. */
		FixedTemperature,
		NUM_CK
	};

	RoomConstruction();

	/*! True when the surface can be simulated; else false with one translated message. */
	bool checkValidity(const Database & db, QString & message) const;

	/*! Reads the children of the "RoomConstruction" element at the reader's start element.
		Members whose element is missing keep their values. */
	void readXML(QXmlStreamReader & reader);
	void writeXML(QXmlStreamWriter & writer) const;

	static QString kindKeyword(int kind);

	unsigned int		m_constructionId;
	/*! 0 = no window. */
	unsigned int		m_windowId;
	/*! 0 = no shading. */
	unsigned int		m_shadingTypeId;
	/*! One of ConstructionKind. */
	int					m_type;
	/*! Deg: 0 north, 90 east, 180 south, 270 west. */
	double				m_orientation;
	/*! Deg: 0 horizontal, 90 vertical. */
	double				m_inclination;
	/*! Outside surface resistance in m2K/W. */
	double				m_R_ue;
	/*! Inside surface resistance in m2K/W. */
	double				m_R_ui;
	/*! Inside vapour transfer coefficient in s/m. */
	double				m_beta_i;
	/*! Outside vapour transfer coefficient in s/m. */
	double				m_beta_e;
	/*! Short-wave absorption coefficient of the outside surface 0..1. */
	double				m_ad;
	/*! Zone temperature data file; empty for a constant zone temperature. */
	BVX::Path			m_zoneTCCD;
	/*! Zone temperature in K over time in s, read from m_zoneTCCD at run start. */
	BVX::LinearSpline	m_zoneTemperatureSpline;
	/*! Zone temperature in K. */
	double				m_zoneT;
	/*! Zone relative humidity 0..1. */
	double				m_zoneRH;
	/*! Opaque wall area without the window in m2. */
	double				m_AW;
	/*! Window area in m2. */
	double				m_AF;
	/*! Surface id in the solar radiation model (Outside surfaces, set at run start). */
	unsigned int		m_solarSurfaceId;
	const ConstructionType *	m_constructionType;
	const WindowType *			m_windowType;
	const ShadingType *			m_shadingType;
};

} // namespace RM

#endif // RM_RoomConstructionH
