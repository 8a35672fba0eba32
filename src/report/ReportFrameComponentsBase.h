#ifndef ReportFrameComponentsBaseH
#define ReportFrameComponentsBaseH

#include <vector>

#include <QString>
#include <QStringList>

#include "ReportFrameSectionBase.h"

namespace RM {
	class ConstructionType;
	class RoomConstruction;
}

/*! Common part of the component and construction tables: a bordered table of the frame
	width with column titles in row 0 and units in row 1 (columns 0 and 1 merged over both),
	data from row 2 on, or one centred "none" row; a legend in small print below.

	Database items are looked up by id at every layout: items removed after the run print
	"-" in their value cells and their bare id as name.
*/
class ReportFrameComponentsBase : public ReportFrameSectionBase {
public:
	/*! A data cell: html text and its horizontal alignment. */
	struct Cell {
		QString			m_text;
		Qt::Alignment	m_alignment;
	};
	typedef std::vector<Cell> Row;

	ReportFrameComponentsBase(Report * report, QTextDocument * textDocument);

	/*! "-" centred, the value cell of a missing item. */
	static Cell missing();
	/*! A number right-aligned, "%L1" in fixed notation. */
	static Cell number(double value, int decimals);
	/*! A text left-aligned. */
	static Cell text(const QString & html);
	/*! A text centred. */
	static Cell centred(const QString & html);

protected:
	/*! Places the sub-heading after the space, the table below it and the legend below
		that: the block sequence of the component frames. */
	void placeComponents(double spaceAbove, const QString & subTitle, const QStringList & titles,
						 const QStringList & units, const std::vector<Row> & rows, const QString & noneText,
						 int noneColumns, const QStringList & legendLines);

	/*! Builds the table: titles and units per column (units of columns 0 and 1 unused),
		rows of cells, the none text merged over the first noneColumns columns. Column 1 takes
		seven twentieths of the width in eight-column tables, else eleven twentieths. */
	void fillTable(QtExt::Table * table, const QStringList & titles, const QStringList & units,
				   const std::vector<Row> & rows, const QString & noneText, int noneColumns) const;

	/*! Width of the component tables: the frame width less the outer border, which
		would else be cut off at the right edge. */
	double tableWidth() const;

	/*! The lines joined in small print. */
	static QString legend(const QStringList & lines);

	/*! The construction type of a surface from the database; null when missing. */
	const RM::ConstructionType * constructionType(unsigned int id) const;
	/*! "name [ID&nbsp;id]", or the bare id for a missing type. */
	QString constructionName(unsigned int id) const;
	/*! U-value with R_ui on both sides, 3 decimals; "-" when the type is missing or the
		value cannot be computed. */
	Cell uValue(const RM::RoomConstruction & rc) const;
	/*! Surfaces of one kind with their indexes in the room's list. */
	std::vector<std::pair<unsigned int, const RM::RoomConstruction *>> surfaces(int kind) const;

	/*! Layout values of the report in device pixels. */
	double frameTopSpacing() const;
	double legendSpacing() const;
	double blockSpacing() const;

	QtExt::TextFrame *	m_subTitle;
	QtExt::Table *		m_table;
	QtExt::TextFrame *	m_legend;
};

#endif // ReportFrameComponentsBaseH
