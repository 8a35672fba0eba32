#ifndef CLM_TestHelpersH
#define CLM_TestHelpersH

#include <cstdint>
#include <filesystem>
#include <unistd.h>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <BVX_Exception.h>
#include <BVX_MessageHandler.h>

/*! Fixture with a private temporary directory, removed afterwards. */
class ClimateTempDir : public ::testing::Test {
protected:
	void SetUp() override {
		const ::testing::TestInfo * info = ::testing::UnitTest::GetInstance()->current_test_info();
		std::string name = std::string(info->test_suite_name()) + "_" + info->name();
		for (char & c : name)
			if (c == '/')
				c = '_';
		// the process id keeps parallel runs of the same test (other build trees) apart
		m_dir = std::filesystem::temp_directory_path() / ("clm_tests_" + name + "_" + std::to_string(::getpid()));
		std::filesystem::remove_all(m_dir);
		std::filesystem::create_directories(m_dir);
	}
	void TearDown() override {
		std::error_code ec;
		std::filesystem::remove_all(m_dir, ec);
	}

	std::string path(const std::string & fname) const { return (m_dir / fname).string(); }

	std::string writeFile(const std::string & fname, const std::string & content) const {
		std::string p = path(fname);
		std::ofstream out(p, std::ios::binary);
		out << content;
		return p;
	}

	std::filesystem::path m_dir;
};


/*! Composes c6b files byte by byte, including broken ones. */
struct C6bBuilder {
	std::string							m_magic1 = "CLDF";
	std::string							m_magic2 = "RLZ!";
	unsigned char						m_version[4] = { 1, 0, 0, 0 };
	std::vector<std::string>			m_header = { "CITY=Testcity" };
	std::vector<std::vector<double> >	m_vectors = std::vector<std::vector<double> >(9);
	std::vector<double>					m_timePoints;

	/*! Fills all nine vectors with n values; quantity q gets value q*1000 + j, except the
		direct normal radiation (q = 2): j % 400, below what the clean sky of any hour with
		the sun up lets through (about 410 W/m2 and more), so that the reader keeps it, and
		temperature and relative humidity, which stay within what air can have:
		j % 100 - 30 C and j % 101 %. */
	C6bBuilder & withData(unsigned int n) {
		for (unsigned int q = 0; q < 9; ++q) {
			m_vectors[q].resize(n);
			for (unsigned int j = 0; j < n; ++j)
				m_vectors[q][j] = q == 2 ? j % 400 : q == 0 ? j % 100 - 30.0 : q == 1 ? j % 101 : q * 1000.0 + j;
		}
		return *this;
	}

	static void putUInt(std::string & s, std::uint32_t v) {
		s.append(reinterpret_cast<const char *>(&v), 4);
	}
	static void putVector(std::string & s, const std::vector<double> & v) {
		putUInt(s, static_cast<std::uint32_t>(v.size()));
		s.append(reinterpret_cast<const char *>(v.data()), v.size() * sizeof(double));
	}

	std::string bytes() const {
		std::string s = m_magic1 + m_magic2;
		s.append(reinterpret_cast<const char *>(m_version), 4);
		putUInt(s, 0);
		putUInt(s, static_cast<std::uint32_t>(m_header.size()));
		for (const std::string & h : m_header) {
			putUInt(s, static_cast<std::uint32_t>(h.size()));
			s += h;
		}
		for (const auto & v : m_vectors)
			putVector(s, v);
		putVector(s, m_timePoints);
		return s;
	}
};


/*! Message stack of the exception thrown by f, or "" when nothing was thrown. */
template <typename F>
std::string thrownMessages(F f) {
	try {
		f();
	}
	catch (BVX::Exception & ex) {
		return ex.msgStack();
	}
	return std::string();
}

#define EXPECT_THROW_MSG(statement, text) \
	{ std::string msgs__ = thrownMessages([&]() { statement; }); \
	  EXPECT_NE(msgs__.find(text), std::string::npos) << "expected '" << (text) << "' in: '" << msgs__ << "'"; }

/*! Records warnings while it is the current message handler. */
class RecordingHandler : public BVX::MessageHandler {
public:
	RecordingHandler() : m_previous(BVX::MessageHandlerRegistry::instance().msgHandler()) {
		BVX::MessageHandlerRegistry::instance().setMessageHandler(this);
	}
	~RecordingHandler() override { BVX::MessageHandlerRegistry::instance().setMessageHandler(m_previous); }

	void msg(const std::string & text, int t, const char *, int) override {
		if (t == BVX::MSG_WARNING)
			m_warnings.push_back(text);
		else if (t == BVX::MSG_ERROR)
			m_errors.push_back(text);
	}
	std::vector<std::string>	m_warnings;
	std::vector<std::string>	m_errors;
private:
	BVX::MessageHandler *		m_previous;
};

#endif // CLM_TestHelpersH
