#include "QtExt_TextProperties.h"

#include <memory>

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace QtExt {

QString htmlHeading(const QString & text, int type) {
	switch (type) {
		case RTT_Heading1 : return QString("<h1>%1</h1>").arg(text);
		case RTT_Heading2 : return QString("<h2>%1</h2>").arg(text);
		case RTT_Heading3 : return QString("<h3>%1</h3>").arg(text);
		case RTT_Heading4 : return QString("<h4>%1</h4>").arg(text);
		case RTT_Small : return QString("<small>%1</small>").arg(text);
		default : return text;
	}
}


int headingFontSize(int type) {
	switch (type) {
		case RTT_Text : return RTT_Small;
		case RTT_Heading1 : return RTT_Heading2;
		case RTT_Heading2 : return RTT_Heading3;
		case RTT_Heading3 : return RTT_Heading4;
		case RTT_Small : return RTT_Small;
		default : return 0;
	}
}


void TextProperties::update(QTextDocument * textDocument, QPaintDevice * device) {
	Q_ASSERT_X(textDocument, "TextProperties::update", "textDocument");
	std::unique_ptr<QTextDocument> doc(textDocument->clone());
	if (device != nullptr)
		doc->documentLayout()->setPaintDevice(device);
	doc->setDefaultFont(m_font);

	// all letters of a German keyboard's three letter rows, with some punctuation
	const QString sample = QString::fromUtf8("QWERTZUIOPÜqwertzuiopüASDFGHJKLÖÄasdfghjklöäYXCVBNMyxcvbnm,.-;:_#'+*~!\"§$%&/()=?{}[]");
	const char * const templates[6] = { "%1", "<h1>%1</h1>", "<h2>%1</h2>", "<h3>%1</h3>", "<h4>%1</h4>", "<small>%1</small>" };
	for (int i = 0; i < 6; ++i) {
		doc->setHtml(QString(templates[i]).arg(sample.toHtmlEscaped()));
		doc->idealWidth(); // lays the document out
		QTextLayout * layout = doc->firstBlock().layout();
		if (layout == nullptr || layout->lineCount() == 0)
			continue;
		QTextLine line = layout->lineAt(0);
		m_metrics[i].m_height = static_cast<int>(line.height());
		m_metrics[i].m_ascent = static_cast<int>(line.ascent());
		m_metrics[i].m_descent = static_cast<int>(line.descent());
	}
}


const TextProperties::LineMetrics & TextProperties::metrics(int type) const {
	if (type < 0 || type > 5)
		type = 0;
	return m_metrics[type];
}

} // namespace QtExt
