#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <BVX_Exception.h>

#include <QtExt_Report.h>
#include <QtExt_ReportFrameBase.h>

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
		{ "over-tall first frame", { 1200, 100 }, { 2, 3 }, 3 },
		{ "over-tall later frame stands alone", { 100, 1500, 100 }, { 1, 2, 3 }, 3 },
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
