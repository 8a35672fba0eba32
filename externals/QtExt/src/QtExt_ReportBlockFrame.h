#ifndef QtExt_ReportBlockFrameH
#define QtExt_ReportBlockFrameH

#include <vector>

#include <QRectF>
#include <QStringList>

#include "QtExt_ReportFrameBase.h"

namespace QtExt {

class Table;
class TextFrame;

/*! A report frame made of a column of blocks (html text frames and tables), each with a
	space above it, laid out again at every update and painted in the same order.

	Subclasses place their blocks in layoutBlocks() with placeText() and placeTable().
	A frame taller than a page breaks between the lines of its texts and between the rows
	of its tables (a continued table starts with its header rows), and after a text of
	more than one line or a table; a one-line text (a heading) stays with what follows. A
	table row or a row of a table in a text taller than a page breaks between text lines.
*/
class ReportBlockFrame : public ReportFrameBase {
public:
	ReportBlockFrame(Report * report, QTextDocument * textDocument);

	void update(QPaintDevice * device, double width) override;
	void draw(QPainter * painter, const QRectF & frame) override;
	std::vector<double> breakPositions() const override;
	std::vector<double> lineBreaks() const override;
	double contentBottom() const override;
	double repeatedHeight(double from) const override;
	void drawPart(QPainter * painter, const QRectF & rect, double from, double to) override;

	/*! Tables placed by the last layout, in painting order. */
	std::vector<Table *> tables() const;
	/*! Html of the text blocks placed by the last layout, in painting order. */
	QStringList texts() const;

protected:
	/*! Places the blocks with place...() calls. */
	virtual void layoutBlocks() = 0;
	/*! False lets the frame take no room (nothing to show). */
	virtual bool hasContent() const { return true; }

	/*! Sets the html (white background), measures the block and places it below the
		previous one after the space. An empty text takes no room (its space neither). */
	void placeText(TextFrame * block, const QString & html, double spaceAbove);
	/*! Measures a table (built by the caller) at the given width (<= 0: the frame width)
		and places it after the space. */
	void placeTable(Table * table, double spaceAbove, double tableWidth = 0);
	/*! Space below the last block that belongs to the frame's height. */
	void setBottomSpace(double space) { m_bottomSpace = space; }

	/*! Device and width of the running layout. */
	QPaintDevice * device() const { return m_device; }
	double width() const { return m_width; }
	/*! Table device factor of the running layout's device. */
	double deviceFactor() const { return m_deviceFactor; }

private:
	struct Block {
		TextFrame *			m_text;
		Table *				m_table;
		/*! Top in frame coordinates (below the space above). */
		double				m_top;
		QRectF				m_rect;
		double bottom() const { return m_top + m_rect.height(); }
	};

	/*! Break positions inside a block, relative to its top (texts are laid out again). */
	std::vector<double> innerBreaks(const Block & b) const;
	/*! Next block top after a space. */
	double nextTop(double spaceAbove) const;
	/*! Block whose inside (not its edges) holds a frame position; null if none. */
	const Block * blockAround(double y) const;
	void drawBlockPart(QPainter * painter, const Block & b, const QRectF & rect, double from, double to, double shift);

	std::vector<Block>		m_blocks;
	double					m_bottomSpace = 0;
	QPaintDevice *			m_device = nullptr;
	double					m_width = 0;
	double					m_deviceFactor = 1;
};

} // namespace QtExt

#endif // QtExt_ReportBlockFrameH
