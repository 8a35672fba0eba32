// CSV tables: captions and rows of numbers, tab separated.
#include <BVX_CSVReader.h>
#include <BVX_Exception.h>
#include <BVX_Path.h>

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t * data, std::size_t size) {
	static const bool quiet = (FuzzSupport::silenceMessages(), true);
	(void)quiet;
	const std::string path = FuzzSupport::writeInput(data, size, "table.csv");
	BVX::CSVReader reader;
	reader.m_separationCharacter = '\t';
	try {
		reader.read(BVX::Path(path));
	}
	catch (BVX::Exception &) {
		return 0;
	}
	FuzzSupport::require(reader.m_nRows == reader.m_values.size(), "row count matches the rows");
	for (const auto & row : reader.m_values)
		FuzzSupport::require(row.size() == reader.m_nColumns, "every row has all columns");
	return 0;
}
