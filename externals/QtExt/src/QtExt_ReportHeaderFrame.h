#ifndef QtExt_ReportHeaderFrameH
#define QtExt_ReportHeaderFrameH

#include <QPixmap>
#include <QString>

#include "QtExt_ReportFrameBase.h"

namespace QtExt {

/*! Page header: the first text on the left, the second on the right, the logo
	between them (scaled to the text height), a rule below. The second text keeps its
	width up to half the line; the first is elided to the room beside it.
*/
class ReportHeaderFrame : public ReportFrameBase {
public:
	/*! Where the two (elided) texts go in a frame. */
	struct TextLayout {
		QRectF	m_textRect;
		QString	m_text;
		QRectF	m_text2Rect;
		QString	m_text2;
	};

	ReportHeaderFrame(Report * report, QTextDocument * textDocument);

	/*! Layout of the two texts in a frame on a device. */
	TextLayout textLayout(QPaintDevice * device, const QRectF & frame) const;

	void update(QPaintDevice * device, double width) override;
	void draw(QPainter * painter, const QRectF & frame) override;

	QString		m_headerText;
	QString		m_headerText2;
	QPixmap		m_logo;
};

} // namespace QtExt

#endif // QtExt_ReportHeaderFrameH
