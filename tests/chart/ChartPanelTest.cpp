#include "Chart.h"

#include <QImage>
#include <QPalette>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace {

// A chart that notes its plot rectangle before titles and axes take their room.
class ProbeChart : public TChart {
public:
    TRect PlotBeforeLayout;

protected:
    void LayOut() override {
        PlotBeforeLayout = PlotRect;
        TChart::LayOut();
    }
};

class ChartPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        chart.resize(561, 255);
        chart.SetView3D(false);
        chart.Legend.SetVisible(false);
        chart.AddFastLineSeries();
    }

    QImage Picture() {
        chart.grab();
        return *chart.Canvas.Bitmap();
    }

    TColor Pixel(const QImage &image, int x, int y) { return ToColorValue(image.pixelColor(x, y)); }

    ProbeChart chart;
};

} // namespace

TEST_F(ChartPanelTest, MarginsPlaceThePlotBeforeTitleAndAxes) {
    Picture();
    EXPECT_EQ(chart.PanelBounds, (TRect{0, 0, 561, 255}));
    EXPECT_EQ(chart.PlotBeforeLayout, (TRect{17, 10, 544, 245}));
}

TEST_F(ChartPanelTest, TitleTakesOneTextHeightAndSpacing) {
    Picture();
    EXPECT_EQ(chart.PlotRect.Top, 10); // visible, but no lines
    chart.Title.SetText({QStringLiteral("演習スピードグラフ")});
    Picture();
    chart.UseFont(chart.Title.Font);
    const int h = chart.Canvas.CharHeight();
    EXPECT_GT(h, 8);
    EXPECT_EQ(chart.PlotRect.Top, 10 + h + 5);
    EXPECT_EQ(chart.Title.TitleBounds.Top, 10);
    EXPECT_EQ(chart.Title.TitleBounds.Bottom, 10 + h);
    chart.Title.SetVisible(false);
    Picture();
    EXPECT_EQ(chart.PlotRect.Top, 10);
}

TEST_F(ChartPanelTest, TitleIsBlueAndCentredAboveThePlot) {
    chart.Title.SetText({QStringLiteral("演習スピードグラフ")});
    const QImage image = Picture();
    const TRect &bounds = chart.Title.TitleBounds;
    int left = image.width();
    int right = -1;
    bool anyBlue = false;
    for (int y = bounds.Top; y < bounds.Bottom; ++y) {
        for (int x = bounds.Left; x < bounds.Right; ++x) {
            if (image.pixelColor(x, y) != chart.Color()) {
                left = std::min(left, x);
                right = std::max(right, x);
                anyBlue = anyBlue || image.pixelColor(x, y).blue() > 150;
            }
        }
    }
    ASSERT_GE(right, left);
    EXPECT_TRUE(anyBlue);
    const int middle = (bounds.Left + bounds.Right) / 2;
    EXPECT_LE(std::abs((left + right) / 2 - middle), 2);
}

TEST_F(ChartPanelTest, BackWallIsAOnePixelFrameAroundThePlot) {
    chart.SetAxisVisible(false); // the wall alone, without axis lines over its edges
    chart.BackWall.Brush.SetColor(clWhite);
    const QImage image = Picture();
    const TRect plot = chart.PlotRect;
    const TColor face = ToColorValue(chart.Color());
    for (int x = plot.Left; x <= plot.Right; x += 7) {
        EXPECT_EQ(Pixel(image, x, plot.Top), clBlack) << x;
        EXPECT_EQ(Pixel(image, x, plot.Bottom), clBlack) << x;
    }
    for (int y = plot.Top; y <= plot.Bottom; y += 7) {
        EXPECT_EQ(Pixel(image, plot.Left, y), clBlack) << y;
        EXPECT_EQ(Pixel(image, plot.Right, y), clBlack) << y;
    }
    // The hollow wall shows the panel colour, however white its brush.
    EXPECT_EQ(Pixel(image, plot.Left + 1, plot.Top + 1), face);
    EXPECT_EQ(Pixel(image, plot.Right - 1, plot.Bottom - 1), face);
    EXPECT_EQ(Pixel(image, plot.Left - 1, plot.Top - 1), face);
    EXPECT_EQ(Pixel(image, plot.Right + 1, plot.Bottom + 1), face);
}

TEST_F(ChartPanelTest, RaisedBevelLightTopLeftDarkBottomRight) {
    const QImage image = Picture();
    const TColor light = ToColorValue(chart.palette().color(QPalette::Light));
    const TColor dark = ToColorValue(chart.palette().color(QPalette::Dark));
    ASSERT_NE(light, dark);
    EXPECT_EQ(Pixel(image, 0, 0), light);
    EXPECT_EQ(Pixel(image, 0, 253), light);
    EXPECT_EQ(Pixel(image, 559, 0), light);
    EXPECT_EQ(Pixel(image, 560, 0), dark); // the dark edge owns the corners it reaches
    EXPECT_EQ(Pixel(image, 560, 254), dark);
    EXPECT_EQ(Pixel(image, 0, 254), dark);
    EXPECT_EQ(Pixel(image, 1, 1), ToColorValue(chart.Color()));
}

TEST_F(ChartPanelTest, UnchangedRepaintsOnlyCopyThePicture) {
    chart.grab();
    EXPECT_FALSE(chart.Canvas.NeedsRedraw());
    const int full = chart.FullPaints;
    EXPECT_EQ(full, 1);
    chart.grab();
    chart.grab();
    EXPECT_EQ(chart.FullPaints, full);
    EXPECT_EQ(chart.BufferedPaints, 2);
    chart.Title.SetText({QStringLiteral("x")});
    chart.grab();
    EXPECT_EQ(chart.FullPaints, full + 1);
    // Writing the value a property already has changes nothing.
    chart.Title.SetText({QStringLiteral("x")});
    chart.SetMarginLeft(3);
    chart.grab();
    EXPECT_EQ(chart.FullPaints, full + 1);
}

TEST_F(ChartPanelTest, EverySetterRepaintsOnlyWhenItChangesTheValue) {
    TChartSeries &series = *chart.SeriesList().front();
    // For each kind of chart object, writing what a property holds and then something else.
    const struct {
        const char *name;
        std::function<void(bool change)> set;
    } cases[] = {
        {"panel", [&](bool c) { chart.SetMarginTop(chart.MarginTop() + c); }},
        {"axis", [&](bool c) { chart.LeftAxis.SetInverted(chart.LeftAxis.Inverted() != c); }},
        {"axis title",
         [&](bool c) { chart.LeftAxis.Title.SetAngle(c ? 180 : chart.LeftAxis.Title.Angle()); }},
        {"title", [&](bool c) { chart.Title.SetAdjustFrame(chart.Title.AdjustFrame() != c); }},
        {"brush", [&](bool c) { chart.Title.Brush.SetColor(c ? clLime : AutoColor); }},
        {"wall", [&](bool c) { chart.BackWall.SetColor(c ? clLime : AutoColor); }},
        {"legend", [&](bool c) { chart.Legend.SetVisible(c); }},
        {"pen", [&](bool c) { chart.BottomAxis.Grid.SetWidth(1 + c); }},
        {"font", [&](bool c) { chart.Title.Font.SetSize(chart.Title.Font.Size() + c); }},
        {"series", [&](bool c) { series.SetActive(!c); }},
        {"values", [&](bool c) { series.YValues.SetMultiplier(1 + c); }},
    };
    for (const auto &setter : cases) {
        chart.grab();
        setter.set(false);
        EXPECT_FALSE(chart.Canvas.NeedsRedraw()) << setter.name;
        setter.set(true);
        EXPECT_TRUE(chart.Canvas.NeedsRedraw()) << setter.name;
    }
}

TEST_F(ChartPanelTest, ResizingReallocatesTheBitmap) {
    Picture();
    Picture();
    EXPECT_EQ(chart.Canvas.BitmapAllocations(), 1);
    chart.resize(300, 200);
    const QImage image = Picture();
    EXPECT_EQ(chart.Canvas.BitmapAllocations(), 2);
    EXPECT_EQ(image.size(), QSize(300, 200));
    EXPECT_EQ(chart.PanelBounds, (TRect{0, 0, 300, 200}));
}

TEST_F(ChartPanelTest, TinyPanelsStillGetAPlotRectangle) {
    chart.resize(3, 2);
    Picture();
    EXPECT_GT(chart.PlotWidth, 0);
    EXPECT_GT(chart.PlotHeight, 0);
}

// The labels' room depends on their step, which depends on the room left. Ends that are no
// multiples of the step need more than one round of layout to settle on the labels, and so the
// room, that ends on the step get at once.
TEST_F(ChartPanelTest, AxesBetweenStepsSettleOnTheRoomOfTheirLabels) {
    const auto plot = [this](double min, double max) {
        chart.LeftAxis.SetRange(min, max);
        chart.BottomAxis.SetRange(min, max);
        Picture();
        return chart.PlotRect;
    };
    const TRect onSteps = plot(1, 10);
    const TRect between = plot(0.3, 10.7);
    EXPECT_EQ(between.Left, onSteps.Left);
    EXPECT_EQ(between.Bottom, onSteps.Bottom);
    // A small chart with turned labels, where rounds from another start settle on another
    // room: the picture does not depend on the paint before.
    chart.resize(50, 48);
    chart.BottomAxis.SetLabelsAngle(90);
    const TRect first = plot(0.3, 99.7);
    plot(1, 10);
    EXPECT_EQ(plot(0.3, 99.7), first);
}

TEST_F(ChartPanelTest, AxesShowOnlyWhereTheSeriesFeedsThem) {
    EXPECT_TRUE(chart.AxisShown(&chart.BottomAxis));
    EXPECT_TRUE(chart.AxisShown(&chart.LeftAxis));
    EXPECT_FALSE(chart.AxisShown(&chart.TopAxis));
    EXPECT_FALSE(chart.AxisShown(&chart.RightAxis));
    EXPECT_FALSE(chart.AxisShown(&chart.DepthAxis));
    chart.SeriesList().front()->SetActive(false);
    EXPECT_TRUE(chart.AxisShown(&chart.TopAxis)); // no active series: every axis
    chart.SetAxisVisible(false);
    EXPECT_FALSE(chart.AxisShown(&chart.BottomAxis));
}

TEST_F(ChartPanelTest, TextBlocksCountLinesAndTheWidestOne) {
    chart.UseFont(chart.Title.Font);
    const int wide = chart.Canvas.MeasureWidth(QStringLiteral("wider line"));
    EXPECT_EQ(chart.TextBlockWidth(QStringLiteral("a\rwider line")), std::make_pair(wide, 2));
    EXPECT_EQ(chart.TextBlockWidth(QStringLiteral("wider line\r")), std::make_pair(wide, 1));
    EXPECT_EQ(chart.TextBlockWidth(QString()).second, 1);
}

TEST_F(ChartPanelTest, DrawingLeavesTheTitlesColourToItsBrush) {
    chart.Title.SetText({QStringLiteral("演習")});
    const auto filled = [&](TColor color) {
        const QImage image = Picture();
        const TRect &box = chart.Title.TitleBounds;
        return Pixel(image, box.Left + 1, box.Top + 1) == color;
    };
    chart.Title.Brush.SetColor(clLime);
    EXPECT_TRUE(filled(clLime));
    EXPECT_EQ(chart.Title.Color(), AutoColor);
    chart.Title.Brush.SetColor(clRed);
    EXPECT_TRUE(filled(clRed));
}

namespace {

// A centred title in a box fitted to its text: a frame or a filled background, and a box width
// (the widest line and one "W") that is odd or even.
struct TitleBox {
    const char *name;
    bool framed;
    bool oddWidth;
};

void PrintTo(const TitleBox &row, std::ostream *out) { *out << row.name; }

class TitleBoxTest : public ChartPanelTest, public ::testing::WithParamInterface<TitleBox> {};

} // namespace

TEST_P(TitleBoxTest, ACentredBoxReachesHalfItsWidthEitherWayFromTheMiddle) {
    chart.UseFont(chart.Title.Font);
    const QString letters = QStringLiteral("The quick brown fox");
    int width = 0;
    QString text;
    for (const QChar letter : letters) {
        text += letter;
        width = chart.Canvas.MeasureWidth(text) + chart.Canvas.MeasureWidth(QStringLiteral("W"));
        if (width % 2 == int(GetParam().oddWidth))
            break;
    }
    ASSERT_EQ(width % 2, int(GetParam().oddWidth));
    chart.Title.SetText({text});
    if (GetParam().framed) {
        chart.Title.Frame.SetVisible(true);
        chart.Title.Frame.SetColor(clLime);
    } else {
        chart.Title.Brush.SetColor(clLime);
    }
    const QImage image = Picture();
    // The box's top edge, from its first to its last pixel.
    int first = image.width();
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (Pixel(image, x, chart.Title.TitleBounds.Top) == clLime) {
            first = std::min(first, x);
            last = std::max(last, x);
        }
    }
    const TRect &plot = chart.PlotBeforeLayout;
    const int middle = (plot.Left + plot.Right) / 2;
    EXPECT_EQ(first, middle - width / 2);
    EXPECT_EQ(last + 1, middle + width / 2);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, TitleBoxTest,
    ::testing::Values(TitleBox{"FramedOdd", true, true}, TitleBox{"FramedEven", true, false},
                      TitleBox{"FilledOdd", false, true}, TitleBox{"FilledEven", false, false}),
    [](const ::testing::TestParamInfo<TitleBox> &info) { return info.param.name; });

TEST(ChartFirstPaintTest, TheFirstPaintShowsWhatEveryLaterPaintShows) {
    // The labels' room is measured for the axis's length; a chart painted for the first time
    // knows no earlier length.
    const struct {
        const char *name;
        std::function<void(TChart &, TFastLineSeries &)> setUp;
    } cases[] = {
        {"wide values",
         [](TChart &, TFastLineSeries &series) {
             series.AddPointXY(0, -5, QString(), AutoColor);
             series.AddPointXY(1, 1999995, QString(), AutoColor);
         }},
        {"bottom labels turned",
         [](TChart &chart, TFastLineSeries &series) {
             chart.BottomAxis.SetLabelsAngle(90);
             for (int x = 0; x <= 20; ++x)
                 series.AddPointXY(x * 123.457, x % 7, QString(), AutoColor);
         }},
        {"tiny range",
         [](TChart &, TFastLineSeries &series) {
             series.AddPointXY(1, 1, QString(), AutoColor);
             series.AddPointXY(1 + 1e-9, 1 + 1e-9, QString(), AutoColor);
         }},
    };
    for (const auto &shape : cases) {
        SCOPED_TRACE(shape.name);
        TChart chart;
        chart.resize(400, 250);
        shape.setUp(chart, *chart.AddFastLineSeries());
        const QImage first = chart.grab().toImage();
        for (int paint = 2; paint <= 3; ++paint) {
            chart.Invalidate();
            EXPECT_EQ(chart.grab().toImage(), first) << "paint " << paint << " differs";
        }
    }
}
