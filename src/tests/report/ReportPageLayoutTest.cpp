// The printed report's pages as a reader finds them in the PDF (pdftotext -bbox): every word
// lies inside the part of the page its frame was given (nothing painted under the header, over
// the footer or across a page end, so no line is cut or found twice), header and footer are the
// same on every page, no page holds only header and footer, and neighbouring table cells stand
// at least a space apart. Both examples in both languages at every offered size, after a short
// run (so that the temperature chart is printed), and a long remark that runs over pages.
#include <cmath>
#include <map>
#include <memory>
#include <sstream>
#include <tuple>

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFontComboBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocumentFragment>

#include <gtest/gtest.h>

#include <QtExt_LanguageHandler.h>
#include <QtExt_ReportBlockFrame.h>
#include <QtExt_Table.h>

#include <RM_CaldoryneModelInterface.h>
#include <RM_Database.h>

#include "GuiTestHarness.h"
#include "ProjectRun.h"
#include "Report.h"
#include "ReportPreview.h"
#include "ReportSettings.h"
#include "ReportTestFixture.h"

namespace {

/*! A word of the PDF with its box in points. */
struct Word {
	QString	m_text;
	QRectF	m_box;
};

struct Page {
	QSizeF				m_size;
	std::vector<Word>	m_words;
};

std::vector<Page> pdfWords(const QString & file) {
	const QString xhtml = ReportTest::runTool(PDFTOTEXT_EXECUTABLE, { "-bbox", file, "-" });
	static const QRegularExpression tag("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">|"
										"<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>");
	std::vector<Page> pages;
	QRegularExpressionMatchIterator it = tag.globalMatch(xhtml);
	while (it.hasNext()) {
		const QRegularExpressionMatch m = it.next();
		if (!m.captured(1).isEmpty()) {
			pages.push_back(Page{ QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()), {} });
			continue;
		}
		if (pages.empty())
			continue;
		QString text = m.captured(7);
		text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&apos;", "'").replace("&amp;", "&");
		pages.back().m_words.push_back(Word{ text, QRectF(QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()),
														  QPointF(m.captured(5).toDouble(), m.captured(6).toDouble())) });
	}
	return pages;
}

/*! The words of the page between header and footer, one line per text line (words whose
	boxes share their top), lines from top to bottom. */
QStringList bodyLines(const std::vector<Word> & body) {
	std::map<long, QStringList> lines;
	for (const Word & w : body)
		lines[std::lround(w.m_box.top())] << w.m_text;
	QStringList list;
	for (const auto & l : lines)
		list << l.second.join(' ');
	return list;
}

/*! What one PDF of the report shows and where, with the report's own layout beside it. */
class PdfPages {
public:
	PdfPages(const QString & file, Report * report, const QString & what) :
		m_what(what.toStdString()), m_report(report), m_pages(pdfWords(file))
	{
		EXPECT_EQ(int(m_pages.size()), report->pageCount()) << m_what;
		// device pixels to points; the printable area lies centred on the page (equal margins)
		m_scale = 72 / 25.4 / report->pixelsPerMM();
		if (!m_pages.empty())
			m_offset = QPointF(m_pages.front().m_size.width() - report->pageSize().width() * m_scale,
							   m_pages.front().m_size.height() - report->pageSize().height() * m_scale) / 2;
	}

	/*! Every word inside its page's header, footer or a frame part of the page; header and
		footer equal on every page (page numbers aside); something between them on every page. */
	void checkWordsInsideTheirParts() {
		const double tol = 0.75;
		const double headerBottom = m_report->headerRect().bottom() * m_scale + m_offset.y();
		const double footerTop = m_report->footerRect().top() * m_scale + m_offset.y();
		QStringList firstHeader;
		QStringList firstFooter;
		for (size_t p = 0; p < m_pages.size(); ++p) {
			const int page = int(p) + 1;
			const std::vector<QRectF> parts = partRects(page);
			QStringList header;
			QStringList footer;
			std::vector<Word> body;
			for (const Word & w : m_pages[p].m_words) {
				if (w.m_box.bottom() <= headerBottom + tol)
					header << w.m_text;
				else if (w.m_box.top() >= footerTop - tol) {
					footer << QString(w.m_text).replace(QRegularExpression("\\d+"), "#");
					EXPECT_TRUE(w.m_box.left() >= m_offset.x() - tol
								&& w.m_box.right() <= m_pages[p].m_size.width() - m_offset.x() + tol)
							<< m_what << " page " << page << ": footer word '" << w.m_text.toStdString() << "' beside the page";
				}
				else {
					body.push_back(w);
					bool inside = false;
					// the glyph boxes of the PDF reach a little past Qt's line boxes
					const double reach = tol + 0.1 * w.m_box.height();
					for (const QRectF & r : parts)
						inside = inside || (w.m_box.top() >= r.top() - reach && w.m_box.bottom() <= r.bottom() + reach);
					EXPECT_TRUE(inside) << m_what << " page " << page << ": '" << w.m_text.toStdString()
										<< "' at " << w.m_box.top() << ".." << w.m_box.bottom()
										<< " pt lies outside the parts of its page";
				}
			}
			// the footer elides the project name to leave room for the page numbers: they stay
			static const QStringList pageWords = { "Page", "of", "Seite", "von" };
			QStringList numbers;
			for (const QString & w : footer)
				if (w.contains('#') && !w.contains(QChar(0x2026)))
					numbers << w;
				else if (pageWords.contains(w))
					numbers << w;
			footer = numbers;
			if (p == 0) {
				firstHeader = header;
				firstFooter = footer;
			}
			EXPECT_EQ(header, firstHeader) << m_what << " page " << page;
			EXPECT_EQ(footer, firstFooter) << m_what << " page " << page;
			EXPECT_FALSE(body.empty()) << m_what << " page " << page << " holds only header and footer";
			m_lines << bodyLines(body);
			// a line on both sides of a page end was cut or painted twice
			const QStringList lines = bodyLines(body);
			if (!lines.isEmpty() && !m_lastLine.isEmpty()) {
				EXPECT_NE(lines.front(), m_lastLine) << m_what << " page " << page;
			}
			m_lastLine = lines.isEmpty() ? QString() : lines.back();
		}
	}

	/*! Neighbouring cells of a row of every info table: no PDF word runs the end of the left cell
		into the start of the right one, and the value's first word stands a space's width
		(a quarter of the word's height) right of the label's word on its line. */
	void checkCellsApart() {
		for (size_t i = 0; i < m_report->frameCount(); ++i) {
			const QtExt::ReportBlockFrame * frame = dynamic_cast<const QtExt::ReportBlockFrame *>(m_report->frame(i));
			if (frame == nullptr || frame->isHidden())
				continue;
			for (QtExt::Table * t : frame->tables())
				// the info tables: label and value columns without a grid between them
				for (int r = 0; r < t->rowCount() && t->innerBorderWidth() <= 0; ++r)
					for (int c = 0; c + 1 < t->columnCount(); ++c)
						checkApart(plain(t->cell(c, r).text()), plain(t->cell(c + 1, r).text()));
		}
	}

	/*! Text lines found in the pages' bodies, page after page. */
	const QStringList & lines() const { return m_lines; }

private:
	static QString plain(const QString & html) {
		return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
	}

	void checkApart(const QString & label, const QString & value) {
		if (label.isEmpty() || value.isEmpty())
			return;
		const QString first = value.section(' ', 0, 0);
		// words of the label, also the pieces of words broken at their hyphens
		QStringList labelWords = label.split(' ');
		for (const QString & w : label.split(' '))
			if (w.contains('-'))
				labelWords << w.section('-', 0, 0) + "-";
		for (const Page & page : m_pages) {
			for (size_t k = 0; k < page.m_words.size(); ++k) {
				const Word & w = page.m_words[k];
				// "heating:schedule," or "Raumtemperatur-21,0": a word made of both cells
				if (w.m_text.size() > first.size() && w.m_text.endsWith(first)) {
					const QString head = w.m_text.left(w.m_text.size() - first.size());
					EXPECT_FALSE(labelWords.contains(head))
							<< m_what << ": '" << label.toStdString() << "' runs into '" << value.toStdString() << "' as '"
							<< w.m_text.toStdString() << "'";
				}
				if (w.m_text != first || k == 0)
					continue;
				const Word & left = page.m_words[k - 1];
				const bool sameLine = std::fabs(left.m_box.top() - w.m_box.top()) < 1 && left.m_box.right() <= w.m_box.left() + 1;
				if (!sameLine || !labelWords.contains(left.m_text))
					continue;
				EXPECT_GE(w.m_box.left() - left.m_box.right(), 0.25 * w.m_box.height())
						<< m_what << ": '" << left.m_text.toStdString() << "' too near '" << w.m_text.toStdString() << "'";
			}
		}
	}

	std::vector<QRectF> partRects(int page) const {
		std::vector<QRectF> rects;
		for (size_t i = 0; i < m_report->frameCount(); ++i) {
			if (m_report->frame(i)->isHidden())
				continue;
			for (const QtExt::Report::FramePart & part : m_report->frameParts(i))
				if (part.m_page == page)
					rects.push_back(QRectF(part.m_rect.left() * m_scale + m_offset.x(), part.m_rect.top() * m_scale + m_offset.y(),
										   part.m_rect.width() * m_scale, part.m_rect.height() * m_scale));
		}
		return rects;
	}

	std::string			m_what;
	Report *			m_report;
	std::vector<Page>	m_pages;
	double				m_scale = 1;
	QPointF				m_offset;
	QStringList			m_lines;
	QString				m_lastLine;
};

/*! A copy of a project with a shorter run and, when given, a description; written into dir. */
QString projectCopy(const QString & source, const QString & dir, const QString & description) {
	QFile in(source);
	EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << source.toStdString();
	QString xml = QString::fromUtf8(in.readAll());
	if (!xml.contains("<SimulationEndTime>"))
		xml.replace("<SimulationParameters>", "<SimulationParameters>\n            <SimulationEndTime>259200</SimulationEndTime>");
	if (!description.isNull())
		xml.replace(QRegularExpression("<Description>[^<]*</Description>"),
					"<Description>" + description.toHtmlEscaped() + "</Description>");
	const QString target = dir + "/" + QFileInfo(source).fileName();
	QFile out(target);
	EXPECT_TRUE(out.open(QIODevice::WriteOnly));
	out.write(xml.toUtf8());
	return target;
}

/*! A remark longer than a page: a numbered list of measures, a bordered row of two cells of
	50 lines each and a bordered box of 70 lines. */
QString longRemark() {
	QString html = "<ol>";
	for (int i = 1; i <= 80; ++i)
		html += QString("<li>Measure %1 of the refurbishment</li>").arg(i);
	html += "</ol><table border=\"1\" cellpadding=\"4\" cellspacing=\"0\"><tr><td>";
	for (int i = 1; i <= 50; ++i)
		html += QString("Left %1 measure<br/>").arg(i);
	html += "</td><td>";
	for (int i = 1; i <= 50; ++i)
		html += QString("Right %1 cost<br/>").arg(i);
	html += "</td></tr></table><p></p><table border=\"1\" cellpadding=\"4\" cellspacing=\"0\"><tr><td>";
	for (int i = 1; i <= 70; ++i)
		html += QString("Box line %1<br/>").arg(i);
	html += "</td></tr></table>";
	return html;
}

/*! A short run of a project (three days: enough for the chart) and its report preview. */
class ReportPageLayoutTest : public ::testing::Test {
protected:
	void SetUp() override {
		GuiTest::clearSettings();
		ReportSettings::instance().setDefaults();
		ASSERT_TRUE(m_dir.isValid());
		m_db.setDirectories(GuiTest::sourceDir() + "/resources", m_dir.filePath("userdb"));
		m_db.readDatabase();
	}
	void TearDown() override {
		QtExt::LanguageHandler::instance().installTranslator("en");
		ReportSettings::instance().setDefaults();
	}

	void run(const QString & source, const QString & description = QString()) {
		ProjectRun::Settings settings;
		settings.m_projectFile = projectCopy(source, m_dir.path(), description);
		settings.m_runDirectory = m_dir.filePath("run");
		settings.m_writeResults = false;
		settings.m_summary = &m_summary;
		m_run.reset(new ProjectRun(settings, m_db));
		ASSERT_EQ(m_run->execute(), ProjectRun::Success);
		ASSERT_TRUE(m_run->model()->m_outputManager.m_resultsPresent);
	}

	/*! Writes the report at the preview's size entry and checks its pages. */
	void checkSize(ReportPreview & preview, int sizeIndex, const QString & what, QStringList * lines = nullptr) {
		QComboBox * sizes = preview.findChild<QComboBox *>("comboBoxFontSize");
		sizes->setCurrentIndex(sizeIndex);
		const QString pdf = m_dir.filePath(QString("report-%1.pdf").arg(sizeIndex));
		ASSERT_TRUE(preview.writePdf(pdf));
		PdfPages pages(pdf, preview.report(), what + " " + sizes->itemText(sizeIndex) + " pt");
		pages.checkWordsInsideTheirParts();
		pages.checkCellsApart();
		if (lines != nullptr)
			*lines = pages.lines();
	}

	static QComboBox * sizeBox(ReportPreview & preview) {
		// a scalable family: the preview offers its standard sizes
		preview.findChild<QFontComboBox *>("fontComboBoxFont")->setCurrentFont(QFont("DejaVu Sans"));
		return preview.findChild<QComboBox *>("comboBoxFontSize");
	}

	QTemporaryDir				m_dir;
	RM::Database				m_db;
	std::ostringstream			m_summary;
	std::unique_ptr<ProjectRun>	m_run;
};

/*! Example and language; one test each, so that CTest runs them side by side. */
class ReportPageLayoutSizesTest : public ReportPageLayoutTest,
								  public ::testing::WithParamInterface<std::tuple<const char *, const char *>> {};

} // namespace


TEST_P(ReportPageLayoutSizesTest, EveryWordInsideItsPartAtEveryFontSize) {
	const QString example = std::get<0>(GetParam());
	const QString lang = std::get<1>(GetParam());
	run(GuiTest::sourceDir() + "/resources/examples/" + example);
	QtExt::LanguageHandler::instance().installTranslator(lang);
	ReportSettings::instance().setDefaults();
	ReportPreview preview(m_run->model(), &m_db);
	QComboBox * sizes = sizeBox(preview);
	ASSERT_EQ(sizes->count(), 18) << preview.findChild<QFontComboBox *>("fontComboBoxFont")->currentFont().family().toStdString();
	for (int i = 0; i < sizes->count(); ++i)
		checkSize(preview, i, example + " " + lang);
}

INSTANTIATE_TEST_SUITE_P(Examples, ReportPageLayoutSizesTest,
						 ::testing::Combine(::testing::Values("Office_SouthFacade.rmxml", "DefaultRoom.rmxml"),
											::testing::Values("en", "de")),
						 [](const ::testing::TestParamInfo<ReportPageLayoutSizesTest::ParamType> & p) {
							 return QString(std::get<0>(p.param)).section('.', 0, 0).remove('_').toStdString()
									 + "_" + std::get<1>(p.param);
						 });


// Rows and boxes taller than a page break between their lines: every line of every cell once.
TEST_F(ReportPageLayoutTest, LongRemarkEveryLineOnceAndWhole) {
	run(GuiTest::sourceDir() + "/tools/caldoryne-cli/tests/data/Office_ThreeDays.rmxml", longRemark());
	ReportSettings::instance().m_activatedFrames.insert(14);
	ReportPreview preview(m_run->model(), &m_db);
	QComboBox * sizes = sizeBox(preview);
	for (int pt : { 12, 20 }) {
		const int index = sizes->findText(QString::number(pt));
		ASSERT_GE(index, 0) << pt;
		QStringList lines;
		checkSize(preview, index, QString("long remark"), &lines);
		const QString text = lines.join('\n');
		for (int i = 1; i <= 80; ++i)
			EXPECT_EQ(text.count(QRegularExpression(QString("\\b%1\\. Measure %1 of the refurbishment\\b").arg(i))), 1) << pt << " pt, measure " << i;
		for (int i = 1; i <= 50; ++i) {
			EXPECT_EQ(text.count(QRegularExpression(QString("\\bLeft %1 measure\\b").arg(i))), 1) << pt << " pt, left " << i;
			EXPECT_EQ(text.count(QRegularExpression(QString("\\bRight %1 cost\\b").arg(i))), 1) << pt << " pt, right " << i;
		}
		for (int i = 1; i <= 70; ++i)
			EXPECT_EQ(text.count(QRegularExpression(QString("\\bBox line %1\\b").arg(i))), 1) << pt << " pt, box line " << i;
	}
}
