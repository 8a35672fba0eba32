#ifndef ReportFrameSectionBaseH
#define ReportFrameSectionBaseH

#include <memory>
#include <vector>

#include <QRectF>
#include <QString>
#include <QStringList>

#include <QtExt_ReportFrameBase.h>

namespace QtExt {
	class Table;
	class TextFrame;
}

namespace RM {
	class CaldoryneModelInterface;
	class Database;
	class Room;
}

class Report;

/*! Common part of the report's section frames: a column of blocks (html text frames and
	tables on the report's document), each with a space above it, rebuilt from the project
	at every layout and painted in the same order.

	Subclasses create their blocks in the constructor (newText(), newTable()) and place
	them in layoutBlocks(). Without a project the frame takes no room.
*/
class ReportFrameSectionBase : public QtExt::ReportFrameBase {
public:
	ReportFrameSectionBase(Report * report, QTextDocument * textDocument);
	~ReportFrameSectionBase() override;

	void update(QPaintDevice * device, double width) override;
	void draw(QPainter * painter, const QRectF & frame) override;

	/*! Tables placed by the last layout, in painting order. */
	std::vector<QtExt::Table *> tables() const;
	/*! Html of the text blocks placed by the last layout, in painting order. */
	QStringList texts() const;

	/*! "<h2>%1</h2>" */
	static QString heading(const QString & text);
	/*! "<h3>%1</h3>" */
	static QString subHeading(const QString & text);
	/*! "<small>%1</small>" */
	static QString small(const QString & text);
	/*! "<normal>%1</normal>" */
	static QString paragraph(const QString & text);

protected:
	/*! Places the blocks for the current project with place...() calls. */
	virtual void layoutBlocks() = 0;

	QtExt::TextFrame * newText();
	QtExt::Table * newTable();

	/*! Sets the html (white background), measures the block and places it below the
		previous one after the space. An empty text takes no room (its space neither). */
	void placeText(QtExt::TextFrame * block, const QString & html, double spaceAbove);
	/*! Measures a table (built by the caller) at the given width (<= 0: the frame width)
		and places it after the space. */
	void placeTable(QtExt::Table * table, double spaceAbove, double tableWidth = 0);
	/*! Space below the last block that belongs to the frame's height. */
	void setBottomSpace(double space) { m_bottomSpace = space; }

	/*! Clears a table and sets it up as an info table of the frame width: no borders, no
		margin and spacing, rows with top and bottom margins of 4, column 0 at half the width
		and, when asked, column 1 as wide as its widest value (so that values do not wrap and
		right-aligned values line up). */
	void setupInfoTable(QtExt::Table * table, int cols, int rows, bool naturalColumn1) const;

	Report * report() const;
	/*! The model of the last run; may be null. */
	const RM::CaldoryneModelInterface * project() const;
	/*! The model's copy of the room (the project is not null during layout). */
	const RM::Room & room() const;
	/*! The database; may be null. */
	const RM::Database * database() const;

	/*! Device and width of the running layout. */
	QPaintDevice * device() const { return m_device; }
	double width() const { return m_width; }

	/*! A layout value of the report (screen pixels) on the device of the running layout:
		scaled by the device factor, as the tables scale their margins and borders. */
	double spacing(int screenPixels) const { return screenPixels * m_deviceFactor; }
	double frameSpacing() const;
	double headingSpacing() const;

private:
	struct Block {
		QtExt::TextFrame *	m_text;
		QtExt::Table *		m_table;
		double				m_spaceAbove;
		QRectF				m_rect;
	};

	std::vector<std::unique_ptr<QtExt::TextFrame>>	m_textFrames;
	std::vector<std::unique_ptr<QtExt::Table>>		m_tableBlocks;
	std::vector<Block>								m_blocks;
	double											m_bottomSpace = 0;
	QPaintDevice *									m_device = nullptr;
	double											m_width = 0;
	double											m_deviceFactor = 1;
};

#endif // ReportFrameSectionBaseH
