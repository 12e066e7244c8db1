#include "Chart.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <stdexcept>

namespace {

class SeriesValuesTest : public ::testing::Test {
protected:
    TChart chart;
    TFastLineSeries *series = chart.AddFastLineSeries();
};

std::vector<double> Values(const TChartValueList &list) {
    std::vector<double> values;
    for (int i = 0; i < list.ValueCount(); ++i)
        values.push_back(list.ValueAt(i));
    return values;
}

} // namespace

TEST(ChartValueList, AddsInOrderAfterEqualValues) {
    TChartValueList ascending(nullptr, "X", loAscending, false);
    for (double v : {1.0, 3.0, 5.0})
        ascending.AddInOrder(v);
    EXPECT_EQ(ascending.AddInOrder(4), 2);
    EXPECT_EQ(ascending.AddInOrder(0), 0);
    EXPECT_EQ(ascending.AddInOrder(3), 3); // after the 3 already there
    EXPECT_EQ(ascending.AddInOrder(6), 6);
    EXPECT_EQ(Values(ascending), (std::vector<double>{0, 1, 3, 3, 4, 5, 6}));

    TChartValueList descending(nullptr, "X", loDescending, false);
    for (double v : {5.0, 3.0, 1.0, 3.0, 9.0})
        descending.AddInOrder(v);
    EXPECT_EQ(Values(descending), (std::vector<double>{9, 5, 3, 3, 1}));

    TChartValueList unordered(nullptr, "Y", loNone, false);
    for (double v : {5.0, 3.0, 9.0})
        unordered.AddInOrder(v);
    EXPECT_EQ(Values(unordered), (std::vector<double>{5, 3, 9}));
}

TEST(ChartValueList, StatisticsFollowChangesAndTheMultiplier) {
    TChartValueList list(nullptr, "Y", loNone, false);
    EXPECT_EQ(list.HighestValue(), 0);
    EXPECT_EQ(list.LowestValue(), 0);
    for (double v : {2.0, -3.0, 7.0})
        list.AddInOrder(v);
    EXPECT_EQ(list.LowestValue(), -3);
    EXPECT_EQ(list.HighestValue(), 7);
    EXPECT_EQ(list.ValueSum(), 6);
    EXPECT_EQ(list.AbsValueSum(), 12);
    list.SetMultiplier(2);
    EXPECT_EQ(list.ValueAt(2), 14);
    EXPECT_EQ(list.HighestValue(), 14);
    EXPECT_EQ(list.LowestValue(), -6);
    list.SetValueAt(1, 10);
    EXPECT_EQ(list.HighestValue(), 20);
    list.DeleteValueAt(1);
    EXPECT_EQ(list.HighestValue(), 14);
    list.RotateValues();
    EXPECT_EQ(list.ValueAt(0), 14);
    EXPECT_EQ(list.LastValue(), 4);
    list.ClearAllValues();
    EXPECT_EQ(list.HighestValue(), 0);
    EXPECT_EQ(list.ValueSum(), 0);
    EXPECT_EQ(list.Capacity(), 0u);
}

TEST(ChartValueList, IndexOutsideTheListThrowsWithTheIndex) {
    TChartValueList list(nullptr, "X", loAscending, false);
    list.AddInOrder(1);
    for (int index : {-1, 1, 7}) {
        try {
            list.ValueAt(index);
            FAIL() << index;
        } catch (const std::out_of_range &error) {
            EXPECT_EQ(QString::fromUtf8(error.what()),
                      QStringLiteral("リストのインデックスが範囲を超えています (%1)").arg(index));
        }
    }
    EXPECT_THROW(list.DeleteValueAt(1), std::out_of_range);
    EXPECT_THROW(list.InsertValueAt(3, 0), std::out_of_range);
    list.InsertValueAt(1, 2); // at the end is fine
    EXPECT_EQ(list.ValueCount(), 2);
}

TEST_F(SeriesValuesTest, NewSeriesHasNoPointsAndNoShownRange) {
    EXPECT_EQ(series->PointCount(), 0);
    EXPECT_EQ(series->LowestX(), 0);
    EXPECT_EQ(series->HighestY(), 0);
    series->FindShownRange();
    EXPECT_EQ(series->FirstShown, -1);
    EXPECT_EQ(series->LastShown, -1);
    EXPECT_EQ(series->XValues.Order(), loAscending);
    EXPECT_EQ(series->YValues.Order(), loNone);
    EXPECT_TRUE(series->KeepPointBeyondEnd);
    EXPECT_EQ(series->ActualHorizAxis(), &chart.BottomAxis);
    EXPECT_EQ(series->ActualVertAxis(), &chart.LeftAxis);
}

TEST_F(SeriesValuesTest, PointsKeepTheirColoursAndLabelsWhenInsertedEarlier) {
    EXPECT_EQ(series->AddPointXY(1, 0.001, QString(), AutoColor), 0);
    EXPECT_EQ(series->AddPointXY(2, 0.0008, "b", clBlue), 1);
    EXPECT_EQ(series->LowestY(), 0.0008);
    EXPECT_EQ(series->HighestY(), 0.001);
    EXPECT_EQ(series->LowestX(), 1);
    EXPECT_EQ(series->HighestX(), 2);
    EXPECT_EQ(series->AddPointXY(0.5, 7, "first", 65280), 0);
    EXPECT_EQ(series->YValueOf(0), 7);
    EXPECT_EQ(series->PointLabel(0), "first");
    EXPECT_EQ(series->PointColors[0], 65280u);
    EXPECT_EQ(series->PointLabel(2), "b");
    EXPECT_EQ(series->AddPointXY(1, 9, QString(), AutoColor), 2); // after the equal x
    EXPECT_EQ(series->YValueOf(2), 9);
    EXPECT_EQ(series->PointLabel(99), "");
}

TEST_F(SeriesValuesTest, AutoColouredPointsTakeTheSeriesColour) {
    series->SetSeriesColor(clRed);
    series->AddPointXY(1, 1, QString(), AutoColor);
    series->AddPointXY(2, 1, QString(), clBlue);
    EXPECT_EQ(series->PointColor(0), clRed);
    EXPECT_EQ(series->PointColor(1), clBlue);
    EXPECT_EQ(series->PointColor(5), clRed);
    series->SetSeriesColor(65280);
    EXPECT_EQ(series->PointColor(0), 65280u);
    EXPECT_EQ(series->LinePen.Color(), 65280u);
    series->SetColorEachPoint(false); // resets every stored colour
    EXPECT_EQ(series->PointColor(1), 65280u);
}

TEST_F(SeriesValuesTest, AttachedSeriesWithoutAColourGetAFreeOne) {
    EXPECT_NE(series->SeriesColor(), AutoColor);
    TFastLineSeries *second = chart.AddFastLineSeries();
    EXPECT_NE(second->SeriesColor(), AutoColor);
    EXPECT_NE(second->SeriesColor(), series->SeriesColor());
    EXPECT_EQ(second->LinePen.Color(), second->SeriesColor());
}

TEST_F(SeriesValuesTest, BeforeAddMayRefuseOrChangeThePoint) {
    int afterAdds = 0;
    series->OnAfterAdd = [&](TChartSeries *, int) { ++afterAdds; };
    series->OnBeforeAdd = [](TChartSeries *) { return false; };
    EXPECT_EQ(series->AddPointXY(1, 1, QString(), AutoColor), -1);
    EXPECT_EQ(series->PointCount(), 0);
    EXPECT_EQ(afterAdds, 0);
    series->OnBeforeAdd = [](TChartSeries *sender) {
        sender->YValues.PendingValue *= 10;
        return true;
    };
    EXPECT_EQ(series->AddPointXY(1, 2, QString(), AutoColor), 0);
    EXPECT_EQ(series->YValueOf(0), 20);
    EXPECT_EQ(afterAdds, 1);
}

TEST_F(SeriesValuesTest, ClearingEmptiesEveryListAndRepaintsOnce) {
    for (int x = 1; x <= 3; ++x)
        series->AddPointXY(x, x, "p", AutoColor);
    int clears = 0;
    series->OnClearValues = [&](TChartSeries *) { ++clears; };
    chart.grab(); // bring the picture up to date
    ASSERT_FALSE(chart.Canvas.NeedsRedraw());
    series->ClearPoints();
    EXPECT_EQ(clears, 1);
    EXPECT_TRUE(chart.Canvas.NeedsRedraw());
    EXPECT_EQ(series->PointCount(), 0);
    EXPECT_EQ(series->YValues.ValueCount(), 0);
    EXPECT_TRUE(series->PointColors.empty());
    EXPECT_TRUE(series->PointLabels.empty());
    EXPECT_EQ(series->HighestY(), 0);
}

TEST_F(SeriesValuesTest, WithoutAutoRepaintANewPointAsksForNoRepaint) {
    chart.grab();
    series->AutoRepaint = false;
    int afterAdds = 0;
    series->OnAfterAdd = [&](TChartSeries *, int) { ++afterAdds; };
    series->AddPointXY(1, 1, QString(), AutoColor);
    EXPECT_FALSE(chart.Canvas.NeedsRedraw());
    EXPECT_EQ(afterAdds, 0);
}

TEST_F(SeriesValuesTest, MultiplierScalesReadValuesOnly) {
    series->AddPointXY(1, 3, QString(), AutoColor);
    series->YValues.SetMultiplier(2);
    EXPECT_EQ(series->YValueOf(0), 6);
    EXPECT_EQ(series->HighestY(), 6);
    series->YValues.SetMultiplier(1);
    EXPECT_EQ(series->YValueOf(0), 3);
}

TEST_F(SeriesValuesTest, ShownRangeFollowsTheHorizontalAxis) {
    for (int x = 1; x <= 6; ++x)
        series->AddPointXY(x, x, QString(), AutoColor);
    TChartAxis &axis = chart.BottomAxis;
    axis.SetRange(2.5, 4.5);
    axis.UpdateRange();
    chart.PlotRect = TRect{20, 10, 220, 110};
    chart.UpdatePlotSize();
    axis.CalcPixelRange();

    series->FindShownRange();
    EXPECT_EQ(series->FirstShown, 2); // x = 3
    EXPECT_EQ(series->LastShown, 4);  // x = 5, the first point past the right edge
    series->KeepPointBeyondEnd = false;
    series->FindShownRange();
    EXPECT_EQ(series->LastShown, 3);

    axis.SetRange(2.5, 4); // a point right on the edge ends the range either way
    axis.UpdateRange();
    for (bool keep : {true, false}) {
        series->KeepPointBeyondEnd = keep;
        series->FindShownRange();
        EXPECT_EQ(series->LastShown, 3) << keep;
    }

    axis.SetRange(10, 20); // every point left of the range
    axis.UpdateRange();
    series->FindShownRange();
    EXPECT_EQ(series->FirstShown, -1);
    EXPECT_EQ(series->LastShown, -1);

    series->LimitToVisible = false;
    series->FindShownRange();
    EXPECT_EQ(series->FirstShown, 0);
    EXPECT_EQ(series->LastShown, 5);
}

TEST_F(SeriesValuesTest, FeedsOnlyTheAxesItIsAttachedTo) {
    EXPECT_TRUE(series->FeedsAxis(&chart.BottomAxis));
    EXPECT_TRUE(series->FeedsAxis(&chart.LeftAxis));
    EXPECT_FALSE(series->FeedsAxis(&chart.TopAxis));
    EXPECT_FALSE(series->FeedsAxis(&chart.RightAxis));
    series->SetHorizAxis(aBothHorizAxis);
    EXPECT_TRUE(series->FeedsAxis(&chart.TopAxis));
    series->SetVertAxis(aRightAxis);
    EXPECT_EQ(series->ActualVertAxis(), &chart.RightAxis);
    EXPECT_FALSE(series->FeedsAxis(&chart.LeftAxis));
    series->SetParentChart(nullptr);
    EXPECT_EQ(series->ActualHorizAxis(), nullptr);
    EXPECT_TRUE(chart.SeriesList().empty());
}

TEST(ChartValueList, KnowsWhetherItsValuesAscendThroughEveryChange) {
    // Random changes of every kind; after each the list's answer must match a plain look.
    std::mt19937 random(7);
    TChartValueList list(nullptr, "X", loAscending, false);
    const auto ascends = [&] {
        for (int i = 0; i < list.ValueCount(); ++i)
            if (std::isnan(list.RawValues()[i]) ||
                (i > 0 && list.RawValues()[i - 1] > list.RawValues()[i]))
                return false;
        return true;
    };
    for (int step = 0; step < 4000; ++step) {
        const int n = list.ValueCount();
        const double value = random() % 50 == 0 ? std::nan("") : double(random() % 20);
        switch (random() % 8) {
        case 0:
            if (n > 0)
                list.SetValueAt(int(random() % n), value);
            break;
        case 1:
            list.InsertValueAt(int(random() % (n + 1)), value);
            break;
        case 2:
            if (n > 0)
                list.DeleteValueAt(int(random() % n));
            break;
        case 3:
            list.RotateValues();
            break;
        case 4:
            if (random() % 20 == 0)
                list.ClearAllValues();
            break;
        default:
            list.AddInOrder(value);
        }
        ASSERT_EQ(list.RawAscending(), ascends()) << step;
    }
}

TEST_F(SeriesValuesTest, ShownRangeIsTheSameBisectedOrWalked) {
    // Many points with repeated X values; the answer of a plain walk through them, from the
    // left, for windows at the start, middle and end and beyond both ends.
    std::mt19937 random(11);
    double x = 0;
    for (int i = 0; i < 5000; ++i) {
        x += double(random() % 3);
        series->AddPointXY(x, 1, QString(), AutoColor);
    }
    TChartAxis &axis = chart.BottomAxis;
    const auto walk = [&](double low, double high, bool keep) {
        const TChartValueList &xs = series->XValues;
        const int n = xs.ValueCount();
        int first = 0;
        while (first < n && xs.ValueAt(first) < low)
            ++first;
        if (first == n)
            return std::pair(-1, -1);
        if (!(xs.ValueAt(n - 1) > high))
            return std::pair(first, n - 1);
        int last = first;
        while (last < n - 1 && xs.ValueAt(last) < high)
            ++last;
        return std::pair(first, !keep && xs.ValueAt(last) > high ? last - 1 : last);
    };
    const std::pair<double, double> windows[] = {{-5, 40},       {2000, 2100}, {x - 30, x + 1},
                                                 {x + 5, x + 9}, {-9, -3},     {17, 17.5}};
    for (int disorder = 0; disorder < 2; ++disorder) {
        if (disorder) // one value out of order: the range must still be found, by walking
            series->XValues.SetValueAt(2500, -1);
        for (auto [low, high] : windows) {
            axis.SetRange(low, high);
            axis.UpdateRange();
            chart.PlotRect = TRect{20, 10, 220, 110};
            chart.UpdatePlotSize();
            axis.CalcPixelRange();
            for (bool keep : {true, false}) {
                series->KeepPointBeyondEnd = keep;
                series->FindShownRange();
                const double shownLow = axis.PosToValue(chart.PlotRect.Left);
                const double shownHigh = axis.PosToValue(chart.PlotRect.Right);
                EXPECT_EQ(std::pair(series->FirstShown, series->LastShown),
                          walk(shownLow, shownHigh, keep))
                    << low << " " << high << " " << keep << " " << disorder;
            }
        }
    }
}

TEST_F(SeriesValuesTest, AnInactiveSeriesThatSetsAnAxisRangeRepaintsWhenItsPointsChange) {
    // The only series feeds the axes; inactive, it is not drawn, but its values still set the
    // automatic ranges, so the labels change with its points.
    chart.resize(400, 250);
    series->AddPointXY(0, 0, QString(), AutoColor);
    series->AddPointXY(1, 1, QString(), AutoColor);
    series->SetActive(false);
    const struct {
        const char *change;
        std::function<void()> make;
    } changes[] = {
        {"add", [&] { series->AddPointXY(2, -0.472, QString(), AutoColor); }},
        {"delete", [&] { series->DeletePoint(0); }},
        {"clear", [&] { series->ClearPoints(); }},
    };
    for (const auto &change : changes) {
        SCOPED_TRACE(change.change);
        chart.grab(); // the screen is up to date
        ASSERT_FALSE(chart.Canvas.NeedsRedraw());
        change.make();
        EXPECT_TRUE(chart.Canvas.NeedsRedraw()) << "the screen keeps the old picture";
    }
}
