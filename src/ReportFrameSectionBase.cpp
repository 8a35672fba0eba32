#include "ReportFrameSectionBase.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <QTextDocument>

#include "Report.h"

ReportFrameSectionBase::ReportFrameSectionBase(Report * report, QTextDocument * textDocument) :
	QtExt::ReportFrameBase(report, textDocument)
{
}


QStringList ReportFrameSectionBase::bodyLines() const {
	return QStringList();
}


Report * ReportFrameSectionBase::report() const {
	return static_cast<Report *>(m_report);
}


namespace {

/*! Height of a text wrapped at the width. */
double wrappedHeight(const QFont & font, QPaintDevice * device, double width, const QString & text) {
	return QFontMetricsF(font, device).boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text).height();
}

QFont boldFont(QFont font) {
	font.setBold(true);
	return font;
}

} // namespace


void ReportFrameSectionBase::update(QPaintDevice * device, double width) {
	const QFont font = m_textDocument->defaultFont();
	double h = 0;
	if (!heading().isEmpty())
		h += wrappedHeight(boldFont(font), device, width, heading());
	for (const QString & text : bodyLines())
		h += wrappedHeight(font, device, width, text);
	// one spare line below the section
	m_frameRect = QRectF(0, 0, width, h + lineSpacing(device));
}


void ReportFrameSectionBase::draw(QPainter * painter, const QRectF & frame) {
	QPaintDevice * device = painter->device();
	const QFont font = m_textDocument->defaultFont();
	painter->save();
	double y = frame.top();
	if (!heading().isEmpty()) {
		const QFont bold = boldFont(font);
		const double h = wrappedHeight(bold, device, frame.width(), heading());
		painter->setFont(bold);
		painter->drawText(QRectF(frame.left(), y, frame.width(), h), Qt::TextWordWrap, heading());
		y += h;
	}
	painter->setFont(font);
	for (const QString & text : bodyLines()) {
		const double h = wrappedHeight(font, device, frame.width(), text);
		painter->drawText(QRectF(frame.left(), y, frame.width(), h), Qt::TextWordWrap, text);
		y += h;
	}
	painter->restore();
}
