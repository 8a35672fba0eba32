#include <cmath>

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTextDocument>

#include <QtExt_TextFrame.h>
#include <QtExt_TextFrameInformations.h>
#include <QtExt_TextProperties.h>

using QtExt::TextFrameInformations;

TEST(TextBlocks, headingTypesMapToHtmlAndFontSizes) {
	struct Case { int type; const char * html; int smaller; };
	const Case cases[] = {
		{ 0, "x", 5 },
		{ 1, "<h1>x</h1>", 2 },
		{ 2, "<h2>x</h2>", 3 },
		{ 3, "<h3>x</h3>", 4 },
		{ 4, "<h4>x</h4>", 0 },
		{ 5, "<small>x</small>", 5 },
		{ 6, "x", 0 },
		{ -1, "x", 0 }
	};
	for (const Case & c : cases) {
		EXPECT_EQ(QtExt::htmlHeading("x", c.type), QString(c.html)) << c.type;
		EXPECT_EQ(QtExt::headingFontSize(c.type), c.smaller) << c.type;
	}
}


namespace {

/*! Height of the html laid out at a width, measured independently of the class under test:
	words wrap at their boundaries, a word wider than the line is broken inside. */
double heightAt(const QString & html, double width, double * idealWidth = nullptr) {
	QTextDocument doc;
	doc.setDocumentMargin(0);
	doc.setHtml(html);
	QTextOption option = doc.defaultTextOption();
	option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
	doc.setDefaultTextOption(option);
	doc.setTextWidth(width);
	if (idealWidth != nullptr)
		*idealWidth = doc.idealWidth();
	return doc.documentLayout()->documentSize().height();
}

double unwrappedWidth(const QString & html) {
	QTextDocument doc;
	doc.setDocumentMargin(0);
	doc.setHtml(html);
	doc.setTextWidth(-1);
	return doc.idealWidth();
}

} // namespace


TEST(TextBlocks, everyWidthGivesAnEntryMatchingTheLayout) {
	const QString texts[] = {
		"Temperature",
		"The room air is one node of the balance.",
		"<p>Walls are meshed into <b>finite-volume</b> layers whose temperatures follow from the "
		"heat flux through their faces.</p><p>The room air exchanges heat with every wall surface, "
		"with the ventilation air and with the internal loads of the hour.</p>"
	};
	for (const QString & html : texts) {
		QTextDocument doc;
		TextFrameInformations infos;
		infos.setText(&doc, html);
		const double unwrapped = unwrappedWidth(html);
		const TextFrameInformations::Info first = infos.info(-1);
		ASSERT_TRUE(first.isValid());
		EXPECT_GE(first.m_minWidth, unwrapped);
		EXPECT_LE(first.m_minWidth, unwrapped + 2);
		EXPECT_DOUBLE_EQ(first.m_height, heightAt(html, -1));

		const double narrowest = infos.entries().back().m_minWidth;
		// Qt stops breaking words below a few glyphs: cells are wider than that
		const int smallest = static_cast<int>(std::ceil(4*QFontMetricsF(doc.defaultFont()).horizontalAdvance('M')));
		int previousLines = 0;
		for (int w = static_cast<int>(unwrapped) + 2; w >= smallest; --w) {
			const TextFrameInformations::Info i = infos.info(w);
			ASSERT_TRUE(i.isValid()) << html.toStdString() << " width " << w;
			EXPECT_DOUBLE_EQ(i.m_height, heightAt(html, i.m_minWidth)) << w;
			EXPECT_LE(i.m_minWidth, w);
			if (w < narrowest) {
				// a word does not fit: it is broken inside, and no line is wider than the width
				double ideal = 0;
				heightAt(html, w, &ideal);
				EXPECT_LE(ideal, w + 1) << w;
				EXPECT_EQ(i.m_minWidth, w);
			}
			EXPECT_GE(i.m_lines, previousLines);
			previousLines = i.m_lines;
		}
	}
}


TEST(TextBlocks, oneWordKeepsOneEntryAndEntriesAreContiguous) {
	QTextDocument doc;
	TextFrameInformations word;
	word.setText(&doc, "Heating");
	ASSERT_EQ(word.entries().size(), 1u);
	EXPECT_EQ(word.info(word.entries()[0].m_minWidth).m_lines, 1);
	// narrower than a word: the word is broken into lines, drawn at that width
	TextFrameInformations compound;
	compound.setText(&doc, QString::fromUtf8("Wärmeschutzverglasung"));
	ASSERT_EQ(compound.entries().size(), 1u);
	const double half = std::floor(compound.entries()[0].m_minWidth/2);
	EXPECT_GE(compound.info(half).m_lines, 2);
	EXPECT_EQ(compound.info(half).m_minWidth, half);
	double ideal = 0;
	EXPECT_DOUBLE_EQ(compound.info(half).m_height, heightAt(QString::fromUtf8("Wärmeschutzverglasung"), half, &ideal));
	EXPECT_LE(ideal, half);

	TextFrameInformations sentence;
	sentence.setText(&doc, "one two three four five six seven eight nine ten");
	const auto & e = sentence.entries();
	ASSERT_GT(e.size(), 2u);
	for (size_t k = 1; k < e.size(); ++k) {
		EXPECT_EQ(e[k].m_maxWidth, e[k - 1].m_minWidth);
		EXPECT_GT(e[k].m_height, e[k - 1].m_height);
	}
}


TEST(TextBlocks, emptyTextAndNullDevicesGiveNothing) {
	QTextDocument doc;
	TextFrameInformations empty;
	empty.setText(&doc, QString());
	EXPECT_FALSE(empty.info(100).isValid());
	EXPECT_FALSE(empty.info(-1).isValid());

	QtExt::TextFrame frame(nullptr);
	QImage img(200, 100, QImage::Format_RGB32);
	EXPECT_TRUE(frame.frameRect(&img, 100).isNull());
	frame.setText("Some text");
	EXPECT_TRUE(frame.frameRect(nullptr, 100).isNull());
	const QRectF r = frame.frameRect(&img, -1);
	EXPECT_GT(r.width(), 0);
	EXPECT_LE(r.width(), img.width());

	QPainter unbound; // no device: drawing does nothing
	frame.drawFrame(&unbound, QPointF(0, 0), 100);
}


TEST(TextBlocks, textPropertiesGrowWithHeadingLevel) {
	QTextDocument doc;
	QtExt::TextProperties props;
	props.m_font = QFont("Sans", 10);
	QImage img(100, 100, QImage::Format_RGB32);
	props.update(&doc, &img);
	EXPECT_GT(props.metrics(QtExt::RTT_Text).m_height, 0);
	EXPECT_GT(props.metrics(QtExt::RTT_Heading1).m_height, props.metrics(QtExt::RTT_Heading4).m_height);
	EXPECT_LT(props.metrics(QtExt::RTT_Small).m_height, props.metrics(QtExt::RTT_Heading1).m_height);
	const auto & m = props.metrics(QtExt::RTT_Text);
	EXPECT_LE(m.m_ascent + m.m_descent, m.m_height + 1);
}


// A frame's background must lie under the whole text: painted behind each line it covers the
// descenders of the line above wherever a line reaches higher (a subscript, a Greek letter).
TEST(TextBlocks, whiteBackgroundCoversNoInkOfTheLineAbove) {
	const QString html = "<small>g - Verglasung gjpq<br>f<sub>R</sub> - Rahmenanteil<br>"
						 "&lambda; - W&auml;rmeleitf&auml;higkeit<br>gjpq yg</small>";
	auto render = [&](const QColor & background, bool lines) {
		QImage image(420, 160, QImage::Format_RGB32);
		image.fill(Qt::white);
		QtExt::TextFrame frame(nullptr);
		frame.setText(html);
		frame.setBackgroundColor(background);
		QPainter painter(&image);
		if (lines)
			frame.drawPart(&painter, QPointF(5, 5), 400, 0, 1e9);
		else
			frame.drawFrame(&painter, QPointF(5, 5), 400);
		return image;
	};
	for (bool lines : { false, true }) {
		SCOPED_TRACE(lines ? "as a part" : "whole frame");
		const QImage plain = render(Qt::transparent, lines);
		QImage blank(plain.size(), plain.format());
		blank.fill(Qt::white);
		ASSERT_FALSE(plain == blank) << "no text drawn";
		EXPECT_TRUE(render(Qt::white, lines) == plain);
	}
}


// A text broken over pages looks the same as the text in one piece: a numbered list and a
// bordered table painted part by part, each part at the place the whole text has it, give
// the same image; a table row is never cut.
TEST(TextBlocks, textPaintedInPartsLooksLikeTheWholeText) {
	QString html = "<ol>";
	for (int i = 1; i <= 12; ++i)
		html += QString("<li>Measure %1 of the list</li>").arg(i);
	html += "</ol><table border=\"1\" cellpadding=\"4\" cellspacing=\"0\">";
	for (int i = 1; i <= 8; ++i)
		html += QString("<tr><td>Room %1</td><td>%2 m2<br>second line</td></tr>").arg(i).arg(i + 10);
	html += "</table><p>After the table</p>";
	QImage whole(420, 900, QImage::Format_RGB32);
	whole.fill(Qt::white);
	QtExt::TextFrame frame(nullptr);
	frame.setText(html);
	frame.setBackgroundColor(Qt::white);
	QPainter painter(&whole);
	frame.drawFrame(&painter, QPointF(5, 5), 400);
	painter.end();
	const double height = frame.frameRect(&whole, 400).height();
	ASSERT_LT(height, 890);

	const std::vector<double> breaks = frame.lineBreaks(&whole, 400);
	ASSERT_GT(breaks.size(), 3u);
	QImage parts(whole.size(), whole.format());
	parts.fill(Qt::white);
	painter.begin(&parts);
	// every third break: parts of several lines, some ending inside the table
	double from = 0;
	for (size_t i = 2; i <= breaks.size(); i += 3) {
		const double to = i < breaks.size() ? breaks[i] : 1e9;
		frame.drawPart(&painter, QPointF(5, 5 + from), 400, from, to);
		from = to;
	}
	if (from < 1e9)
		frame.drawPart(&painter, QPointF(5, 5 + from), 400, from, 1e9);
	painter.end();
	EXPECT_TRUE(parts == whole);

	// the eleven lines after the first list line, the eight rows (not their second lines),
	// the empty block the document keeps after a table and the line below
	EXPECT_EQ(breaks.size(), 21u);
}
