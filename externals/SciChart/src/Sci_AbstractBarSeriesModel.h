#ifndef Sci_AbstractBarSeriesModelH
#define Sci_AbstractBarSeriesModelH

#include <QPalette>
#include <QVector>

#include "Sci_AbstractCartesianChartModel.h"

namespace SCI {

/*! Chart model of one bar series: samples at x positions, each with the same number of
	values, one bar per value (grouped side by side or stacked). The model keeps the
	bar properties and one symbol record per bar; subclasses supply the samples.
	The only series is series 0.
*/
class AbstractBarSeriesModel : public AbstractCartesianChartModel {
	Q_OBJECT
public:
	enum SeriesDataRole {
		SampleCount,	///< int, read only: sampleCount()
		TitleText,		///< QString
		Title,			///< QString, read only
		Style,			///< int: 0 grouped, 1 stacked (QwtPlotMultiBarChart::ChartStyle)
		Baseline,		///< double: where the bars start
		LayoutPolicy,	///< int: QwtPlotAbstractBarChart::LayoutPolicy
		Margin,			///< int: pixels at both ends of the canvas
		LayoutHint,		///< double: meaning depends on the layout policy
		Spacing,		///< int: pixels between samples
		BarSymbols,		///< int, read only: number of bar symbol records; announces their changes
		NUM_SDR
	};

	/*! Look of one bar (value index) of every sample. */
	struct BarSymbolInformation {
		QPalette	m_palette;
		/*! Legend text of the bar. */
		QString		m_title;
	};

	/*! The bar properties. */
	struct BarChartInformation {
		QString		m_titleText;
		int			m_style = 0;
		double		m_baseline = 0;
		int			m_layoutPolicy = 0;
		int			m_margin = 5;
		double		m_layoutHint = 0.5;
		int			m_spacing = 10;
		QVector<BarSymbolInformation>	m_barSymbolInformations;
	};

	explicit AbstractBarSeriesModel(QObject * parent = nullptr);

	/*! One series, subclasses without data may answer 0. */
	int seriesCount() const override { return 1; }
	int seriesType() const override { return 5; }

	QVariant seriesData(int seriesIndex, int role) const override;
	bool setSeriesData(const QVariant & value, int seriesIndex, int role) override;

	void clearCachedData() override;

	/*! Number of samples. */
	virtual int sampleCount() const = 0;
	/*! Number of values (bars) of every sample. */
	virtual unsigned int valuesPerSample() const = 0;
	/*! sampleCount() x positions, null when there are none. */
	virtual const double * samplePositions() const = 0;
	/*! valuesPerSample() values of sample i, null when missing. */
	virtual const double * sampleValues(unsigned int sampleIndex) const = 0;

	/*! Number of bar symbol records. */
	unsigned int barCount() const { return static_cast<unsigned int>(m_barChartInformation.m_barSymbolInformations.size()); }
	/*! Palette of bar index; index below barCount(). */
	QPalette barSymbolPalette(unsigned int index) const;
	/*! Legend text of bar index; index below barCount(). */
	QString barTitle(unsigned int index) const;
	/*! Replaces the bar symbol records and announces role BarSymbols. */
	void setBarSymbolInformations(const QVector<BarSymbolInformation> & symbols);

protected:
	BarChartInformation		m_barChartInformation;
};

} // namespace SCI

#endif // Sci_AbstractBarSeriesModelH
