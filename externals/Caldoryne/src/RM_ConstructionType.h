#ifndef RM_ConstructionTypeH
#define RM_ConstructionTypeH

#include <vector>

#include "RM_AbstractDatabaseItem.h"

namespace RM {

class Database;

/*! A layered wall, roof or floor build-up: materials of the database with thicknesses,
	outside layer first.
*/
class ConstructionType : public AbstractDatabaseItem {
public:
	/*! No layers, English name "unnamed". */
	ConstructionType();

	/*! U-value in W/m2K with the two surface resistances R1, R2 in m2K/W. False (U unchanged)
		for a missing material, lambda <= 0 or thickness <= 0. */
	bool UValue(double & U, const Database & db, double R1, double R2) const;

	/*! Areal mass in kg/m2 and areal heat capacity in J/m2K. False (outputs unchanged)
		for a missing material or a non-positive thickness, density or heat capacity. */
	bool arealMassAndHeatCapacity(double & arealMass, double & arealHeatCapacity, const Database & db) const;

	/*! Every layer's material exists and is valid, every thickness > 0. */
	bool isValid(const Database & db) const;

	/*! Same encoded name and exactly the same layers. */
	bool operator==(const ConstructionType & other) const;
	bool operator!=(const ConstructionType & other) const { return !(*this == other); }

	/*! Reads one "ConstructionType" element; errors go into the reader's error state. */
	void readXML(QXmlStreamReader & reader);
	void writeXML(QXmlStreamWriter & writer) const;

	/*! Layer thicknesses in m. */
	std::vector<double>			m_d;
	/*! Material id of each layer. */
	std::vector<unsigned int>	m_materialIds;

private:
	void readLayers(QXmlStreamReader & reader);
};

} // namespace RM

#endif // RM_ConstructionTypeH
