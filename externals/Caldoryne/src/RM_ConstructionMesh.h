#ifndef RM_ConstructionMeshH
#define RM_ConstructionMeshH

#include <map>
#include <vector>

namespace RM {

class ConstructionType;
class Material;

/*! Finite-volume elements of one construction, outside surface first. Each layer gets
	its own run of 3 to 101 elements from a two-sided tanh grid, refined until the
	elements at both layer faces are at most 2.2 mm wide, so that steep gradients near
	surfaces and material interfaces are resolved while thick layers stay cheap.
*/
class ConstructionMesh {
public:
	/*! One finite volume. */
	struct Element {
		/*! Position in the construction, from 0 (outside surface). */
		unsigned int		m_index;
		/*! Thickness in m. */
		double				m_width;
		/*! Centre position in m, measured from the outside surface. */
		double				m_centre;
		/*! Material of the element's layer (non-owning, points into the database). */
		const Material *	m_material;
	};

	/*! Largest width of the first element of a layer before the layer is refined, m. */
	static const double MAX_FACE_ELEMENT_WIDTH;
	/*! Element count limits per layer. */
	static const unsigned int MIN_LAYER_ELEMENTS = 3;
	static const unsigned int MAX_LAYER_ELEMENTS = 101;

	ConstructionMesh();

	/*! Number of elements the mesh gives a layer of thickness d (m). */
	static unsigned int layerElementCount(double d);

	/*! Meshes the layers of ct with the materials of the database. Throws BVX::Exception
		for a construction type without layers, a layer thickness of 0 or below, or an
		unknown material id. Implausible thicknesses (outside 1 mm .. 1 m) are only warned about.
		On failure the previous content is lost (the mesh is left empty). */
	void generate(const ConstructionType & ct, const std::map<unsigned int, Material> & materials);

	/*! Number of elements. */
	unsigned int			m_n;
	/*! Sum of the layer thicknesses in m. */
	double					m_totalThickness;
	/*! Smallest first-element width over all layers in m. */
	double					m_minDx;
	/*! width[0] / (width[0] + width[1]): extrapolation to the outside surface. */
	double					m_outsideFactor;
	/*! width[n-1] / (width[n-2] + width[n-1]): extrapolation to the inside surface. */
	double					m_insideFactor;
	std::vector<Element>	m_elements;

private:
	void clear();
};

} // namespace RM

#endif // RM_ConstructionMeshH
