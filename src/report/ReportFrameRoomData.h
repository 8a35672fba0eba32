#ifndef ReportFrameRoomDataH
#define ReportFrameRoomDataH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report section: floor area, height, volume, additional thermal mass and kind of building. */
class ReportFrameRoomData : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameRoomData)
public:
	ReportFrameRoomData(Report * report, QTextDocument * textDocument);

	/*! Field width of the numbers: 4 plus the integer part of the largest decimal logarithm
		of area, height, volume and (with additional mass) mass and heat capacity, at least 1. */
	static int numberFieldWidth(const RM::Room & room);

protected:
	void layoutBlocks() override;

private:
	QtExt::TextFrame *	m_title;
	QtExt::Table *		m_table;
};

#endif // ReportFrameRoomDataH
