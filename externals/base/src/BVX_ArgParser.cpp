#include "BVX_ArgParser.h"

#include <cstdlib>
#include <iostream>
#include <list>
#include <sstream>

#include "BVX_Exception.h"
#include "BVX_FormatText.h"
#include "BVX_MessageHandler.h"
#include "BVX_StringUtils.h"

namespace BVX {

namespace {

// Help page geometry: descriptions start in column 20, lines end before column 80.
const std::size_t HEAD_WIDTH		= 19;
const std::size_t DESC_INDENT		= 20;
const std::size_t LINE_WIDTH		= 79;

// Lays out one help entry (head and description) into lines.
void layoutEntry(std::string head, const std::string & description, std::vector<std::string> & lines) {
	std::string current;
	if (head.size() >= HEAD_WIDTH)
		lines.push_back(head);
	else
		current = head + std::string(HEAD_WIDTH - head.size(), ' ');

	std::list<std::string> paragraphs;
	explode_to_list(description, paragraphs, '\n');
	for (const std::string & para : paragraphs) {
		std::istringstream words(para);
		std::string word;
		while (words >> word) {
			std::string candidate = current.empty() ? std::string(DESC_INDENT, ' ') + word : current + " " + word;
			if (candidate.size() > LINE_WIDTH && !current.empty()) {
				lines.push_back(current);
				candidate = std::string(DESC_INDENT, ' ') + word;
			}
			current.swap(candidate);
		}
		lines.push_back(current);
		current.clear();
	}
	// an entry without description still shows its head
	if (!current.empty())
		lines.push_back(current);
}


void writeBlock(std::ostream & out, const char * title, const std::vector<std::string> & lines) {
	if (lines.empty())
		return;
	out << title << "\n";
	for (const std::string & l : lines)
		out << l << "\n";
	out << "\n";
}


// "-x" or "--name" as shown in the command line as understood
std::string optionName(const ArgParser::OptionType & o) {
	if (o.m_shortVersion != 0)
		return std::string("-") + o.m_shortVersion;
	return "--" + o.m_longVersion;
}

} // namespace


ArgParser::OptionType::OptionType(char shortVersion, const std::string & longVersion, const std::string & description,
								  const std::string & descValue, const std::string & defaultValue) :
	m_shortVersion(shortVersion),
	m_longVersion(longVersion),
	m_description(description),
	m_defaultValue(defaultValue),
	m_descValue(descValue),
	m_isFlag(defaultValue == "true" || defaultValue == "false")
{
}


ArgParser::ArgParser() :
	m_appname("<application>")
{
	addFlag(0, "help", "Prints the help page.", "false");
	addFlag(0, "man-page", "Prints the man page (source version) to std output.", "false");
	addFlag(0, "cmd-line", "Prints the command line as it was understood by the command line parser.", "false");
	addFlag(0, "options-left", "Prints all options that are unknown to the command line parser.", "false");
}


ArgParser::~ArgParser() {
}


void ArgParser::addOption(char shortVersion, const std::string & longVersion, const std::string & description,
						  const std::string & descValue, const std::string & defaultValue)
{
	for (const OptionType & o : m_knownOptions) {
		const bool sameShort = shortVersion != 0 && o.m_shortVersion == shortVersion;
		const bool sameLong = !longVersion.empty() && o.m_longVersion == longVersion;
		if (sameShort || sameLong) {
			BVX_Message(FormatText("Overwriting existing option '%1' / '%2' not allowed.")
						.arg(static_cast<int>(shortVersion)).arg(longVersion),
						MSG_ERROR, "[ArgParser::addOption]", -1);
			// a programming error must not look like success
			std::exit(EXIT_FAILURE);
		}
	}
	m_knownOptions.emplace_back(shortVersion, longVersion, description, descValue, defaultValue);
}


void ArgParser::addFlag(char shortVersion, const std::string & longVersion, const std::string & description,
						const std::string & defaultValue)
{
	addOption(shortVersion, longVersion, description, "true|false", defaultValue);
}


void ArgParser::storeValue(OptionType & o, const std::string & value) {
	if (value.empty() && o.m_isFlag)
		o.m_value = "true";
	else
		o.m_value = value;
}


void ArgParser::parse(int argc, const char * const argv[]) {
	if (argc > 0 && argv[0] != nullptr)
		m_args.push_back(argv[0]);
	for (int i = 1; i < argc; ++i) {
		if (argv[i] == nullptr)
			continue;
		const std::string word = argv[i];
		if (word.empty() || word[0] != '-') {
			m_args.push_back(word);
			continue;
		}
		std::string name;
		std::string value;
		const std::size_t eqPos = word.find('=');
		if (eqPos != std::string::npos) {
			name = word.substr(1, eqPos - 1);
			value = trim_copy(word.substr(eqPos + 1), " \t");
		}
		else {
			name = word.substr(1);
		}
		if (name.empty()) {
			m_optionsLeft.push_back(word);
			continue;
		}

		OptionType * match = nullptr;
		if (name[0] == '-') {
			name = name.substr(1);
			if (!name.empty()) {
				for (OptionType & o : m_knownOptions)
					if (o.m_longVersion == name) {
						match = &o;
						break;
					}
			}
		}
		else {
			// only the first character counts: "-hx" is "-h"
			for (OptionType & o : m_knownOptions)
				if (o.m_shortVersion == name[0]) {
					match = &o;
					break;
				}
		}
		if (match == nullptr)
			m_optionsLeft.push_back(word);
		else
			storeValue(*match, value);
	}
}


const ArgParser::OptionType & ArgParser::findLong(const std::string & longVersion) const {
	for (const OptionType & o : m_knownOptions)
		if (o.m_longVersion == longVersion)
			return o;
	throw Exception(FormatText("Option '%1' has not been defined with addOption().").arg(longVersion),
					"[ArgParser::hasOption]");
}


bool ArgParser::hasOption(const std::string & longVersion) const {
	return !findLong(longVersion).m_value.empty();
}


const std::string & ArgParser::option(const std::string & longVersion) const {
	const OptionType & o = findLong(longVersion);
	return o.m_value.empty() ? o.m_defaultValue : o.m_value;
}


std::string ArgParser::commandLine() const {
	std::string cmd;
	for (std::size_t i = 0; i < m_args.size(); ++i) {
		if (i > 0)
			cmd += " ";
		cmd += m_args[i];
	}
	for (const OptionType & o : m_knownOptions)
		if (o.m_isFlag && !o.m_value.empty())
			cmd += "\n " + optionName(o);
	for (const OptionType & o : m_knownOptions)
		if (!o.m_isFlag && !o.m_value.empty())
			cmd += "\n " + optionName(o) + "=" + o.m_value;
	return cmd;
}


void ArgParser::printHelp(std::ostream & out) const {
	out << "Syntax: " << m_appname << " [flags] [options] arg1 arg2 ...\n\n";

	std::vector<std::string> flagLines;
	std::vector<std::string> optionLines;
	for (const OptionType & o : m_knownOptions) {
		std::string head = "  ";
		if (o.m_isFlag) {
			if (o.m_shortVersion != 0)
				head += std::string("-") + o.m_shortVersion;
			if (!o.m_longVersion.empty()) {
				if (o.m_shortVersion != 0)
					head += ", ";
				head += "--" + o.m_longVersion;
			}
			head += "  ";
			layoutEntry(head, o.m_description, flagLines);
		}
		else {
			const std::string placeholder = o.m_descValue.empty() ? std::string("...") : o.m_descValue;
			if (o.m_shortVersion != 0)
				head += std::string("-") + o.m_shortVersion + "=<" + placeholder + ">";
			if (!o.m_longVersion.empty()) {
				if (o.m_shortVersion != 0)
					head += ", --" + o.m_longVersion + "=<...>";
				else
					head += "--" + o.m_longVersion + "=<" + placeholder + ">";
			}
			head += "  ";
			layoutEntry(head, o.m_description, optionLines);
		}
	}
	writeBlock(out, "Flags:", flagLines);
	writeBlock(out, "Options:", optionLines);
}


void ArgParser::printManPage(std::ostream & out) const {
	out << ".TH \"" << m_appname << "\" 1 \"Dec 19 2018\" \"version " << m_version << "\"\n";
	out << ".SH NAME\n";
	out << m_appname << " - " << m_shortDescription << "\n";
}


bool ArgParser::handleDefaultFlags(std::ostream & out) const {
	try {
		if (flagEnabled("cmd-line"))
			out << "Command line: " << commandLine() << std::endl;
		if (flagEnabled("options-left") && !m_optionsLeft.empty()) {
			out << "Options left:\n";
			for (const std::string & o : m_optionsLeft)
				out << o << " ";
			out << std::endl;
		}
		if (flagEnabled("help")) {
			printHelp(out);
			return true;
		}
		if (flagEnabled("man-page")) {
			printManPage(out);
			return true;
		}
	}
	catch (std::exception & ex) {
		std::cerr << ex.what() << std::endl;
		std::cerr << "Exception while processing default command-line arguments." << std::endl;
	}
	return false;
}

} // namespace BVX
