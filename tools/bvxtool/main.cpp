/*	bvxtool: the base library at work on the command line.

	Usage: bvxtool [flags] [options] <subcommand> [arguments...]

	Every subcommand writes one result per line to stdout. Errors write the message
	stack to stderr and end with exit code 1; a wrong call ends with exit code 2.

	Words starting with '-' are flags or options (values only with '=', "--sep=,").
	Negative numbers therefore need a prefix where a subcommand offers one ("i:-5").

	Adding a subcommand: write a handler `int runXyz(const BVX::ArgParser &, const Args &)`
	(and, if it needs options, `void addXyzOptions(BVX::ArgParser &)`), then add one row
	to SUBCOMMANDS below.
*/

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <BVX_ArgParser.h>
#include <BVX_CSVReader.h>
#include <BVX_Conversions.h>
#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_LinearSpline.h>
#include <BVX_MessageHandler.h>
#include <BVX_MultiLanguageString.h>
#include <BVX_Path.h>
#include <BVX_Time.h>
#include <BVX_Unit.h>
#include <BVX_UnitList.h>
#include <BVX_Version.h>

#include "UsageError.h"
#include <BVX_ProgramStart.h>

#ifndef BVXTOOL_VERSION
#define BVXTOOL_VERSION "0.0"
#endif

namespace {

typedef std::vector<std::string> Args;


void requireArgs(const Args & args, std::size_t minCount, const char * usage) {
	if (args.size() < minCount)
		throw UsageError(std::string("Usage: bvxtool ") + usage);
}

// Strict integer reading for the tool's own arguments (the library's conversion ignores trailing text).
long long parseInteger(const std::string & text, const char * what) {
	std::size_t pos = 0;
	long long v = 0;
	try {
		v = std::stoll(text, &pos);
	}
	catch (std::exception &) {
		pos = 0;
	}
	if (pos == 0 || pos != text.size())
		throw UsageError(BVX::FormatText("Invalid %1 '%2'.").arg(what).arg(text).str());
	return v;
}

bool isInteger(const std::string & text) {
	std::size_t pos = 0;
	try {
		std::stoll(text, &pos);
	}
	catch (std::exception &) {
		return false;
	}
	return pos == text.size();
}

bool isDouble(const std::string & text) {
	std::size_t pos = 0;
	try {
		std::stod(text, &pos);
	}
	catch (std::exception &) {
		return false;
	}
	return pos == text.size();
}

// Replaces the escapes \n and \t by line feed and tab, "\\" by a backslash.
std::string unescape(const std::string & text) {
	std::string res;
	for (std::size_t i = 0; i < text.size(); ++i) {
		if (text[i] == '\\' && i + 1 < text.size()) {
			const char c = text[i + 1];
			if (c == 'n' || c == 't' || c == '\\') {
				res += c == 'n' ? '\n' : (c == 't' ? '\t' : '\\');
				++i;
				continue;
			}
		}
		res += text[i];
	}
	return res;
}


// *** path ***

int runPath(const BVX::ArgParser &, const Args & args) {
	const char * usage = "path normalize|filename|parent|extension|without-extension|absolute PATH...";
	requireArgs(args, 2, usage);
	const std::string & op = args[0];
	for (std::size_t i = 1; i < args.size(); ++i) {
		const BVX::Path p(args[i]);
		if (op == "normalize")
			std::cout << p.str() << "\n";
		else if (op == "filename")
			std::cout << p.filename().str() << "\n";
		else if (op == "parent")
			std::cout << p.parentPath().str() << "\n";
		else if (op == "extension")
			std::cout << p.extension() << "\n";
		else if (op == "without-extension")
			std::cout << p.withoutExtension().str() << "\n";
		else if (op == "absolute")
			std::cout << p.absolutePath().str() << "\n";
		else
			throw UsageError(std::string("Usage: bvxtool ") + usage);
	}
	return EXIT_SUCCESS;
}


// *** csv ***

void addCsvOptions(BVX::ArgParser & parser) {
	parser.addOption(0, "sep", "Field separator of 'csv': a single character, 'tab', 'comma' or "
					 "'semicolon'. Default: ',' for files ending in .csv, else tab.", "char", "");
}

char csvSeparator(const BVX::ArgParser & parser, const BVX::Path & file) {
	if (!parser.hasOption("sep"))
		return file.extension() == "csv" ? ',' : '\t';
	const std::string & s = parser.option("sep");
	if (s == "tab")			return '\t';
	if (s == "comma")		return ',';
	if (s == "semicolon")	return ';';
	if (s.size() == 1)		return s[0];
	throw UsageError("Invalid separator '" + s + "'.");
}

int runCsv(const BVX::ArgParser & parser, const Args & args) {
	requireArgs(args, 1, "[--sep=C] csv FILE...");
	for (const std::string & f : args) {
		const BVX::Path file(f);
		BVX::CSVReader reader;
		reader.m_separationCharacter = csvSeparator(parser, file);
		reader.read(file);
		std::cout << BVX::FormatText("%1 columns, %2 rows").arg(reader.m_nColumns).arg(reader.m_nRows).str() << "\n";
		std::string line;
		for (std::size_t i = 0; i < reader.m_captions.size(); ++i)
			line += (i > 0 ? "\t" : "") + reader.m_captions[i];
		std::cout << line << "\n";
		for (const std::vector<double> & row : reader.m_values) {
			line.clear();
			for (std::size_t i = 0; i < row.size(); ++i)
				line += (i > 0 ? "\t" : "") + BVX::val2string(row[i]);
			std::cout << line << "\n";
		}
	}
	return EXIT_SUCCESS;
}


// *** msg ***

void addMsgOptions(BVX::ArgParser & parser) {
	parser.addOption(0, "console-level", "Console verbosity level of 'msg'.", "level", "4");
	parser.addOption(0, "log-level", "Log file verbosity level of 'msg'.", "level", "2");
	parser.addOption(0, "log", "Log file written by 'msg'.", "file", "");
	parser.addOption(0, "indent", "Indentation level at the start of 'msg'.", "level", "0");
	parser.addOption(0, "function-id", "Function ID of the messages of 'msg'.", "id", "[bvxtool::msg]");
	parser.addFlag(0, "append", "'msg' appends to the log file.", "false");
	parser.addFlag(0, "no-timestamp", "'msg' writes log lines without time stamp.", "false");
	parser.addFlag(0, "show-log", "'msg' prints the log file after the messages.", "false");
}

int messageType(const std::string & name) {
	if (name == "progress")		return BVX::MSG_PROGRESS;
	if (name == "continued")	return BVX::MSG_CONTINUED;
	if (name == "warning")		return BVX::MSG_WARNING;
	if (name == "error")		return BVX::MSG_ERROR;
	if (name == "debug")		return BVX::MSG_DEBUG;
	return static_cast<int>(parseInteger(name, "message type"));
}

int runMsg(const BVX::ArgParser & parser, const Args & args) {
	const char * usage = "[--log=FILE] [--append] [--console-level=N] [--log-level=N] [--indent=N] "
						 "[--function-id=ID] [--no-timestamp] [--show-log] msg TYPE:VERBOSITY:TEXT|indent+|indent- ...";
	requireArgs(args, 1, usage);

	// a handler of our own; its destructor hands the registry back to the default handler
	BVX::MessageHandler handler;
	BVX::MessageHandlerRegistry::instance().setMessageHandler(&handler);
	handler.setConsoleVerbosityLevel(static_cast<int>(parseInteger(parser.option("console-level"), "console level")));
	handler.setLogfileVerbosityLevel(static_cast<int>(parseInteger(parser.option("log-level"), "log level")));
	handler.setIndentation(static_cast<int>(parseInteger(parser.option("indent"), "indentation level")));
	if (parser.flagEnabled("no-timestamp"))
		handler.setTimeStampFormat("");
	const std::string logFile = parser.option("log");
	std::string errmsg;
	if (!handler.openLogFile(logFile, parser.flagEnabled("append"), errmsg))
		throw BVX::Exception(errmsg, "[bvxtool::msg]");

	const std::string functionID = parser.option("function-id");
	for (const std::string & item : args) {
		if (item == "indent+") {
			handler.setIndentation(handler.indentation() + 1);
			continue;
		}
		if (item == "indent-") {
			handler.setIndentation(handler.indentation() - 1);
			continue;
		}
		const std::size_t p1 = item.find(':');
		const std::size_t p2 = p1 == std::string::npos ? p1 : item.find(':', p1 + 1);
		if (p2 == std::string::npos)
			throw UsageError("Message '" + item + "' is not of the form TYPE:VERBOSITY:TEXT.");
		const int type = messageType(item.substr(0, p1));
		const int verbosity = static_cast<int>(parseInteger(item.substr(p1 + 1, p2 - p1 - 1), "verbosity"));
		BVX::BVX_Message(unescape(item.substr(p2 + 1)), type, functionID.c_str(), verbosity);
	}
	handler.closeLogFile();

	if (parser.flagEnabled("show-log") && !logFile.empty()) {
		std::cout << "Log file content:\n" << BVX::read_file_to_string(BVX::Path(logFile));
		std::cout.flush();
	}
	return EXIT_SUCCESS;
}


// *** mls ***

void addMlsOptions(BVX::ArgParser & parser) {
	parser.addFlag(0, "fallback", "'mls' returns the whole text for a missing language.", "false");
}

int runMls(const BVX::ArgParser & parser, const Args & args) {
	requireArgs(args, 1, "[--fallback] mls TEXT [LANG...]");
	const BVX::MultiLanguageString mls(args[0]);
	if (args.size() == 1) {
		for (const std::string & lang : mls.languages())
			std::cout << lang << "\n";
		return EXIT_SUCCESS;
	}
	for (std::size_t i = 1; i < args.size(); ++i)
		std::cout << mls.string(args[i], parser.flagEnabled("fallback")) << "\n";
	return EXIT_SUCCESS;
}


// *** format ***

// Field i of a colon-separated argument, or "" when missing.
std::string field(const std::vector<std::string> & fields, std::size_t i) {
	return i < fields.size() ? fields[i] : std::string();
}

void addFormatArg(BVX::FormatText & text, const std::string & a) {
	const std::string typed = a.size() > 1 && a[1] == ':' ? a.substr(2) : std::string();
	const char kind = a.size() > 1 && a[1] == ':' ? a[0] : 0;
	if (kind == 's') {
		text.arg(typed);
		return;
	}
	std::vector<std::string> fields;
	std::istringstream strm(typed);
	for (std::string f; std::getline(strm, f, ':'); )
		fields.push_back(f);
	const std::string widthText = field(fields, 1);
	const int width = widthText.empty() ? 0 : static_cast<int>(parseInteger(widthText, "width"));
	if (kind == 'i') {
		text.arg(parseInteger(field(fields, 0), "integer"), width);
	}
	else if (kind == 'u') {
		const long long v = parseInteger(field(fields, 0), "unsigned integer");
		if (v < 0)
			throw UsageError("Invalid unsigned integer '" + field(fields, 0) + "'.");
		text.arg(static_cast<unsigned long long>(v), width);
	}
	else if (kind == 'd') {
		// d:VALUE[:WIDTH[:FORMAT[:PRECISION[:FILL]]]]
		const std::string & v = field(fields, 0);
		if (!isDouble(v) && v != BVX::NAN_TEXT)
			throw UsageError("Invalid number '" + v + "'.");
		const std::string fmt = field(fields, 2);
		const std::string prec = field(fields, 3);
		const std::string fill = field(fields, 4);
		text.arg(BVX::string2val<double>(v), width, fmt.empty() ? 'g' : fmt[0],
				 prec.empty() ? -1 : static_cast<int>(parseInteger(prec, "precision")),
				 fill.empty() ? ' ' : fill[0]);
	}
	else if (isInteger(a)) {
		text.arg(parseInteger(a, "integer"));
	}
	else if (isDouble(a)) {
		text.arg(BVX::string2val<double>(a));
	}
	else {
		text.arg(a);
	}
}

int runFormat(const BVX::ArgParser &, const Args & args) {
	requireArgs(args, 1, "format TEXT [ARG...]   (ARG: i:INT[:WIDTH] u:UINT[:WIDTH] "
				"d:VALUE[:WIDTH[:FORMAT[:PRECISION[:FILL]]]] s:TEXT, or a plain word)");
	BVX::FormatText text(args[0]);
	for (std::size_t i = 1; i < args.size(); ++i)
		addFormatArg(text, args[i]);
	std::cout << text.str() << "\n";
	return EXIT_SUCCESS;
}


// *** spline, duration, version ***

void addSplineOptions(BVX::ArgParser & parser) {
	parser.addOption(0, "at", "x values at which 'spline' evaluates, separated by ','.", "x", "");
	parser.addFlag(0, "linear", "'spline' extrapolates linearly (default: constant).", "false");
}

void addDurationOptions(BVX::ArgParser & parser) {
	parser.addOption(0, "unit", "Unit of 'duration' (a time unit such as 'min', or 'auto'); "
					 "default: the duration's own display unit.", "unit", "");
}

double parseNumber(const std::string & text, const char * what) {
	if (!isDouble(text))
		throw UsageError(BVX::FormatText("Invalid %1 '%2'.").arg(what).arg(text).str());
	return std::stod(text);
}

int runSpline(const BVX::ArgParser & parser, const Args & args) {
	const char * usage = "spline [--linear] [--console-level=3] --at=X[,X...] X,Y [X,Y...]   "
						 "(a point with negative x needs the prefix 'p:', e.g. p:-1,5)";
	requireArgs(args, 1, usage);
	if (!parser.hasOption("at"))
		throw UsageError(std::string("Usage: bvxtool ") + usage);

	std::vector<double> x, y;
	for (const std::string & a : args) {
		const std::string point = a.compare(0, 2, "p:") == 0 ? a.substr(2) : a;
		const std::size_t comma = point.find(',');
		if (comma == std::string::npos)
			throw UsageError("Point '" + a + "' is not of the form X,Y.");
		x.push_back(parseNumber(point.substr(0, comma), "x value"));
		y.push_back(parseNumber(point.substr(comma + 1), "y value"));
	}
	std::vector<double> at;
	std::istringstream atStrm(parser.option("at"));
	for (std::string v; std::getline(atStrm, v, ','); )
		at.push_back(parseNumber(v, "x value"));

	// the cleaning warnings have verbosity 3: shown with --console-level=3 or higher
	BVX::MessageHandler * handler = BVX::MessageHandlerRegistry::instance().msgHandler();
	handler->setConsoleVerbosityLevel(parser.hasOption("console-level") ?
		static_cast<int>(parseInteger(parser.option("console-level"), "console level")) : 2);

	BVX::LinearSpline spline;
	spline.setValues(x, y);
	if (!spline.valid()) {
		std::string errmsg;
		spline.makeSpline(errmsg);
		throw BVX::Exception(errmsg, "[bvxtool::spline]");
	}
	if (parser.flagEnabled("linear"))
		spline.m_extrapolationMethod = BVX::LinearSpline::EM_Linear;
	for (double xv : at)
		std::cout << BVX::val2string(spline.value(xv)) << "\n";
	return EXIT_SUCCESS;
}

int runDuration(const BVX::ArgParser & parser, const Args & args) {
	requireArgs(args, 1, "[--unit=U|auto] duration SECONDS...");
	const std::string unit = parser.option("unit");
	for (const std::string & a : args) {
		const double seconds = parseNumber(a, "duration");
		if (unit.empty())
			std::cout << BVX::Time::format_duration(seconds) << "\n";
		else
			std::cout << BVX::Time::format_time_difference(seconds,
				unit == "auto" ? BVX::Time::suitableTimeUnit(seconds) : unit) << "\n";
	}
	return EXIT_SUCCESS;
}

int runVersion(const BVX::ArgParser &, const Args & args) {
	requireArgs(args, 2, "version A B");
	const char * relation = "=";
	if (BVX::Version::lesserVersionNumber(args[0], args[1]))
		relation = "<";
	else if (BVX::Version::lesserVersionNumber(args[1], args[0]))
		relation = ">";
	std::cout << args[0] << " " << relation << " " << args[1] << "\n";
	return EXIT_SUCCESS;
}


// *** unit ***

// A unit given as index (digits only) or name.
BVX::Unit unitFromText(const std::string & text) {
	if (isInteger(text)) {
		const long long idx = parseInteger(text, "unit index");
		if (idx < 0 || idx > static_cast<long long>(std::numeric_limits<unsigned int>::max()))
			throw UsageError("Invalid unit index '" + text + "'.");
		return BVX::Unit(static_cast<unsigned int>(idx));
	}
	return BVX::Unit(text);
}

int runUnit(const BVX::ArgParser &, const Args & args) {
	const char * usage = "unit convert VALUE FROM TO | unit info NAME|INDEX... | unit integral CAPTION...   "
						 "(a negative VALUE needs the prefix 'v:', e.g. v:-5)";
	requireArgs(args, 2, usage);
	const std::string & op = args[0];
	if (op == "convert") {
		if (args.size() != 4)
			throw UsageError(std::string("Usage: bvxtool ") + usage);
		const std::string valueText = args[1].compare(0, 2, "v:") == 0 ? args[1].substr(2) : args[1];
		double value = parseNumber(valueText, "value");
		const BVX::Unit from(args[2]);
		const BVX::Unit to(args[3]);
		BVX::UnitList::instance().convert(from, to, value);
		std::cout << BVX::val2string(value) << " " << to.name() << "\n";
	}
	else if (op == "info") {
		for (std::size_t i = 1; i < args.size(); ++i) {
			const BVX::Unit u = unitFromText(args[i]);
			const BVX::Unit base(u.base_id());
			std::cout << BVX::FormatText("%1 %2 (base unit %3 %4)").arg(u.id()).arg(u.name())
						 .arg(base.id()).arg(base.name()).str() << "\n";
		}
	}
	else if (op == "integral") {
		for (std::size_t i = 1; i < args.size(); ++i)
			std::cout << BVX::UnitList::instance().replaceUnitWithIntegralUnit(args[i]) << "\n";
	}
	else
		throw UsageError(std::string("Usage: bvxtool ") + usage);
	return EXIT_SUCCESS;
}


// *** subcommand table ***

struct Subcommand {
	const char *	m_name;
	const char *	m_synopsis;
	const char *	m_description;	// lines separated by '\n'
	void			(*m_addOptions)(BVX::ArgParser &);	// may be null
	int				(*m_run)(const BVX::ArgParser &, const Args &);
};

const Subcommand SUBCOMMANDS[] = {
	{"path", "path OP PATH...",
		"OP: normalize, filename, parent, extension,\n"
		"without-extension or absolute",
		nullptr, runPath},
	{"csv", "csv FILE...",
		"counts, captions and rows of a table (--sep)",
		addCsvOptions, runCsv},
	{"msg", "msg ITEM...",
		"ITEM: TYPE:VERBOSITY:TEXT, indent+ or indent-\n"
		"TYPE: progress, continued, warning, error,\n"
		"debug or a number; \\n in TEXT is a line feed\n"
		"(--log, --append, --console-level, --log-level,\n"
		"--indent, --function-id, --no-timestamp, --show-log)",
		addMsgOptions, runMsg},
	{"mls", "mls TEXT [LANG...]",
		"languages of a multi-language text, or its\n"
		"text in each LANG (--fallback)",
		addMlsOptions, runMls},
	{"format", "format TEXT [ARG...]",
		"ARG: i:INT[:WIDTH], u:UINT[:WIDTH], s:TEXT,\n"
		"d:VALUE[:WIDTH[:FORMAT[:PRECISION[:FILL]]]]\n"
		"or a plain integer, number or text",
		nullptr, runFormat},
	{"spline", "spline X,Y... --at=X",
		"interpolates between the points (--linear:\n"
		"linear extrapolation; --console-level=3 shows\n"
		"duplicate-x warnings; p:-1,5 for negative x)",
		addSplineOptions, runSpline},
	{"duration", "duration SECONDS...",
		"a duration in its display unit (--unit=U|auto)",
		addDurationOptions, runDuration},
	{"version", "version A B",
		"compares two version numbers MAJOR.MINOR.PATCH",
		nullptr, runVersion},
	{"unit", "unit OP ARG...",
		"convert VALUE FROM TO (v:-5 for negative values),\n"
		"info NAME|INDEX... (index, name, base unit),\n"
		"integral CAPTION... ([W/m2] becomes [J/m2])",
		nullptr, runUnit},
};

void printSubcommands(std::ostream & out) {
	const std::size_t column = 26;
	out << "Subcommands:\n";
	for (const Subcommand & s : SUBCOMMANDS) {
		std::string line = std::string("  ") + s.m_synopsis;
		std::istringstream desc(s.m_description);
		for (std::string d; std::getline(desc, d); ) {
			line.resize(std::max(column, line.size() + 1), ' ');
			out << line << d << "\n";
			line.clear();
		}
	}
}

const Subcommand * findSubcommand(const std::string & name) {
	for (const Subcommand & s : SUBCOMMANDS)
		if (name == s.m_name)
			return &s;
	return nullptr;
}

void writeMessageStack(const BVX::Exception & ex) {
	for (const BVX::Exception::MsgInfo & m : ex.messages()) {
		if (!m.m_functionID.empty())
			std::cerr << m.m_functionID << " ";
		std::cerr << m.m_what << "\n";
	}
}

} // namespace


int main(int argc, char * argv[]) {
	BVX::ProgramStart::prepareProcess();
	BVX::ArgParser parser;
	parser.m_appname = "bvxtool";
	parser.m_version = BVXTOOL_VERSION;
	parser.m_shortDescription = "shows the Caldoryne base library at work";
	for (const Subcommand & s : SUBCOMMANDS)
		if (s.m_addOptions != nullptr)
			s.m_addOptions(parser);
	parser.parse(argc, argv);

	if (parser.handleDefaultFlags(std::cout)) {
		if (parser.flagEnabled("help"))
			printSubcommands(std::cout);
		return EXIT_SUCCESS;
	}
	try {
		if (!parser.m_optionsLeft.empty() && !parser.flagEnabled("options-left"))
			throw UsageError("Unknown option '" + parser.m_optionsLeft.front() + "' (see --help).");
		if (parser.m_args.size() < 2) {
			// the informational flags alone are a complete call
			if (parser.flagEnabled("cmd-line") || parser.flagEnabled("options-left"))
				return EXIT_SUCCESS;
			throw UsageError("Missing subcommand (see --help).");
		}
		const Subcommand * sub = findSubcommand(parser.m_args[1]);
		if (sub == nullptr)
			throw UsageError("Unknown subcommand '" + parser.m_args[1] + "' (see --help).");
		return sub->m_run(parser, Args(parser.m_args.begin() + 2, parser.m_args.end()));
	}
	catch (UsageError & ex) {
		std::cerr << ex.what() << "\n";
		return 2;
	}
	catch (BVX::Exception & ex) {
		writeMessageStack(ex);
		return EXIT_FAILURE;
	}
	catch (std::exception & ex) {
		std::cerr << ex.what() << "\n";
		return EXIT_FAILURE;
	}
}
