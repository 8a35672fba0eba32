// Nonsense numbers in project files: every numeric element of the bundled examples and
// every numeric attribute of their embedded items is replaced, one at a time, by nan, inf,
// -inf and 1e308. A non-finite value must give a read or init error naming the element; a
// finite one either an error or a model whose states and derivatives are finite. Texts that
// are no number ("2,5", "2.5x", "0x10", "") must be read errors naming element, line and column.
#include <algorithm>
#include <cmath>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <BVX_Exception.h>

#include <RM_CaldoryneModelInterface.h>
#include <RM_Database.h>
#include <RM_Room.h>

#include "RM_ModelTestHelpers.h"
#include "RM_TestSupport.h"

namespace {

/*! One number of a file: its position, length and the element or attribute it belongs to. */
struct NumberSite {
	std::size_t	m_pos;
	std::size_t	m_length;
	std::string	m_name;
	/*! An id or category attribute: a key, not a physical value. */
	bool		m_key = false;
	/*! The first of several numbers of an element (a schedule's hours). */
	bool		m_list = false;
};

std::string readText(const QString & path) {
	QFile f(path);
	f.open(QIODevice::ReadOnly);
	return f.readAll().toStdString();
}

/*! The first number of every element whose text is numbers only, and every numeric
	attribute inside the embedded database (keys marked). */
std::vector<NumberSite> numberSites(const std::string & text) {
	std::vector<NumberSite> sites;
	static const std::regex element(R"re(<(\w+)(\s[^>]*)?>\s*(-?[0-9][0-9.eE+-]*)(\s+-?[0-9][0-9.eE+-]*)*\s*</\1>)re");
	for (auto it = std::sregex_iterator(text.begin(), text.end(), element); it != std::sregex_iterator(); ++it)
		sites.push_back({ static_cast<std::size_t>(it->position(3)), static_cast<std::size_t>(it->length(3)), (*it)[1].str(),
						  false, (*it)[4].matched });
	const std::size_t dbStart = text.find("<EmbeddedDataBase>");
	const std::size_t dbEnd = text.find("</EmbeddedDataBase>");
	if (dbStart == std::string::npos || dbEnd == std::string::npos)
		return sites;
	static const std::regex attribute(R"re(\s(\w+)="(-?[0-9][0-9.eE+-]*)")re");
	const std::string db = text.substr(dbStart, dbEnd - dbStart);
	for (auto it = std::sregex_iterator(db.begin(), db.end(), attribute); it != std::sregex_iterator(); ++it) {
		const bool key = (*it)[1].str() == "id" || (*it)[1].str() == "category";
		sites.push_back({ dbStart + static_cast<std::size_t>(it->position(2)), static_cast<std::size_t>(it->length(2)),
						  (*it)[1].str(), key });
	}
	return sites;
}

/*! Line (from 1) of a position in a text. */
std::size_t lineOf(const std::string & text, std::size_t pos) {
	return 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(pos), '\n'));
}

} // namespace


class BadNumbers : public ::testing::Test {
protected:
	void SetUp() override {
		ASSERT_TRUE(m_dir.isValid());
		m_db.setDirectories(QString(CALDORYNE_SOURCE_DIR) + "/resources", m_dir.path() + "/userdb");
		m_db.reload();
	}

	/*! Reads the project text and initialises a model on a constant climate. Returns the
		error text, empty on success; ydotFinite tells whether states and derivatives are finite. */
	std::string readAndInit(const std::string & text, bool & finite) {
		finite = true;
		const QString path = m_dir.path() + "/project.rmxml";
		QFile f(path);
		f.open(QIODevice::WriteOnly | QIODevice::Truncate);
		f.write(text.data(), static_cast<qint64>(text.size()));
		f.close();
		RM::Database db = m_db;
		RM::Room room;
		std::unique_ptr<RM::CaldoryneModelInterface> model(new RM::CaldoryneModelInterface);
		try {
			room.readProjectFile(path, db);
			model->m_room = room;
			RMModelTest::setConstantClimate(model->m_climate, 5, 80, 300, 100);
			model->m_climate.m_moistureBalanceEnabled = room.m_moistureBalanceEnabled;
			model->init(db);
		}
		catch (BVX::Exception & ex) {
			return ex.msgStack();
		}
		std::vector<double> ydot(model->n());
		model->setTime(12*3600);
		model->setY(model->y0());
		finite = RMModelTest::allFinite(model->y0(), model->n()) && model->ydot(ydot.data()) == 0
			&& RMModelTest::allFinite(ydot.data(), model->n());
		return std::string();
	}

	QTemporaryDir	m_dir;
	RM::Database	m_db;
	RMTest::MessageCapture m_quiet;
};


TEST_F(BadNumbers, SweepOverExamples) {
	const QStringList examples = QDir(QString(CALDORYNE_SOURCE_DIR) + "/resources/examples").entryList({ "*.rmxml" });
	ASSERT_FALSE(examples.isEmpty());
	const char * const BAD[] = { "nan", "inf", "-inf", "1e308" };
	for (const QString & example : examples) {
		const std::string text = readText(QString(CALDORYNE_SOURCE_DIR) + "/resources/examples/" + example);
		bool finite = true;
		ASSERT_EQ(readAndInit(text, finite), "") << example.toStdString();
		ASSERT_TRUE(finite);
		const std::vector<NumberSite> sites = numberSites(text);
		EXPECT_GT(sites.size(), 50u);
		for (const NumberSite & s : sites) {
			if (s.m_key)
				continue;
			for (const char * bad : BAD) {
				std::string changed = text;
				changed.replace(s.m_pos, s.m_length, bad);
				const std::string error = readAndInit(changed, finite);
				SCOPED_TRACE(example.toStdString() + ": " + s.m_name + " = " + bad + " at " + std::to_string(s.m_pos));
				if (std::string(bad) != "1e308") {
					EXPECT_NE(error, "") << "accepted";
					EXPECT_NE(error.find(s.m_name), std::string::npos) << error;
				}
				EXPECT_TRUE(finite);
			}
		}
	}
}


TEST_F(BadNumbers, TextsThatAreNoNumberAreReadErrorsWithLineAndColumn) {
	const QStringList examples = QDir(QString(CALDORYNE_SOURCE_DIR) + "/resources/examples").entryList({ "*.rmxml" });
	ASSERT_FALSE(examples.isEmpty());
	// a decimal comma, text after the number, hexadecimal, nothing
	const char * const NO_NUMBER[] = { "2,5", "2.5x", "20abc", "0x10", "" };
	for (const QString & example : examples) {
		const std::string text = readText(QString(CALDORYNE_SOURCE_DIR) + "/resources/examples/" + example);
		for (const NumberSite & s : numberSites(text)) {
			for (const char * bad : NO_NUMBER) {
				// a schedule with one hour less is a shorter list, read as such
				if (s.m_list && *bad == 0)
					continue;
				std::string changed = text;
				changed.replace(s.m_pos, s.m_length, bad);
				SCOPED_TRACE(example.toStdString() + ": " + s.m_name + " = '" + bad + "' at " + std::to_string(s.m_pos));
				bool finite = true;
				const std::string error = readAndInit(changed, finite);
				EXPECT_NE(error.find(s.m_name), std::string::npos) << error;
				EXPECT_NE(error.find("(line " + std::to_string(lineOf(text, s.m_pos)) + ", column "), std::string::npos) << error;
			}
		}
	}
}


TEST_F(BadNumbers, InitErrorNamesFieldAndOwner) {
	const std::string text = readText(QString(CALDORYNE_SOURCE_DIR) + "/resources/examples/Office_SouthFacade.rmxml");
	const auto replaceFirst = [](std::string & t, const std::string & from, const std::string & to) {
		const std::size_t pos = t.find(from);
		ASSERT_NE(pos, std::string::npos) << from;
		t.replace(pos, from.size(), to);
	};
	struct Case {
		const char *	m_from;
		const char *	m_to;
		const char *	m_expected;
		/*! The example's window type 6 is embedded under the user id 20006. */
		bool			m_userWindow = false;
	};
	const Case cases[] = {
		{ "<TInitial>20</TInitial>", "<TInitial>500</TInitial>",
		  "Initial temperature 'TInitial' of the room is 500 but must be between -100 and 200!" },
		{ "<Albedo>0.2</Albedo>", "<Albedo>1.5</Albedo>", "Ground reflectance 'Albedo' of the room is 1.5" },
		{ "<GammaHC>1</GammaHC>", "<GammaHC>-0.5</GammaHC>", "'GammaHC' of the room is -0.5" },
		{ "<Area>20</Area>", "<Area>1e308</Area>", "Floor area 'Area' of the room is 1e+308" },
		{ "<ad>0.7</ad>", "<ad>2</ad>", "Adsorption coefficient 'ad' of wall #0 is 2 but must be between 0 and 1!" },
		{ "<AW>7.5</AW>", "<AW>1e308</AW>", "Wall area 'AW' of wall #0 is 1e+308" },
		{ "<beta_e>2e-07</beta_e>", "<beta_e>-1</beta_e>", "'beta_e' of wall #0 is -1" },
		{ "<MaxPower>1500</MaxPower>", "<MaxPower>1e12</MaxPower>", "Maximum power 'MaxPower' of heating model 'Radiators' is" },
		{ "<PersonLoad>80</PersonLoad>", "<PersonLoad>-80</PersonLoad>",
		  "Load per person 'PersonLoad' of user loads 'Office, two persons' is -80 but must be >= 0" },
		{ "<ConstantValue>0.15</ConstantValue>", "<ConstantValue>-1</ConstantValue>",
		  "Air change rate schedule of natural ventilation model 'Infiltration' is -1" },
		// loads that cannot be negative
		{ "<ConstantValue>20</ConstantValue>", "<ConstantValue>-20</ConstantValue>",
		  "Moisture load schedule of moisture loads 'Office' is -20 but must be >= 0" },
		{ "<WeekEndSchedule>1 1 1", "<WeekEndSchedule>-1 1 1",
		  "Equipment load schedule of user loads 'Office, two persons' is -1 but must be between 0 and 10000!" },
		// what the model cannot simulate: a surface turned beyond facing the ground, a load
		// that heats the air faster than the solver follows
		{ "<inclination>90</inclination>", "<inclination>400</inclination>",
		  "Inclination 'inclination' of wall #0 is 400 but must be between 0 and 180!" },
		{ "<inclination>90</inclination>", "<inclination>-30</inclination>",
		  "Inclination 'inclination' of wall #0 is -30 but must be between 0 and 180!" },
		{ "<WeekEndSchedule>1 1 1", "<WeekEndSchedule>1e9 1 1",
		  "Equipment load schedule of user loads 'Office, two persons' is 1e+09 but must be between 0 and 10000!" },
		// messages the checks had before stay as they were
		{ "<R_ue>0.04</R_ue>", "<R_ue>0</R_ue>",
		  "Convective heat transfer coefficient R_ue of wall #0 is negative or zero but must be > 0!" },
		{ "<Height>3</Height>", "<Height>-3</Height>", "Room volume must not be negative or zero." },
		// an embedded window type of the user range is imported and used: its values are checked
		{ " U=\"0.8\"", " U=\"-0.8\"", "Thermal transmittance 'U' of window type 'Triple glazing, low-e, argon' (Id 20006) is -0.8",
		  true },
		{ " g=\"0.5\"", " g=\"1.5\"", "Solar heat gain coefficient 'g' of window type 'Triple glazing, low-e, argon' (Id 20006) is 1.5",
		  true },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_to);
		std::string changed = text;
		if (c.m_userWindow) {
			replaceFirst(changed, "<WindowType id=\"6\"", "<WindowType id=\"20006\"");
			replaceFirst(changed, "<windowId>6</windowId>", "<windowId>20006</windowId>");
		}
		replaceFirst(changed, c.m_from, c.m_to);
		bool finite = true;
		const std::string error = readAndInit(changed, finite);
		EXPECT_NE(error.find(c.m_expected), std::string::npos) << error;
	}

	// values a project may hold stay accepted
	const Case accepted[] = {
		{ "<orientation>180</orientation>", "<orientation>-1</orientation>", "" },
		{ "<PersonLoad>80</PersonLoad>", "<PersonLoad>0</PersonLoad>", "" },
		{ "<AF>4.5</AF>", "<AF>0</AF>", "" },
		{ "<TInitial>20</TInitial>", "<TInitial>-20</TInitial>", "" },
		{ "<inclination>90</inclination>", "<inclination>180</inclination>", "" },
		{ "<WeekEndSchedule>1 1 1", "<WeekEndSchedule>10000 1 1", "" },
	};
	for (const Case & c : accepted) {
		SCOPED_TRACE(c.m_to);
		std::string changed = text;
		replaceFirst(changed, c.m_from, c.m_to);
		bool finite = false;
		EXPECT_EQ(readAndInit(changed, finite), "");
		EXPECT_TRUE(finite);
	}
}
