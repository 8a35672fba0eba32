#ifndef RM_WindowTypeH
#define RM_WindowTypeH

#include <vector>

#include <BVX_LinearSpline.h>

#include "RM_AbstractDatabaseItem.h"

namespace RM {

/*! A window: glass fraction, solar transmission, U-value and an optional
	reduction of the solar gain over the angle of incidence.
*/
class WindowType : public AbstractDatabaseItem {
public:
	/*! f 0.9, g 0.65, U 1.8, no angle dependency, name "<New Window Type>". */
	WindowType();

	/*! The relative SHGC curve: angles in Deg and fractions; without a curve
		the angles 0 and 90 with the values 1 and 1 (no reduction). */
	void relativeSHGC(std::vector<double> & angles, std::vector<double> & values) const;

	bool isValid() const;

	/*! Same encoded name and exactly equal f, g and U; the curve is not compared. */
	bool operator==(const WindowType & other) const;
	bool operator!=(const WindowType & other) const { return !(*this == other); }

	/*! Reads one "WindowType" element; errors go into the reader's error state. */
	void readXML(QXmlStreamReader & reader);
	void writeXML(QXmlStreamWriter & writer) const;

	/*! Glass fraction of the window area, 0..1. */
	double				m_f;
	/*! Solar transmission of the glazing at normal incidence, 0..1. */
	double				m_g;
	/*! U-value of the complete window in W/m2K. */
	double				m_U;
	/*! x: angle of incidence in Deg, y: relative SHGC 0..1. */
	BVX::LinearSpline	m_relativeSHGC;

private:
	/*! Reads the "LinearSpline" child; false after raising the reader's error. */
	bool readRelativeSHGC(QXmlStreamReader & reader);
};

} // namespace RM

#endif // RM_WindowTypeH
