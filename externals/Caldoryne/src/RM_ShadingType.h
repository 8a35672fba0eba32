#ifndef RM_ShadingTypeH
#define RM_ShadingTypeH

#include "RM_AbstractDatabaseItem.h"

namespace RM {

/*! A shading device, described by one shading factor. */
class ShadingType : public AbstractDatabaseItem {
public:
	/*! z = 1 and the name "<New Shading Type>". */
	ShadingType();
	ShadingType(const QString & encodedName, double z);

	/*! 0 <= z <= 1. */
	bool isValid() const;

	bool operator==(const ShadingType & other) const;
	bool operator!=(const ShadingType & other) const { return !(*this == other); }

	void readXML(QXmlStreamReader & reader);
	void writeXML(QXmlStreamWriter & writer) const;

	/*! Shading factor: 0 fully shaded, 1 no shading. */
	double		m_z;
};

} // namespace RM

#endif // RM_ShadingTypeH
