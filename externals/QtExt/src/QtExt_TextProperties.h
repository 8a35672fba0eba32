#ifndef QtExt_TextPropertiesH
#define QtExt_TextPropertiesH

#include <QFont>
#include <QString>

class QTextDocument;
class QPaintDevice;

namespace QtExt {

/*! Text types of the report: 0 plain text, 1..4 headings 1..4, 5 small text. */
enum ReportTextType {
	RTT_Text		= 0,
	RTT_Heading1	= 1,
	RTT_Heading2	= 2,
	RTT_Heading3	= 3,
	RTT_Heading4	= 4,
	RTT_Small		= 5
};

/*! Wraps a text into the html tag of the text type; plain text and unknown types unchanged. */
QString htmlHeading(const QString & text, int type);

/*! The next smaller text type: 0 -> 5, 1 -> 2, 2 -> 3, 3 -> 4, 5 -> 5, others 0. */
int headingFontSize(int type);


/*! Line metrics (line height, ascent, descent in device pixels) of body text,
	the four heading styles and small text, measured for a font and a paint device.
*/
class TextProperties {
public:
	struct LineMetrics {
		int m_height	= 0;
		int m_ascent	= 0;
		int m_descent	= 0;
	};

	/*! Measures all six styles with a clone of the document; device may be null (screen). */
	void update(QTextDocument * textDocument, QPaintDevice * device);

	/*! Metrics of a text type (0..5); other types give body text. */
	const LineMetrics & metrics(int type) const;

	/*! Font used for measuring. */
	QFont			m_font;

private:
	LineMetrics		m_metrics[6];
};

} // namespace QtExt

#endif // QtExt_TextPropertiesH
