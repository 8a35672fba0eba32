#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "BVX_Exception.h"
#include "BVX_MessageHandler.h"
#include "BVX_Unit.h"
#include "BVX_UnitVector.h"

using namespace BVX;

namespace {

/*! Keeps error messages of the code under test off the console. */
class SilentHandler : public MessageHandler {
public:
	void msg(const std::string & text, int, const char *, int) override { m_last = text; }
	std::string m_last;
};

} // namespace


TEST(UnitVector, ConvertOffsetAndFactorUnits) {
	UnitVector v("T", Unit("C"), {0, 100});
	v.convert(Unit("K"));
	EXPECT_EQ(Unit("K"), v.m_unit);
	ASSERT_EQ(2u, v.m_values.size());
	EXPECT_DOUBLE_EQ(273.15, v.m_values[0]);
	EXPECT_DOUBLE_EQ(373.15, v.m_values[1]);
	v.convert(Unit("K"));	// same unit: unchanged
	EXPECT_DOUBLE_EQ(273.15, v.m_values[0]);

	UnitVector t("time", Unit("h"), {1, 2.5});
	t.convert(Unit("min"));
	EXPECT_DOUBLE_EQ(60, t.m_values[0]);
	EXPECT_DOUBLE_EQ(150, t.m_values[1]);
	EXPECT_EQ("min", t.m_unit.name());
}


TEST(UnitVector, IncompatibleUnitThrowsBeforeChange) {
	UnitVector v("T", Unit("C"), {20});
	EXPECT_THROW(v.convert(Unit("min")), Exception);
	EXPECT_EQ(Unit("C"), v.m_unit);
	EXPECT_EQ(20, v.m_values[0]);
}


TEST(UnitVector, SpecialUnitsWithLogFloor) {
	struct Case { const char * from; const char * to; double value; double expected; };
	const Case cases[] = {
		{"log(g/m3)", "g/m3", -60, 1e-47},		// floor 1e-50 kg/m3
		{"kg/m3", "log(kg/m3)", 0, -50},		// no error for zero
		{"kg/m3", "log(g/m3)", -1, -50},
		{"g/m3", "log(mg/m3)", 1, 3},
		{"log(mg/m3)", "log(kg/m3)", -3, -9},
		{"h", "sqrt(h)", 4, 2},
		{"sqrt(s)", "min", 60, 60},
		{"sqrt(h)", "sqrt(s)", 1, 60}
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
		UnitVector v("x", Unit(c.from), {c.value});
		v.convert(Unit(c.to));
		EXPECT_NEAR(c.expected, v.m_values[0], 1e-12*std::fabs(c.expected));
		EXPECT_EQ(c.to, v.m_unit.name());
	}
}


TEST(UnitVector, SquareRootOfNegativeThrows) {
	UnitVector v("x", Unit("s"), {-1});
	try {
		v.convert(Unit("sqrt(s)"));
		FAIL();
	}
	catch (Exception & ex) {
		EXPECT_STREQ("Conversion error (square-root of negative number)!", ex.what());
		EXPECT_EQ("[UnitVector::convert_special]", ex.messages().back().m_functionID);
	}
}


TEST(UnitVector, WriteTakesValuesAsBaseUnitValues) {
	UnitVector m("d", Unit("m"), {0.1, 0.25});
	EXPECT_EQ("0.1 0.25 m", m.toString(true));
	EXPECT_EQ("0.1 0.25 ", m.toString(false));

	std::ostringstream strm;
	m.write(strm, 3, true);
	EXPECT_EQ("   0.1 0.25 m", strm.str());

	// stored values are base-unit values: 0.1 m written in mm
	UnitVector mm("d", Unit("mm"), {0.1});
	EXPECT_EQ("100 mm", mm.toString(true));
	UnitVector c("T", Unit("C"), {293.15});
	EXPECT_EQ("20 ", c.toString(false));

	std::string text;
	UnitVector empty("e", Unit("s"));
	empty.toString(text, true);
	EXPECT_EQ("s", text);
}


TEST(UnitVector, WriteFailureIsReportedAndRethrown) {
	SilentHandler handler;
	MessageHandlerRegistry::instance().setMessageHandler(&handler);
	UnitVector v("x", Unit("sqrt(s)"), {-4});	// base value -4 s has no square root
	std::ostringstream strm;
	try {
		v.write(strm, 0, true);
		ADD_FAILURE() << "no exception";
	}
	catch (Exception & ex) {
		EXPECT_STREQ("Error writing unit vector!", ex.what());
		EXPECT_EQ("[UnitVector::write]", ex.messages().back().m_functionID);
	}
	MessageHandlerRegistry::instance().setMessageHandler(nullptr);
	EXPECT_EQ("Conversion error (square-root of negative number)!", handler.m_last);
}
