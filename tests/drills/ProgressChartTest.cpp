#include "ProgressChart.h"
#include "Chart.h"
#include "Differences.h"
#include "Turned.h"

#include <gtest/gtest.h>
#include <set>

namespace {

constexpr TColor Grey = 0x808080;

// A chart set up as the progress graph, at the progress graph's size.
class ProgressChartTest : public ::testing::Test {
protected:
    void SetUp() override {
        chart.resize(561, 255);
        series = chart.AddFastLineSeries();
        SetUpProgressChart(chart, *series);
        chart.LeftAxis.SetRange(0, 1.0 / 360);
    }

    QImage Picture() {
        chart.grab();
        return *chart.Canvas.Bitmap();
    }

    static TColor Pixel(const QImage &image, int x, int y) {
        return ToColorValue(image.pixelColor(x, y));
    }

    // Columns in [left, right) that have a pixel of the colour on row y.
    static std::set<int> ColumnsWith(const QImage &image, int y, TColor color, int left,
                                     int right) {
        std::set<int> columns;
        for (int x = left; x < right; ++x)
            if (Pixel(image, x, y) == color)
                columns.insert(x);
        return columns;
    }

    // Whether anything but the panel colour lies in the rectangle.
    bool HasInk(const QImage &image, QRect area) {
        const QColor face = chart.Color();
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixelColor(x, y) != face)
                    return true;
        return false;
    }

    // The smallest rectangle holding the area's pixels that are not `background`.
    static QRect InkBounds(const QImage &image, const QRect &area, const QColor &background) {
        QRect bounds;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixelColor(x, y) != background)
                    bounds |= QRect(x, y, 1, 1);
        return bounds;
    }

    // The area's pixels that are not `background`, black on white, cut to their bounds.
    static QImage InkOf(const QImage &image, const QRect &area, const QColor &background) {
        const QRect bounds = InkBounds(image, area, background);
        QImage ink(bounds.size(), QImage::Format_RGB32);
        for (int y = 0; y < ink.height(); ++y)
            for (int x = 0; x < ink.width(); ++x)
                ink.setPixel(x, y,
                             image.pixelColor(bounds.topLeft() + QPoint(x, y)) != background
                                 ? qRgb(0, 0, 0)
                                 : qRgb(255, 255, 255));
        return ink;
    }

    TChart chart;
    TFastLineSeries *series = nullptr;
};

} // namespace

TEST_F(ProgressChartTest, WithoutDrillsTheBottomAxisLabelsZeroInTheMiddle) {
    const QImage image = Picture();
    const TChartAxis &bottom = chart.BottomAxis;
    ASSERT_EQ(bottom.TickPositions().size(), 1u);
    const int p = bottom.TickPositions().front();
    EXPECT_EQ(p, bottom.PixelCenter());
    // One 4-pixel tick below the 2-pixel axis line, and no minor ticks anywhere.
    for (int y = bottom.AxisPos() + 1; y <= bottom.AxisPos() + 4; ++y)
        EXPECT_EQ(Pixel(image, p, y), Grey) << y;
    EXPECT_EQ(ColumnsWith(image, bottom.AxisPos() + 1, Grey, 0, 561), std::set<int>{p});
    // One dotted grid line across the plot.
    const TRect plot = chart.PlotRect;
    int greyDots = 0;
    for (int y = plot.Top + 1; y < plot.Bottom - 1; ++y)
        greyDots += Pixel(image, p, y) == Grey;
    EXPECT_GT(greyDots, (plot.Bottom - plot.Top) / 4);
    EXPECT_LT(greyDots, plot.Bottom - plot.Top - 2);
    EXPECT_EQ(ColumnsWith(image, plot.Top + 2, Grey, plot.Left + 1, plot.Right),
              ColumnsWith(image, plot.Top + 2, Grey, p, p + 1));
    // The label "0" hangs centred below the labels' edge.
    EXPECT_TRUE(HasInk(image, QRect(p - 4, bottom.LabelsPos(), 9, 12)));
    EXPECT_FALSE(HasInk(image, QRect(p - 30, bottom.LabelsPos(), 20, 12)));
}

TEST_F(ProgressChartTest, TheLeftAxisDrawsItsLineAndTitleOnly) {
    const QImage image = Picture();
    const TChartAxis &left = chart.LeftAxis;
    EXPECT_TRUE(left.TickPositions().empty());
    EXPECT_EQ(left.AxisPos(), chart.PlotRect.Left);
    for (int y = left.PixelStart(); y < left.PixelEnd(); y += 5) {
        EXPECT_EQ(Pixel(image, left.AxisPos(), y), clBlack) << y;
        EXPECT_EQ(Pixel(image, left.AxisPos() - 1, y), clBlack) << y; // two pixels wide
        EXPECT_NE(Pixel(image, left.AxisPos() - 3, y), Grey) << y;    // no ticks
    }
    // The title reads upwards left of its edge, centred on the axis.
    EXPECT_TRUE(HasInk(image, QRect(left.TitlePos() - 14, left.PixelCenter() - 10, 14, 20)));
    EXPECT_FALSE(HasInk(image, QRect(left.TitlePos() + 1, left.PixelCenter() - 10, 3, 20)));
    // The plot lost the title band and the tick band on the left.
    chart.UseFont(left.Title.Font);
    EXPECT_EQ(chart.PlotRect.Left, 17 + chart.Canvas.CharHeight() + 6);
}

TEST_F(ProgressChartTest, TheLeftTitleIsTheUprightTitleTurnedInItsBand) {
    const QImage image = Picture();
    const TChartAxis &left = chart.LeftAxis;
    const QString caption = left.Title.Caption();
    chart.UseFont(left.Title.Font);
    const int h = chart.Canvas.CharHeight();
    const int w = chart.Canvas.MeasureWidth(caption);
    // Between the panel's frame and the axis line only the title draws; it stays in the band
    // laid out for it, one line high left of TitlePos, as long as the caption and centred on
    // the axis.
    const QRect strip(QPoint(2, chart.PlotRect.Top),
                      QPoint(left.AxisPos() - 2, chart.PlotRect.Bottom - 1));
    const QRect band(left.TitlePos() - h, left.PixelCenter() - (w - w / 2), h, w);
    const QRect inked = InkBounds(image, strip, chart.Color());
    ASSERT_FALSE(inked.isEmpty());
    EXPECT_TRUE(band.contains(inked));

    // It reads as the same caption written upright, turned a quarter.
    QImage upright(3 * w, 3 * h, QImage::Format_RGB32);
    upright.fill(Qt::white);
    TChartCanvas3D canvas;
    canvas.SetTarget(&upright);
    canvas.Font().Font = left.Title.Font.Font();
    canvas.Font().Color = left.Title.Font.Color();
    canvas.OutText(w, h, caption);
    canvas.SetTarget(nullptr);
    EXPECT_EQ(Differences(InkOf(image, strip, chart.Color()),
                          Turned(InkOf(upright, upright.rect(), Qt::white), 90)),
              0);
}

TEST_F(ProgressChartTest, TwoDrillsLabelBothEndsWithThreeMinorTicksBetween) {
    series->AddPointXY(1, 50.0 / 86400, QString(), AutoColor);
    series->AddPointXY(2, 40.0 / 86400, QString(), AutoColor);
    const QImage image = Picture();
    const TChartAxis &bottom = chart.BottomAxis;
    EXPECT_EQ(bottom.TickPositions(), (std::vector<int>{bottom.PixelEnd(), bottom.PixelStart()}));
    const std::set<int> tickRow = ColumnsWith(image, bottom.AxisPos() + 1, Grey, 0, 561);
    const std::set<int> labelRow = ColumnsWith(image, bottom.AxisPos() + 3, Grey, 0, 561);
    EXPECT_EQ(labelRow, (std::set<int>{bottom.PixelStart(), bottom.PixelEnd()}));
    EXPECT_EQ(tickRow.size(), 5u); // two label ticks, three minor ticks
    const int quarter = (bottom.PixelEnd() - bottom.PixelStart()) / 4;
    EXPECT_TRUE(tickRow.count(bottom.PixelEnd() - quarter) ||
                tickRow.count(bottom.PixelEnd() - quarter - 1));
    // Grid lines at both ends: the right one dots the wall's frame, the left one lies under
    // the left axis line, which is drawn after it.
    int greyDots = 0;
    for (int y = chart.PlotRect.Top + 1; y < chart.PlotRect.Bottom - 1; ++y) {
        greyDots += Pixel(image, bottom.PixelEnd(), y) == Grey;
        EXPECT_EQ(Pixel(image, bottom.PixelStart(), y), clBlack) << y;
    }
    EXPECT_GT(greyDots, 10);
    // "1" under the left end, "2" under the right end.
    EXPECT_TRUE(HasInk(image, QRect(bottom.PixelStart() - 4, bottom.LabelsPos(), 9, 12)));
    EXPECT_TRUE(HasInk(image, QRect(bottom.PixelEnd() - 4, bottom.LabelsPos(), 9, 12)));
}

TEST_F(ProgressChartTest, AxesTakeTheirBandsFromThePlot) {
    Picture();
    chart.UseFont(chart.BottomAxis.LabelsFont);
    const int h = chart.Canvas.CharHeight();
    // Title, labels and ticks from the outside in.
    EXPECT_EQ(chart.BottomAxis.TitlePos(), 245 - h);
    EXPECT_EQ(chart.BottomAxis.LabelsPos(), 245 - 2 * h);
    EXPECT_EQ(chart.PlotRect.Bottom, 245 - 2 * h - 6);
    EXPECT_EQ(chart.BottomAxis.AxisPos(), chart.PlotRect.Bottom);
    EXPECT_EQ(chart.LeftAxis.LabelsPos(), 0); // it has no label band
}
