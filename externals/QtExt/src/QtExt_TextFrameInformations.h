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

	/*! Entry for a wrap width: a negative width gives the unwrapped text, a width below
		the narrowest entry gives the narrowest entry (a word wider than the width
		overflows). An empty text gives an invalid entry.
	*/
	Info info(double width);

	const std::vector<Info> & entries() const { return m_infoVect; }

	/*! Report texts wrap at word boundaries only: a word wider than the width overflows
		instead of being broken inside (Qt's default breaks it anywhere). */
	static void useWordWrap(QTextDocument * textDocument);

private:
	void measure();

	QTextDocument *		m_textDocument = nullptr;
	std::vector<Info>	m_infoVect;
	QString				m_text;
};

} // namespace QtExt

#endif // QtExt_TextFrameInformationsH
