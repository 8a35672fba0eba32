#ifndef QtExt_LineBreaksH
#define QtExt_LineBreaksH

#include <utility>
#include <vector>

namespace QtExt {

/*! Page break positions inside a table row: between its text lines, never through one. */
class LineBreaks {
public:
	/*! A line as its top and bottom. */
	typedef std::pair<double, double> Line;

	/*! Adds to breaks the top of every line of one row (its cells' lines together) below the
		row's first line that cuts no other line of the row. */
	static void addRowBreaks(const std::vector<Line> & rowLines, std::vector<double> & breaks);
	/*! Sorts breaks and removes repeated positions. */
	static void sortUnique(std::vector<double> & breaks);
	/*! A position cuts a line that starts above it, unless only the line's lowest quarter lies
		below it: lines reach a little into the next one (negative leading). */
	static bool cutsLine(const Line & line, double y);
};

} // namespace QtExt

#endif // QtExt_LineBreaksH
