#ifndef AxisTitleTextEngineH
#define AxisTitleTextEngineH

#include <qwt_text.h>
#include <qwt_text_engine.h>

/*! Rich text of an axis title that breaks into lines on a short axis.

	Qwt lays the title out for the axis length before it aligns the scales to the canvas, and
	draws it into the axis length after that alignment, which can be shorter by the border
	distances: a title that breaks into two lines in the layout may need three when drawn, and
	the third is cut. The layout height is therefore taken for a length shorter by the slack,
	so that the drawn lines always have their room (at worst one empty line of room is left).
*/
class AxisTitleTextEngine : public QwtRichTextEngine {
public:
	/*! Text format under which the engine is registered. */
	static const QwtText::TextFormat FORMAT = QwtText::OtherFormat;

	/*! Registers the engine for FORMAT (once; Qwt owns it). */
	static void registerEngine();

	/*! Height of the text laid out for the given width less the slack. */
	double heightForWidth(const QFont & font, int flags, const QString & text, double width) const override;

	/*! Length the layout of an axis title may be off from the drawn one: the border distances
		of a scale, bound by a line and a half of the font. */
	static double slack(const QFont & font);
};

#endif // AxisTitleTextEngineH
