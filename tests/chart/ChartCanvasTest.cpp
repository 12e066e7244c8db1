#include "ChartCanvas.h"
#include "Differences.h"
#include "Turned.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

constexpr TColor Gray = 0x808080;
constexpr TColor Green = 0x00FF00;

TColor Pixel(const QImage &image, int x, int y) { return ToColorValue(QColor(image.pixel(x, y))); }

// The smallest rectangle holding every pixel that differs from `background`.
QRect InkBounds(const QImage &image, TColor background) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Pixel(image, x, y) != background)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

int CountOf(const QImage &image, TColor color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += Pixel(image, x, y) == color;
    return count;
}

QFont ChartFont() { return QFont(QStringLiteral("ＭＳ Ｐ明朝"), 9); }

// A canvas drawing straight onto a white image.
class CanvasTest : public ::testing::Test {
protected:
    explicit CanvasTest(int width = 40, int height = 30)
        : image(width, height, QImage::Format_RGB32) {
        image.fill(Qt::white);
        canvas.SetTarget(&image);
    }

    void Clear(TColor color = clWhite) {
        canvas.SetTarget(nullptr);
        image.fill(ToQColor(color));
        canvas.SetTarget(&image);
    }

    TColor At(int x, int y) const { return Pixel(image, x, y); }

    QImage image;
    TChartCanvas3D canvas;
};

TEST_F(CanvasTest, LinesSetTheirStartPixelAndNotTheirEndPixel) {
    struct Segment {
        int x0, y0, x1, y1;
    };
    const Segment segments[] = {
        {2, 5, 20, 5},   {20, 5, 2, 5},   {5, 2, 5, 20},     {5, 20, 5, 2},  {2, 2, 20, 9},
        {20, 9, 2, 2},   {3, 25, 9, 4},   {9, 4, 3, 25},     {4, 4, 14, 14}, {14, 14, 4, 4},
        {30, 2, 20, 12}, {20, 12, 30, 2}, {-50, 10, 60, 14},
    };
    for (const Segment &s : segments) {
        SCOPED_TRACE(testing::Message() << s.x0 << "," << s.y0 << " -> " << s.x1 << "," << s.y1);
        Clear();
        canvas.DrawLine(s.x0, s.y0, s.x1, s.y1);
        const int length = std::max(std::abs(s.x1 - s.x0), std::abs(s.y1 - s.y0));
        if (s.x0 >= 0) {
            EXPECT_EQ(At(s.x0, s.y0), clBlack);
            EXPECT_EQ(At(s.x1, s.y1), clWhite);
            EXPECT_EQ(CountOf(image, clBlack), length);
            const QRect box(QPoint(std::min(s.x0, s.x1), std::min(s.y0, s.y1)),
                            QPoint(std::max(s.x0, s.x1), std::max(s.y0, s.y1)));
            EXPECT_TRUE(box.contains(InkBounds(image, clWhite)));
        } else {
            // Only the part on the image is drawn, one pixel in every column.
            EXPECT_EQ(CountOf(image, clBlack), image.width());
        }
    }

    // A polyline sets its corners once and stops short of its last point; so do the
    // projected forms, which are the plain ones in 2D.
    Clear();
    canvas.MoveToPoint(2, 2);
    canvas.LineToPoint(10, 2);
    canvas.LineToZ(10, 8, 40);
    canvas.DrawHLine(12, 20, 20, 7);
    canvas.DrawVLine(30, 20, 10, -3);
    EXPECT_EQ(At(10, 2), clBlack);
    EXPECT_EQ(At(10, 8), clWhite);
    EXPECT_EQ(At(20, 20), clWhite);
    EXPECT_EQ(At(30, 11), clBlack);
    EXPECT_EQ(At(30, 10), clWhite);
    EXPECT_EQ(CountOf(image, clBlack), 8 + 6 + 8 + 10);
    EXPECT_EQ(canvas.ToScreen(3, 4, 99), (TPoint{3, 4}));

    Clear();
    canvas.DrawLine(7, 7, 7, 7);
    EXPECT_EQ(CountOf(image, clBlack), 0);
}

TEST_F(CanvasTest, WideLinesGrowUpAndLeftFirst) {
    TChartAxisPen axis;
    canvas.UsePen(axis);
    canvas.PlainHLine(3, 13, 10);
    canvas.PlainVLine(25, 20, 4);
    EXPECT_EQ(InkBounds(image, clWhite), QRect(QPoint(3, 5), QPoint(25, 20)));
    EXPECT_EQ(CountOf(image, clBlack), 2 * 10 + 2 * 16);
    EXPECT_EQ(At(3, 9), clBlack);
    EXPECT_EQ(At(12, 10), clBlack);
    EXPECT_EQ(At(13, 10), clWhite);
    EXPECT_EQ(At(3, 11), clWhite);
    EXPECT_EQ(At(24, 20), clBlack);
    EXPECT_EQ(At(25, 4), clWhite);
    EXPECT_EQ(At(26, 12), clWhite);
}

TEST_F(CanvasTest, RectanglesCoverLeftAndTopButNotRightAndBottom) {
    canvas.Brush() = {clRed, bsSolid};
    canvas.DrawRect(12, 8, 2, 3); // corners given the wrong way round
    EXPECT_EQ(InkBounds(image, clWhite), QRect(QPoint(2, 3), QPoint(11, 7)));
    for (int x = 2; x < 12; ++x)
        for (int y = 3; y < 8; ++y) {
            const bool edge = x == 2 || x == 11 || y == 3 || y == 7;
            EXPECT_EQ(At(x, y), edge ? clBlack : clRed) << x << "," << y;
        }

    // Without an outline the brush covers the whole rectangle; a wide outline stays inside.
    Clear();
    canvas.Pen().Style = psClear;
    canvas.DrawRectAt({2, 3, 12, 8});
    EXPECT_EQ(CountOf(image, clRed), 10 * 5);
    Clear();
    canvas.Pen().Style = psSolid;
    canvas.Pen().Width = 2;
    canvas.Brush().Style = bsClear;
    canvas.DrawRectAt({2, 3, 12, 10});
    EXPECT_EQ(InkBounds(image, clWhite), QRect(QPoint(2, 3), QPoint(11, 9)));
    EXPECT_EQ(CountOf(image, clBlack), 10 * 7 - 6 * 3);
}

TEST_F(CanvasTest, FillAreaPaintsTheBrushOnlyAndIgnoresThePenMode) {
    Clear(Gray);
    canvas.Pen().Mode = pmNotXor;
    canvas.Brush() = {clBlue, bsSolid};
    canvas.FillArea({5, 6, 9, 8});
    EXPECT_EQ(InkBounds(image, Gray), QRect(QPoint(5, 6), QPoint(8, 7)));
    EXPECT_EQ(CountOf(image, clBlue), 4 * 2);

    canvas.Brush().Style = bsClear;
    canvas.FillArea({0, 0, 40, 30});
    canvas.Brush().Style = bsSolid;
    canvas.FillArea({20, 20, 20, 25});
    canvas.FillArea({20, 20, 10, 25});
    EXPECT_EQ(CountOf(image, clBlue), 4 * 2);
}

TEST_F(CanvasTest, BevelRingGivesTheBottomColourTheOppositeCorners) {
    const TRect inner = canvas.DrawBevelRing({0, 0, 10, 10}, clWhite - 1, 1, clRed);
    EXPECT_EQ(inner, (TRect{1, 1, 9, 9}));
    for (int x = 0; x < 12; ++x)
        for (int y = 0; y < 12; ++y) {
            TColor expected = clWhite;
            if (x == 9 && y <= 9)
                expected = clRed;
            else if (y == 9 && x <= 8)
                expected = clRed;
            else if ((x == 0 && y <= 8) || (y == 0 && x >= 1 && x <= 8))
                expected = clWhite - 1;
            EXPECT_EQ(At(x, y), expected) << x << "," << y;
        }

    Clear();
    EXPECT_EQ(canvas.DrawBevelRing({0, 0, 10, 10}, clBlue, 2, clRed), (TRect{2, 2, 8, 8}));
    EXPECT_EQ(At(1, 1), clBlue);
    EXPECT_EQ(At(1, 7), clBlue);
    EXPECT_EQ(At(8, 1), clRed);
    EXPECT_EQ(At(1, 8), clRed);
    EXPECT_EQ(At(8, 8), clRed);
    EXPECT_EQ(At(2, 2), clWhite);
    EXPECT_EQ(CountOf(image, clBlue) + CountOf(image, clRed), 36 + 28);
}

TEST_F(CanvasTest, NotXorInvertsEachPixelOnceAndTwiceRestoresIt) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 6, y * 8, (x * y) & 0xFF));
    const QImage before = image.copy();
    canvas.Pen() = {Gray, 1, psSolid, pmNotXor};
    canvas.Brush().Style = bsClear;
    canvas.DrawRect(3, 4, 20, 15);
    for (const QPoint corner : {QPoint(3, 4), QPoint(19, 4), QPoint(19, 14), QPoint(3, 14)}) {
        const TColor old = Pixel(before, corner.x(), corner.y());
        EXPECT_EQ(At(corner.x(), corner.y()), ~(old ^ Gray) & 0xFFFFFF);
    }
    EXPECT_EQ(At(10, 10), Pixel(before, 10, 10));
    canvas.DrawRect(3, 4, 20, 15);
    canvas.DrawLine(1, 28, 37, 2);
    canvas.DrawLine(1, 28, 37, 2);
    canvas.Pen().Style = psDot;
    canvas.DrawLine(0, 20, 40, 20);
    canvas.DrawLine(0, 20, 40, 20);
    EXPECT_EQ(image, before);
}

TEST_F(CanvasTest, InvisiblePenDrawsNothing) {
    TChartHiddenPen hidden;
    canvas.UsePen(hidden);
    canvas.Brush().Style = bsClear;
    canvas.DrawLine(0, 0, 30, 20);
    canvas.PlainHLine(0, 30, 5);
    canvas.DrawRect(2, 2, 20, 20);
    EXPECT_EQ(CountOf(image, clWhite), 40 * 30);
}

TEST_F(CanvasTest, DottedGridKeepsWhatIsUnderItsGapsUnlessOpaque) {
    TDottedGrayPen grid;
    canvas.UsePen(grid);
    canvas.Brush() = {clBlack, bsSolid};
    canvas.FillArea({0, 10, 40, 11});
    canvas.SetBackgroundMode(Qt::TransparentMode);
    canvas.PlainHLine(0, 30, 10);
    EXPECT_EQ(At(0, 10), Gray);
    int dots = 0;
    for (int x = 0; x < 30; ++x) {
        EXPECT_TRUE(At(x, 10) == Gray || At(x, 10) == clBlack) << x;
        dots += At(x, 10) == Gray;
    }
    EXPECT_GT(dots, 5);
    EXPECT_LT(dots, 25);
    EXPECT_EQ(At(30, 10), clBlack);

    canvas.SetBackgroundMode(Qt::OpaqueMode);
    canvas.SetBackgroundColor(Green);
    canvas.PlainVLine(5, 0, 25);
    canvas.PlainHLine(0, 30, 10);
    for (int x = 0; x < 30; ++x)
        EXPECT_EQ(At(x, 10), x % 3 == 0 ? Gray : Green) << x;
    EXPECT_EQ(CountOf(image, Gray) + CountOf(image, Green), 30 + 24);
}

TEST_F(CanvasTest, SmallDotsSetEveryOtherPixel) {
    TChartPen pen;
    pen.SetSmallDots(true);
    pen.SetColor(clRed);
    canvas.UsePen(pen);
    canvas.DrawLine(1, 3, 21, 3);
    canvas.DrawLine(1, 5, 21, 25);
    for (int k = 0; k < 20; ++k) {
        EXPECT_EQ(At(1 + k, 3), k % 2 ? clWhite : clRed) << k;
        EXPECT_EQ(At(1 + k, 5 + k), k % 2 ? clWhite : clRed) << k;
    }
    // Only a one-pixel pen makes small dots.
    Clear();
    pen.SetWidth(2);
    canvas.UsePen(pen);
    canvas.DrawLine(1, 3, 21, 3);
    EXPECT_EQ(CountOf(image, clRed), 40);
}

TEST_F(CanvasTest, ClipToIntersectsAndUnclipRemovesEveryClip) {
    canvas.Brush() = {clRed, bsSolid};
    canvas.ClipTo({5, 5, 15, 15});
    canvas.ClipTo({10, 0, 30, 30});
    canvas.FillArea({0, 0, 40, 30});
    canvas.PlainHLine(0, 40, 8);
    canvas.DrawLine(10, 14, 20, 4);
    EXPECT_EQ(InkBounds(image, clWhite), QRect(QPoint(10, 5), QPoint(14, 14)));
    EXPECT_EQ(CountOf(image, clRed), 5 * 10 - 5 - 5);

    // Disjoint clips leave nothing to draw on.
    canvas.ClipTo({0, 0, 2, 2});
    canvas.PlainHLine(0, 40, 1);
    canvas.Brush().Color = clBlue;
    canvas.FillArea({0, 0, 40, 30});
    canvas.OutText(0, 0, QStringLiteral("W"));
    EXPECT_EQ(CountOf(image, clBlack), 10);
    EXPECT_EQ(CountOf(image, clBlue), 0);

    canvas.Unclip();
    canvas.PlainHLine(0, 40, 25);
    EXPECT_EQ(CountOf(image, clBlack), 10 + 40);
}

class TextTest : public CanvasTest {
protected:
    TextTest() : CanvasTest(200, 120) {
        canvas.Font().Font = ChartFont();
        canvas.Font().Color = clRed;
    }
};

TEST_F(TextTest, AlignmentPlacesTheReferencePoint) {
    const QString text = QStringLiteral("演習W");
    const int width = canvas.MeasureWidth(text);
    const int height = canvas.CharHeight();
    EXPECT_EQ(canvas.MeasureWidth(QString()), 0);
    EXPECT_NEAR(canvas.MeasureWidth(QStringLiteral("WW")), 2 * canvas.MeasureWidth("W"), 1);
    ASSERT_GT(width, 20);
    ASSERT_GT(height, 8);

    canvas.OutText(100, 60, text);
    QRect ink = InkBounds(image, clWhite);
    EXPECT_TRUE(QRect(100, 60, width, height).contains(ink)) << ink.x() << "," << ink.y();
    EXPECT_GT(ink.width(), width / 2);
    // Non-antialiased: every pixel is either ink or untouched.
    EXPECT_EQ(CountOf(image, clRed) + CountOf(image, clWhite), 200 * 120);

    Clear();
    canvas.SetAlignment(Qt::AlignRight | Qt::AlignBottom);
    canvas.OutText(100, 60, text);
    ink = InkBounds(image, clWhite);
    EXPECT_TRUE(QRect(100 - width, 60 - height, width, height).contains(ink));

    Clear();
    canvas.SetAlignment(Qt::AlignHCenter | Qt::AlignTop);
    canvas.OutText(100, 60, text);
    ink = InkBounds(image, clWhite);
    EXPECT_NEAR(ink.center().x(), 100, 3);
    EXPECT_GE(ink.top(), 60);
}

TEST_F(TextTest, OpaqueTextBackgroundNeedsASolidBrush) {
    canvas.SetBackgroundMode(Qt::OpaqueMode);
    canvas.SetBackgroundColor(Green);
    canvas.Brush() = {clWhite, bsClear};
    canvas.OutText(10, 10, QStringLiteral("演習"));
    EXPECT_EQ(CountOf(image, Green), 0);

    EXPECT_GT(CountOf(image, clRed), 0);
    Clear();
    canvas.Brush().Style = bsSolid;
    canvas.OutText(10, 50, QStringLiteral("演習"));
    const int width = canvas.MeasureWidth(QStringLiteral("演習"));
    const int height = canvas.CharHeight();
    EXPECT_EQ(InkBounds(image, clWhite), QRect(10, 50, width, height));
    EXPECT_EQ(CountOf(image, Green) + CountOf(image, clRed), width * height);
}

TEST_F(TextTest, RotatedTextTurnsCounterClockwiseAboutItsReferencePoint) {
    canvas.SetAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    canvas.OutRotatedText(100, 60, 90, QStringLiteral("WWWW"));
    EXPECT_EQ(canvas.Brush().Style, bsClear);
    const QRect ink = InkBounds(image, clWhite);
    EXPECT_LT(ink.right(), 100);
    EXPECT_GE(ink.left(), 100 - canvas.CharHeight());
    EXPECT_NEAR(ink.center().y(), 60, 2);
    EXPECT_GT(ink.height(), ink.width());

    // Reading upwards, the start of the text lies below the reference point.
    QString blanks;
    while (canvas.MeasureWidth(blanks) < canvas.MeasureWidth(QStringLiteral("WW")))
        blanks += QLatin1Char(' ');
    Clear();
    canvas.OutRotatedText(100, 60, 90, QStringLiteral("WW") + blanks);
    EXPECT_GE(InkBounds(image, clWhite).top(), 59);
    // An angle above 360 comes round again.
    Clear();
    canvas.OutRotatedText(100, 60, 450, blanks + QStringLiteral("WW"));
    EXPECT_LE(InkBounds(image, clWhite).bottom(), 61);
    EXPECT_LT(InkBounds(image, clWhite).right(), 100);
}

// A square picture at a ratio with a text written at its centre, upright or turned, over a
// green square centred there, so that what lies under the text shows.
QImage WrittenAtTheCentre(qreal ratio, int angle, Qt::Alignment alignment) {
    constexpr int Side = 160;
    QImage image(QSize(Side, Side) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    TChartCanvas3D canvas;
    canvas.SetTarget(&image);
    canvas.Brush() = {Green, bsSolid};
    canvas.FillArea({60, 60, 100, 100});
    canvas.Font().Font = ChartFont();
    canvas.Font().Color = clRed;
    canvas.SetAlignment(alignment);
    const QString text = QStringLiteral("演習時間Wg");
    if (angle == 0)
        canvas.OutText(Side / 2, Side / 2, text);
    else
        canvas.OutRotatedText(Side / 2, Side / 2, angle, text);
    canvas.SetTarget(nullptr);
    return image;
}

// Quarter and half turns move the upright text's pixels whole, so that turned text is as crisp
// as upright text and takes the place the turned letters would.
TEST(ChartCanvas, TextTurnedByQuartersIsTheUprightTextTurned) {
    const Qt::Alignment alignments[] = {Qt::AlignHCenter | Qt::AlignBottom,
                                        Qt::AlignLeft | Qt::AlignTop,
                                        Qt::AlignRight | Qt::AlignBaseline};
    for (const qreal ratio : {1.0, 1.25, 2.0})
        for (const Qt::Alignment alignment : alignments) {
            const QImage upright = WrittenAtTheCentre(ratio, 0, alignment);
            ASSERT_GT(CountOf(upright, clRed), 100);
            for (const int angle : {90, 180, 270}) {
                SCOPED_TRACE(testing::Message() << "ratio " << ratio << ", alignment "
                                                << alignment.toInt() << ", angle " << angle);
                EXPECT_EQ(Differences(WrittenAtTheCentre(ratio, angle, alignment),
                                      Turned(upright, angle)),
                          0);
            }
        }
}

// The canvas keeps what it learns of a text from paint to paint; written from that, in a mix
// of fonts and at every pixel ratio, a text has the pixels Qt's own drawing of it has.
TEST(ChartCanvas, WrittenTextHasThePixelsOfQtsDrawing) {
    const QString texts[] = {QStringLiteral("演習時間"), QStringLiteral("1,234.005"),
                             QStringLiteral("Wg 01:23.456"), QStringLiteral("ｶﾅ回数")};
    QFont gothic(QStringLiteral("ＭＳ Ｐゴシック"));
    gothic.setPixelSize(12);
    gothic.setBold(true);
    const QFont fonts[] = {ChartFont(), gothic, QFont(QStringLiteral("ＭＳ ゴシック"), 11)};
    for (const qreal ratio : {1.0, 1.25, 2.0}) {
        auto blank = [ratio] {
            QImage image(QSize(160, 260) * ratio, QImage::Format_RGB32);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::white);
            return image;
        };
        QImage expected = blank();
        {
            QPainter painter(&expected);
            painter.setPen(Qt::red);
            int top = 0;
            for (const QFont &font : fonts) {
                QFont plain = font;
                plain.setStyleStrategy(QFont::NoAntialias);
                painter.setFont(plain);
                for (const QString &text : texts) {
                    painter.drawText(5, top + painter.fontMetrics().ascent(), text);
                    top += 20;
                }
            }
        }
        TChartCanvas3D canvas;
        canvas.Font().Color = clRed;
        for (int paint = 0; paint < 2; ++paint) {
            SCOPED_TRACE(testing::Message() << "ratio " << ratio << ", paint " << paint);
            QImage written = blank();
            canvas.SetTarget(&written);
            int top = 0;
            for (const QFont &font : fonts) {
                canvas.Font().Font = font;
                for (const QString &text : texts) {
                    canvas.OutText(5, top, text);
                    top += 20;
                }
            }
            canvas.SetTarget(nullptr);
            ASSERT_GT(CountOf(written, clRed), 500);
            EXPECT_EQ(Differences(written, expected), 0);
        }
    }
}

TEST(ChartCanvas, PaintCycleReusesTheBitmapUntilTheSizeChanges) {
    QImage window(60, 40, QImage::Format_RGB32);
    window.fill(Qt::white);
    TChartCanvas3D canvas;
    canvas.SetTarget(&window);

    EXPECT_EQ(canvas.BeginChartPaint(&window, nullptr, {5, 6, 25, 16}, false),
              (TRect{0, 0, 20, 10}));
    const QImage *first = canvas.Bitmap();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(canvas.Target(), first);
    EXPECT_EQ(first->size(), QSize(20, 10));
    canvas.Brush() = {clRed, bsSolid};
    canvas.FillArea({0, 0, 20, 10});
    canvas.EndChartPaint(&window, &window, {5, 6, 25, 16});
    EXPECT_FALSE(canvas.NeedsRedraw());
    EXPECT_EQ(canvas.Target(), &window);
    EXPECT_EQ(InkBounds(window, clWhite), QRect(5, 6, 20, 10));
    EXPECT_EQ(CountOf(window, clRed), 200);

    canvas.MarkNeedsRedraw();
    canvas.BeginChartPaint(&window, nullptr, {5, 6, 25, 16}, false);
    EXPECT_EQ(canvas.Bitmap(), first);
    EXPECT_EQ(canvas.BitmapAllocations(), 1);
    canvas.EndChartPaint(&window, &window, {5, 6, 25, 16});

    EXPECT_EQ(canvas.BeginChartPaint(&window, nullptr, {0, 0, 30, 12}, false),
              (TRect{0, 0, 30, 12}));
    EXPECT_EQ(canvas.BitmapAllocations(), 2);
    EXPECT_EQ(canvas.Bitmap()->size(), QSize(30, 12));
    canvas.EndChartPaint(&window, &window, {0, 0, 30, 12});
}

TEST(ChartCanvas, RepaintFromBufferCopiesOnlyAnUpToDatePicture) {
    TChartCanvas3D canvas;
    EXPECT_TRUE(canvas.Buffered());
    EXPECT_TRUE(canvas.NeedsRedraw());
    EXPECT_EQ(canvas.Bitmap(), nullptr);
    EXPECT_FALSE(canvas.RepaintFromBuffer());

    QImage scratch(1, 1, QImage::Format_RGB32);
    canvas.BeginChartPaint(&scratch, nullptr, {0, 0, 8, 4}, false);
    canvas.Brush() = {clBlue, bsSolid};
    canvas.FillArea({0, 0, 8, 4});
    canvas.EndChartPaint(nullptr, nullptr, {0, 0, 8, 4});

    QImage window(20, 20, QImage::Format_RGB32);
    window.fill(Qt::white);
    canvas.SetTarget(&window);
    canvas.ClipTo({0, 0, 20, 20});
    canvas.Pen().Mode = pmNotXor;
    EXPECT_TRUE(canvas.RepaintFromBuffer());
    EXPECT_TRUE(canvas.RepaintFromBuffer());
    EXPECT_EQ(CountOf(window, clBlue), 32);
    EXPECT_EQ(InkBounds(window, clWhite), QRect(0, 0, 8, 4));

    canvas.SetTarget(nullptr);
    window.fill(Qt::white);
    canvas.SetTarget(&window);
    canvas.MarkNeedsRedraw();
    EXPECT_FALSE(canvas.RepaintFromBuffer());
    canvas.SetTarget(nullptr);
    EXPECT_EQ(CountOf(window, clWhite), 400);
}

TEST(ChartCanvas, UnbufferedPaintsDrawStraightOnTheTarget) {
    QImage window(30, 20, QImage::Format_RGB32);
    window.fill(Qt::white);
    TChartCanvas3D canvas;
    canvas.BeginChartPaint(&window, nullptr, {0, 0, 30, 20}, false);
    canvas.EndChartPaint(&window, &window, {0, 0, 30, 20});
    ASSERT_NE(canvas.Bitmap(), nullptr);

    canvas.UseBuffer(false);
    EXPECT_EQ(canvas.Bitmap(), nullptr);
    EXPECT_TRUE(canvas.NeedsRedraw());
    EXPECT_EQ(canvas.BeginChartPaint(&window, nullptr, {2, 3, 30, 20}, false),
              (TRect{2, 3, 30, 20}));
    EXPECT_EQ(canvas.Target(), &window);
    canvas.DrawLine(2, 3, 12, 3);
    canvas.EndChartPaint(&window, &window, {2, 3, 30, 20});
    EXPECT_TRUE(canvas.NeedsRedraw());
    EXPECT_EQ(canvas.Bitmap(), nullptr);
    EXPECT_FALSE(canvas.RepaintFromBuffer());
    canvas.SetTarget(nullptr);
    EXPECT_EQ(InkBounds(window, clWhite), QRect(2, 3, 10, 1));
}

// A widget that shows the canvas's buffered picture, as the chart panel does.
class BufferedWidget : public QWidget {
public:
    explicit BufferedWidget(TChartCanvas3D &canvas) : canvas(canvas) {}
    bool copied = false;

protected:
    void paintEvent(QPaintEvent *) override { copied = canvas.RepaintFromBuffer(); }

private:
    TChartCanvas3D &canvas;
};

int qtWarnings = 0;

void CountWarnings(QtMsgType type, const QMessageLogContext &, const QString &) {
    qtWarnings += type != QtDebugMsg && type != QtInfoMsg;
}

TEST(ChartCanvas, WidgetTargetIsPaintedOnlyInItsPaintEvent) {
    TChartCanvas3D canvas;
    BufferedWidget widget(canvas);
    widget.resize(30, 20);
    canvas.SetTarget(&widget);

    canvas.BeginChartPaint(&widget, nullptr, {0, 0, 30, 20}, false);
    canvas.Brush() = {clRed, bsSolid};
    canvas.FillArea({0, 0, 30, 20});
    canvas.Brush().Color = Green;
    canvas.FillArea({10, 5, 20, 15});
    // Outside a paint event the copy to the widget is dropped, without complaint.
    qtWarnings = 0;
    const QtMessageHandler previous = qInstallMessageHandler(CountWarnings);
    canvas.EndChartPaint(&widget, &widget, {0, 0, 30, 20});
    canvas.DrawLine(0, 0, 30, 20);
    canvas.OutText(0, 0, QStringLiteral("W"));
    qInstallMessageHandler(previous);
    EXPECT_EQ(qtWarnings, 0);
    EXPECT_FALSE(canvas.NeedsRedraw());

    const QImage shown = widget.grab().toImage();
    EXPECT_TRUE(widget.copied);
    EXPECT_EQ(Pixel(shown, 0, 0), clRed);
    EXPECT_EQ(Pixel(shown, 10, 5), Green);
    EXPECT_EQ(Pixel(shown, 20, 15), clRed);
}

TEST(ChartPen, SettersNotifyOnlyWhenTheValueChanges) {
    TChartPen pen;
    int changes = 0;
    pen.OnChange = [&] { ++changes; };
    pen.SetColor(clBlack);
    pen.SetWidth(1);
    pen.SetStyle(psSolid);
    pen.SetMode(pmCopy);
    pen.SetVisible(true);
    pen.SetSmallDots(false);
    EXPECT_EQ(changes, 0);
    pen.SetColor(clRed);
    pen.SetWidth(3);
    pen.SetStyle(psDash);
    pen.SetMode(pmNotXor);
    pen.SetVisible(false);
    pen.SetSmallDots(true);
    EXPECT_EQ(changes, 6);
    pen.SetColor(clRed);
    EXPECT_EQ(changes, 6);

    TDottedGrayPen grid;
    pen.Assign(grid);
    EXPECT_EQ(changes, 7);
    EXPECT_EQ(pen.Color(), Gray);
    EXPECT_EQ(pen.Style(), psDot);
    EXPECT_TRUE(pen.Visible());
    EXPECT_FALSE(pen.SmallDots());
    EXPECT_EQ(pen.Mode(), pmCopy);
    pen.Assign(grid);
    EXPECT_EQ(changes, 7);
    EXPECT_FALSE(grid.OnChange);
}

} // namespace
