#ifndef QtExt_TableCellH
#define QtExt_TableCellH

#include <QColor>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include "QtExt_TextFrameInformations.h"

namespace QtExt {

/*! One cell of a report table: an html text with borders, margins, alignment and a
	background. Border widths and margins are layout units (multiplied by the table's
	device factor when laid out and drawn).
*/
class TableCell {
public:
	/*! Side mask bits of the border operations. */
	enum Side {
		LeftBorder		= 1,
		RightBorder		= 2,
		TopBorder		= 4,
		BottomBorder	= 8,
		AllBorders		= 15
	};

	explicit TableCell(double borderWidth = 1.0);

	void setBorderWidth(int sides, double width);
	double borderWidth(int side) const;

	void setAlignment(Qt::Alignment flags) { m_alignment = flags; }
	Qt::Alignment alignment() const { return m_alignment; }

	void setMarginLeft(double value) { m_marginLeft = value; }
	void setMarginRight(double value) { m_marginRight = value; }
	void setMarginTop(double value) { m_marginTop = value; }
	void setMarginBottom(double value) { m_marginBottom = value; }
	double marginLeft() const { return m_marginLeft; }
	double marginRight() const { return m_marginRight; }
	double marginTop() const { return m_marginTop; }
	double marginBottom() const { return m_marginBottom; }

	void setText(const QString & text) { m_text = text; }
	const QString & text() const { return m_text; }
	void setBackgroundColor(const QColor & color) { m_backgroundColor = color; }
	const QColor & backgroundColor() const { return m_backgroundColor; }

	QRectF cellRect() const { return m_cellRect; }
	QRectF innerRect() const { return m_innerRect; }
	QRectF textRect() const { return m_textRect; }
	bool isMerged() const { return m_merged != 0; }

	/*! Size of the text wrapped at a width (negative: unwrapped): the narrowest width
		with the same line count, and the height. */
	QSizeF textSize(double width);
	/*! Width of the widest word (a number is one word) of the text. */
	double wordWidth() const { return m_textInfo.wordWidth(); }

private:
	friend class Table;

	double					m_borderLeft;
	double					m_borderRight;
	double					m_borderTop;
	double					m_borderBottom;
	double					m_marginLeft	= 0;
	double					m_marginRight	= 0;
	double					m_marginTop		= 0;
	double					m_marginBottom	= 0;
	Qt::Alignment			m_alignment;
	QString					m_text;
	QRectF					m_textRect;
	QRectF					m_innerRect;
	QRectF					m_cellRect;
	QColor					m_backgroundColor;
	int						m_merged		= 0;
	TextFrameInformations	m_textInfo;
};

} // namespace QtExt

#endif // QtExt_TableCellH
