#ifndef Sci_TrackerUnitsH
#define Sci_TrackerUnitsH

#include <QPointF>
#include <QString>

namespace SCI {

/*! The four unit texts of a tracker: x, left y, right y and value. */
struct TrackerUnits {
	enum Kind { XUnit, LeftYUnit, RightYUnit, ValueUnit, NUM_UNITS };

	void clear() {
		for (QString & s : m_texts)
			s.clear();
	}
	/*! "x unit, y unit" text of a point on the x and left y axes. */
	QString text(const QPointF & p) const {
		return QString("%L1 %2, %L3 %4").arg(p.x()).arg(m_texts[XUnit]).arg(p.y()).arg(m_texts[LeftYUnit]);
	}

	QString m_texts[NUM_UNITS];
};

} // namespace SCI

#endif // Sci_TrackerUnitsH
