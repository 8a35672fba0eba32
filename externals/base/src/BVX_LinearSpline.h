#ifndef BVX_LinearSplineH
#define BVX_LinearSplineH

#include <string>
#include <vector>

namespace BVX {

/*! A table function: strictly increasing x values with y values, evaluated by
	linear interpolation, with constant or linear extrapolation beyond the ends.

	The extrapolation method and the equidistant lookup settings are public; setValues()
	and clear() reset them, so set them after the values.

	\code
	LinearSpline spl;
	spl.setValues(x, y);
	spl.m_extrapolationMethod = LinearSpline::EM_Linear;
	double v = spl.value(12.5);
	\endcode
*/
class LinearSpline {
public:
	enum ExtrapolationMethod {
		/*! The end y value is continued. */
		EM_Constant = 0,
		/*! The slope of the end interval is continued. */
		EM_Linear = 1
	};

	LinearSpline();
	virtual ~LinearSpline();

	LinearSpline(const LinearSpline &) = default;
	LinearSpline & operator=(const LinearSpline &) = default;

	/*! Returns to the empty, not valid state with default settings. */
	void clear();

	/*! Replaces the points. Consecutive duplicate x values are dropped (with warnings).
		Throws for vectors of different or zero size; non-increasing x values are
		reported as a warning and leave the spline not valid.
	*/
	void setValues(const std::vector<double> & x, const std::vector<double> & y);

	/*! Checks the stored points and computes the slopes. On failure errMsg is set
		and false is returned; never throws. */
	bool makeSpline(std::string & errMsg);

	/*! Copies the points without consecutive duplicate x values. Inside a run of equal
		x values the first y is kept, except at the end of the data, where the last y wins. */
	static void eliminateConsecutive(const std::vector<double> & x, const std::vector<double> & y,
									 std::vector<double> & xOut, std::vector<double> & yOut);

	/*! Number of points. */
	unsigned int size() const { return static_cast<unsigned int>(m_y.size()); }
	bool empty() const { return m_y.empty(); }
	bool valid() const { return m_valid; }

	const std::vector<double> & x() const { return m_x; }
	const std::vector<double> & y() const { return m_y; }
	const std::vector<double> & slopes() const { return m_slope; }

	/*! The interpolated value at x. Allocates nothing.
		Throws for a spline without points.
	*/
	double value(double x) const;

	/*! Extrapolation beyond the ends, one of ExtrapolationMethod. */
	int						m_extrapolationMethod;
	/*! Step of equidistant x values; 0 selects the binary search lookup. */
	double					m_xStep;
	/*! x value of the first point for the equidistant lookup. */
	double					m_x0;

private:
	double extrapolateBelow(double x) const;
	double extrapolateAbove(double x) const;

	std::vector<double>		m_x;
	std::vector<double>		m_y;
	/*! One slope per interval. */
	std::vector<double>		m_slope;
	bool					m_valid;
};

} // namespace BVX

#endif // BVX_LinearSplineH
