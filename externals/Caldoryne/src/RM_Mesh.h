#ifndef RM_MeshH
#define RM_MeshH

#include <vector>

namespace RM {

/*! One-dimensional grid generator: divides an interval into n elements, uniformly or
	refined towards one or both ends by hyperbolic-tangent stretching. Plain value.

	Inner nodes x_i of the unit interval, s = i/n (i = 1..n-1), stretch a, ratio r:
	- uniform:     x_i = s
	- one-sided:   x_i = 1 + tanh(a (s - 1)) / tanh(a)                  (fine at x = 0)
	- two-sided:   u = (1 + tanh(a (s - 1/2)) / tanh(a/2)) / 2,
	               x_i = u / ((1 - r^2) u + r^2)                          (fine at both ends)
	Element widths are the differences of consecutive nodes with x_0 = 0 and x_n = 1.
*/
class Mesh {
public:
	enum MeshType {
		MT_Uniform			= 0,	///< equal widths
		MT_OneSidedTanh		= 1,	///< fine at the start of the interval
		MT_TwoSidedTanh		= 2		///< fine at both ends
	};

	Mesh(int type = MT_TwoSidedTanh, double stretch = 2, double ratio = 1);

	/*! Element widths of the unit interval divided into n elements; they sum to 1.
		Throws std::runtime_error("Invalid mesh type") for an unknown type when n >= 2. */
	void normalizedWidths(unsigned int n, std::vector<double> & widths) const;

	/*! Divides [x1, x2] into n elements: absolute widths and centre positions, both
		ordered by ascending position (reversed when x2 < x1). */
	void generate(unsigned int n, double x1, double x2,
				  std::vector<double> & widths, std::vector<double> & centres) const;

	/*! Grid type, see MeshType. */
	int		m_type;
	/*! Stretching factor of the tanh grids. */
	double	m_stretch;
	/*! Skew of the two-sided grid; 1 keeps it symmetric. */
	double	m_ratio;
};

} // namespace RM

#endif // RM_MeshH
