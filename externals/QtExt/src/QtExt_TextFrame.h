#ifndef QtExt_TextFrameH
#define QtExt_TextFrameH

#include <vector>

#include <QColor>
#include <QObject>
#include <QRectF>
#include <QTextBlock>

class QTextDocument;
class QPaintDevice;
class QPainter;
class QFont;

namespace QtExt {

/*! A paragraph block of the report: an html text that measures itself for a width
	and paints itself at a position.
*/
class TextFrame : public QObject {
	Q_OBJECT
public:
	/*! Without a document the frame creates and owns one. */
	TextFrame(QTextDocument * textDocument, QObject * parent = nullptr);
	~TextFrame() override;

	void setText(const QString & html);
	const QString & text() const { return m_text; }
	void setBackgroundColor(const QColor & color) { m_backgroundColor = color; }
	void setTextColor(const QColor & color) { m_textColor = color; }
	void setDefaultFont(const QFont & font);

	/*! Laid-out bounding rectangle for a device; width <= 0 means the device width.
		A null device gives a null rectangle. */
	QRectF frameRect(QPaintDevice * device, double width);

	/*! (0, 0, ideal width, height) of the html laid out at the width; null for an empty text. */
	QRectF measureText(const QString & html, double width) const;

	/*! Paints the text with its top-left at pos; nothing when the painter has no device. */
	void drawFrame(QPainter * painter, const QPointF & pos, double width);

	/*! Where the text may be broken, in the coordinates of the text laid out on a device
		at a width: the top of every laid-out line but the first, and of a table inside the
		text only the top edges of its rows (a row is never cut). */
	std::vector<double> lineBreaks(QPaintDevice * device, double width);
	/*! Where a row of a table inside the text may be cut when it is taller than a page
		(same coordinates): the tops of the lines of its cells that no other line of the
		row reaches over. */
	std::vector<double> rowLineBreaks(QPaintDevice * device, double width);
	/*! Paints the part from..to (text coordinates) of the text laid out as a whole with
		from at pos: list numbers, table borders and backgrounds as in drawFrame. */
	void drawPart(QPainter * painter, const QPointF & pos, double width, double from, double to);

	QTextDocument * textDocument() const { return m_textDocument; }

signals:
	void changed();

private:
	/*! Sets up the document for painting the text on the painter's device. */
	void prepareDrawing(QPainter * painter, double width);
	/*! Top and bottom of the laid-out lines of a block and the origin of its lines. */
	struct BlockLines {
		QTextBlock	m_block;
		QPointF		m_origin;
		double		m_top;
		double		m_bottom;
		/*! Top of the last line (the block's top without lines). */
		double		m_lastTop;
	};
	std::vector<BlockLines> blockLines() const;
	/*! Height of the borders between two rows of the widest-bordered table of the text
		on a device (0 without tables). */
	double tableBorderReach(QPaintDevice * device) const;
	/*! Paints the background colour (if any) into rect. */
	void fillBackground(QPainter * painter, const QRectF & rect) const;

	QTextDocument *	m_textDocument;
	bool			m_ownDocument;
	QString			m_text;
	QColor			m_backgroundColor;
	QColor			m_textColor;
};

} // namespace QtExt

#endif // QtExt_TextFrameH
