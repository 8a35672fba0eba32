// Series change brackets nest as a stack; clearing with an open bracket warns.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "Sci_TestHelpers.h"

using SCI::AbstractChartModel;
using SCI_Test::MessageCollector;
using SCI_Test::PropertiesOnlyModel;

TEST(SciChangeBrackets, NestedBracketsCloseInnermostFirst) {
	PropertiesOnlyModel m(1);
	QSignalSpy inserted(&m, &AbstractChartModel::seriesInserted);
	QSignalSpy changed(&m, &AbstractChartModel::seriesChanged);
	QSignalSpy aboutToChange(&m, &AbstractChartModel::seriesAboutToBeChanged);
	m.beginInsertSeries(0, 0);
	m.beginChangeSeries(1, 1);
	EXPECT_EQ(aboutToChange.count(), 1);
	m.endChangeSeries();
	ASSERT_EQ(changed.count(), 1);
	EXPECT_EQ(changed[0], QList<QVariant>({1, 1}));
	EXPECT_EQ(inserted.count(), 0);
	m.endInsertSeries();
	ASSERT_EQ(inserted.count(), 1);
	EXPECT_EQ(inserted[0], QList<QVariant>({0, 0}));
	EXPECT_EQ(m.seriesCount(), 2);
}


TEST(SciChangeBrackets, InsertAndRemoveKeepTheRecordsInStep) {
	PropertiesOnlyModel m(2);
	m.setSeriesData("a", 0, SCI::AbstractLineSeriesModel::TitleText);
	m.setSeriesData("b", 1, SCI::AbstractLineSeriesModel::TitleText);
	m.beginInsertSeries(1, 3);
	m.endInsertSeries();
	ASSERT_EQ(m.seriesCount(), 5);
	EXPECT_EQ(m.seriesData(0, SCI::AbstractLineSeriesModel::TitleText).toString(), QString("a"));
	EXPECT_EQ(m.seriesData(2, SCI::AbstractLineSeriesModel::LineStyle).toInt(), 1);
	EXPECT_EQ(m.seriesData(4, SCI::AbstractLineSeriesModel::TitleText).toString(), QString("b"));
	QSignalSpy removed(&m, &AbstractChartModel::seriesRemoved);
	m.beginRemoveSeries(0, 3);
	m.endRemoveSeries();
	ASSERT_EQ(m.seriesCount(), 1);
	EXPECT_EQ(m.seriesData(0, SCI::AbstractLineSeriesModel::TitleText).toString(), QString("b"));
	EXPECT_EQ(removed[0], QList<QVariant>({0, 3}));
}


TEST(SciChangeBrackets, ModelBracketsLeaveTheStackAlone) {
	PropertiesOnlyModel m;
	QSignalSpy about(&m, &AbstractChartModel::modelAboutToBeReset);
	QSignalSpy reset(&m, &AbstractChartModel::modelReset);
	m.beginChangeSeries(0, 0);
	m.beginResetModel();
	m.endResetModel();
	m.beginChangeModel();
	m.endChangeModel();
	EXPECT_EQ(m.openBrackets(), 1);
	EXPECT_EQ(about.count() + reset.count(), 2);
	m.endChangeSeries();
}


TEST(SciChangeBrackets, ClearingWithAnOpenBracketWarnsOnceAndEmptiesTheStack) {
	PropertiesOnlyModel m(1);
	m.setChartData(QString("Other"), AbstractChartModel::TitleText);
	MessageCollector messages;
	m.clearCachedData();
	EXPECT_EQ(messages.count(BVX::MSG_WARNING), 0);

	m.beginChangeSeries(0, 0);
	m.beginChangeSeries(0, 0);
	m.clearCachedData();
	ASSERT_EQ(messages.count(BVX::MSG_WARNING), 1);
	EXPECT_EQ(messages.m_messages[0].text, "Unbalanced changes record.");
	EXPECT_EQ(m.openBrackets(), 0);
	EXPECT_EQ(m.seriesCount(), 0);
	EXPECT_EQ(m.chartData(AbstractChartModel::TitleText).toString(), QString("Title"));
	EXPECT_FALSE(m.axisData(2, SCI::AbstractCartesianChartModel::Enabled).toBool());
}
