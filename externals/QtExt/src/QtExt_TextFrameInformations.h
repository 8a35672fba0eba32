#ifndef QtExt_TextFrameInformationsH
#define QtExt_TextFrameInformationsH

#include <vector>

#include <QString>

class QTextDocument;

namespace QtExt {

/*! Measures an html text once for every wrap width. Each entry stands for one line
	count; entries run from the widest (fewest lines) to the narrowest and are
	contiguous: an entry covers minimum width <= w < maximum width, and its maximum
	is the minimum of the entry before it.
*/
class TextFrameInformations {
public:
	struct Info {
		int		m_lines		= 0;
		double	m_height	= 0;
		double	m_minWidth	= 0;
		double	m_maxWidth	= 0;
		bool	m_valid		= false;
		bool isValid() const { return m_valid; }
	};

	/*! Binds the document and measures the text unless it is the one measured already. */
	void setText(QTextDocument * textDocument, const QString & html);

	/*! Entry for a wrap width: a negative width gives the unwrapped text. A width below
		the narrowest entry (a word wider than the width) is laid out on its own with
		words broken inside: the entry has that width as its minimum width.
		An empty text gives an invalid entry.
	*/
	Info info(double width);

	/*! Entries of the widths at which every word and number fits, widest first. */
	const std::vector<Info> & entries() const { return m_infoVect; }

	/*! Narrowest width at which no word and no number is broken (numbers as a whole,
		though the line breaking rules allow breaks after their decimal points); 0 for an
		empty text. */
	double wordWidth() const { return m_infoVect.empty() ? 0.0 : m_infoVect.back().m_minWidth; }

	/*! Report texts wrap at word boundaries and break a word inside only where it is
		wider than the line (no hyphen). */
	static void useReportWrap(QTextDocument * textDocument);

private:
	void measure();
	/*! Entry of a width below the narrowest entry; the last one is kept. */
	Info brokenWordsInfo(double width);

	QTextDocument *		m_textDocument = nullptr;
	std::vector<Info>	m_infoVect;
	QString				m_text;
	Info				m_brokenWords;
};

} // namespace QtExt

#endif // QtExt_TextFrameInformationsH
