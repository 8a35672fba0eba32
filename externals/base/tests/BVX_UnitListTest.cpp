#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "BVX_Exception.h"
#include "BVX_FormatText.h"
#include "BVX_MessageHandler.h"
#include "BVX_Unit.h"
#include "BVX_UnitList.h"

using namespace BVX;

namespace {

/*! Runs f and returns the message of the BVX::Exception it throws (fails if none). */
template <typename F>
std::string thrownMessage(F f) {
	try {
		f();
	}
	catch (Exception & ex) {
		return ex.what();
	}
	ADD_FAILURE() << "no BVX::Exception thrown";
	return std::string();
}

double converted(double value, const char * from, const char * to) {
	UnitList::instance().convert(Unit(from), Unit(to), value);
	return value;
}

/*! Records the messages sent to it. */
class RecordingHandler : public MessageHandler {
public:
	void msg(const std::string & text, int t, const char * functionID, int verbose_level) override {
		m_texts.push_back(text);
		m_types.push_back(t);
		m_functionIDs.push_back(functionID);
		m_levels.push_back(verbose_level);
	}
	std::vector<std::string>	m_texts;
	std::vector<int>			m_types;
	std::vector<std::string>	m_functionIDs;
	std::vector<int>			m_levels;
};

/*! Makes a recording handler current while it lives. */
class ScopedRecorder {
public:
	ScopedRecorder() { MessageHandlerRegistry::instance().setMessageHandler(&m_handler); }
	~ScopedRecorder() { MessageHandlerRegistry::instance().setMessageHandler(nullptr); }
	RecordingHandler m_handler;
};

} // namespace


// Unit indices are stored in files: the table order is an interface.
TEST(UnitTable, IndicesAndNamesArePinned) {
	struct Entry { unsigned int index; const char * name; const char * base; };
	const Entry entries[] = {
		{0, "undefined", "undefined"},
		{1, "m", "m"},
		{2, "mm", "m"},
		{13, "s", "s"},
		{18, "sqrt(s)", "s"},
		{19, "sqrt(h)", "s"},
		{20, "ms", "s"},
		{36, "s2/m2", "s2/m2"},
		{47, "\xC2\xB5g/s", "kg/s"},
		{68, "log(kg/m3)", "kg/m3"},
		{71, "log(\xC2\xB5g/m3)", "kg/m3"},
		{91, "kWh", "J"},
		{126, "W", "J/s"},
		{140, "W/m2", "J/m2s"},
		{170, "%", "---"},
		{171, "1", "---"},
		{175, "C", "K"},
		{191, "Deg", "Rad"},
		{215, "-", "-"},
		{226, "\xC2\xB5g/m3hK", "kg/m3sK"},
		{229, "1/h", "1/s"},
		{235, "W/cm2s", "W/m2s"},
		{238, "kW/Person", "W/Person"},
		{242, "m2/m3", "m2/m3"}
	};
	const UnitList & ul = UnitList::instance();
	EXPECT_EQ(243u, ul.size());
	for (const Entry & e : entries) {
		SCOPED_TRACE(e.name);
		Unit byName(e.name);
		EXPECT_EQ(e.index, byName.id());
		EXPECT_EQ(e.name, Unit(e.index).name());
		EXPECT_EQ(e.base, Unit(byName.base_id()).name());
		EXPECT_EQ(e.index, ul.retrieve(e.index)->m_index);
	}
	EXPECT_EQ(nullptr, ul.retrieve(std::string("MM")));	// names are case-sensitive
}


TEST(UnitTable, FactorsAndOperationsAsDefined) {
	const UnitList & ul = UnitList::instance();
	struct Entry { const char * name; double factor; int op; };
	const Entry entries[] = {
		{"m", 1, UnitData::OP_NONE},
		{"min", 60, UnitData::OP_DIV},
		{"g/a", 31536e6, UnitData::OP_MUL},
		{"C", 273.15, UnitData::OP_SUB},
		{"sqrt(h)", 0, UnitData::OP_SPECIAL},
		{"W/m2h", 3600, UnitData::OP_MUL},
		{"MW/m2s", 1e6, UnitData::OP_DIV}
	};
	for (const Entry & e : entries) {
		SCOPED_TRACE(e.name);
		const UnitData * u = ul.retrieve(std::string(e.name));
		ASSERT_NE(nullptr, u);
		EXPECT_DOUBLE_EQ(e.factor, u->m_factor);
		EXPECT_EQ(e.op, u->m_operation);
	}
}


TEST(UnitTable, IndexAndNameErrors) {
	EXPECT_EQ("Unit index 243 out of range 0..242.", thrownMessage([](){ Unit u(243u); }));
	EXPECT_EQ("Unit 'furlong' not found.", thrownMessage([](){ Unit u("furlong"); }));
	EXPECT_EQ("[UnitList::retrieve]  Unit index 500 out of range 0..242!",
			  thrownMessage([](){ UnitList::instance().retrieve(500u); }));

	Unit u("mm");
	try {
		u.set(300u);
		FAIL();
	}
	catch (Exception & ex) {
		EXPECT_EQ("[Unit::set]", ex.messages().back().m_functionID);
	}
	EXPECT_EQ(2u, u.id());	// unchanged after failure
	u.set("C");
	EXPECT_EQ(175u, u.id());
	EXPECT_EQ(Unit(175u), u);
	EXPECT_EQ(0u, Unit().id());
}


TEST(UnitConversion, FactorAndOffsetUnits) {
	struct Case { double value; const char * from; const char * to; double expected; };
	const Case cases[] = {
		{20, "C", "K", 293.15},
		{293.15, "K", "C", 20},
		{20, "C", "C", 20},
		{1, "h", "min", 60},
		{90, "min", "h", 1.5},
		{5, "mm", "cm", 0.5},
		{2, "m", "mm", 2000},
		{1, "kWh", "J", 3.6e6},
		{3.6e6, "J", "kWh", 1},
		{1, "kWh/m2", "MJ/m2", 3.6},
		{2, "W", "J/h", 7200},
		{150, "W/m2", "kW/m2", 0.15},
		{1, "d", "s", 86400},
		{50, "%", "1", 0.5},
		{1, "Bar", "kPa", 100},
		{3, "1/h", "1/s", 3.0/3600}
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
		EXPECT_NEAR(c.expected, converted(c.value, c.from, c.to), 1e-12*std::fabs(c.expected) + 1e-14);
	}
}


TEST(UnitConversion, RelateReturnsOffsetOrFactor) {
	double factor;
	unsigned int op;
	Unit("C").relate_to(Unit("K"), factor, op);
	EXPECT_EQ(unsigned(UnitData::OP_ADD), op);
	EXPECT_DOUBLE_EQ(273.15, factor);
	Unit("K").relate_to(Unit("C"), factor, op);
	EXPECT_EQ(unsigned(UnitData::OP_ADD), op);
	EXPECT_DOUBLE_EQ(-273.15, factor);
	Unit("mm").relate_to(Unit("cm"), factor, op);
	EXPECT_EQ(unsigned(UnitData::OP_MUL), op);
	EXPECT_DOUBLE_EQ(0.1, factor);
	Unit("C").relate_to(Unit("C"), factor, op);
	EXPECT_EQ(unsigned(UnitData::OP_MUL), op);
	EXPECT_EQ(1, factor);
	Unit("s").relate_to(Unit("sqrt(h)"), factor, op);
	EXPECT_EQ(unsigned(UnitData::OP_SPECIAL), op);
	EXPECT_EQ(1, factor);
}


// Offset and factor relations using a small custom table.
TEST(UnitConversion, OffsetRelationsBetweenNonBaseUnits) {
	ScopedRecorder recorder;
	UnitList ul;
	ul.read("K + 10 Kp10 - 5 Km5 * 2 K2; x / 0 bad % 0 special");
	// "bad" has factor 0 and is skipped: "special" takes index 5
	ASSERT_EQ(6u, ul.size());
	EXPECT_EQ("special", ul.retrieve(5u)->m_name);
	EXPECT_EQ(4u, ul.retrieve(5u)->m_baseIndex);
	EXPECT_EQ(nullptr, ul.retrieve(std::string("bad")));

	double factor;
	unsigned int op;
	// Kp10 = K + 10, Km5 = K - 5: Kp10 -> Km5 subtracts 15
	ul.relate_units(ul.retrieve(1u), ul.retrieve(2u), factor, op);
	EXPECT_EQ(unsigned(UnitData::OP_ADD), op);
	EXPECT_DOUBLE_EQ(-15, factor);
	ul.relate_units(ul.retrieve(2u), ul.retrieve(1u), factor, op);
	EXPECT_DOUBLE_EQ(15, factor);
	EXPECT_EQ("* and / operations not allowed when using + and - operations! (tried to convert [Kp10] to [K2] )!",
			  thrownMessage([&](){ ul.relate_units(ul.retrieve(1u), ul.retrieve(3u), factor, op); }));
	EXPECT_EQ("+ and - operations not allowed when using * and / operations! (tried to convert [K2] to [Km5] )!",
			  thrownMessage([&](){ ul.relate_units(ul.retrieve(3u), ul.retrieve(2u), factor, op); }));
}


TEST(UnitConversion, ImpossibleRelationsThrowAndKeepValue) {
	double v = 20;
	try {
		UnitList::instance().convert(Unit("C"), Unit("min"), v);
		FAIL();
	}
	catch (Exception & ex) {
		EXPECT_STREQ("Can't relate unit [C] to [min]!", ex.what());
		EXPECT_EQ("[UnitList::relate_units]", ex.messages().back().m_functionID);
	}
	EXPECT_EQ(20, v);
}


TEST(UnitConversion, SpecialUnits) {
	struct Case { double value; const char * from; const char * to; double expected; };
	const Case cases[] = {
		{2, "sqrt(h)", "s", 14400},
		{2, "sqrt(h)", "h", 4},
		{14400, "s", "sqrt(h)", 2},
		{9, "s", "sqrt(s)", 3},
		{60, "sqrt(s)", "sqrt(h)", 1},		// 3600 s = 1 h
		{1, "min", "sqrt(s)", std::sqrt(60.0)},
		{-3, "log(mg/m3)", "log(kg/m3)", -9},
		{2, "log(g/m3)", "g/m3", 100},
		{1e-3, "kg/m3", "log(\xC2\xB5g/m3)", 6},
		{1, "log(kg/m3)", "g/m3", 10000}
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
		EXPECT_NEAR(c.expected, converted(c.value, c.from, c.to), 1e-12*std::fabs(c.expected));
	}
}


TEST(UnitConversion, SpecialUnitErrorsKeepValue) {
	double v = -1;
	EXPECT_EQ("Trying to take square root of negative number!",
			  thrownMessage([&](){ UnitList::instance().convert(Unit("s"), Unit("sqrt(s)"), v); }));
	EXPECT_EQ(-1, v);
	v = 0;
	EXPECT_EQ("Trying to take logarithm of zero or negative number!",
			  thrownMessage([&](){ UnitList::instance().convert(Unit("kg/m3"), Unit("log(g/m3)"), v); }));
	EXPECT_EQ(0, v);
	v = 60;
	EXPECT_EQ("Exponent too large in power function, exponent = 60",
			  thrownMessage([&](){ UnitList::instance().convert(Unit("log(kg/m3)"), Unit("kg/m3"), v); }));
	EXPECT_EQ(60, v);
	// special units never cross base unit groups
	EXPECT_EQ("Can't relate unit [m] to [sqrt(s)]!", thrownMessage([&](){
		const UnitList & ul = UnitList::instance();
		ul.convert_special(ul.retrieve(std::string("m")), ul.retrieve(std::string("sqrt(s)")), v);
	}));
}


TEST(UnitTableReader, DuplicatesInvalidEntriesAndIncompleteTriples) {
	{
		UnitList ul;
		EXPECT_EQ("Duplicate unit 'm' defined.", thrownMessage([&](){ ul.read("m * 100 cm; ;m"); }));
		UnitList ul2;
		EXPECT_EQ("Duplicate unit 'cm' defined.", thrownMessage([&](){ ul2.read("m * 100 cm / 3 cm"); }));
	}
	// empty groups take no index, an incomplete triple is ignored, unknown op characters give 0
	UnitList ul;
	ul.read(" ;\t; m\t*\t100 cm  * 1000; s x 5 t");
	ASSERT_EQ(4u, ul.size());
	EXPECT_EQ("cm", ul.retrieve(1u)->m_name);
	EXPECT_EQ(0u, ul.retrieve(1u)->m_baseIndex);
	EXPECT_EQ("s", ul.retrieve(2u)->m_name);
	EXPECT_EQ(2u, ul.retrieve(3u)->m_baseIndex);
	EXPECT_EQ(UnitData::OP_NONE, ul.retrieve(3u)->m_operation);

	// a factor of 0 for a non-special unit is reported as warning at verbosity 3
	UnitList ul3;
	ScopedRecorder recorder;
	ul3.read("m * 0 cm * 1000 mm");
	const RecordingHandler & handler = recorder.m_handler;
	ASSERT_EQ(1u, handler.m_texts.size());
	EXPECT_EQ("Invalid unit definition: factor = 0, but not a special unit conversion!", handler.m_texts[0]);
	EXPECT_EQ(MSG_WARNING, handler.m_types[0]);
	EXPECT_EQ("UnitList::read_default", handler.m_functionIDs[0]);
	EXPECT_EQ(3, handler.m_levels[0]);
	ASSERT_EQ(2u, ul3.size());
	EXPECT_EQ(1u, ul3.retrieve(std::string("mm"))->m_index);
}


TEST(UnitTableReader, DivisionByZeroFactor) {
	ScopedRecorder recorder;
	UnitList ul;
	ul.read("m / 0 x * 0 y % 0 z * 2 w");	// x and y are rejected when read
	ASSERT_EQ(3u, ul.size());
	// build entries with a zero factor directly to reach the guard
	UnitData zeroMul(10, "zm", 0, 0, UnitData::OP_MUL);
	UnitData zeroDiv(11, "zd", 0, 0, UnitData::OP_DIV);
	double factor;
	unsigned int op;
	EXPECT_EQ("Div by zero! (tried to convert [zm] to [m] )!",
			  thrownMessage([&](){ ul.relate_units(&zeroMul, ul.retrieve(0u), factor, op); }));
	EXPECT_EQ("Div by zero! (tried to convert [m] to [zd] )!",
			  thrownMessage([&](){ ul.relate_units(ul.retrieve(0u), &zeroDiv, factor, op); }));
}


TEST(IntegralUnits, SpaceAndTimeRules) {
	struct Case { const char * unit; bool space; bool time; const char * expected; };
	const Case cases[] = {
		{"W", false, true, "J"},
		{"W/m2", false, true, "J/m2"},
		{"kg/m2s", false, true, "kg/m2"},
		{"kg/ms", false, true, "kg/m"},
		{"kg/h", false, true, "kg"},
		{"kg/m3s", true, false, "kg/s"},
		{"kg/m3s", true, true, "kg"},
		{"W/m3", true, true, "J"},
		{"kg/ms", true, true, "kg"},
		{"kg/ms", true, false, "kg/s"},
		{"g/m3", true, false, "kg"},
		{"kWh/m2", true, false, "J"},
		{"mm", false, false, "mm"}
	};
	const UnitList & ul = UnitList::instance();
	for (const Case & c : cases) {
		SCOPED_TRACE(c.unit);
		EXPECT_EQ(c.expected, ul.integralQuantity(Unit(c.unit), c.space, c.time).name());
	}
	EXPECT_EQ("Cannot obtain integral unit for base unit m.",
			  thrownMessage([&](){ ul.integralQuantity(Unit("m"), false, true); }));
	// "J/m2s" over time gives "J/m2", but "W/m2K" has no integral rule
	EXPECT_EQ("Cannot obtain integral unit for base unit W/m2K.",
			  thrownMessage([&](){ ul.integralQuantity(Unit("W/m2K"), true, false); }));
	// rule applies but the resulting name is no unit
	EXPECT_EQ("Unit 'l/m2' not found.",
			  thrownMessage([&](){ ul.integralQuantity(Unit("mm/h"), false, true); }));
}


TEST(IntegralUnits, CaptionRule) {
	const UnitList & ul = UnitList::instance();
	EXPECT_EQ("[J/m2]", ul.replaceUnitWithIntegralUnit("[W/m2]"));
	EXPECT_EQ("Heating load [J] (sum) [W]", ul.replaceUnitWithIntegralUnit("Heating load [W] (sum) [W]"));

	for (const char * text : {"Load [W", "Load ]W[", "Load W"}) {
		SCOPED_TRACE(text);
		EXPECT_EQ(FormatText("Malformed string '%1', expected [<unit>] within string.").arg(text).str(),
				  thrownMessage([&](){ ul.replaceUnitWithIntegralUnit(text); }));
	}

	try {
		ul.replaceUnitWithIntegralUnit("T [C]");
		FAIL();
	}
	catch (Exception & ex) {
		ASSERT_EQ(2u, ex.messages().size());
		EXPECT_EQ("Cannot obtain integral unit for base unit K.", ex.messages().front().m_what);
		EXPECT_STREQ("Unknown/invalid unit in string 'T [C]', cannot determine time integral unit.", ex.what());
		EXPECT_EQ("[UnitList::replaceUnitWithIntegralUnit]", ex.messages().back().m_functionID);
	}
	EXPECT_EQ("Unit 'Watt' not found.",
			  [&](){ try { ul.replaceUnitWithIntegralUnit("[Watt]"); } catch (Exception & ex) { return ex.messages().front().m_what; } return std::string(); }());
}


TEST(PtrList, OwnsElementsAndRefusesDuplicates) {
	ptr_list<UnitData> list;
	UnitData * u = new UnitData(0, "x", 0, 1, UnitData::OP_NONE);
	list.add(u);
	EXPECT_EQ("Pointer already exists in the list.", thrownMessage([&](){ list.add(u); }));
	EXPECT_EQ(1u, list.size());
	EXPECT_EQ(u, list[0]);
	list.clear();
	EXPECT_TRUE(list.empty());
}
