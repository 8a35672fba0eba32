#ifndef QtExt_ReportFooterFrameH
#define QtExt_ReportFooterFrameH

#include <QString>

#include "QtExt_ReportFrameBase.h"

namespace QtExt {

/*! Page footer: a rule, the footer text on the left and the page number on the right.
	A footer text too long for the room beside the page number is elided.
*/
class ReportFooterFrame : public ReportFrameBase {
public:
	/*! Where the footer's texts go in a frame, and the (elided) footer text. */
	struct TextLayout {
		QRectF	m_textRect;
		QString	m_text;
		/*! Empty when page numbers are not shown. */
		QRectF	m_pageNumberRect;
		QString	m_pageNumber;
	};

	ReportFooterFrame(Report * report, QTextDocument * textDocument);

	void update(QPaintDevice * device, double width) override;
	void draw(QPainter * painter, const QRectF & frame) override;

	/*! Text drawn for a page number of a page count. */
	static QString pageText(int page, int pageCount);

	/*! Layout of the texts of the current page in a frame on a device. */
	TextLayout textLayout(QPaintDevice * device, const QRectF & frame) const;

	int			m_pageNumber = 0;
	int			m_pageCount = 0;
	/*! When false the footer shows only its text. */
	bool		m_pageNumbersVisible = true;
	QString		m_footerText;
};

} // namespace QtExt

#endif // QtExt_ReportFooterFrameH
