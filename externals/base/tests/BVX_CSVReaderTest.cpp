#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "BVX_CSVReader.h"
#include "BVX_Exception.h"
#include "BVX_Path.h"

namespace {

// A fresh folder per test (and process) below the system's temporary directory.
class CSVReaderTest : public ::testing::Test {
protected:
	void SetUp() override {
		const ::testing::TestInfo * info = ::testing::UnitTest::GetInstance()->current_test_info();
		m_dir = std::filesystem::temp_directory_path() / ("bvx_csv_" + std::string(info->name())
														+ "_" + std::to_string(::getpid()));
		std::filesystem::remove_all(m_dir);
		std::filesystem::create_directories(m_dir);
	}
	void TearDown() override {
		std::error_code ec;
		std::filesystem::remove_all(m_dir, ec);
	}

	// writes the bytes unchanged (binary), so CR characters reach the reader
	std::string writeFile(const std::string & name, const std::string & content) {
		const std::string p = (m_dir / name).string();
		std::ofstream out(p, std::ios::binary);
		out << content;
		return p;
	}

	std::vector<std::string> messagesOf(const std::string & file, char sep) {
		BVX::CSVReader r;
		r.m_separationCharacter = sep;
		try {
			r.read(BVX::Path(file));
		}
		catch (BVX::Exception & ex) {
			std::vector<std::string> msgs;
			for (const auto & m : ex.messages()) {
				EXPECT_TRUE(m.m_functionID == "[CSVReader::read]" || m.m_functionID == "[string2val]") << m.m_functionID;
				msgs.push_back(m.m_what);
			}
			return msgs;
		}
		ADD_FAILURE() << "no exception for " << file;
		return {};
	}

	std::filesystem::path m_dir;
};

} // namespace


TEST_F(CSVReaderTest, ReadsTable) {
	const std::string f = writeFile("t.tsv", "Time\tTemp\tRH\n0\t20.5\t0.5\n\n  \t \r\n3600\t-1e-3\t1.#QNAN\n");
	BVX::CSVReader r;
	r.m_separationCharacter = '\t';
	r.read(BVX::Path(f));
	EXPECT_EQ(r.m_captions, (std::vector<std::string>{"Time", "Temp", "RH"}));
	EXPECT_EQ(r.m_nColumns, 3u);
	ASSERT_EQ(r.m_nRows, 2u);
	ASSERT_EQ(r.m_values.size(), 2u);
	EXPECT_EQ(r.m_values[0], (std::vector<double>{0, 20.5, 0.5}));
	EXPECT_DOUBLE_EQ(r.m_values[1][1], -1e-3);
	EXPECT_TRUE(std::isnan(r.m_values[1][2]));
}

TEST_F(CSVReaderTest, CRLFAndCommaSeparator) {
	const std::string f = writeFile("crlf.csv", "a,b\r\n1,2\r\n\r\n3,4\r\n");
	BVX::CSVReader r;
	r.m_separationCharacter = ',';
	r.read(BVX::Path(f));
	// no carriage return left in the last caption
	EXPECT_EQ(r.m_captions, (std::vector<std::string>{"a", "b"}));
	ASSERT_EQ(r.m_nRows, 2u);
	EXPECT_EQ(r.m_values[1], (std::vector<double>{3, 4}));
}

TEST_F(CSVReaderTest, DecimalCommaReadsLeadingDigits) {
	const std::string f = writeFile("comma.tsv", "x\n1,5\n");
	BVX::CSVReader r;
	r.m_separationCharacter = '\t';
	r.read(BVX::Path(f));
	ASSERT_EQ(r.m_nRows, 1u);
	EXPECT_EQ(r.m_values[0][0], 1.0);
}

TEST_F(CSVReaderTest, Errors) {
	struct Case {
		const char * name;
		const char * content;
		std::vector<std::string> inner;		// messages below the file message
	};
	const Case cases[] = {
		// the empty line counts: the short line is line 4
		{"short.tsv", "a\tb\n1\t2\n\n3\n", {"Wrong number of columns in line #4!"}},
		{"long.tsv", "a\tb\n1\t2\t3\n", {"Wrong number of columns in line #2!"}},
		// two tabs in a row make one field: one fewer than written
		{"gap.tsv", "a\tb\tc\n1\t\t3\n", {"Wrong number of columns in line #2!"}},
		{"crlf.tsv", "a\tb\r\n1\t2\r\n1\r\n", {"Wrong number of columns in line #3!"}},
		{"value.tsv", "a\tb\tc\n1\t2\t3\n4\tx5\t6\n",
			{"Could not convert 'x5' into value.", "Error reading value in column 1 in line #3."}},
	};
	for (const Case & c : cases) {
		const std::string f = writeFile(c.name, c.content);
		std::vector<std::string> expected = c.inner;
		expected.push_back("Error reading file '" + f + "'.");
		EXPECT_EQ(messagesOf(f, '\t'), expected) << c.name;
	}
}

TEST_F(CSVReaderTest, MissingFileOrDirectory) {
	for (const std::string & f : {(m_dir / "missing.tsv").string(), m_dir.string()}) {
		EXPECT_EQ(messagesOf(f, '\t'), (std::vector<std::string>{
			"File doesn't exist or cannot open/access file.",
			"Error reading file '" + f + "'."}));
	}
}
