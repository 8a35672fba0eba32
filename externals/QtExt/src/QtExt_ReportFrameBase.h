#ifndef QtExt_ReportFrameBaseH
#define QtExt_ReportFrameBaseH

#include <vector>

#include <QRectF>

class QTextDocument;
class QPaintDevice;
class QPainter;

namespace QtExt {

class Report;

/*! One section of a report: it measures itself for a page width and paints itself
	into the rectangle the report gives it.
*/
class ReportFrameBase {
public:
	ReportFrameBase(Report * report, QTextDocument * textDocument);
	virtual ~ReportFrameBase();

	/*! Builds the content for the device and width (device pixels) and sets the frame rectangle. */
	virtual void update(QPaintDevice * device, double width) = 0;
	/*! Paints the content into the frame. */
	virtual void draw(QPainter * painter, const QRectF & frame) = 0;

	/*! Where a frame taller than a page may continue on the next one: frame coordinates
		(ascending, inside the frame) after the last update. None by default: the report
		then cuts the frame at the page ends. */
	virtual std::vector<double> breakPositions() const;
	/*! Where a piece taller than a whole page between two break positions (a table row, a
		row of a table in a text) may be cut: between its text lines. None by default. */
	virtual std::vector<double> lineBreaks() const;
	/*! Bottom of what the frame shows (frame coordinates); a part below it is blank space.
		The frame's height by default. */
	virtual double contentBottom() const;
	/*! Height of what a part starting at a break repeats at its top (a table's header
		rows); 0 by default. */
	virtual double repeatedHeight(double from) const;
	/*! Paints the part from..to (frame coordinates) with its top at the top of rect.
		By default the whole frame is painted, shifted and clipped to rect. */
	virtual void drawPart(QPainter * painter, const QRectF & rect, double from, double to);

	bool isHidden() const { return m_isHidden; }
	void setHidden(bool hidden) { m_isHidden = hidden; }
	const QRectF & frameRect() const { return m_frameRect; }

protected:
	/*! Line spacing of the document's default font on a device. */
	double lineSpacing(QPaintDevice * device) const;
	/*! Width of a thin rule on a device: one screen pixel scaled by the device factor. */
	static double ruleWidth(QPaintDevice * device);

	bool			m_isHidden = false;
	Report *		m_report;
	QTextDocument *	m_textDocument;
	QRectF			m_frameRect;
};

} // namespace QtExt

#endif // QtExt_ReportFrameBaseH
