// Drawing on targets whose device pixel ratio is not 1, in logical pixels.
#include "ChartCanvas.h"

#include <QImage>
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

// How many pixels of two pictures differ, so that a failure says how far apart they are.
int Differences(const QImage &a, const QImage &b) {
    if (a.size() != b.size())
        return -1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
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
}
