#ifndef ReportFrameSectionBaseH
#define ReportFrameSectionBaseH

#include <QString>
#include <QStringList>

#include <QtExt_ReportFrameBase.h>

class Report;

/*! Common part of the report's section frames: a heading line in bold over the body
	text, measured for the page width and painted with the report's default font. */
class ReportFrameSectionBase : public QtExt::ReportFrameBase {
public:
	ReportFrameSectionBase(Report * report, QTextDocument * textDocument);

	void update(QPaintDevice * device, double width) override;
	void draw(QPainter * painter, const QRectF & frame) override;

	/*! Bold heading of the section; empty: no heading line. */
	virtual QString heading() const = 0;
	/*! Plain text lines below the heading. */
	virtual QStringList bodyLines() const;

protected:
	/*! The report this frame belongs to, with the project and the database. */
	Report * report() const;
};

#endif // ReportFrameSectionBaseH
