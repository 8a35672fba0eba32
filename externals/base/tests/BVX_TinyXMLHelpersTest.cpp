#include <gtest/gtest.h>

#include <tinyxml.h>

#include "BVX_TinyXMLHelpers.h"

TEST(TinyXMLHelpers, AppendSingleAttributeElement) {
	TiXmlElement root("Root");
	root.LinkEndChild(new TiXmlElement("First"));
	TiXmlElement * e = BVX::appendSingleAttributeElement(&root, "Value", "unit", "W/m2", "12.5");
	ASSERT_NE(e, nullptr);
	EXPECT_EQ(root.LastChild(), e);
	EXPECT_STREQ(e->Value(), "Value");
	EXPECT_STREQ(e->Attribute("unit"), "W/m2");
	EXPECT_STREQ(e->GetText(), "12.5");

	// no attribute name, no text: a bare element
	TiXmlElement * bare = BVX::appendSingleAttributeElement(&root, "Empty", nullptr, "ignored", "");
	EXPECT_EQ(bare->FirstAttribute(), nullptr);
	EXPECT_EQ(bare->FirstChild(), nullptr);
	EXPECT_EQ(root.LastChild(), bare);

	TiXmlPrinter printer;
	printer.SetStreamPrinting();
	root.Accept(&printer);
	EXPECT_EQ(std::string(printer.CStr()),
			  "<Root><First /><Value unit=\"W/m2\">12.5</Value><Empty /></Root>");

	EXPECT_EQ(BVX::appendSingleAttributeElement(nullptr, "X", nullptr, "", "text"), nullptr);
}

TEST(TinyXMLHelpers, FindAttribute) {
	TiXmlElement e("E");
	e.SetAttribute("name", "a");
	e.SetAttribute("Name", "b");
	e.SetAttribute("id", "7");
	const TiXmlAttribute * a = BVX::findAttribute(&e, "Name");
	ASSERT_NE(a, nullptr);
	EXPECT_STREQ(a->Value(), "b");	// exact, case-sensitive match
	ASSERT_NE(BVX::findAttribute(&e, "id"), nullptr);
	EXPECT_EQ(BVX::findAttribute(&e, "i"), nullptr);
	EXPECT_EQ(BVX::findAttribute(&e, "ids"), nullptr);
	EXPECT_EQ(BVX::findAttribute(nullptr, "id"), nullptr);
	TiXmlElement empty("Empty");
	EXPECT_EQ(BVX::findAttribute(&empty, "id"), nullptr);
}
