#ifndef BVX_ArgParserH
#define BVX_ArgParserH

#include <ostream>
#include <string>
#include <vector>

namespace BVX {

/*! Reads a command line into flags, options and positional arguments.

	Values are given only with '=' ("--lang=de", "-l=de"); a flag given without value
	is "true". Words that look like options but match no definition are collected in
	m_optionsLeft; parsing never fails. The standard flags "help", "man-page",
	"cmd-line" and "options-left" are defined by the constructor and handled by
	handleDefaultFlags().
*/
class ArgParser {
public:
	/*! One flag or option definition. */
	struct OptionType {
		OptionType() = default;
		OptionType(char shortVersion, const std::string & longVersion, const std::string & description,
				   const std::string & descValue, const std::string & defaultValue);

		/*! Short name, 0 for none. */
		char		m_shortVersion = 0;
		std::string	m_longVersion;
		/*! Help text, may contain line breaks. */
		std::string	m_description;
		std::string	m_defaultValue;
		/*! The value given on the command line; empty means not given. */
		std::string	m_value;
		/*! Value placeholder shown in the help page ("true|false" for flags). */
		std::string	m_descValue;
		/*! True when the default value is "true" or "false". */
		bool		m_isFlag = false;
		/*! Reserved, not used by the parser. */
		bool		m_hidden = false;
	};

	ArgParser();
	virtual ~ArgParser();

	/*! Adds an option. A second definition with the same short name, or with the same
		long name, is a programming error: it is logged and the process exits with code 1. */
	void addOption(char shortVersion, const std::string & longVersion, const std::string & description,
				   const std::string & descValue, const std::string & defaultValue);

	/*! Adds a flag (placeholder "true|false"); the default should be "true" or "false". */
	void addFlag(char shortVersion, const std::string & longVersion, const std::string & description,
				 const std::string & defaultValue);

	/*! Parses the command line; call once. */
	virtual void parse(int argc, const char * const argv[]);

	/*! True when a non-empty value was given. Throws for an undefined name. */
	bool hasOption(const std::string & longVersion) const;
	/*! The given value, or the default when none was given. Throws for an undefined name. */
	const std::string & option(const std::string & longVersion) const;
	/*! True when the flag's effective value is exactly "true". Throws for an undefined name. */
	bool flagEnabled(const std::string & longVersion) const { return option(longVersion) == "true"; }

	/*! Program path, positional arguments and given flags/options, one per line. */
	std::string commandLine() const;

	virtual void printHelp(std::ostream & out) const;
	/*! The beginning of a man(7) page: title, NAME section and the NAME line. */
	virtual void printManPage(std::ostream & out) const;
	/*! Acts on the standard flags; returns true when the program should end now. */
	virtual bool handleDefaultFlags(std::ostream & out) const;

	/*! Program name shown by help and man page. */
	std::string					m_appname;
	std::string					m_version;
	/*! The man page's NAME line. */
	std::string					m_shortDescription;
	/*! Reserved texts, not used by the parser. */
	std::string					m_syntaxText;
	std::string					m_longDescription;
	/*! Words that looked like flags or options but matched no definition. */
	std::vector<std::string>	m_optionsLeft;
	/*! Program path followed by the positional arguments. */
	std::vector<std::string>	m_args;
	/*! All definitions, in definition order. */
	std::vector<OptionType>		m_knownOptions;

private:
	const OptionType & findLong(const std::string & longVersion) const;
	void storeValue(OptionType & o, const std::string & value);
};

} // namespace BVX

#endif // BVX_ArgParserH
