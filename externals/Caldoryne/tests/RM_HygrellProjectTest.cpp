// Hygrell project file writer: element order, materials, discretisation and assignments.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <BVX_Exception.h>

#include <RM_HygrellProject.h>

#include "RM_TestSupport.h"
#include "RM_XmlTree.h"

namespace {

RM::HygrellProject::Layer layer(double width, const std::string & name, const std::string & file) {
	RM::HygrellProject::Layer l;
	l.m_width.set("width", width, BVX::Unit("m"));
	l.m_materialReference.m_name = name;
	l.m_materialReference.m_filePath = file;
	return l;
}

class HygrellProjectTest : public ::testing::Test {
protected:
	/*! Writes the project and reads it back. */
	RMTest::XmlNode written(const RM::HygrellProject & project) {
		const QString file = m_dir.path() + "/p.h6p";
		project.writeXML(file.toStdString());
		RMTest::XmlNode root;
		QString error;
		EXPECT_TRUE(RMTest::readXmlTree(file, root, error)) << error.toStdString();
		return root;
	}

	static std::vector<QString> names(const RMTest::XmlNode & node) {
		std::vector<QString> res;
		for (const RMTest::XmlNode & c : node.m_children)
			res.push_back(c.m_name);
		return res;
	}

	QTemporaryDir	m_dir;
};


TEST_F(HygrellProjectTest, TwoLayersWriteAllSectionsInOrder) {
	RM::HygrellProject p;
	p.m_comment = "Generated from Caldoryne.";
	p.setDisplayName("en:Wall & more|de:Wand");
	p.m_placeholders["materials"] = BVX::Path("/data/mat");
	p.m_placeholders["climate"] = BVX::Path("/data/clim");
	p.m_layers.push_back(layer(0.2, "Plaster", "${Materials}/Plaster_3.m6"));
	p.m_layers.push_back(layer(0.1, "Brick", "${Materials}/Brick_1.m6"));
	const RMTest::XmlNode root = written(p);

	EXPECT_EQ(root.m_name, "HygrellProject");
	EXPECT_EQ(root.attribute("fileVersion"), "6.2.0");
	EXPECT_EQ(names(root), (std::vector<QString>{ "ProjectInfo", "DirectoryPlaceholders", "Materials",
												   "Discretization", "Assignments" }));
	EXPECT_EQ(root.child("ProjectInfo").child("Comment").m_text, "Generated from Caldoryne.");
	EXPECT_EQ(root.child("ProjectInfo").child("DisplayName").m_text, "en:Wall & more|de:Wand");

	const std::vector<const RMTest::XmlNode *> placeholders = root.child("DirectoryPlaceholders").children("Placeholder");
	ASSERT_EQ(placeholders.size(), 2u);
	EXPECT_EQ(placeholders[0]->attribute("name"), "climate");
	EXPECT_EQ(placeholders[1]->attribute("name"), "materials");
	EXPECT_EQ(placeholders[1]->m_text, "/data/mat");

	// ascending by name, colour of the constructor's components, no hatch code
	const std::vector<const RMTest::XmlNode *> refs = root.child("Materials").children("MaterialReference");
	ASSERT_EQ(refs.size(), 2u);
	EXPECT_EQ(refs[0]->attribute("name"), "Brick");
	EXPECT_EQ(refs[0]->m_text, "${Materials}/Brick_1.m6");
	EXPECT_EQ(refs[0]->attribute("color"), "#1010101");
	EXPECT_FALSE(refs[0]->m_attributes.hasAttribute("hatchCode"));
	EXPECT_EQ(refs[1]->attribute("name"), "Plaster");

	const RMTest::XmlNode & disc = root.child("Discretization");
	EXPECT_EQ(disc.attribute("geometryType"), "2D");
	EXPECT_EQ(disc.child("XSteps").attribute("unit"), "m");
	EXPECT_EQ(disc.child("XSteps").m_text, "0.2 0.1");

	const std::vector<const RMTest::XmlNode *> assignments = root.child("Assignments").children("Assignment");
	ASSERT_EQ(assignments.size(), 2u);
	EXPECT_EQ(assignments[0]->attribute("type"), "Material");
	EXPECT_EQ(assignments[0]->attribute("location"), "Element");
	EXPECT_EQ(assignments[0]->child("Reference").m_text, "Plaster");
	EXPECT_EQ(assignments[0]->child("Range").m_text, "0 0 0 0");
	EXPECT_EQ(assignments[1]->child("Reference").m_text, "Brick");
	EXPECT_EQ(assignments[1]->child("Range").m_text, "1 0 1 0");
}


TEST_F(HygrellProjectTest, EmptyPartsAreLeftOut) {
	// no layers, no comment, no display name: the root alone
	EXPECT_TRUE(written(RM::HygrellProject()).m_children.empty());

	// repeated material, empty name, empty file path
	RM::HygrellProject p;
	p.m_comment = "c";
	p.m_layers.push_back(layer(0.1, "Brick", "b.m6"));
	p.m_layers.push_back(layer(0.1, "", "nameless.m6"));
	p.m_layers.push_back(layer(0.1, "Brick", "other.m6"));
	p.m_layers.push_back(layer(0.1, "Pathless", ""));
	p.m_layers[0].m_materialReference.m_color = BVX::Color(0, 0, 0, 0);
	p.m_layers[0].m_materialReference.m_hatchCode = 7;
	const RMTest::XmlNode root = written(p);
	EXPECT_TRUE(root.child("ProjectInfo").children("DisplayName").empty());
	const std::vector<const RMTest::XmlNode *> refs = root.child("Materials").children("MaterialReference");
	ASSERT_EQ(refs.size(), 1u);
	EXPECT_EQ(refs[0]->m_text, "b.m6");
	EXPECT_FALSE(refs[0]->m_attributes.hasAttribute("color"));
	EXPECT_EQ(refs[0]->attribute("hatchCode"), "7");
	const std::vector<const RMTest::XmlNode *> assignments = root.child("Assignments").children("Assignment");
	ASSERT_EQ(assignments.size(), 4u);
	EXPECT_EQ(assignments[1]->child("Reference").m_text, "");
	EXPECT_EQ(assignments[2]->child("Reference").m_text, "Brick");
}


TEST_F(HygrellProjectTest, UnwritableFileThrows) {
	RM::HygrellProject p;
	const std::string file = (m_dir.path() + "/missing/p.h6p").toStdString();
	try {
		p.writeXML(file);
		FAIL() << "no exception";
	}
	catch (BVX::Exception & ex) {
		EXPECT_EQ(std::string(ex.what()), "Cannot write file '" + file + "'.");
	}
}

} // namespace
