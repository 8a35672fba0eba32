#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include <BVX_Exception.h>

#include <RM_ConstructionMesh.h>
#include <RM_ConstructionType.h>
#include <RM_Material.h>

#include "RM_TestSupport.h"

using RMTest::MessageCapture;

namespace {

/*! First width of the symmetric two-sided grid of m elements (stretch 2), by hand. */
double firstWidth(double d, unsigned int m) {
	return d * 0.5 * (1 - std::tanh(1 - 2.0 / m) / std::tanh(1.0));
}

RM::ConstructionType construction(unsigned int id, const std::vector<double> & d, const std::vector<unsigned int> & mats) {
	RM::ConstructionType ct;
	ct.m_id = id;
	ct.m_d = d;
	ct.m_materialIds = mats;
	return ct;
}

std::map<unsigned int, RM::Material> materials() {
	std::map<unsigned int, RM::Material> m;
	m[1].m_id = 1;
	m[1].m_lambda = 0.04;
	m[2].m_id = 2;
	m[2].m_lambda = 2.1;
	return m;
}

std::string exceptionText(const RM::ConstructionType & ct, const std::map<unsigned int, RM::Material> & mats,
						  RM::ConstructionMesh & mesh)
{
	try {
		mesh.generate(ct, mats);
	}
	catch (BVX::Exception & ex) {
		std::string text;
		for (const BVX::Exception::MsgInfo & m : ex.messages())
			text += m.m_functionID + " " + m.m_what + "\n";
		return text;
	}
	return std::string();
}

} // namespace


TEST(RM_ConstructionMesh, ElementCountAndFirstWidthPerLayerThickness) {
	struct Case { double mm; unsigned int n; } cases[] = {
		{ 1, 3 }, { 5, 3 }, { 7.6, 3 }, { 10, 4 }, { 20, 7 }, { 50, 14 },
		{ 100, 27 }, { 200, 52 }, { 300, 77 }, { 400, 101 }, { 500, 101 }
	};
	const std::map<unsigned int, RM::Material> mats = materials();
	MessageCapture capture;
	for (const Case & c : cases) {
		const double d = c.mm * 1e-3;
		RM::ConstructionMesh mesh;
		mesh.generate(construction(5, { d }, { 1 }), mats);
		ASSERT_EQ(c.n, mesh.m_n) << c.mm << " mm";
		ASSERT_EQ(c.n, mesh.m_elements.size()) << c.mm << " mm";
		EXPECT_EQ(c.n, RM::ConstructionMesh::layerElementCount(d)) << c.mm << " mm";

		const double w0 = firstWidth(d, c.n);
		EXPECT_NEAR(w0, mesh.m_elements.front().m_width, 1e-12) << c.mm << " mm";
		EXPECT_NEAR(w0, mesh.m_elements.back().m_width, 1e-12) << c.mm << " mm";
		EXPECT_NEAR(w0, mesh.m_minDx, 1e-12) << c.mm << " mm";
		// the count is the first one whose face elements are at most 2.2 mm, capped at 101
		if (c.n < 101) {
			EXPECT_LE(w0, 0.0022) << c.mm << " mm";
		}
		if (c.n > 3) {
			EXPECT_GT(firstWidth(d, c.n - 1), 0.0022) << c.mm << " mm";
		}
	}
}

TEST(RM_ConstructionMesh, HalfMetreLayerStaysCoarseAtTheCap) {
	RM::ConstructionMesh mesh;
	mesh.generate(construction(5, { 0.5 }, { 2 }), materials());
	EXPECT_EQ(101u, mesh.m_n);
	EXPECT_NEAR(0.00277, mesh.m_elements[0].m_width, 1e-5);
	EXPECT_GT(mesh.m_elements[0].m_width, 0.0022);
}

TEST(RM_ConstructionMesh, TwoLayersRunOnAcrossTheInterface) {
	const std::map<unsigned int, RM::Material> mats = materials();
	RM::ConstructionMesh mesh;
	mesh.generate(construction(5, { 0.1, 0.01 }, { 2, 1 }), mats);
	ASSERT_EQ(27u + 4u, mesh.m_n);
	EXPECT_DOUBLE_EQ(0.11, mesh.m_totalThickness);

	double layerSum[2] = { 0, 0 };
	double face = 0;
	for (unsigned int i = 0; i < mesh.m_n; ++i) {
		const RM::ConstructionMesh::Element & e = mesh.m_elements[i];
		EXPECT_EQ(i, e.m_index);
		const unsigned int layer = i < 27 ? 0 : 1;
		EXPECT_EQ(&mats.at(layer == 0 ? 2 : 1), e.m_material) << i;
		layerSum[layer] += e.m_width;
		// centres measured from the outside surface, elements touching each other
		EXPECT_NEAR(face + 0.5 * e.m_width, e.m_centre, 1e-14) << i;
		face += e.m_width;
	}
	EXPECT_NEAR(0.1, layerSum[0], 1e-14);
	EXPECT_NEAR(0.01, layerSum[1], 1e-14);
	EXPECT_NEAR(0.11, face, 1e-14);

	// the smallest first width is the thin layer's
	EXPECT_NEAR(firstWidth(0.01, 4), mesh.m_minDx, 1e-14);
	const std::vector<RM::ConstructionMesh::Element> & el = mesh.m_elements;
	EXPECT_DOUBLE_EQ(el[0].m_width / (el[0].m_width + el[1].m_width), mesh.m_outsideFactor);
	EXPECT_DOUBLE_EQ(el[30].m_width / (el[29].m_width + el[30].m_width), mesh.m_insideFactor);
	EXPECT_GT(mesh.m_outsideFactor, 0);
	EXPECT_LT(mesh.m_outsideFactor, 0.5);
}

TEST(RM_ConstructionMesh, ImplausibleThicknessOnlyWarns) {
	for (double d : { 1.5, 0.0005 }) {
		MessageCapture capture;
		RM::ConstructionMesh mesh;
		mesh.generate(construction(5, { d, 0.2 }, { 1, 2 }), materials());
		EXPECT_EQ(1u, capture.count(BVX::MSG_WARNING, "Layer #1 has a width of ")) << d;
		EXPECT_EQ(1u, capture.count(BVX::MSG_WARNING, "m, which may be an input error.")) << d;
		EXPECT_EQ(0u, capture.count(BVX::MSG_WARNING, "Layer #2")) << d;
		EXPECT_EQ(1u, capture.count(BVX::MSG_PROGRESS, "  Min DX = ")) << d;
		EXPECT_GT(mesh.m_n, 6u) << d;
	}
}

TEST(RM_ConstructionMesh, RefusesUnusableConstructionTypes) {
	struct Case {
		const char * what;
		RM::ConstructionType ct;
		const char * message;
	} cases[] = {
		{ "no layers", construction(42, {}, {}), "Construction type with Id '42' has no layers." },
		{ "zero thickness", construction(5, { 0.1, 0 }, { 1, 2 }), "Layer #2 has a width of 0 m" },
		{ "negative thickness", construction(5, { -0.01 }, { 1 }), "Layer #1 has a width of -0.01 m" },
		{ "NaN thickness", construction(5, { std::nan("") }, { 1 }), "Layer #1 has a width of" },
		{ "unknown material", construction(5, { 0.1, 0.2 }, { 1, 7 }), "Material with Id '7' not defined." },
		{ "layer lists differ", construction(5, { 0.1, 0.2 }, { 1 }), "has 2 layer thicknesses but 1 layer materials" }
	};
	const std::map<unsigned int, RM::Material> mats = materials();
	for (const Case & c : cases) {
		RM::ConstructionMesh mesh;
		mesh.generate(construction(5, { 0.1 }, { 1 }), mats);
		const std::string text = exceptionText(c.ct, mats, mesh);
		EXPECT_NE(std::string::npos, text.find(c.message)) << c.what << ": " << text;
		EXPECT_NE(std::string::npos, text.find("[ConstructionSolver::mesh]")) << c.what;
		// a failed mesh leaves nothing of the previous one behind
		EXPECT_EQ(0u, mesh.m_n) << c.what;
		EXPECT_TRUE(mesh.m_elements.empty()) << c.what;
	}
}
