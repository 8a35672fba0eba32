#ifndef ReportFrameSectionBaseH
#define ReportFrameSectionBaseH

#include <memory>
#include <utility>
#include <vector>

#include <QRectF>
#include <QString>
#include <QStringList>

#include <QtExt_ReportBlockFrame.h>

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
	tables on the report's document) rebuilt from the project at every layout.

	Subclasses create their blocks in the constructor (newText(), newTable()) and place
	them in layoutBlocks(). Without a project the frame takes no room.
*/
class ReportFrameSectionBase : public QtExt::ReportBlockFrame {
public:
	ReportFrameSectionBase(Report * report, QTextDocument * textDocument);
	~ReportFrameSectionBase() override;

	/*! "<h2>%1</h2>" */
	static QString heading(const QString & text);
	/*! "<h3>%1</h3>" */
	static QString subHeading(const QString & text);
	/*! "<small>%1</small>" */
	static QString small(const QString & text);
	/*! "<normal>%1</normal>" */
	static QString paragraph(const QString & text);

protected:
	bool hasContent() const override;

	QtExt::TextFrame * newText();
	QtExt::Table * newTable();

	/*! Clears a table and sets it up as an info table of the frame width: no borders and
		spacing, a margin of 1, rows with top and bottom margins of 4, a space of the report's
		font right of every cell but the last column's, column 0 at half the width
		and, when asked, column 1 as wide as its widest value (so that values do not wrap and
		right-aligned values line up). */
	void setupInfoTable(QtExt::Table * table, int cols, int rows, bool naturalColumn1) const;

	/*! Sets up an info table of label and value rows (values as wide as the widest) and
		places it after the space. */
	void placeInfoRows(QtExt::Table * table, const std::vector<std::pair<QString, QString>> & rows, double spaceAbove);

	Report * report() const;
	/*! The model whose project the report shows; may be null. */
	const RM::CaldoryneModelInterface * project() const;
	/*! The model's copy of the room (the project is not null during layout). */
	const RM::Room & room() const;
	/*! The database; may be null. */
	const RM::Database * database() const;

	/*! A layout value of the report (screen pixels) on the device of the running layout:
		scaled by the device factor, as the tables scale their margins and borders. */
	double spacing(int screenPixels) const { return screenPixels * deviceFactor(); }
	double frameSpacing() const;
	/*! Width of a space of the report's font in layout units (device pixels over the device
		factor, as the tables' margins are given). */
	double spaceWidth() const;
	double headingSpacing() const;

private:
	std::vector<std::unique_ptr<QtExt::TextFrame>>	m_textFrames;
	std::vector<std::unique_ptr<QtExt::Table>>		m_tableBlocks;
};

#endif // ReportFrameSectionBaseH
