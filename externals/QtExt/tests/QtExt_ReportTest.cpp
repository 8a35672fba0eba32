#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <BVX_Exception.h>

#include <QtExt_Report.h>
#include <QtExt_ReportBlockFrame.h>
#include <QtExt_ReportFrameBase.h>
#include <QtExt_Table.h>
#include <QtExt_TextFrame.h>

using QtExt::Report;

namespace {

/*! A frame of fixed height that writes its text and counts its paintings. */
class FixedFrame : public QtExt::ReportFrameBase {
public:
	FixedFrame(Report * report, double height, const QString & text = QString()) :
		QtExt::ReportFrameBase(report, report->textDocument()), m_height(height), m_text(text) {}
	void update(QPaintDevice *, double width) override { m_frameRect = QRectF(0, 0, width, m_height); }
	void draw(QPainter * painter, const QRectF & frame) override {
		++m_draws;
		if (!m_text.isEmpty())
			painter->drawText(frame, Qt::AlignLeft | Qt::AlignTop, m_text);
	}
	double	m_height;
	QString	m_text;
	int		m_draws = 0;
};

const int PAGE_H = 1000;

/*! A report with hidden header and footer: the body is the whole page. */
struct BareReport {
	BareReport() : img(400, PAGE_H, QImage::Format_RGB32) {
		img.fill(Qt::white);
		report.headerFrame().setHidden(true);
		report.footerFrame().setHidden(true);
	}
	FixedFrame * add(double h, bool hidden = false) {
		FixedFrame * f = new FixedFrame(&report, h);
		f->setHidden(hidden);
		report.addFrame(f);
		return f;
	}
	Report	report;
	QImage	img;
};

QString run(const QString & program, const QStringList & args) {
	QProcess p;
	p.start(program, args);
	p.waitForFinished(30000);
	return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString & file) {
	const QString info = run("pdfinfo", { file });
	for (const QString & line : info.split('\n'))
		if (line.startsWith("Pages:"))
			return line.mid(6).trimmed().toInt();
	return -1;
}

QString pdfPageText(const QString & file, int page) {
	return run("pdftotext", { "-f", QString::number(page), "-l", QString::number(page), "-layout", file, "-" });
}


/*! A block frame of one heading and one text or table, as the report's sections are built. */
class BlockFrame : public QtExt::ReportBlockFrame {
public:
	BlockFrame(Report * report, const QString & html, QtExt::Table * table = nullptr) :
		QtExt::ReportBlockFrame(report, report->textDocument()),
		m_heading(report->textDocument()), m_text(report->textDocument()), m_html(html), m_table(table) {}
	void layoutBlocks() override {
		placeText(&m_heading, "<h2>Remarks</h2>", 20);
		if (m_table != nullptr)
			placeTable(m_table, 10);
		else
			placeText(&m_text, m_html, 10);
	}
	QtExt::TextFrame	m_heading;
	QtExt::TextFrame	m_text;
	QString				m_html;
	QtExt::Table *		m_table;
};

/*! An A4 PDF printer at the printer resolution. */
void setupPdf(QPrinter & printer, const QString & file) {
	printer.setOutputFormat(QPrinter::PdfFormat);
	printer.setPageSize(QPageSize(QPageSize::A4));
	printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
	printer.setOutputFileName(file);
}

/*! Lines of the whole document that match a pattern, in order. */
QStringList matchingLines(const QString & file, const QRegularExpression & pattern) {
	QStringList found;
	for (const QString & line : run("pdftotext", { "-layout", file, "-" }).split('\n')) {
		const QRegularExpressionMatch m = pattern.match(line);
		if (m.hasMatch())
			found << m.captured(1);
	}
	return found;
}

} // namespace


TEST(Report, framesFillPagesInOrder) {
	struct Case {
		const char *		name;
		std::vector<double>	heights;	// negative: hidden frame
		std::vector<int>	pages;
		int					pageCount;
	};
	const Case cases[] = {
		{ "no frames", {}, {}, 1 },
		{ "exact fit stays", { 600, 400 }, { 1, 1 }, 1 },
		{ "one pixel more moves", { 600, 401 }, { 1, 2 }, 2 },
		{ "hidden frames take no space", { 600, -500, 400 }, { 1, 0, 1 }, 1 },
		{ "hidden last frame", { 300, -2000 }, { 1, 0 }, 1 }
	};
	for (const Case & c : cases) {
		BareReport r;
		std::vector<FixedFrame *> frames;
		for (double h : c.heights)
			frames.push_back(r.add(std::abs(h), h < 0));
		r.report.print(&r.img, 1, QFont());
		EXPECT_EQ(r.report.pageCount(), c.pageCount) << c.name;
		int top = 0;
		int page = 1;
		for (size_t i = 0; i < frames.size(); ++i) {
			EXPECT_EQ(r.report.framePage(i), c.pages[i]) << c.name << " frame " << i;
			const QRect rect = r.report.frameRect(i);
			if (c.heights[i] < 0) {
				EXPECT_TRUE(rect.isEmpty()) << c.name;
				EXPECT_EQ(frames[i]->m_draws, 0) << c.name;
				continue;
			}
			if (c.pages[i] != page) {
				page = c.pages[i];
				top = 0;
			}
			EXPECT_EQ(rect, QRect(0, top, 400, int(c.heights[i]))) << c.name << " frame " << i;
			top += int(c.heights[i]);
			EXPECT_EQ(frames[i]->m_draws, c.pages[i] == 1 ? 1 : 0) << c.name << " frame " << i;
		}
	}
}


TEST(Report, headerAndFooterBoundTheBody) {
	for (int mask = 0; mask < 4; ++mask) {
		const bool headerHidden = mask & 1;
		const bool footerHidden = mask & 2;
		BareReport r;
		r.report.headerFrame().setHidden(headerHidden);
		r.report.footerFrame().setHidden(footerHidden);
		r.report.setHeaderData("Caldoryne", "Office", "", QPixmap());
		r.report.print(&r.img, 1, QFont());
		const int header = r.report.headerRect().height();
		const int footer = r.report.footerRect().height();
		EXPECT_EQ(header == 0, headerHidden);
		EXPECT_EQ(footer == 0, footerHidden);
		if (!footerHidden) {
			EXPECT_EQ(r.report.footerRect().bottom(), PAGE_H - 1);
		}
		// a frame filling the body exactly stays on page 1, one pixel more does not
		const int body = PAGE_H - header - footer;
		r.add(body);
		r.add(1);
		r.report.print(&r.img, 1, QFont());
		EXPECT_EQ(r.report.frameRect(0).top(), header);
		EXPECT_EQ(r.report.framePage(0), 1);
		EXPECT_EQ(r.report.framePage(1), 2);
	}
}


TEST(Report, footerNumbersThePagePrinted) {
	BareReport r;
	r.report.footerFrame().setHidden(false);
	r.add(900);
	r.add(900);
	r.add(900);
	for (int page : { 3, 1, 2 }) {
		r.report.print(&r.img, page, QFont());
		EXPECT_EQ(r.report.footerFrame().m_pageNumber, page);
	}
}


TEST(Report, progressCoversLayoutAndPainting) {
	BareReport r;
	r.add(600);
	r.add(300, true);
	r.add(300);
	r.add(600);
	std::vector<size_t> seen;
	QObject::connect(&r.report, &Report::progress, [&](size_t v) { seen.push_back(v); });
	r.report.print(&r.img, 1, QFont());
	// layout: frames 0, 2, 3 (the hidden one is skipped); painting page 1: frames 0 and 2
	EXPECT_EQ(seen, std::vector<size_t>({ 1, 3, 4, 4 + 1, 4 + 3 }));
}


TEST(Report, wholeDocumentToPdf) {
	QTemporaryDir dir;
	Report report;
	report.setHeaderData("Caldoryne 3.2.2", "Sample project", "", QPixmap());
	QPrinter printer(QPrinter::HighResolution);
	printer.setOutputFormat(QPrinter::PdfFormat);
	printer.setPageSize(QPageSize(QPageSize::A4));
	const QString file = dir.filePath("report.pdf");
	printer.setOutputFileName(file);
	const double body = printer.height() * 0.8;
	for (int i = 0; i < 7; ++i)
		report.addFrame(new FixedFrame(&report, body * 0.4, QString("Frame%1").arg(i)));
	report.print(&printer, QFont("Sans", 10));
	ASSERT_GE(report.pageCount(), 3);
	EXPECT_EQ(pdfPages(file), report.pageCount());
	for (int page = 1; page <= report.pageCount(); ++page) {
		const QString text = pdfPageText(file, page);
		EXPECT_TRUE(text.contains("Sample project")) << page;
		EXPECT_TRUE(text.contains(QString("Page %1 of %2").arg(page).arg(report.pageCount()))) << text.toStdString();
		for (size_t i = 0; i < report.frameCount(); ++i)
			EXPECT_EQ(text.contains(QString("Frame%1").arg(i)), report.framePage(i) == page) << page << " " << i;
	}

	// a page range prints only those pages
	printer.setFromTo(2, 3);
	report.print(&printer, QFont("Sans", 10));
	EXPECT_EQ(pdfPages(file), 2);
	EXPECT_TRUE(pdfPageText(file, 1).contains("Page 2"));
}


TEST(Report, printPreviewShowsEveryPage) {
	Report report;
	QPrinter printer;
	for (int i = 0; i < 5; ++i)
		report.addFrame(new FixedFrame(&report, printer.height() * 0.5, QString("Frame%1").arg(i)));
	QPrintPreviewWidget preview(&printer);
	QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, [&](QPrinter * p) { report.print(p, QFont()); });
	preview.updatePreview();
	EXPECT_GE(report.pageCount(), 3);
	EXPECT_EQ(preview.pageCount(), report.pageCount());
}


TEST(Report, unwritableOutputRaises) {
	QTemporaryDir dir;
	QFile blocker(dir.filePath("file"));
	ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
	blocker.close();
	const QString file = dir.filePath("file/report.pdf"); // below a plain file: cannot be created
	Report report;
	report.addFrame(new FixedFrame(&report, 100, "x"));
	QPrinter printer(QPrinter::HighResolution);
	printer.setOutputFormat(QPrinter::PdfFormat);
	printer.setOutputFileName(file);
	for (int variant = 0; variant < 2; ++variant) {
		try {
			if (variant == 0)
				report.print(&printer, QFont());
			else
				report.print(static_cast<QPaintDevice *>(&printer), 1, QFont());
			ADD_FAILURE() << "no exception, variant " << variant;
		}
		catch (BVX::Exception & ex) {
			EXPECT_NE(std::string(ex.what()).find(file.toStdString()), std::string::npos) << ex.what();
		}
	}
}


// Frames taller than the body continue on the following pages. Cases: an unbreakable frame
// is cut at the page ends (starting on a fresh page unless it is the first); heights in
// device pixels of a 1000 pixel page.
TEST(Report, framesTallerThanAPageContinueInParts) {
	struct Part { int page; int top; int height; };
	struct Case {
		const char *					name;
		std::vector<double>				heights;
		std::vector<std::vector<Part>>	parts;
		int								pageCount;
	};
	const Case cases[] = {
		{ "over-tall first frame", { 1200, 100 }, { { {1, 0, 1000}, {2, 0, 200} }, { {2, 200, 100} } }, 2 },
		{ "over-tall later frame starts a page", { 100, 1500, 100 },
		  { { {1, 0, 100} }, { {2, 0, 1000}, {3, 0, 500} }, { {3, 500, 100} } }, 3 },
		{ "three pages", { 2500 }, { { {1, 0, 1000}, {2, 0, 1000}, {3, 0, 500} } }, 3 }
	};
	for (const Case & c : cases) {
		BareReport r;
		std::vector<FixedFrame *> frames;
		for (double h : c.heights)
			frames.push_back(r.add(h));
		r.report.print(&r.img, 2, QFont());
		EXPECT_EQ(r.report.pageCount(), c.pageCount) << c.name;
		for (size_t i = 0; i < frames.size(); ++i) {
			const std::vector<Report::FramePart> & parts = r.report.frameParts(i);
			ASSERT_EQ(parts.size(), c.parts[i].size()) << c.name << " frame " << i;
			double from = 0;
			for (size_t k = 0; k < parts.size(); ++k) {
				EXPECT_EQ(parts[k].m_page, c.parts[i][k].page) << c.name << " frame " << i << " part " << k;
				EXPECT_EQ(parts[k].m_rect, QRect(0, c.parts[i][k].top, 400, c.parts[i][k].height)) << c.name << " frame " << i;
				// the parts cover the frame without gaps
				EXPECT_EQ(parts[k].m_from, from) << c.name;
				from = parts[k].m_to;
			}
			EXPECT_EQ(from, c.heights[i]) << c.name;
			EXPECT_EQ(r.report.framePage(i), parts.front().m_page);
		}
	}
}


// A remark of 120 lines and a table of 200 rows in frames of their own: every line and every
// row is printed once, in order, over as many pages as they need, and never below the footer;
// the table's title row heads each of its pages.
TEST(Report, longTextAndTableContinueOnTheNextPages) {
	QTemporaryDir dir;
	Report report;
	report.setHeaderData("Caldoryne 3.2.2", "Long remarks", "", QPixmap());
	QStringList lines;
	for (int i = 1; i <= 120; ++i)
		lines << QString("Remark line %1 of the project").arg(i);
	report.addFrame(new BlockFrame(&report, "<p>" + lines.join("<br>") + "</p>"));

	QtExt::Table table(report.textDocument(), QSize());
	table.setColRowCount(3, 201);
	table.setHeaderRowCount(1);
	table.setOuterBorderWidth(1);
	for (int c = 0; c < 3; ++c)
		table.setCellText(c, 0, QString("Head%1").arg(c));
	for (int r = 1; r <= 200; ++r) {
		table.setCellText(0, r, QString("Row%1").arg(r));
		table.setCellText(1, r, "wall");
		table.setCellText(2, r, QString::number(r*0.5));
	}
	report.addFrame(new BlockFrame(&report, QString(), &table));

	QPrinter printer(QPrinter::HighResolution);
	const QString file = dir.filePath("long.pdf");
	setupPdf(printer, file);
	const int printed = report.print(&printer, QFont("Sans", 10));
	EXPECT_EQ(printed, report.pageCount());
	ASSERT_GE(report.frameParts(0).size(), 2u);
	ASSERT_GE(report.frameParts(1).size(), 3u);

	QStringList expectedLines;
	for (int i = 1; i <= 120; ++i)
		expectedLines << QString::number(i);
	EXPECT_EQ(matchingLines(file, QRegularExpression("Remark line (\\d+) of")).join(' ').toStdString(), expectedLines.join(' ').toStdString());
	QStringList expectedRows;
	for (int r = 1; r <= 200; ++r)
		expectedRows << QString::number(r);
	EXPECT_EQ(matchingLines(file, QRegularExpression("\\bRow(\\d+)\\b")).join(' ').toStdString(), expectedRows.join(' ').toStdString());

	// the header row on every page of the table, the footer last on every page
	const int firstTablePage = report.frameParts(1).front().m_page;
	for (int page = 1; page <= report.pageCount(); ++page) {
		const QString text = pdfPageText(file, page);
		EXPECT_EQ(text.contains("Head0"), page >= firstTablePage) << page;
		const QStringList pageLines = text.trimmed().split('\n');
		EXPECT_TRUE(pageLines.last().contains(QString("Page %1 of").arg(page))) << page;
	}
	// no part reaches below the body
	for (size_t i = 0; i < report.frameCount(); ++i)
		for (const Report::FramePart & part : report.frameParts(i))
			EXPECT_LE(part.m_rect.bottom(), report.footerRect().top()) << i;
}


// A page range past the last page prints nothing (no blank page); a range reaching past
// it prints the pages there are.
TEST(Report, printRangeIsClampedToTheDocument) {
	QTemporaryDir dir;
	Report report;
	for (int i = 0; i < 3; ++i)
		report.addFrame(new FixedFrame(&report, 100, QString("Frame%1").arg(i)));
	QPrinter printer(QPrinter::HighResolution);
	const QString file = dir.filePath("range.pdf");
	setupPdf(printer, file);
	printer.setFromTo(3, 5);
	EXPECT_EQ(report.print(&printer, QFont("Sans", 10)), 0);
	EXPECT_EQ(report.pageCount(), 1);
	EXPECT_FALSE(QFile::exists(file));
	printer.setFromTo(1, 5);
	EXPECT_EQ(report.print(&printer, QFont("Sans", 10)), 1);
	EXPECT_EQ(pdfPages(file), 1);
}


// A footer text too long for its line is elided beside the page number; the header's
// first text likewise beside the second.
TEST(Report, longHeaderAndFooterTextsKeepClearOfEachOther) {
	Report report;
	const QString longName = QString("Office building with south facade and a very long variant name ").repeated(4);
	report.setHeaderData(longName, longName, "Caldoryne 3.2.2", QPixmap());
	report.addFrame(new FixedFrame(&report, 100, "x"));
	QPrinter printer(QPrinter::HighResolution);
	printer.setPageSize(QPageSize(QPageSize::A4));
	QImage img(1200, 1600, QImage::Format_RGB32);
	for (QPaintDevice * device : { static_cast<QPaintDevice *>(&printer), static_cast<QPaintDevice *>(&img) }) {
		report.setDefaultFont(QFont("Sans", 10));
		report.updateFrames(device);
		report.footerFrame().m_pageNumber = 12;
		report.footerFrame().m_pageCount = 12;
		const QRectF footer(0, 0, device->width(), report.footerFrame().frameRect().height());
		const QtExt::ReportFooterFrame::TextLayout f = report.footerFrame().textLayout(device, footer);
		EXPECT_LT(f.m_textRect.right(), f.m_pageNumberRect.left());
		EXPECT_LE(f.m_pageNumberRect.right(), footer.right() + 1e-9);
		EXPECT_EQ(f.m_pageNumber, QtExt::ReportFooterFrame::pageText(12, 12));
		EXPECT_NE(f.m_text, longName);
		EXPECT_TRUE(f.m_text.endsWith(QChar(0x2026))) << f.m_text.toStdString();

		const QRectF header(0, 0, device->width(), report.headerFrame().frameRect().height());
		const QtExt::ReportHeaderFrame::TextLayout h = report.headerFrame().textLayout(device, header);
		EXPECT_LT(h.m_textRect.right(), h.m_text2Rect.left());
		EXPECT_EQ(h.m_text2, QString("Caldoryne 3.2.2"));
		EXPECT_TRUE(h.m_text.endsWith(QChar(0x2026)));

		// a short footer text stays whole; without page numbers the text has the line
		report.footerFrame().m_footerText = "Office";
		EXPECT_EQ(report.footerFrame().textLayout(device, footer).m_text, QString("Office"));
		report.footerFrame().m_footerText = longName;
		report.footerFrame().m_pageNumbersVisible = false;
		const QtExt::ReportFooterFrame::TextLayout alone = report.footerFrame().textLayout(device, footer);
		EXPECT_TRUE(alone.m_pageNumberRect.isEmpty());
		EXPECT_GT(alone.m_textRect.width(), f.m_textRect.width());
		EXPECT_LE(alone.m_textRect.right(), footer.right() + 1e-9);
		report.footerFrame().m_pageNumbersVisible = true;
	}
}
