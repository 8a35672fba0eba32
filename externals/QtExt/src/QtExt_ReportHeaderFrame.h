#ifndef QtExt_ReportHeaderFrameH
#define QtExt_ReportHeaderFrameH

#include <QPixmap>
#include <QString>

#include "QtExt_ReportFrameBase.h"

namespace QtExt {

/*! Page header: the first text on the left, the second on the right, the logo
	between them (scaled to the text height), a rule below.
*/
class ReportHeaderFrame : public ReportFrameBase {
public:
	ReportHeaderFrame(Report * report, QTextDocument * textDocument);

	void update(QPaintDevice * device, double width) override;
	void draw(QPainter * painter, const QRectF & frame) override;

	QString		m_headerText;
	QString		m_headerText2;
	QPixmap		m_logo;
};

} // namespace QtExt

#endif // QtExt_ReportHeaderFrameH
