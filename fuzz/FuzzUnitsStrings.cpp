// Units and string helpers. Input lines: source unit, target unit, value; the whole text
// is also split and converted as the file readers do, and parsed as a unit table.
#include <string>
#include <vector>

#include <BVX_Conversions.h>
#include <BVX_Exception.h>
#include <BVX_StringUtils.h>
#include <BVX_Unit.h>
#include <BVX_UnitList.h>

#include "FuzzSupport.h"

namespace {

void convertOnce(const std::vector<std::string> & lines) {
	try {
		BVX::Unit src(lines.at(0));
		BVX::Unit target(lines.at(1));
		double v = BVX::string2val<double>(lines.at(2));
		BVX::UnitList::instance().convert(src, target, v);
	}
	catch (BVX::Exception &) {
	}
	catch (std::out_of_range &) {
	}
}

} // namespace


extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t * data, std::size_t size) {
	static const bool quiet = (FuzzSupport::silenceMessages(), true);
	(void)quiet;
	const std::string text(reinterpret_cast<const char *>(data), size);
	std::vector<std::string> lines;
	BVX::explode(text, lines, "\n", BVX::EXPLODE_TRIM | BVX::EXPLODE_KEEP_EMPTY);
	convertOnce(lines);

	std::vector<std::string> fields;
	BVX::explode_quoted(text, fields);
	BVX::explode_char(text, fields, '\t', true);
	for (const std::string & f : fields) {
		try {
			BVX::string2val<int>(f);
			BVX::string2val<unsigned int>(f);
		}
		catch (BVX::Exception &) {
		}
	}
	BVX::UTF8ToWstring(text);
	BVX::tolower_string(text);

	BVX::UnitList table;
	try {
		table.read(text);
	}
	catch (BVX::Exception &) {
	}
	return 0;
}
