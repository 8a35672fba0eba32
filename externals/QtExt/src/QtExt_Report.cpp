#include "QtExt_Report.h"

#include <algorithm>

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>

#include "QtExt_ReportFrameBase.h"

namespace QtExt {

namespace {

/*! Name of the output a painter writes to, for error messages. */
std::string outputName(QPaintDevice * device) {
	if (device != nullptr && device->devType() == QInternal::Printer) {
		const QString file = static_cast<QPrinter *>(device)->outputFileName();
		if (!file.isEmpty())
			return file.toStdString();
		return static_cast<QPrinter *>(device)->printerName().toStdString();
	}
	return "paint device";
}


void beginPainter(QPainter & painter, QPaintDevice * device, const char * functionID) {
	if (!painter.begin(device))
		throw BVX::Exception(BVX::FormatText("Cannot print report to '%1'.").arg(outputName(device)), functionID);
}

/*! Releases the text document's paint device at the end of a print: the device (a printer
	of the caller) may be gone when the document is laid out next, for example when a new
	default font is set. */
struct DeviceRelease {
	QTextDocument * m_document;
	~DeviceRelease() { m_document->documentLayout()->setPaintDevice(nullptr); }
};

} // namespace


Report::Report(QObject * parent) :
	QObject(parent),
	m_textDocument(new QTextDocument(this)),
	m_headerFrame(this, m_textDocument),
	m_footerFrame(this, m_textDocument)
{
}


Report::~Report() {
	clearFrames();
}


void Report::addFrame(ReportFrameBase * frame) {
	m_frames.push_back(frame);
	m_pageNumbers.push_back(0);
	m_frameRects.push_back(QRect());
	m_frameParts.emplace_back();
}


void Report::clearFrames() {
	for (ReportFrameBase * f : m_frames)
		delete f;
	m_frames.clear();
	m_pageNumbers.clear();
	m_frameRects.clear();
	m_frameParts.clear();
}


void Report::setHeaderData(const QString & headerText, const QString & footerText, const QString & headerText2, const QPixmap & logo) {
	m_headerFrame.m_headerText = headerText;
	m_headerFrame.m_headerText2 = headerText2;
	m_headerFrame.m_logo = logo;
	m_footerFrame.m_footerText = footerText;
}


void Report::setDefaultFont(const QFont & font) {
	m_textDocument->setDefaultFont(font);
	m_textProperties.m_font = font;
	// kept as text only: the default font already sizes body text
	m_styleSheet = QString("body { font-size:%1pt; }").arg(font.pointSize());
}


void Report::prepare(QPaintDevice * device, const QFont & font) {
	m_textDocument->documentLayout()->setPaintDevice(device);
	setDefaultFont(font);
	m_pageSize = QSize(device->width(), device->height());
	m_pixelsPerMM = device->widthMM() > 0 ? double(m_pageSize.width()) / double(device->widthMM()) : 1.0;
	updateFrames(device);
}


void Report::print(QPaintDevice * device, int page, QFont font) {
	const DeviceRelease release{ m_textDocument };
	prepare(device, font);
	QPainter painter;
	beginPainter(painter, device, "[Report::print]");
	paintPage(&painter, page);
	painter.end();
}


int Report::print(QPrinter * printer, QFont font) {
	const DeviceRelease release{ m_textDocument };
	prepare(printer, font);
	int first = 1;
	int last = m_pageCount;
	if (printer->fromPage() > 0) {
		first = std::max(first, printer->fromPage());
		last = std::min(last, printer->toPage() > 0 ? printer->toPage() : last);
	}
	// a range past the last page: no painter, else the printer gives a blank page
	if (first > last)
		return 0;
	// one painter for the whole document: each QPainter::begin on a PDF printer starts a new file
	QPainter painter;
	beginPainter(painter, printer, "[Report::print]");
	for (int page = first; page <= last; ++page) {
		if (page > first)
			printer->newPage();
		paintPage(&painter, page);
	}
	painter.end();
	return last - first + 1;
}


void Report::updateFrames(QPaintDevice * device) {
	m_textProperties.update(m_textDocument, device);
	const double pageWidth = m_pageSize.width();

	if (m_headerFrame.isHidden()) {
		m_headerRect = QRect(0, 0, 0, 0);
	}
	else {
		m_headerFrame.update(device, pageWidth);
		m_headerRect = m_headerFrame.frameRect().toRect();
	}
	if (m_footerFrame.isHidden()) {
		m_footerRect = QRect(0, m_pageSize.height(), 0, 0);
	}
	else {
		m_footerFrame.update(device, pageWidth);
		m_footerRect = m_footerFrame.frameRect().toRect();
		m_footerRect.moveTop(m_pageSize.height() - m_footerRect.height());
	}

	const QRect body(0, m_headerRect.height(), m_pageSize.width(),
					 m_pageSize.height() - m_footerRect.height() - m_headerRect.height());
	QRect freeArea = body;
	int page = 1;
	for (size_t i = 0; i < m_frames.size(); ++i) {
		ReportFrameBase * frame = m_frames[i];
		if (frame->isHidden()) {
			m_frameRects[i] = QRect(0, 0, 0, 0);
			m_frameParts[i].clear();
			continue;
		}
		frame->update(device, pageWidth);
		m_frameParts[i].clear();
		const double h = frame->frameRect().height();
		if (h > body.height()) {
			placeInParts(i, body, freeArea, page);
		}
		else {
			if (h > freeArea.height()) {
				freeArea = body;
				++page;
			}
			addPart(i, page, freeArea, 0, h, h);
		}
		m_frameRects[i] = m_frameParts[i].front().m_rect;
		m_pageNumbers[i] = m_frameParts[i].front().m_page;
		emit progress(i + 1);
	}
	m_pageCount = page;
}


void Report::addPart(size_t i, int page, QRect & freeArea, double from, double to, double height) {
	m_frameParts[i].push_back(FramePart{ page, QRect(0, freeArea.top(), m_pageSize.width(), static_cast<int>(height)), from, to });
	freeArea.setTop(static_cast<int>(freeArea.top() + height));
}


void Report::placeInParts(size_t i, const QRect & body, QRect & freeArea, int & page) {
	ReportFrameBase * frame = m_frames[i];
	const double h = frame->frameRect().height();
	const std::vector<double> breaks = frame->breakPositions();
	const std::vector<double> lineBreaks = frame->lineBreaks();
	// what lies below this shows nothing: no page of its own
	const double shown = std::min(h, frame->contentBottom()) - 0.5;
	double from = 0;
	for (;;) {
		const double repeated = from > 0 ? frame->repeatedHeight(from) : 0;
		const double available = freeArea.height();
		if (repeated + h - from <= available) {
			addPart(i, page, freeArea, from, h, repeated + h - from);
			return;
		}
		// the lowest break that still fits below the repeated header
		auto lowestFitting = [&](const std::vector<double> & positions) {
			double to = from;
			for (double b : positions)
				if (b > from && repeated + b - from <= available)
					to = b;
			return to;
		};
		double to = lowestFitting(breaks);
		if (to > from) {
			// the piece after it needs more than a page anyway: start it here
			const auto next = std::upper_bound(breaks.begin(), breaks.end(), to + 0.5);
			const double nextBreak = next == breaks.end() ? h : *next;
			if (nextBreak - to > body.height())
				to = std::max(to, lowestFitting(lineBreaks));
		}
		if (to <= from) {
			if (freeArea != body) {
				// nothing fits on the rest of this page: try a whole page
				freeArea = body;
				++page;
				continue;
			}
			// no break within a whole page: between text lines, else at the page end
			to = lowestFitting(lineBreaks);
			if (to <= from)
				to = from + std::max(1.0, available - repeated);
		}
		addPart(i, page, freeArea, from, to, repeated + to - from);
		from = to;
		if (from >= shown) {
			// the page counts as full: the next frame starts a new one
			freeArea.setTop(freeArea.bottom() + 1);
			return;
		}
		freeArea = body;
		++page;
	}
}


void Report::paintPage(QPainter * painter, int page) {
	if (!m_headerFrame.isHidden())
		m_headerFrame.draw(painter, QRectF(m_headerRect));
	if (!m_footerFrame.isHidden()) {
		m_footerFrame.m_pageNumber = page;
		m_footerFrame.m_pageCount = m_pageCount;
		m_footerFrame.draw(painter, QRectF(m_footerRect));
	}
	for (size_t i = 0; i < m_frames.size(); ++i) {
		if (m_frames[i]->isHidden())
			continue;
		bool painted = false;
		for (const FramePart & part : m_frameParts[i]) {
			if (part.m_page != page)
				continue;
			if (m_frameParts[i].size() == 1)
				m_frames[i]->draw(painter, QRectF(part.m_rect));
			else
				m_frames[i]->drawPart(painter, QRectF(part.m_rect), part.m_from, part.m_to);
			painted = true;
		}
		if (painted)
			emit progress(m_frames.size() + i + 1);
	}
}

} // namespace QtExt
