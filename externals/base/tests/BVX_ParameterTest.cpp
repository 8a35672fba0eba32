#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include <tinyxml.h>

#include "BVX_Exception.h"
#include "BVX_Parameter.h"
#include "BVX_Unit.h"

using namespace BVX;

namespace {

/*! Parses one XML element from text; the document owns it. */
const TiXmlElement * parseElement(TiXmlDocument & doc, const char * xml) {
	doc.Parse(xml);
	EXPECT_FALSE(doc.Error()) << doc.ErrorDesc();
	return doc.RootElement();
}

} // namespace


TEST(Parameter, ValueHeldInBaseUnit) {
	Parameter w("width", 0.1, Unit("m"));
	EXPECT_EQ("width", w.m_name);
	EXPECT_DOUBLE_EQ(0.1, w.m_value);

	Parameter mm("width", 100, Unit("mm"));
	EXPECT_DOUBLE_EQ(0.1, mm.m_value);
	EXPECT_EQ("mm", mm.m_ioUnit.name());
	EXPECT_DOUBLE_EQ(100, mm.get_value());
	EXPECT_DOUBLE_EQ(10, mm.get_value(Unit("cm")));

	Parameter t("T", 20, Unit("C"));
	EXPECT_DOUBLE_EQ(293.15, t.m_value);
	EXPECT_DOUBLE_EQ(20, t.get_value());

	Parameter s("tau", 2, Unit("sqrt(h)"));
	EXPECT_DOUBLE_EQ(14400, s.m_value);
	EXPECT_DOUBLE_EQ(2, s.get_value());

	Parameter none("n", 7.5, Unit());
	EXPECT_EQ(7.5, none.m_value);
	EXPECT_EQ(7.5, none.get_value());
}


TEST(Parameter, SetAndErrorsKeepState) {
	Parameter p("width", 0.1, Unit("m"));
	p.set("depth", 5, Unit("cm"));
	EXPECT_EQ("depth", p.m_name);
	EXPECT_DOUBLE_EQ(0.05, p.m_value);

	EXPECT_THROW(p.set("rho", 60, Unit("log(kg/m3)")), Exception);	// 1e60 is out of range
	EXPECT_THROW(p.get_value(Unit("C")), Exception);
	EXPECT_EQ("depth", p.m_name);
	EXPECT_DOUBLE_EQ(0.05, p.m_value);
	EXPECT_EQ(Unit("cm"), p.m_ioUnit);

	EXPECT_THROW(Parameter("t", -5, Unit("s")).get_value(Unit("sqrt(s)")), Exception);
}


TEST(Parameter, XMLRoundTrip) {
	TiXmlElement root("Layers");
	const Parameter params[] = {
		Parameter("width", 120, Unit("mm")),
		Parameter("T", 21.3, Unit("C")),
		Parameter("lambda", 0.123456789012, Unit("W/mK")),
		Parameter("n", 3, Unit())
	};
	for (const Parameter & p : params)
		p.writeXML(&root);

	const TiXmlElement * e = root.FirstChildElement();
	ASSERT_NE(nullptr, e);
	EXPECT_EQ("BVX:Parameter", e->ValueStr());
	EXPECT_STREQ("width", e->Attribute("name"));
	EXPECT_STREQ("mm", e->Attribute("unit"));
	EXPECT_STREQ("120", e->GetText());

	for (const Parameter & p : params) {
		ASSERT_NE(nullptr, e);
		Parameter read;
		read.readXML(e);
		EXPECT_EQ(p.m_name, read.m_name);
		EXPECT_EQ(p.m_ioUnit, read.m_ioUnit);
		EXPECT_EQ(p.m_value, read.m_value) << p.m_name;	// written without loss of precision
		e = e->NextSiblingElement();
	}
	EXPECT_EQ(nullptr, e);
}


TEST(Parameter, ReadXMLErrorsKeepState) {
	struct Case { const char * xml; const char * firstMessage; };
	const Case cases[] = {
		{"<P unit=\"m\">1</P>", "Missing 'name' attribute in element 'P'."},
		{"<P name=\"w\" unit=\"furlong\">1</P>", "Unit 'furlong' not found."},
		{"<P name=\"w\" unit=\"m\">abc</P>", "Could not convert 'abc' into value."},
		{"<P name=\"w\" unit=\"m\"></P>", "Could not convert '' into value."}
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.xml);
		TiXmlDocument doc;
		const TiXmlElement * e = parseElement(doc, c.xml);
		Parameter p("old", 1, Unit("cm"));
		try {
			p.readXML(e);
			ADD_FAILURE() << "no exception";
		}
		catch (Exception & ex) {
			EXPECT_EQ(c.firstMessage, ex.messages().front().m_what);
			EXPECT_EQ("[Parameter::readXML]", ex.messages().back().m_functionID);
		}
		EXPECT_EQ("old", p.m_name);
		EXPECT_DOUBLE_EQ(0.01, p.m_value);
	}

	TiXmlDocument doc;
	Parameter p;
	p.readXML(parseElement(doc, "<P name=\"w\">2.5</P>"));	// no unit attribute: value without unit
	EXPECT_EQ(0u, p.m_ioUnit.id());
	EXPECT_EQ(2.5, p.m_value);
}
