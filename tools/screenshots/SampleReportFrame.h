#ifndef SampleReportFrameH
#define SampleReportFrameH

#include <QRectF>

#include <QtExt_Report.h>
#include <QtExt_ReportFrameBase.h>
#include <QtExt_Table.h>
#include <QtExt_TextFrame.h>

/*! A report section of sample content: heading, paragraph and a table of monthly values
	below each other. Used by the report benchmark and the screenshots tool. */
class SampleReportFrame : public QtExt::ReportFrameBase {
public:
	SampleReportFrame(QtExt::Report * report, int index);

	void update(QPaintDevice * device, double width) override;
	void draw(QPainter * painter, const QRectF & frame) override;

private:
	QtExt::TextFrame	m_heading;
	QtExt::TextFrame	m_text;
	QtExt::Table		m_table;
	QRectF				m_headingRect;
	QRectF				m_textRect;
	QRectF				m_tableRect;
};

#endif // SampleReportFrameH
