#include "Sci_AbstractBarSeriesModel.h"

#include "Sci_PropertyIO.h"

namespace SCI {

AbstractBarSeriesModel::AbstractBarSeriesModel(QObject * parent) :
	AbstractCartesianChartModel(parent)
{
}


QVariant AbstractBarSeriesModel::seriesData(int seriesIndex, int role) const {
	Q_ASSERT_X(seriesIndex == 0, "AbstractBarSeriesModel::seriesData", "seriesIndex == 0");
	(void)seriesIndex;
	const BarChartInformation & b = m_barChartInformation;
	switch (role) {
		case SampleCount:	return sampleCount();
		case TitleText:
		case Title:			return b.m_titleText;
		case Style:			return b.m_style;
		case Baseline:		return b.m_baseline;
		case LayoutPolicy:	return b.m_layoutPolicy;
		case Margin:		return b.m_margin;
		case LayoutHint:	return b.m_layoutHint;
		case Spacing:		return b.m_spacing;
		case BarSymbols:	return static_cast<int>(barCount());
		default:			return QVariant();
	}
}


bool AbstractBarSeriesModel::setSeriesData(const QVariant & value, int seriesIndex, int role) {
	Q_ASSERT_X(seriesIndex == 0, "AbstractBarSeriesModel::setSeriesData", "seriesIndex == 0");
	BarChartInformation & b = m_barChartInformation;
	bool ok = true;
	bool changed = false;
	switch (role) {
		case TitleText:		changed = assignChanged(b.m_titleText, value.toString()); break;
		case Style:			ok = assignConverted(b.m_style, value, changed); break;
		case Baseline:		ok = assignConverted(b.m_baseline, value, changed); break;
		case LayoutPolicy:	ok = assignConverted(b.m_layoutPolicy, value, changed); break;
		case Margin:		ok = assignConverted(b.m_margin, value, changed); break;
		case LayoutHint:	ok = assignConverted(b.m_layoutHint, value, changed); break;
		case Spacing:		ok = assignConverted(b.m_spacing, value, changed); break;
		default:
			return false;	// SampleCount, Title, BarSymbols and unknown roles
	}
	if (!ok)
		return false;
	if (changed)
		emit seriesViewChanged(seriesIndex, seriesIndex, role);
	return true;
}


void AbstractBarSeriesModel::clearCachedData() {
	AbstractCartesianChartModel::clearCachedData();
	m_barChartInformation = BarChartInformation();
}


QPalette AbstractBarSeriesModel::barSymbolPalette(unsigned int index) const {
	Q_ASSERT_X(index < barCount(), "AbstractBarSeriesModel::barSymbolPalette",
			   "index < m_barChartInformation.m_barSymbolInformations.size()");
	return m_barChartInformation.m_barSymbolInformations[static_cast<int>(index)].m_palette;
}


QString AbstractBarSeriesModel::barTitle(unsigned int index) const {
	Q_ASSERT_X(index < barCount(), "AbstractBarSeriesModel::barTitle",
			   "index < m_barChartInformation.m_barSymbolInformations.size()");
	return m_barChartInformation.m_barSymbolInformations[static_cast<int>(index)].m_title;
}


void AbstractBarSeriesModel::setBarSymbolInformations(const QVector<BarSymbolInformation> & symbols) {
	m_barChartInformation.m_barSymbolInformations = symbols;
	emit seriesViewChanged(0, 0, BarSymbols);
}

} // namespace SCI
