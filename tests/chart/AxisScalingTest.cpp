#include "Chart.h"
#include "ChartExceptions.h"

#include <gtest/gtest.h>

namespace {

// An axis laid out over the given pixels and range, as a paint would leave it.
void LayOut(TChartAxis &axis, int start, int end, double min, double max) {
    axis.SetRange(min, max);
    axis.UpdateRange();
    TAxisMap map = axis.Map();
    map.PixelStart = start;
    map.PixelEnd = end;
    axis.SetMap(map);
}

template <typename F> QString MessageOf(F action) {
    try {
        action();
    } catch (const ChartException &error) {
        return error.Message();
    }
    return QString();
}

} // namespace

TEST(AxisScaling, AxesComeInListOrderWithTheirSides) {
    TChart chart;
    const std::vector<TCustomChartAxis *> expected{
        &chart.BottomAxis, &chart.TopAxis, &chart.LeftAxis, &chart.RightAxis, &chart.DepthAxis};
    EXPECT_EQ(chart.Axes(), expected);
    EXPECT_TRUE(chart.BottomAxis.IsHorizontal);
    EXPECT_TRUE(chart.TopAxis.IsFarSide);
    EXPECT_EQ(chart.LeftAxis.Title.Angle(), 90);
    EXPECT_EQ(chart.RightAxis.Title.Angle(), 270);
    EXPECT_FALSE(chart.DepthAxis.Visible());
    EXPECT_TRUE(chart.DepthAxis.IsZAxis);
    EXPECT_EQ(chart.BottomAxis.AxisValuesFormat(), "#,##0.###");
    EXPECT_EQ(chart.BottomAxis.LabelsSeparation(), 10);
    EXPECT_EQ(chart.BottomAxis.Axis.Width(), 2);
}

TEST(AxisScaling, AutomaticFlagsPullEachOtherAlong) {
    TChart chart;
    TChartAxis &axis = chart.LeftAxis;
    axis.SetAutomaticMinimum(false);
    EXPECT_FALSE(axis.Automatic());
    EXPECT_TRUE(axis.AutomaticMaximum());
    axis.SetAutomaticMinimum(true);
    EXPECT_TRUE(axis.Automatic());
    axis.SetAutomatic(false);
    EXPECT_FALSE(axis.AutomaticMinimum());
    EXPECT_FALSE(axis.AutomaticMaximum());
    axis.SetAutomaticMaximum(true);
    EXPECT_FALSE(axis.Automatic()); // the minimum is still fixed
    // Applied as stored settings, Automatic leaves the ends' flags alone.
    axis.SetAutomatic(true);
    chart.SetLoading(true);
    axis.SetAutomatic(false);
    chart.SetLoading(false);
    EXPECT_TRUE(axis.AutomaticMinimum());
}

TEST(AxisScaling, CheckedSettersRefuseAndKeepTheOldValue) {
    TChart chart;
    TChartAxis &axis = chart.BottomAxis;
    axis.SetRange(0, 10);
    EXPECT_EQ(MessageOf([&] { axis.SetMinimum(11); }),
              "軸の最小値は最大値以下でなければなりません");
    EXPECT_EQ(axis.Minimum(), 0);
    EXPECT_EQ(MessageOf([&] { axis.SetMaximum(-1); }),
              "軸の最大値は最小値以上でなければなりません");
    EXPECT_EQ(axis.Maximum(), 10);
    EXPECT_EQ(MessageOf([&] { axis.SetIncrement(-1); }),
              "軸の増加単位は 0 以上でなければなりません");
    EXPECT_EQ(MessageOf([&] { axis.SetLabelsSeparation(-1); }),
              "ラベルの間隔 % は 0 以上でなければなりません");
    EXPECT_EQ(MessageOf([&] { axis.SetLabelsAngle(360); }),
              "軸ラベルの角度は 0 から 359 の間でなければなりません");
    EXPECT_EQ(MessageOf([&] { axis.Title.SetAngle(-1); }),
              "軸タイトルの角度は 0 から 359 の間でなければなりません");
    EXPECT_EQ(axis.Title.Angle(), 0);
    axis.SetLabelsAngle(359);
    EXPECT_EQ(axis.LabelsAngle(), 359);
    chart.SetLoading(true);
    axis.SetMinimum(11); // stored settings are taken as they come
    EXPECT_EQ(axis.Minimum(), 11);
}

TEST(AxisScaling, AutomaticRangeSpansTheSeries) {
    TChart chart;
    TFastLineSeries *series = chart.AddFastLineSeries();
    chart.BottomAxis.UpdateRange();
    EXPECT_EQ(chart.BottomAxis.Minimum(), 0);
    EXPECT_EQ(chart.BottomAxis.WorkRange(), 0);
    for (double x : {3.0, 1.0, 7.0})
        series->AddPointXY(x, x / 100, QString(), AutoColor);
    chart.BottomAxis.UpdateRange();
    chart.LeftAxis.UpdateRange();
    EXPECT_EQ(chart.BottomAxis.WorkMin(), 1);
    EXPECT_EQ(chart.BottomAxis.WorkMax(), 7);
    EXPECT_EQ(chart.LeftAxis.WorkMin(), 0.01);
    EXPECT_EQ(chart.LeftAxis.WorkMax(), 0.07);
    chart.LeftAxis.SetRange(0, 1.0 / 360);
    chart.LeftAxis.UpdateRange();
    EXPECT_EQ(chart.LeftAxis.WorkMax(), 1.0 / 360); // a fixed axis keeps its ends
    // An inactive series counts only while no active one feeds the axis.
    series->SetActive(false);
    chart.BottomAxis.UpdateRange();
    EXPECT_EQ(chart.BottomAxis.WorkMax(), 7);
}

TEST(AxisScaling, ValuesBecomePixelsAndBackOnTheLastLayout) {
    TChart chart;
    TChartAxis &x = chart.BottomAxis;
    LayOut(x, 40, 540, 0, 10);
    EXPECT_EQ(x.XValueToPos(5), 290);
    EXPECT_EQ(x.ValueToPos(0), 40);
    TChartAxis &y = chart.LeftAxis;
    LayOut(y, 20, 220, 0, 10);
    EXPECT_EQ(y.YValueToPos(2.5), 170);
    EXPECT_EQ(y.ValueToPos(2.5), 170);
    EXPECT_EQ(y.PosToValue(20), 10);
    // Inverting takes effect with the next layout, as the picture does.
    y.SetInverted(true);
    EXPECT_EQ(y.YValueToPos(2.5), 170);
    LayOut(y, 20, 220, 0, 10);
    EXPECT_EQ(y.YValueToPos(2.5), 70);
    EXPECT_EQ(y.PosToValue(70), 2.5);
}

TEST(AxisScaling, AnEmptyFixedRangeIsWidenedToTheNarrowest) {
    TChart chart;
    TChartAxis &x = chart.BottomAxis;
    LayOut(x, 100, 300, 5, 5);
    EXPECT_EQ(x.WorkMax(), 5 + 1e-10);
    EXPECT_EQ(x.XValueToPos(5), 100);
}

TEST(AxisScaling, MarginsWidenTheRangeToKeepThePixelsCovered) {
    TChart chart;
    TChartAxis &x = chart.BottomAxis;
    chart.PlotRect = TRect{0, 0, 100, 50};
    chart.UpdatePlotSize();
    x.SetRange(0, 80);
    x.UpdateRange();
    x.CalcPixelRange();
    x.WidenForMargins(TRect{10, 0, 10, 0});
    EXPECT_EQ(x.PixelStart(), 0);
    EXPECT_EQ(x.PixelEnd(), 100);
    EXPECT_EQ(x.WorkMin(), -10);
    EXPECT_EQ(x.WorkMax(), 90);
    EXPECT_EQ(x.XValueToPos(0), 10);
}
