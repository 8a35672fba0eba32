#include "RM_ConstructionMesh.h"

#include <algorithm>

#include <QCoreApplication>

#include <BVX_Exception.h>
#include <BVX_MessageHandler.h>

#include "RM_ConstructionType.h"
#include "RM_Material.h"
#include "RM_Mesh.h"

namespace RM {

const double ConstructionMesh::MAX_FACE_ELEMENT_WIDTH = 0.0022;

ConstructionMesh::ConstructionMesh() {
	clear();
}


unsigned int ConstructionMesh::layerElementCount(double d) {
	const Mesh grid(Mesh::MT_TwoSidedTanh, 2, 1);
	std::vector<double> w;
	unsigned int count = MIN_LAYER_ELEMENTS;
	grid.normalizedWidths(count, w);
	// by symmetry the last element is as wide as the first
	while (w[0] * d > MAX_FACE_ELEMENT_WIDTH && count < MAX_LAYER_ELEMENTS) {
		++count;
		grid.normalizedWidths(count, w);
	}
	return count;
}


void ConstructionMesh::generate(const ConstructionType & ct, const std::map<unsigned int, Material> & materials) {
	const char * const FUNC_ID = "[ConstructionSolver::mesh]";
	clear();

	if (ct.m_d.empty())
		throw BVX::Exception(QCoreApplication::translate("ConstructionSolver",
			"Construction type with Id '%1' has no layers.").arg(ct.m_id).toStdString(), FUNC_ID);
	if (ct.m_d.size() != ct.m_materialIds.size())
		throw BVX::Exception(QCoreApplication::translate("ConstructionSolver",
			"Construction type with Id '%1' has %2 layer thicknesses but %3 layer materials.")
			.arg(ct.m_id).arg(ct.m_d.size()).arg(ct.m_materialIds.size()).toStdString(), FUNC_ID);

	// check all layers first, so that a failure leaves the mesh empty
	std::vector<const Material *> layerMaterials(ct.m_d.size());
	for (unsigned int k = 0; k < ct.m_d.size(); ++k) {
		const double d = ct.m_d[k];
		// a zero or negative layer would give zero-width elements and divisions by zero
		if (!(d > 0))
			throw BVX::Exception(QCoreApplication::translate("ConstructionSolver",
				"Layer #%1 has a width of %2 m, but layer widths must be greater than 0.")
				.arg(k + 1).arg(d, 0, 'g').toStdString(), FUNC_ID);
		std::map<unsigned int, Material>::const_iterator mat = materials.find(ct.m_materialIds[k]);
		if (mat == materials.end())
			throw BVX::Exception(QCoreApplication::translate("ConstructionSolver",
				"Material with Id '%1' not defined.").arg(ct.m_materialIds[k]).toStdString(), FUNC_ID);
		layerMaterials[k] = &mat->second;
	}

	const Mesh grid(Mesh::MT_TwoSidedTanh, 2, 1);
	std::vector<double> widths, centres;
	double position = 0;
	double minDx = 1000;
	for (unsigned int k = 0; k < ct.m_d.size(); ++k) {
		const double d = ct.m_d[k];
		if (d > 1 || d < 0.001)
			BVX::BVX_Message(BVX::FormatText("Layer #%1 has a width of %2 m, which may be an input error.")
							 .arg(k + 1).arg(d, 0, 'g'), BVX::MSG_WARNING, FUNC_ID, -1);

		const unsigned int count = layerElementCount(d);
		grid.generate(count, position, position + d, widths, centres);
		for (unsigned int j = 0; j < count; ++j) {
			Element e;
			e.m_index = m_n + j;
			e.m_width = widths[j];
			e.m_centre = centres[j];
			e.m_material = layerMaterials[k];
			m_elements.push_back(e);
		}
		m_n += count;
		position += d;
		minDx = std::min(minDx, widths[0]);
	}

	m_totalThickness = position;
	m_minDx = minDx;
	// every layer has at least 3 elements, so n >= 3 here
	m_outsideFactor = m_elements[0].m_width / (m_elements[0].m_width + m_elements[1].m_width);
	m_insideFactor = m_elements[m_n - 1].m_width / (m_elements[m_n - 2].m_width + m_elements[m_n - 1].m_width);

	BVX::BVX_Message(BVX::FormatText("  Min DX = %1 m\n").arg(m_minDx, 0, 'g'), BVX::MSG_PROGRESS, FUNC_ID, 3);
}


void ConstructionMesh::clear() {
	m_n = 0;
	m_totalThickness = 0;
	m_minDx = 1000;
	m_outsideFactor = 0;
	m_insideFactor = 0;
	m_elements.clear();
}

} // namespace RM
