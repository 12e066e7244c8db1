#include "Chart.h"
#include "ChartExceptions.h"
#include "Differences.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

constexpr TColor Grey = 0x808080;

class AxisDrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        chart.resize(561, 255);
        chart.SetView3D(false);
        series = chart.AddFastLineSeries();
    }

    QImage Picture() {
        chart.Invalidate();
        chart.grab();
        return *chart.Canvas.Bitmap();
    }

    // The axis value that lands on a pixel of the bottom axis, as laid out by the last paint.
    double ValueAt(int pixel) const {
        const TChartAxis &axis = chart.BottomAxis;
        return axis.WorkMin() +
               double(pixel - axis.PixelStart()) * axis.WorkRange() / axis.PixelSize();
    }

    TChart chart;
    TFastLineSeries *series = nullptr;
};

} // namespace

TEST_F(AxisDrawingTest, TickRoomCountsTheVisiblePens) {
    TChartAxis &axis = chart.BottomAxis;
    EXPECT_EQ(axis.TickRoom(), 6);
    axis.Axis.SetVisible(false);
    axis.TickLength = 1;
    axis.MinorTickLength = 2;
    EXPECT_EQ(axis.TickRoom(), 2);
    axis.MinorTicks.SetVisible(false);
    EXPECT_EQ(axis.TickRoom(), 1);
}

TEST_F(AxisDrawingTest, TitlesTakeOneFontHeightAlongTheAxis) {
    Picture();
    const int plain = chart.PlotRect.Bottom;
    chart.BottomAxis.Title.SetCaption(QStringLiteral("演習回数"));
    chart.LeftAxis.Title.SetCaption(QStringLiteral("演習時間"));
    const int left = chart.PlotRect.Left;
    Picture();
    chart.UseFont(chart.BottomAxis.Title.Font);
    const int h = chart.Canvas.CharHeight();
    EXPECT_EQ(chart.PlotRect.Bottom, plain - h);
    EXPECT_EQ(chart.PlotRect.Left, left + h);
}

TEST_F(AxisDrawingTest, LabelsOnTheEndsNeedLabelsOnAxis) {
    series->AddPointXY(1, 1, QString(), AutoColor);
    series->AddPointXY(2, 1, QString(), AutoColor);
    Picture();
    EXPECT_EQ(chart.BottomAxis.TickPositions().size(), 2u);
    chart.BottomAxis.SetLabelsOnAxis(false);
    Picture();
    EXPECT_TRUE(chart.BottomAxis.TickPositions().empty());
}

TEST_F(AxisDrawingTest, WithoutLabelsTicksAndGridMayStillShow) {
    for (int x = 0; x <= 10; ++x)
        series->AddPointXY(x, 1, QString(), AutoColor);
    TChartAxis &axis = chart.BottomAxis;
    axis.SetLabels(false);
    axis.TickOnLabelsOnly = false;
    const QImage image = Picture();
    EXPECT_GE(axis.TickPositions().size(), 2u);
    const int p = axis.TickPositions().front();
    EXPECT_EQ(ToColorValue(image.pixelColor(p, axis.AxisPos() + 2)), Grey);
    EXPECT_EQ(axis.LabelsPos(), 0); // no label band was taken
}

TEST_F(AxisDrawingTest, SeriesLabelsSkipThoseThatWouldOverlap) {
    const QString text = QStringLiteral("ABCD");
    for (int x = 1; x <= 3; ++x)
        series->AddPointXY(x, 1, text, AutoColor);
    TChartAxis &axis = chart.BottomAxis;
    axis.SetRange(0, 10);
    axis.SetLabelsSeparation(10);
    Picture();
    ASSERT_EQ(axis.EffectiveLabelStyle(), talText);
    chart.UseFont(axis.LabelsFont);
    const int w = chart.TextBlockWidth(text).first;
    const int firstHalf = w / 2;
    const int laterHalf = (w + int(w * 0.02 * 10)) / 2;
    const int p0 = axis.PixelStart() + 50;
    // The second label would reach one pixel into the first; the third just clears it.
    const std::vector<int> pixels{p0, p0 + firstHalf + laterHalf - 1, p0 + firstHalf + laterHalf};
    for (int i = 0; i < 3; ++i)
        series->XValues.SetValueAt(i, ValueAt(pixels[std::size_t(i)]));
    Picture();
    EXPECT_EQ(axis.TickPositions(), (std::vector<int>{pixels[0], pixels[2]}));
}

TEST_F(AxisDrawingTest, CentredGridFallsBetweenLabels) {
    for (int x = 1; x <= 3; ++x)
        series->AddPointXY(x, 1, QStringLiteral("a"), AutoColor);
    TChartAxis &axis = chart.BottomAxis;
    axis.SetRange(0, 10);
    Picture();
    const std::vector<int> pixels{axis.PixelStart() + 100, axis.PixelStart() + 150,
                                  axis.PixelStart() + 200};
    for (int i = 0; i < 3; ++i)
        series->XValues.SetValueAt(i, ValueAt(pixels[std::size_t(i)]));
    axis.GridCentered = true;
    const QImage image = Picture();
    ASSERT_EQ(axis.TickPositions(), pixels);
    const auto greyIn = [&](int x) {
        int dots = 0;
        for (int y = chart.PlotRect.Top + 1; y < chart.PlotRect.Bottom - 1; ++y)
            dots += ToColorValue(image.pixelColor(x, y)) == Grey;
        return dots;
    };
    EXPECT_GT(greyIn(axis.PixelStart() + 125), 10);
    EXPECT_GT(greyIn(axis.PixelStart() + 175), 10);
    EXPECT_EQ(greyIn(axis.PixelStart() + 150), 0);
    EXPECT_EQ(greyIn(axis.PixelStart() + 100), 0);
}

TEST_F(AxisDrawingTest, ManyLabelsNeverOverrunTheTickList) {
    series->AddPointXY(0, 1, QString(), AutoColor);
    series->AddPointXY(9000, 1, QString(), AutoColor);
    TChartAxis &axis = chart.BottomAxis;
    axis.SetLabelsSeparation(0); // step 1: 9001 labels
    axis.SetLabels(false);
    axis.TickOnLabelsOnly = false;
    Picture();
    EXPECT_EQ(axis.TickPositions().size(), TCustomChartAxis::MaxTickPositions);
}

TEST_F(AxisDrawingTest, RotatedAndUpsideDownLabelsStillDraw) {
    series->AddPointXY(1, 1, QString(), AutoColor);
    series->AddPointXY(5, 2, QString(), AutoColor);
    for (int angle : {0, 45, 90, 180, 270}) {
        chart.BottomAxis.SetLabelsAngle(angle);
        chart.LeftAxis.SetLabelsAngle(angle);
        chart.LeftAxis.Title.SetCaption(QStringLiteral("t\rt"));
        chart.LeftAxis.Title.SetAngle(angle);
        Picture();
        EXPECT_FALSE(chart.BottomAxis.TickPositions().empty()) << angle;
    }
}

namespace {

// A range whose lowest label lies on its lower end, and a wider range with that label inside.
struct LowestLabel {
    const char *name;
    double min;
    double max;
    double widerMin;
    double label;
};

void PrintTo(const LowestLabel &row, std::ostream *out) { *out << row.name; }

class LowestLabelTest : public AxisDrawingTest, public ::testing::WithParamInterface<LowestLabel> {
protected:
    // What the bottom axis shows under the value's pixel, in its label band.
    QImage LabelUnder(double min, double max, double value) {
        chart.BottomAxis.SetRange(min, max);
        const QImage image = Picture();
        const TChartAxis &axis = chart.BottomAxis;
        constexpr int halfWidth = 12;
        return image.copy(axis.ValueToPos(value) - halfWidth, axis.LabelsPos(), 2 * halfWidth + 1,
                          chart.Canvas.CharHeight());
    }
};

} // namespace

TEST_P(LowestLabelTest, TheLowestEndGetsItsLabel) {
    const LowestLabel &row = GetParam();
    const QImage inside = LabelUnder(row.widerMin, row.max, row.label);
    QImage blank = inside;
    blank.fill(chart.Color());
    ASSERT_GT(Differences(inside, blank), 0);
    EXPECT_EQ(Differences(LabelUnder(row.min, row.max, row.label), inside), 0);
}

INSTANTIATE_TEST_SUITE_P(Ranges, LowestLabelTest,
                         ::testing::Values(LowestLabel{"AcrossZero", -10, 10, -20, -10},
                                           LowestLabel{"BelowZero", -3, -1, -5, -3},
                                           LowestLabel{"FromZero", 0, 10, -5, 0},
                                           LowestLabel{"AboveZero", 3, 9, 1, 3}),
                         [](const ::testing::TestParamInfo<LowestLabel> &info) {
                             return info.param.name;
                         });

namespace {

// An axis over a range far narrower than a label step, over all or part of the plot.
struct TinyRange {
    const char *name;
    bool horizontal;
    double from;
    double width;
    double startPosition;
    double endPosition;
};

void PrintTo(const TinyRange &row, std::ostream *out) { *out << row.name; }

class TinyRangeTest : public AxisDrawingTest, public ::testing::WithParamInterface<TinyRange> {
protected:
    TChartAxis &Axis() { return GetParam().horizontal ? chart.BottomAxis : chart.LeftAxis; }

    // A line over the range from ... from + width of the axis, and 1 ... 2 of the other one.
    QImage PictureOver(double width) {
        const double from = GetParam().from;
        const bool horizontal = GetParam().horizontal;
        series->ClearPoints();
        series->AddPointXY(horizontal ? from : 1, horizontal ? 1 : from, QString(), AutoColor);
        series->AddPointXY(horizontal ? from + width : 2, horizontal ? 2 : from + width, QString(),
                           AutoColor);
        return Picture();
    }

    // How many pixels of two pictures differ beyond both ends of the axis, leaving room for the
    // labels on the ends to reach over them.
    int DifferencesBeyondTheEnds(const QImage &a, const QImage &b) {
        const TChartAxis &axis = Axis();
        chart.UseFont(axis.LabelsFont);
        const int widest = std::max(chart.TextBlockWidth(axis.LabelText(axis.WorkMin())).first,
                                    chart.TextBlockWidth(axis.LabelText(axis.WorkMax())).first);
        const int reach = (axis.IsHorizontal ? widest : chart.Canvas.CharHeight()) / 2;
        const int before = axis.PixelStart() - reach;
        const int after = axis.PixelEnd() + reach + 1;
        const QRect all = a.rect();
        const QRect beyond[] = {axis.IsHorizontal ? QRect(0, 0, before, all.height())
                                                  : QRect(0, 0, all.width(), before),
                                axis.IsHorizontal ? QRect(after, 0, all.width(), all.height())
                                                  : QRect(0, after, all.width(), all.height())};
        int count = 0;
        for (const QRect &part : beyond)
            count += Differences(a.copy(part), b.copy(part));
        return count;
    }
};

} // namespace

TEST_P(TinyRangeTest, NoLabelTickOrGridLineLiesBeyondTheAxis) {
    Axis().SetStartPosition(GetParam().startPosition);
    Axis().SetEndPosition(GetParam().endPosition);
    const QImage plain = PictureOver(1);
    const TRect plot = chart.PlotRect;
    const QImage tiny = PictureOver(GetParam().width);
    ASSERT_EQ(chart.PlotRect, plot);
    EXPECT_EQ(DifferencesBeyondTheEnds(tiny, plain), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Axes, TinyRangeTest,
    ::testing::Values(TinyRange{"BottomOverTheWholePlot", true, -1000, 1e-11, 0, 100},
                      TinyRange{"BottomOverTheRightHalf", true, 1000, 1e-10, 50, 100},
                      TinyRange{"LeftOverTheUpperHalf", false, -1000, 1e-10, 0, 50}),
    [](const ::testing::TestParamInfo<TinyRange> &info) { return info.param.name; });
