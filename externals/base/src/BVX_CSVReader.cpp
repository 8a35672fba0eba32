#include "BVX_CSVReader.h"

#include <filesystem>
#include <fstream>

#include "BVX_Conversions.h"
#include "BVX_Exception.h"
#include "BVX_FormatText.h"
#include "BVX_Path.h"
#include "BVX_StringUtils.h"

namespace BVX {

namespace {

// Reads one line and drops the carriage return of a CRLF line end.
bool readLine(std::istream & in, std::string & line) {
	if (!std::getline(in, line))
		return false;
	if (!line.empty() && line.back() == '\r')
		line.pop_back();
	return true;
}

} // namespace


void CSVReader::read(const Path & filename) {
	const char * const FUNC_ID = "[CSVReader::read]";
	try {
		// a directory opens fine as a stream on POSIX but yields nothing
		std::error_code ec;
		const bool isDir = std::filesystem::is_directory(filename.str(), ec);
		std::ifstream in(filename.str());
		if (isDir || !in)
			throw Exception("File doesn't exist or cannot open/access file.", FUNC_ID);

		std::string line;
		m_captions.clear();
		if (readLine(in, line))
			explode_char(line, m_captions, m_separationCharacter);
		m_nColumns = static_cast<unsigned int>(m_captions.size());

		std::vector<std::string> tokens;
		unsigned int lineNr = 1; // the caption line is line 1
		while (readLine(in, line)) {
			++lineNr;
			if (line.find_first_not_of("\n\r\t ") == std::string::npos)
				continue;
			explode_char(line, tokens, m_separationCharacter);
			if (tokens.size() != m_nColumns)
				throw Exception(FormatText("Wrong number of columns in line #%1!").arg(lineNr), FUNC_ID);

			std::vector<double> values(tokens.size());
			for (unsigned int i = 0; i < tokens.size(); ++i) {
				try {
					values[i] = string2val<double>(tokens[i]);
				}
				catch (Exception & ex) {
					throw Exception(ex, FormatText("Error reading value in column %1 in line #%2.")
									.arg(i).arg(lineNr), FUNC_ID);
				}
			}
			m_values.push_back(values);
		}
		m_nRows = static_cast<unsigned int>(m_values.size());
	}
	catch (Exception & ex) {
		throw Exception(ex, FormatText("Error reading file '%1'.").arg(filename.str()), FUNC_ID);
	}
}

} // namespace BVX
