#include "QtExt_TableCell.h"

namespace QtExt {

TableCell::TableCell(double borderWidth) :
	m_borderLeft(borderWidth),
	m_borderRight(borderWidth),
	m_borderTop(borderWidth),
	m_borderBottom(borderWidth),
	m_alignment(Qt::Alignment()),
	m_backgroundColor(Qt::transparent)
{
}


void TableCell::setBorderWidth(int sides, double width) {
	Q_ASSERT_X(width >= 0, "TableCell::setBorderWidth", "width >= 0");
	if (sides & LeftBorder)
		m_borderLeft = width;
	if (sides & RightBorder)
		m_borderRight = width;
	if (sides & TopBorder)
		m_borderTop = width;
	if (sides & BottomBorder)
		m_borderBottom = width;
}


double TableCell::borderWidth(int side) const {
	switch (side) {
		case LeftBorder : return m_borderLeft;
		case RightBorder : return m_borderRight;
		case TopBorder : return m_borderTop;
		case BottomBorder : return m_borderBottom;
		default : return 0;
	}
}


QSizeF TableCell::textSize(double width) {
	TextFrameInformations::Info i = m_textInfo.info(width);
	return QSizeF(i.m_minWidth, i.m_height);
}

} // namespace QtExt
