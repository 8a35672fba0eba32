#include "BVX_Color.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace BVX {

namespace {

std::uint32_t component(int c) {
	return static_cast<std::uint32_t>(std::min(255, std::max(0, c)));
}

} // namespace


std::string Color::htmlString() const {
	// unsigned arithmetic: alpha*2^24 overflows a signed int for alpha >= 128
	const std::uint32_t v = (component(m_alpha) << 24) | (component(m_red) << 16)
							| (component(m_green) << 8) | component(m_blue);
	char buf[16];
	std::snprintf(buf, sizeof(buf), "#%06x", static_cast<unsigned int>(v));
	return buf;
}

} // namespace BVX
