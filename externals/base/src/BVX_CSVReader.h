#ifndef BVX_CSVReaderH
#define BVX_CSVReaderH

#include <string>
#include <vector>

namespace BVX {

class Path;

/*! Reads a separated text table: one caption line, then rows of numbers.

	Set the separator before calling read(). Empty fields are dropped when a line is
	split, so every data line must hold exactly as many non-empty fields as there are
	captions. Blank lines are skipped; carriage returns of CRLF files are removed.
*/
class CSVReader {
public:
	/*! Reads the file; throws BVX::Exception (wrapped with "Error reading file '%1'.")
		on any error. Rows are appended to those already held. */
	void read(const Path & filename);

	/*! Field separator, for example '\t' or ','. */
	char								m_separationCharacter = ',';
	/*! The fields of the first line. */
	std::vector<std::string>			m_captions;
	/*! One vector of values per data line. */
	std::vector<std::vector<double> >	m_values;
	/*! Number of captions. */
	unsigned int						m_nColumns = 0;
	/*! Number of rows held. */
	unsigned int						m_nRows = 0;
};

} // namespace BVX

#endif // BVX_CSVReaderH
