#include "QtExt_ConstructionLayer.h"

#include <cmath>

namespace QtExt {

bool ConstructionLayer::operator==(const ConstructionLayer & other) const {
	return std::fabs(m_width - other.m_width) < 1e-4
		&& m_name == other.m_name
		&& m_color == other.m_color
		&& m_id == other.m_id;
}

} // namespace QtExt
