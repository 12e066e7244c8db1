#include "Chart.h"

#include <gtest/gtest.h>
#include <stdexcept>

TEST(GraphOperations, SetRangeFixesTheEndsAndTurnsAutomaticScalingOff) {
    TChart chart;
    TChartAxis &axis = chart.LeftAxis;
    EXPECT_TRUE(axis.Automatic());
    axis.SetRange(0, 1.0 / 360);
    EXPECT_EQ(axis.Minimum(), 0);
    EXPECT_EQ(axis.Maximum(), 0.002777777777777778);
    EXPECT_FALSE(axis.Automatic());
    EXPECT_FALSE(axis.AutomaticMinimum());
    EXPECT_FALSE(axis.AutomaticMaximum());

    axis.SetRange(5, 1);
    EXPECT_EQ(axis.Minimum(), 1);
    EXPECT_EQ(axis.Maximum(), 5);

    axis.SetRange(3, 3);
    EXPECT_EQ(axis.Minimum(), 3);
    EXPECT_EQ(axis.Maximum(), 3 + 1e-10);
}

TEST(GraphOperations, PointsKeepAscendingXWithTiesAfterEarlierOnes) {
    TChart chart;
    TFastLineSeries *series = chart.AddFastLineSeries();
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(series->AddPointXY(n, n / 1440.0, QString(), AutoColor), n - 1);
    EXPECT_EQ(series->AddPointXY(2, 99, "tie", clRed), 2);
    EXPECT_EQ(series->AddPointXY(0, 7, QString(), AutoColor), 0);
    ASSERT_EQ(series->PointCount(), 7);
    const double xs[] = {0, 1, 2, 2, 3, 4, 5};
    for (std::size_t i = 0; i < 7; ++i)
        EXPECT_EQ(series->XValues.ValueAt(i), xs[i]) << i;
    EXPECT_EQ(series->YValues.ValueAt(3), 99);
    EXPECT_EQ(series->PointLabels[3], "tie");
    EXPECT_EQ(series->PointColors[3], clRed);
    EXPECT_EQ(series->PointColors.size(), 7u);
    EXPECT_EQ(series->PointLabels.size(), 7u);
}

TEST(GraphOperations, ClearPointsEmptiesEveryList) {
    TChart chart;
    TFastLineSeries *series = chart.AddFastLineSeries();
    series->AddPointXY(1, 1, QString(), AutoColor);
    series->ClearPoints();
    EXPECT_EQ(series->PointCount(), 0);
    EXPECT_EQ(series->YValues.ValueCount(), 0);
    EXPECT_TRUE(series->PointColors.empty());
    EXPECT_TRUE(series->PointLabels.empty());
    EXPECT_EQ(series->AddPointXY(4, 1, QString(), AutoColor), 0);
}

TEST(GraphOperations, ReadingPastTheEndThrowsWithTheIndex) {
    TChart chart;
    TFastLineSeries *series = chart.AddFastLineSeries();
    series->AddPointXY(1, 1, QString(), AutoColor);
    try {
        series->XValues.ValueAt(3);
        FAIL() << "no exception";
    } catch (const std::out_of_range &error) {
        EXPECT_EQ(QString::fromUtf8(error.what()), "リストのインデックスが範囲を超えています (3)");
    }
}
