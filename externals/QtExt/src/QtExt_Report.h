#ifndef QtExt_ReportH
#define QtExt_ReportH

#include <vector>

#include <QFont>
#include <QObject>
#include <QPixmap>
#include <QRect>
#include <QSize>

#include "QtExt_ReportFooterFrame.h"
#include "QtExt_ReportHeaderFrame.h"
#include "QtExt_TextProperties.h"

class QTextDocument;
class QPaintDevice;
class QPainter;
class QPrinter;

namespace QtExt {

class ReportFrameBase;

/*! A printable document: frames placed one below the other on pages, with a header
	at the top and a footer at the bottom of every page. A frame that does not fit on
	the rest of a page starts the next page; a frame taller than a whole page continues
	over as many pages as it needs, broken where the frame allows it (between lines of
	text, between table rows with the header rows repeated).
*/
class Report : public QObject {
	Q_OBJECT
public:
	explicit Report(QObject * parent = nullptr);
	~Report() override;

	/*! Appends a frame; the report takes ownership. */
	void addFrame(ReportFrameBase * frame);
	/*! Deletes all frames. */
	void clearFrames();

	/*! Header texts and logo; the footer text appears on every page beside the page number. */
	void setHeaderData(const QString & headerText, const QString & footerText, const QString & headerText2, const QPixmap & logo);
	void setDefaultFont(const QFont & font);

	/*! Lays the report out for the device and paints one page (1-based). Throws
		BVX::Exception when painting on the device cannot begin. */
	void print(QPaintDevice * device, int page, QFont font);

	/*! Lays the report out for the printer once and paints every page (or the printer's
		page range, clamped to the pages there are) with one painter. Returns the number of
		pages printed: 0 when the range lies past the last page (nothing is printed then).
		Throws BVX::Exception when painting cannot begin. */
	virtual int print(QPrinter * printer, QFont font);

	/*! One piece of a frame on a page: frame coordinates from..to, painted in rect. */
	struct FramePart {
		int		m_page;
		QRect	m_rect;
		double	m_from;
		double	m_to;
	};

	/*! Layout pass; emits progress(i + 1) after frame i has been placed. */
	void updateFrames(QPaintDevice * device);
	/*! Paints header, footer and the frames of one page; emits progress(frames + i + 1). */
	void paintPage(QPainter * painter, int page);

	QTextDocument * textDocument() const { return m_textDocument; }
	int pageCount() const { return m_pageCount; }
	QSize pageSize() const { return m_pageSize; }
	double pixelsPerMM() const { return m_pixelsPerMM; }
	size_t frameCount() const { return m_frames.size(); }
	/*! Frame i in report order. */
	ReportFrameBase * frame(size_t i) const { return m_frames[i]; }
	/*! Rectangle and page of a frame's first part. */
	QRect frameRect(size_t i) const { return m_frameRects[i]; }
	int framePage(size_t i) const { return m_pageNumbers[i]; }
	/*! Parts of a frame in page order: one unless the frame is taller than a page. */
	const std::vector<FramePart> & frameParts(size_t i) const { return m_frameParts[i]; }
	QRect headerRect() const { return m_headerRect; }
	QRect footerRect() const { return m_footerRect; }
	ReportHeaderFrame & headerFrame() { return m_headerFrame; }
	ReportFooterFrame & footerFrame() { return m_footerFrame; }
	const TextProperties & textProperties() const { return m_textProperties; }
	const QString & styleSheet() const { return m_styleSheet; }

	// Spacings in device pixels and table borders, read by the frames.
	int		m_frameSpacing			= 20;
	int		m_headingSpacing		= 10;
	int		m_subHeadingSpacing		= 6;
	int		m_titleTopSpacing		= 10;
	int		m_titleBottomSpacing	= 10;
	int		m_frameTopSpacing		= 10;
	int		m_blockSpacing			= 10;
	int		m_legendSpacing			= 5;
	double	m_tableOuterBorderWidth	= 1.0;
	double	m_tableInnerBorderWidth	= 0.5;

signals:
	void progress(size_t value);

private:
	/*! Common start of both print operations: font, page size and layout. */
	void prepare(QPaintDevice * device, const QFont & font);
	/*! Places frame i, taller than the body, in parts from the free area on. */
	void placeInParts(size_t i, const QRect & body, QRect & freeArea, int & page);
	/*! Appends a part of frame i at the top of the free area and moves the area's top below it. */
	void addPart(size_t i, int page, QRect & freeArea, double from, double to, double height);

	QTextDocument *					m_textDocument;
	TextProperties					m_textProperties;
	double							m_pixelsPerMM = 1;
	QSize							m_pageSize;
	int								m_pageCount = 0;
	ReportHeaderFrame				m_headerFrame;
	ReportFooterFrame				m_footerFrame;
	std::vector<QRect>				m_frameRects;
	QRect							m_headerRect;
	QRect							m_footerRect;
	std::vector<int>				m_pageNumbers;
	std::vector<std::vector<FramePart>>	m_frameParts;
	std::vector<ReportFrameBase*>	m_frames;
	QString							m_styleSheet;
};

} // namespace QtExt

#endif // QtExt_ReportH
