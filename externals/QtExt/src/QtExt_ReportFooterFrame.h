#ifndef QtExt_ReportFooterFrameH
#define QtExt_ReportFooterFrameH

#include <QString>

#include "QtExt_ReportFrameBase.h"

namespace QtExt {

/*! Page footer: a rule, the footer text on the left and the page number on the right. */
class ReportFooterFrame : public ReportFrameBase {
public:
	ReportFooterFrame(Report * report, QTextDocument * textDocument);

	void update(QPaintDevice * device, double width) override;
	void draw(QPainter * painter, const QRectF & frame) override;

	/*! Text drawn for a page number of a page count. */
	static QString pageText(int page, int pageCount);

	int			m_pageNumber = 0;
	int			m_pageCount = 0;
	/*! When false the footer shows only its text. */
	bool		m_pageNumbersVisible = true;
	QString		m_footerText;
};

} // namespace QtExt

#endif // QtExt_ReportFooterFrameH
