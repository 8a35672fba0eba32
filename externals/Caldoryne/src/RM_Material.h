#ifndef RM_MaterialH
#define RM_MaterialH

#include <vector>

#include <BVX_LinearSpline.h>

#include "RM_AbstractDatabaseItem.h"

namespace RM {

/*! A building material of the database: thermal properties, an optional sorption
	isotherm for the moisture balance and optional phase-change data.
*/
class Material : public AbstractDatabaseItem {
public:
	/*! Material categories; 13 is "Miscellaneous". */
	enum Category {
		MC_Coating = 1,
		MC_PlasterAndMortar,
		MC_BuildingBrick,
		MC_NaturalStones,
		MC_Concrete,
		MC_Insulation,
		MC_BuildingBoards,
		MC_Timber,
		MC_NaturalMaterials,
		MC_Soil,
		MC_CladdingAndTiles,
		MC_FoilsAndWaterproofing,
		MC_Miscellaneous
	};

	/*! Defaults; the name stays empty until a reader or creator sets one. */
	Material();

	/*! Translated display text of a category; numbers outside 1..12 give "Miscellaneous". */
	static QString categoryName(unsigned int category);
	/*! n for 1..13, otherwise 13. */
	static unsigned int categoryFromInt(int n);

	/*! Reads one "Material" element; errors go into the reader's error state.
		Throws BVX::Exception when the sorption splines cannot be built. */
	void readXML(QXmlStreamReader & reader);
	/*! Writes one empty "Material" element. */
	void writeXML(QXmlStreamWriter & writer) const;

	/*! Builds the sorption isotherm (rh -> water content) and its reverse from equal-length
		vectors; throws BVX::Exception when either is not a valid spline. */
	void init(const std::vector<double> & rh, const std::vector<double> & w);

	bool isValid() const;

	/*! Same encoded name and exactly equal lambda, rho, cT, TPCMLow and HPCM. */
	bool operator==(const Material & other) const;
	bool operator!=(const Material & other) const { return !(*this == other); }

	/*! Both sorption splines are usable for the moisture balance. */
	bool hasSorptionData() const { return m_sorptionIsotherm.valid() && m_reversedSorptionIsotherm.valid(); }

	/*! Water content at 92 % that the reader derives from w80 and wsat. */
	static double derivedW92(double w80, double wsat);

	unsigned int		m_category;
	/*! Thermal conductivity in W/mK. */
	double				m_lambda;
	/*! Density in kg/m3. */
	double				m_rho;
	/*! Specific heat capacity in J/kgK. */
	double				m_cT;
	/*! Vapour diffusion resistance factor, dimensionless. */
	double				m_mu;
	/*! x: relative humidity 0..1, y: water content in kg/m3. */
	BVX::LinearSpline	m_sorptionIsotherm;
	/*! x: water content in kg/m3, y: relative humidity 0..1. */
	BVX::LinearSpline	m_reversedSorptionIsotherm;
	/*! Melting temperature of a phase-change material in C. */
	double				m_TPCMLow;
	/*! Latent heat in J/kg; 0 = no phase change. */
	double				m_HPCM;
};

} // namespace RM

#endif // RM_MaterialH
