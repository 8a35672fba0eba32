#include "QtExt_LineBreaks.h"

#include <algorithm>

namespace QtExt {

void LineBreaks::addRowBreaks(const std::vector<Line> & rowLines, std::vector<double> & breaks) {
	if (rowLines.empty())
		return;
	// half a point: a break at the row's top line would move nothing
	const double eps = 0.5;
	double first = rowLines.front().first;
	for (const Line & l : rowLines)
		first = std::min(first, l.first);
	for (const Line & candidate : rowLines) {
		const double y = candidate.first;
		bool straddled = y <= first + eps;
		for (const Line & l : rowLines)
			straddled = straddled || cutsLine(l, y);
		if (!straddled)
			breaks.push_back(y);
	}
}


void LineBreaks::sortUnique(std::vector<double> & breaks) {
	std::sort(breaks.begin(), breaks.end());
	breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
}


bool LineBreaks::cutsLine(const Line & line, double y) {
	return line.first < y - 0.5 && y < line.second - 0.25 * (line.second - line.first);
}

} // namespace QtExt
