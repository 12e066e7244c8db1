// Drawing on targets whose device pixel ratio is not 1, in logical pixels, and the chart's
// picture made at its target's ratio.
#include "Chart.h"
#include "Differences.h"
#include "TextMeasurer.h"

#include <QApplication>
#include <QResizeEvent>
#include <gtest/gtest.h>

namespace {

constexpr TColor Gray = 0x808080;
constexpr TColor Green = 0x00FF00;

// A white image showing a logical size at a ratio, as many pixels as Qt gives a scaled window.
QImage Blank(QSize logical, qreal ratio) {
    QImage image(logical * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

// Where logical pixel k starts in physical pixels: the cells Qt fills at a scale.
int CellEdge(int k, qreal ratio) { return qRound(k * ratio); }

// A picture drawn at ratio 1 as it should come out at another ratio: each logical pixel fills
// its cell of physical pixels.
QImage InCells(const QImage &logical, qreal ratio) {
    QImage expanded = Blank(logical.size(), ratio);
    for (int y = 0; y < logical.height(); ++y)
        for (int x = 0; x < logical.width(); ++x)
            for (int py = CellEdge(y, ratio); py < CellEdge(y + 1, ratio); ++py)
                for (int px = CellEdge(x, ratio); px < CellEdge(x + 1, ratio); ++px)
                    expanded.setPixel(px, py, logical.pixel(x, y));
    return expanded;
}

// Every kind of one-pixel drawing the canvas does by itself, on a 40 x 30 target: lines walked
// pixel by pixel at every slope, runs, a patterned line with opaque gaps, a filled rectangle
// with a two-pixel outline and an inverting frame and line across all of them.
void DrawLines(TChartCanvas3D &canvas) {
    canvas.DrawLine(2, 2, 37, 9);
    canvas.DrawLine(3, 27, 9, 4);
    canvas.DrawLine(30, 2, 20, 12);
    canvas.PlainHLine(1, 38, 20);
    canvas.PlainVLine(38, 1, 29);
    canvas.Pen() = {clBlue, 1, psDashDot, pmCopy};
    canvas.SetBackgroundMode(Qt::OpaqueMode);
    canvas.SetBackgroundColor(Green);
    canvas.DrawLine(0, 25, 39, 15);
    canvas.Pen() = {clBlack, 2, psSolid, pmCopy};
    canvas.Brush() = {clRed, bsSolid};
    canvas.DrawRect(22, 18, 35, 28);
    canvas.Pen() = {Gray, 1, psSolid, pmNotXor};
    canvas.Brush().Style = bsClear;
    canvas.DrawRect(5, 3, 33, 24);
    canvas.DrawLine(0, 29, 39, 0);
}

QImage LinesAt(qreal ratio) {
    QImage image = Blank(QSize(40, 30), ratio);
    TChartCanvas3D canvas;
    canvas.SetTarget(&image);
    DrawLines(canvas);
    canvas.SetTarget(nullptr);
    return image;
}

// A chart with a title, a line and both axes labelled.
class HiDpiChartTest : public ::testing::Test {
protected:
    class Chart : public TChart {
    public:
        using TCustomChart::DrawZoomFrame;
    };

    void SetUp() override {
        chart.resize(561, 255);
        chart.SetView3D(false);
        chart.Legend.SetVisible(false);
        chart.Title.SetText({QStringLiteral("演習スピードグラフ")});
        TFastLineSeries *series = chart.AddFastLineSeries();
        for (int n = 1; n <= 12; ++n)
            series->AddPointXY(n, 40 + (n * 37) % 23, QString(), AutoColor);
    }

    // The whole chart painted onto an image at the ratio.
    QImage PaintedAt(qreal ratio) {
        QImage image = Blank(chart.size(), ratio);
        chart.PaintTo(&image, TRect{0, 0, chart.width(), chart.height()});
        return image;
    }

    // Where the chart put its parts, all in logical pixels.
    std::vector<int> Layout() const {
        const TRect &plot = chart.PlotRect;
        const TRect &title = chart.Title.TitleBounds;
        return {plot.Left,
                plot.Top,
                plot.Right,
                plot.Bottom,
                title.Left,
                title.Right,
                title.Bottom,
                chart.BottomAxis.LabelsPos(),
                chart.LeftAxis.LabelsPos()};
    }

    Chart chart;
};

} // namespace

TEST(HiDpiCanvas, OnePixelLinesFillWholeLogicalCells) {
    const QImage plain = LinesAt(1);
    for (const qreal ratio : {2.0, 1.25}) {
        SCOPED_TRACE(ratio);
        EXPECT_EQ(Differences(LinesAt(ratio), InCells(plain, ratio)), 0);
    }
    // Spelled out at 2: a black line 35 logical pixels long covers 35 cells of 2 x 2.
    QImage image = Blank(QSize(40, 30), 2);
    TChartCanvas3D canvas;
    canvas.SetTarget(&image);
    canvas.DrawLine(2, 2, 37, 9);
    canvas.SetTarget(nullptr);
    int black = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            black += image.pixel(x, y) == qRgb(0, 0, 0);
    EXPECT_EQ(black, 35 * 4);
    EXPECT_EQ(image.pixel(4, 4), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(5, 5), qRgb(0, 0, 0));
}

TEST(HiDpiCanvas, TextMeasuresInLogicalPixels) {
    QImage plain = Blank(QSize(40, 30), 1);
    QImage scaled = Blank(QSize(40, 30), 2);
    TChartCanvas3D canvas;
    const QString text = QStringLiteral("演習W 0.5");
    canvas.SetTarget(&plain);
    const int width = canvas.MeasureWidth(text);
    const int height = canvas.CharHeight();
    EXPECT_EQ(canvas.TargetSize(), QSize(40, 30));
    canvas.SetTarget(&scaled);
    EXPECT_EQ(canvas.MeasureWidth(text), width);
    EXPECT_EQ(canvas.CharHeight(), height);
    EXPECT_EQ(canvas.TargetSize(), QSize(40, 30));
    // The layout measures without the canvas, and as it does, in every font.
    for (const QFont &font : {canvas.Font().Font, TChartFont().Font()}) {
        canvas.Font().Font = font;
        for (QImage *image : {&plain, &scaled}) {
            canvas.SetTarget(image);
            const TTextMeasurer measurer(font, image);
            EXPECT_EQ(measurer.Width(text), canvas.MeasureWidth(text));
            EXPECT_EQ(measurer.Height(), canvas.CharHeight());
        }
    }
}

TEST_F(HiDpiChartTest, TheBitmapHasThePhysicalPixelsOfTheTarget) {
    const QImage plain = PaintedAt(1);
    const std::vector<int> layout = Layout();
    EXPECT_EQ(Differences(plain, chart.grab().toImage()), 0);
    for (const qreal ratio : {1.25, 2.0}) {
        SCOPED_TRACE(ratio);
        const QImage image = PaintedAt(ratio);
        const QImage *bitmap = chart.Canvas.Bitmap();
        ASSERT_NE(bitmap, nullptr);
        EXPECT_EQ(bitmap->size(), QSize(561, 255) * ratio);
        EXPECT_EQ(bitmap->devicePixelRatio(), ratio);
        EXPECT_EQ(chart.Canvas.BitmapSize(), QSize(561, 255));
        EXPECT_EQ(Differences(image, *bitmap), 0);
        // Font metrics stay logical, so everything lies where it does at ratio 1.
        EXPECT_EQ(chart.PanelBounds, (TRect{0, 0, 561, 255}));
        EXPECT_EQ(Layout(), layout);
    }
}

TEST_F(HiDpiChartTest, TextUsesThePhysicalPixels) {
    const QImage image = PaintedAt(2);
    const TRect &title = chart.Title.TitleBounds;
    // Lines fill whole 2 x 2 cells; the glyphs are drawn finer than that.
    int finerCells = 0;
    for (int y = title.Top; y < title.Bottom; ++y)
        for (int x = title.Left; x < title.Right; ++x) {
            const QRgb corner = image.pixel(2 * x, 2 * y);
            finerCells += image.pixel(2 * x + 1, 2 * y) != corner ||
                          image.pixel(2 * x, 2 * y + 1) != corner ||
                          image.pixel(2 * x + 1, 2 * y + 1) != corner;
        }
    EXPECT_GT(finerCells, 20);
}

TEST_F(HiDpiChartTest, TheZoomFrameDrawnTwiceLeavesNoTrace) {
    chart.ZoomDrag.StartDrag(150, 80);
    chart.ZoomDrag.EndX = 323;
    chart.ZoomDrag.EndY = 177;
    for (const qreal ratio : {1.25, 2.0}) {
        SCOPED_TRACE(ratio);
        PaintedAt(ratio);
        const QImage before = *chart.Canvas.Bitmap();
        chart.DrawOnPicture([this] { chart.DrawZoomFrame(); });
        const QImage framed = *chart.Canvas.Bitmap();
        EXPECT_GT(Differences(framed, before), 0);
        const QPoint inside = QPoint(200, 120) * ratio;
        EXPECT_EQ(framed.pixel(inside), before.pixel(inside));
        chart.DrawOnPicture([this] { chart.DrawZoomFrame(); });
        EXPECT_EQ(Differences(*chart.Canvas.Bitmap(), before), 0);
    }
}

TEST_F(HiDpiChartTest, ANewRatioReallocatesThePicture) {
    chart.grab();
    const int allocations = chart.Canvas.BitmapAllocations();
    PaintedAt(1);
    EXPECT_EQ(chart.Canvas.BitmapAllocations(), allocations);
    PaintedAt(2);
    EXPECT_EQ(chart.Canvas.BitmapAllocations(), allocations + 1);
    PaintedAt(2);
    EXPECT_EQ(chart.Canvas.BitmapAllocations(), allocations + 1);

    // The picture has twice the pixels, yet a resize to the same logical size leaves it.
    QResizeEvent same(chart.size(), chart.size());
    QApplication::sendEvent(&chart, &same);
    EXPECT_FALSE(chart.Canvas.NeedsRedraw());

    // The window, at ratio 1, does not show the picture made at 2 but paints anew.
    const int fullPaints = chart.FullPaints;
    const QImage shown = chart.grab().toImage();
    EXPECT_EQ(chart.FullPaints, fullPaints + 1);
    EXPECT_EQ(chart.Canvas.BitmapAllocations(), allocations + 2);
    EXPECT_EQ(chart.Canvas.Bitmap()->devicePixelRatio(), 1.0);
    EXPECT_EQ(Differences(shown, PaintedAt(1)), 0);
}

TEST(HiDpiText, PointSizedTextFollowsTheResolutionOfEachTarget) {
    // Painted straight onto the target, a point-sized title is as many pixels high as the
    // target's resolution makes it: each paint as a chart painting only that target draws it.
    const auto setUp = [](TChart &chart) {
        chart.resize(300, 150);
        chart.SetView3D(false);
        chart.Legend.SetVisible(false);
        chart.Canvas.UseBuffer(false);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(10);
        chart.Title.Font.SetFont(font);
        chart.Title.SetText({QStringLiteral("演習 Wg")});
    };
    const auto paint = [](TChart &chart, int dotsPerInch) {
        QImage image(chart.size(), QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
        image.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
        image.fill(Qt::white);
        chart.PaintTo(&image, TRect{0, 0, chart.width(), chart.height()});
        return image;
    };
    TChart chart;
    setUp(chart);
    for (const int dotsPerInch : {96, 192, 96, 144}) {
        SCOPED_TRACE(dotsPerInch);
        TChart fresh;
        setUp(fresh);
        EXPECT_EQ(Differences(paint(chart, dotsPerInch), paint(fresh, dotsPerInch)), 0);
    }
}
