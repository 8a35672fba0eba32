#include "RM_Mesh.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace RM {

Mesh::Mesh(int type, double stretch, double ratio) :
	m_type(type),
	m_stretch(stretch),
	m_ratio(ratio)
{
}


void Mesh::normalizedWidths(unsigned int n, std::vector<double> & widths) const {
	widths.resize(n);
	if (n == 0)
		return;
	if (n == 1) {
		widths[0] = 1;
		return;
	}
	if (m_type != MT_Uniform && m_type != MT_OneSidedTanh && m_type != MT_TwoSidedTanh)
		throw std::runtime_error("Invalid mesh type");

	double lastNode = 0;
	for (unsigned int i = 1; i < n; ++i) {
		double s = double(i) / n;
		double node = s;
		if (m_type == MT_OneSidedTanh) {
			node = std::tanh((s - 1) * m_stretch) / std::tanh(m_stretch) + 1;
		}
		else if (m_type == MT_TwoSidedTanh) {
			double u = (std::tanh((s - 0.5) * m_stretch) / std::tanh(0.5 * m_stretch) + 1) * 0.5;
			double r2 = m_ratio * m_ratio;
			node = u / ((1 - r2) * u + r2);
		}
		widths[i - 1] = node - lastNode;
		lastNode = node;
	}
	widths[n - 1] = 1 - lastNode;
}


void Mesh::generate(unsigned int n, double x1, double x2,
					std::vector<double> & widths, std::vector<double> & centres) const
{
	normalizedWidths(n, widths);
	centres.resize(n);
	const double L = x2 - x1;
	double left = x1;
	for (unsigned int i = 0; i < n; ++i) {
		double right = left + L * widths[i];
		centres[i] = 0.5 * (left + right);
		widths[i] *= std::fabs(L);
		left = right;
	}
	if (x2 < x1) {
		std::reverse(widths.begin(), widths.end());
		std::reverse(centres.begin(), centres.end());
	}
}

} // namespace RM
