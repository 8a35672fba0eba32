// Lays out and prints a sample report (headings, paragraphs, bordered tables) to a PDF
// at 1200 dpi and reports the time of the whole-document print.
// Usage: bench_report_print [sections] [output.pdf]   (run with QT_QPA_PLATFORM=offscreen)
#include <iostream>

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QPrinter>

#include <QtExt_Report.h>
#include <QtExt_ReportFrameBase.h>
#include <QtExt_Table.h>
#include <QtExt_TextFrame.h>
#include <QtExt_TextProperties.h>

namespace {

/*! A section: heading, paragraph and a table of monthly values below each other. */
class SectionFrame : public QtExt::ReportFrameBase {
public:
	SectionFrame(QtExt::Report * report, int index) :
		QtExt::ReportFrameBase(report, report->textDocument()),
		m_heading(report->textDocument()),
		m_text(report->textDocument()),
		m_table(report->textDocument(), QSize())
	{
		m_heading.setText(QtExt::htmlHeading(QString("Section %1: monthly loads").arg(index), QtExt::RTT_Heading2));
		m_text.setText("Heating and cooling loads of the room per month, with the mean air temperature "
					   "and the hours above the comfort limit. Values are sums over all hours of the month.");
		const char * const months[] = { "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };
		m_table.setColRowCount(5, 13);
		m_table.setOuterBorderWidth(1);
		m_table.setInnerBorderWidth(0.5);
		const char * const head[] = { "Month", "Heating [kWh]", "Cooling [kWh]", "Mean air temperature [C]", "Hours above 26 C" };
		for (int c = 0; c < 5; ++c) {
			m_table.setCellText(c, 0, QString("<b>%1</b>").arg(head[c]));
			m_table.cell(c, 0).setBackgroundColor(QColor(230, 230, 230));
		}
		for (int r = 1; r <= 12; ++r) {
			m_table.setCellText(0, r, months[r - 1]);
			for (int c = 1; c < 5; ++c) {
				m_table.setCellText(c, r, QString::number(10.0 * index + 3.7 * r * c, 'f', 1));
				m_table.cell(c, r).setAlignment(Qt::AlignRight);
			}
		}
	}

	void update(QPaintDevice * device, double width) override {
		m_headingRect = m_heading.frameRect(device, width);
		m_textRect = m_text.frameRect(device, width);
		m_table.setColumnWidth(0, QtExt::Table::Fixed, width * 0.15);
		m_tableRect = m_table.tableRect(device, width);
		m_frameRect = QRectF(0, 0, width, m_headingRect.height() + m_textRect.height() + m_tableRect.height());
	}

	void draw(QPainter * painter, const QRectF & frame) override {
		QPointF pos = frame.topLeft();
		m_heading.drawFrame(painter, pos, frame.width());
		pos.ry() += m_headingRect.height();
		m_text.drawFrame(painter, pos, frame.width());
		pos.ry() += m_textRect.height();
		m_table.drawTable(painter, pos);
	}

private:
	QtExt::TextFrame	m_heading;
	QtExt::TextFrame	m_text;
	QtExt::Table		m_table;
	QRectF				m_headingRect;
	QRectF				m_textRect;
	QRectF				m_tableRect;
};

} // namespace


int main(int argc, char * argv[]) {
	QApplication app(argc, argv);
	const int sections = argc > 1 ? std::max(1, atoi(argv[1])) : 12;
	const QString output = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString("bench_report.pdf");

	QtExt::Report report;
	report.setHeaderData("Caldoryne 3.2.2", "Sample project", "", QPixmap());
	for (int i = 1; i <= sections; ++i)
		report.addFrame(new SectionFrame(&report, i));

	QPrinter printer(QPrinter::HighResolution);
	printer.setResolution(1200);
	printer.setOutputFormat(QPrinter::PdfFormat);
	printer.setPageSize(QPageSize(QPageSize::A4));
	printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
	printer.setOutputFileName(output);

	QElapsedTimer timer;
	timer.start();
	report.print(&printer, QFont("Sans", 10));
	const qint64 ms = timer.elapsed();
	std::cout << sections << " sections, " << report.pageCount() << " pages at " << printer.resolution()
			  << " dpi: " << ms << " ms" << std::endl;
	return 0;
}
