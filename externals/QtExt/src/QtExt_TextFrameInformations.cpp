#include "QtExt_TextFrameInformations.h"

#include <cmath>

#include <QAbstractTextDocumentLayout>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace QtExt {

namespace {

/*! Lays the document out at a width (-1 unwrapped) and returns its ideal width and height. */
void layoutAt(QTextDocument * doc, double width, double & idealWidth, double & height) {
	doc->setTextWidth(width);
	idealWidth = doc->idealWidth();
	height = doc->documentLayout()->documentSize().height();
}

/*! Number of laid-out lines of all blocks. */
int lineCount(QTextDocument * doc) {
	int lines = 0;
	for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
		if (b.layout() != nullptr)
			lines += b.layout()->lineCount();
	return lines;
}


/*! Narrowest integer width at which the document keeps a height. Qt wraps slightly
	before the ideal width (it reserves room for the cursor), so the ideal width is
	only where the search starts; it never goes past the trial width that gave the height. */
double narrowestWidth(QTextDocument * doc, double idealWidth, double height, double trialWidth) {
	double w = std::ceil(idealWidth);
	double ideal, h;
	while (w < trialWidth) {
		layoutAt(doc, w, ideal, h);
		if (h <= height)
			break;
		++w;
	}
	return w;
}


/*! True when a laid-out line ends inside a number ("1800." over "0") or a unit ("m2K/" over
	"W"): the line breaking rules allow breaks after a decimal point, a slash or a separator
	between digits. */
bool splitsNumber(QTextDocument * doc) {
	static const QRegularExpression number("[-+\\x{2212}]?\\d+(?:[.,:/\\-]\\d+)*|[^\\s/]+/[^\\s/]+");
	for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
		const QTextLayout * layout = b.layout();
		if (layout == nullptr || layout->lineCount() < 2)
			continue;
		QRegularExpressionMatchIterator it = number.globalMatch(b.text());
		while (it.hasNext()) {
			const QRegularExpressionMatch m = it.next();
			const QTextLine first = layout->lineForTextPosition(m.capturedStart());
			const QTextLine last = layout->lineForTextPosition(m.capturedEnd() - 1);
			if (first.lineNumber() != last.lineNumber())
				return true;
		}
	}
	return false;
}


/*! Wrap mode of the document's default text option. */
void setWrapMode(QTextDocument * textDocument, QTextOption::WrapMode mode) {
	QTextOption option = textDocument->defaultTextOption();
	if (option.wrapMode() == mode)
		return;
	option.setWrapMode(mode);
	textDocument->setDefaultTextOption(option);
}

} // namespace


void TextFrameInformations::useReportWrap(QTextDocument * textDocument) {
	setWrapMode(textDocument, QTextOption::WrapAtWordBoundaryOrAnywhere);
}


void TextFrameInformations::setText(QTextDocument * textDocument, const QString & html) {
	Q_ASSERT_X(textDocument != nullptr, "TextFrameInformations::setText", "m_textDocument != 0");
	m_textDocument = textDocument;
	if (html == m_text && !m_infoVect.empty())
		return;
	m_text = html;
	m_brokenWords = Info();
	measure();
}


void TextFrameInformations::measure() {
	m_infoVect.clear();
	if (m_text.isEmpty() || m_textDocument == nullptr)
		return;
	m_textDocument->setDocumentMargin(0);
	m_textDocument->setHtml(m_text);
	// the entries are those of whole words; narrower widths break words (brokenWordsInfo)
	setWrapMode(m_textDocument, QTextOption::WordWrap);

	double ideal, height;
	layoutAt(m_textDocument, -1, ideal, height);
	Info first;
	first.m_lines = lineCount(m_textDocument);
	first.m_height = height;
	first.m_minWidth = narrowestWidth(m_textDocument, ideal, height, std::ceil(ideal) + 8);
	first.m_maxWidth = 1e10;
	first.m_valid = first.m_lines != 0;
	m_infoVect.push_back(first);

	// Each step tries the next narrower width that can change the wrapping: one pixel
	// below the narrowest width of the last layout. Greedy wrapping keeps the same lines
	// at any width down to that widest line, so no width in between needs a layout.
	// Once a word no longer fits (the ideal width exceeds the trial width) narrower
	// widths cannot make the text narrower: the last entry stands for them.
	double width = first.m_minWidth - 1;
	while (width >= 1) {
		layoutAt(m_textDocument, width, ideal, height);
		// narrower than a word or a number: the entries end here
		if (ideal > width || splitsNumber(m_textDocument))
			break;
		const int lines = lineCount(m_textDocument);
		const double narrowest = narrowestWidth(m_textDocument, ideal, height, width);
		Info & last = m_infoVect.back();
		if (height > last.m_height) {
			Info next;
			next.m_lines = lines;
			next.m_height = height;
			next.m_minWidth = narrowest;
			next.m_maxWidth = last.m_minWidth;
			next.m_valid = true;
			m_infoVect.push_back(next);
		}
		else {
			last.m_minWidth = narrowest;
		}
		width = m_infoVect.back().m_minWidth - 1;
	}
}


TextFrameInformations::Info TextFrameInformations::info(double width) {
	if (m_text.isEmpty())
		return Info();
	if (m_infoVect.empty())
		measure();
	if (m_infoVect.empty())
		return Info();
	if (width < 0) {
		Q_ASSERT_X(m_infoVect.front().isValid(), "TextFrameInformations::info", "m_infoVect.front().isValid()");
		return m_infoVect.front();
	}
	for (const Info & i : m_infoVect) {
		if (i.isValid() && i.m_minWidth <= width && width < i.m_maxWidth)
			return i;
	}
	const Info & narrowest = m_infoVect.back();
	if (narrowest.isValid() && width < narrowest.m_minWidth && width >= 1)
		return brokenWordsInfo(width);
	return Info();
}


TextFrameInformations::Info TextFrameInformations::brokenWordsInfo(double width) {
	if (m_brokenWords.isValid() && m_brokenWords.m_minWidth == width)
		return m_brokenWords;
	// the document is shared with other texts: lay this one out again
	m_textDocument->setDocumentMargin(0);
	m_textDocument->setHtml(m_text);
	useReportWrap(m_textDocument);
	double ideal, height;
	layoutAt(m_textDocument, width, ideal, height);
	Info broken;
	broken.m_lines = lineCount(m_textDocument);
	broken.m_height = height;
	// drawn at this very width: a narrower one could wrap otherwise
	broken.m_minWidth = width;
	broken.m_maxWidth = m_infoVect.back().m_minWidth;
	broken.m_valid = broken.m_lines != 0;
	m_brokenWords = broken;
	return broken;
}

} // namespace QtExt
