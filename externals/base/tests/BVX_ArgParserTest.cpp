#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <vector>

#include "BVX_ArgParser.h"
#include "BVX_Exception.h"
#include "BVX_MessageHandler.h"

namespace {

void parseWords(BVX::ArgParser & p, const std::vector<std::string> & words) {
	std::vector<const char *> argv;
	for (const std::string & w : words)
		argv.push_back(w.c_str());
	p.parse(static_cast<int>(argv.size()), argv.data());
}

// a parser with one option of each kind
void addDemoOptions(BVX::ArgParser & p) {
	p.addOption('l', "lang", "Language ID.", "<langID>", "en");
	p.addOption(0, "out", "Output file.", "file", "");
	p.addFlag('v', "verbose", "More output.", "false");
}

} // namespace


TEST(ArgParser, Parsing) {
	struct Case {
		std::vector<std::string> words;
		std::vector<std::string> args;			// after the program path
		std::vector<std::string> optionsLeft;
		const char * lang;						// option("lang")
		bool langGiven;
		const char * verbose;					// option("verbose")
	};
	const Case cases[] = {
		{{}, {}, {}, "en", false, "false"},
		{{"a", "b"}, {"a", "b"}, {}, "en", false, "false"},
		{{"--lang=de"}, {}, {}, "de", true, "false"},
		{{"--lang= de \t"}, {}, {}, "de", true, "false"},
		{{"--lang", "de"}, {"de"}, {}, "en", false, "false"},	// value only with '='
		{{"--lang="}, {}, {}, "en", false, "false"},
		{{"-l=fr"}, {}, {}, "fr", true, "false"},
		{{"-lx=fr"}, {}, {}, "fr", true, "false"},			// only the first character counts
		{{"--lang=de", "--lang=fr"}, {}, {}, "fr", true, "false"},
		{{"--lang=a=b"}, {}, {}, "a=b", true, "false"},
		{{"-v"}, {}, {}, "en", false, "true"},
		{{"--verbose="}, {}, {}, "en", false, "true"},
		{{"--verbose=false"}, {}, {}, "en", false, "false"},
		{{"-x", "--nope", "-", "--", "-=3", "--=3", "--nope=1"}, {}, {"-x", "--nope", "-", "--", "-=3", "--=3", "--nope=1"}, "en", false, "false"},
		{{"f1", "-x", "f2", "--lang=de"}, {"f1", "f2"}, {"-x"}, "de", true, "false"},
	};
	for (const Case & c : cases) {
		BVX::ArgParser p;
		addDemoOptions(p);
		std::vector<std::string> words = {"/usr/bin/prog"};
		words.insert(words.end(), c.words.begin(), c.words.end());
		parseWords(p, words);
		std::vector<std::string> expectedArgs = {"/usr/bin/prog"};
		expectedArgs.insert(expectedArgs.end(), c.args.begin(), c.args.end());
		const std::string label = ::testing::PrintToString(c.words);
		EXPECT_EQ(p.m_args, expectedArgs) << label;
		EXPECT_EQ(p.m_optionsLeft, c.optionsLeft) << label;
		EXPECT_EQ(p.option("lang"), c.lang) << label;
		EXPECT_EQ(p.hasOption("lang"), c.langGiven) << label;
		EXPECT_EQ(p.option("verbose"), c.verbose) << label;
		EXPECT_FALSE(p.flagEnabled("help")) << label;
	}
}

TEST(ArgParser, FlagValues) {
	BVX::ArgParser p;
	parseWords(p, {"prog", "--help=false", "--cmd-line="});
	EXPECT_TRUE(p.hasOption("help"));		// a value was given ...
	EXPECT_FALSE(p.flagEnabled("help"));	// ... but it is not "true"
	EXPECT_EQ(p.option("cmd-line"), "true");
	EXPECT_FALSE(p.hasOption("man-page"));
}

TEST(ArgParser, UndefinedOptionThrows) {
	BVX::ArgParser p;
	for (auto query : {0, 1}) {
		try {
			if (query == 0)
				p.hasOption("lang");
			else
				p.option("lang");
			FAIL();
		}
		catch (BVX::Exception & ex) {
			EXPECT_STREQ(ex.what(), "Option 'lang' has not been defined with addOption().");
			EXPECT_EQ(ex.messages().back().m_functionID, "[ArgParser::hasOption]");
		}
	}
}

TEST(ArgParser, CommandLine) {
	BVX::ArgParser p;
	addDemoOptions(p);
	parseWords(p, {"/bin/prog", "in.txt", "--out=x.txt", "--lang=de", "-x", "--verbose", "--help", "out.txt"});
	// flags first (definition order), then options with their values; unknown words are not shown
	EXPECT_EQ(p.commandLine(), "/bin/prog in.txt out.txt\n --help\n -v\n -l=de\n --out=x.txt");
}

TEST(ArgParser, HelpLayout) {
	BVX::ArgParser p;
	p.m_appname = "demo";
	p.addFlag('v', "verbose", "Verbose output.\n\nSecond paragraph.", "false");
	p.addFlag(0, "quiet", "", "false");
	p.addOption(0, "lang", "Language of the user interface.", "<langID>", "en");
	p.addOption('o', "output", "Output file.", "", "");
	p.addOption('n', "", "Count.", "N", "1");
	std::ostringstream out;
	p.printHelp(out);
	const std::string blank20(20, ' ');
	const std::string expected =
		"Syntax: demo [flags] [options] arg1 arg2 ...\n"
		"\n"
		"Flags:\n"
		"  --help            Prints the help page.\n"
		"  --man-page        Prints the man page (source version) to std output.\n"
		// wraps: "command" ends exactly in column 78, the next word would pass column 79
		"  --cmd-line        Prints the command line as it was understood by the command\n"
		+ blank20 + "line parser.\n"
		"  --options-left    Prints all options that are unknown to the command line\n"
		+ blank20 + "parser.\n"
		"  -v, --verbose     Verbose output.\n"
		+ blank20 + "Second paragraph.\n"
		"  --quiet          \n"	// no description: the padded head alone
		"\n"
		"Options:\n"
		// heads of 19 or more characters stand on a line of their own
		"  --lang=<<langID>>  \n"
		+ blank20 + "Language of the user interface.\n"
		"  -o=<...>, --output=<...>  \n"
		+ blank20 + "Output file.\n"
		"  -n=<N>            Count.\n"
		"\n";
	EXPECT_EQ(out.str(), expected);
}

TEST(ArgParser, HelpWrapsLongWordsAndSkipsEmptyBlocks) {
	BVX::ArgParser p;
	p.m_appname = "x";
	// 60 characters: with the 19-character head plus blank it would end in column 79
	p.addFlag('a', "", std::string(60, 'w') + " " + std::string(59, 'z'), "false");
	std::ostringstream out;
	p.printHelp(out);
	const std::string text = out.str();
	const std::string expectedEntry =
		"  -a" + std::string(15, ' ') + "\n"
		+ std::string(20, ' ') + std::string(60, 'w') + "\n"
		+ std::string(20, ' ') + std::string(59, 'z') + "\n";
	EXPECT_NE(text.find(expectedEntry), std::string::npos) << text;
	EXPECT_EQ(text.find("Options:"), std::string::npos);
}

TEST(ArgParser, ManPage) {
	BVX::ArgParser p;
	p.m_appname = "caldoryne";
	p.m_version = "3.2";
	p.m_shortDescription = "Thermal room simulation";
	std::ostringstream out;
	p.printManPage(out);
	EXPECT_EQ(out.str(),
			  ".TH \"caldoryne\" 1 \"Dec 19 2018\" \"version 3.2\"\n"
			  ".SH NAME\n"
			  "caldoryne - Thermal room simulation\n");
}

TEST(ArgParser, DefaultFlags) {
	{
		BVX::ArgParser p;
		parseWords(p, {"/bin/prog", "--help", "--cmd-line"});
		std::ostringstream out, help;
		EXPECT_TRUE(p.handleDefaultFlags(out));
		p.printHelp(help);
		EXPECT_EQ(out.str(), "Command line: /bin/prog\n --help\n --cmd-line\n" + help.str());
	}
	{
		BVX::ArgParser p;
		parseWords(p, {"/bin/prog", "-x", "--nope", "-", "--", "--options-left", "--man-page"});
		std::ostringstream out, man;
		EXPECT_TRUE(p.handleDefaultFlags(out));
		p.printManPage(man);
		EXPECT_EQ(out.str(), "Options left:\n-x --nope - -- \n" + man.str());
	}
	{
		// nothing to do: no output, carry on
		BVX::ArgParser p;
		parseWords(p, {"/bin/prog", "-x", "file"});
		std::ostringstream out;
		EXPECT_FALSE(p.handleDefaultFlags(out));
		EXPECT_EQ(out.str(), "");
	}
	{
		// options-left without unknown words writes nothing
		BVX::ArgParser p;
		parseWords(p, {"/bin/prog", "--options-left"});
		std::ostringstream out;
		EXPECT_FALSE(p.handleDefaultFlags(out));
		EXPECT_EQ(out.str(), "");
	}
}

namespace {

// error messages go to stderr, where the death test can see them
class StderrMessageHandler : public BVX::MessageHandler {
public:
	void msg(const std::string & text, int, const char *, int) override { std::cerr << text << std::endl; }
};

} // namespace

TEST(ArgParserDeathTest, DuplicateDefinitionExitsWithFailure) {
	StderrMessageHandler handler;
	BVX::MessageHandlerRegistry::instance().setMessageHandler(&handler);
	EXPECT_EXIT({ BVX::ArgParser p; p.addFlag(0, "help", "again", "false"); },
				::testing::ExitedWithCode(1), "Overwriting existing option '0' / 'help' not allowed.");
	EXPECT_EXIT({ BVX::ArgParser p; p.addOption('l', "lang", "", "", "");
				  p.addOption('l', "language", "", "", ""); },
				::testing::ExitedWithCode(1), "Overwriting existing option '108' / 'language' not allowed.");
	EXPECT_EXIT({ BVX::ArgParser p; p.addOption('l', "lang", "", "", "");
				  p.addOption('k', "lang", "", "", ""); },
				::testing::ExitedWithCode(1), "Overwriting existing option '107' / 'lang' not allowed.");
	BVX::MessageHandlerRegistry::instance().setMessageHandler(nullptr);
}
