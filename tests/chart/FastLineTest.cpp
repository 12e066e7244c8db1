// The progress line: which pixels it sets, how a new point shows, and what a click hits.
#include "Chart.h"
#include "GraphLikeChart.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <utility>
#include <vector>

namespace {

constexpr double Minute = 1.0 / 1440;

// The progress graph's chart with 0 ... 4 minutes up.
class FastLineTest : public GraphLikeChartTest {
protected:
    void SetUp() override {
        GraphLikeChartTest::SetUp();
        chart.LeftAxis.SetRange(0, 4 * Minute);
    }

    void Add(double x, double y) { series->AddPointXY(x, y, QString(), AutoColor); }

    static std::vector<QPoint> RedPixels(const QImage &image) { return PixelsOf(image, clRed); }

    // Where the series may draw: inside the frame, and not on the row above its bottom line.
    TRect Clip() const {
        const TRect &plot = chart.PlotRect;
        return {plot.Left + 1, plot.Top + 1, plot.Right, plot.Bottom - 1};
    }
};

TEST_F(FastLineTest, LineIsRedAndEndsBeforeItsLastPoint) {
    chart.BottomAxis.SetRange(0, 4);
    Add(1, Minute);
    EXPECT_TRUE(RedPixels(Picture()).empty()); // one point: only a pen move

    Add(2, Minute);
    Add(3, Minute);
    Add(3, 2 * Minute); // straight up from the last point
    const QImage image = Picture();
    const int y = series->PointY(0);
    const int upper = series->PointY(3);
    ASSERT_LT(upper, y);
    std::vector<QPoint> expected;
    for (int row = upper + 1; row < y; ++row)
        expected.emplace_back(series->PointX(2), row);
    for (int x = series->PointX(0); x <= series->PointX(2); ++x)
        expected.emplace_back(x, y);
    std::vector<QPoint> red = RedPixels(image);
    const auto byRowThenColumn = [](QPoint a, QPoint b) {
        return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
    };
    std::sort(expected.begin(), expected.end(), byRowThenColumn);
    std::sort(red.begin(), red.end(), byRowThenColumn);
    EXPECT_EQ(red, expected);
    EXPECT_EQ(series->LastPenX, series->PointX(3));
    EXPECT_EQ(series->LastPenY, upper);
}

TEST_F(FastLineTest, LineLeavingThePlotIsCutAtTheFrame) {
    Add(1, Minute);
    Add(2, 8 * Minute); // a drill longer than the axis shows
    Add(3, -4 * Minute);
    Add(4, Minute);
    const QImage image = Picture();
    const TRect clip = Clip();
    bool reachesTop = false;
    bool reachesBottom = false;
    for (QPoint p : RedPixels(image)) {
        EXPECT_TRUE(p.x() >= clip.Left && p.x() < clip.Right && p.y() >= clip.Top &&
                    p.y() < clip.Bottom)
            << p.x() << "," << p.y();
        reachesTop = reachesTop || p.y() == clip.Top;
        reachesBottom = reachesBottom || p.y() == clip.Bottom - 1;
    }
    EXPECT_TRUE(reachesTop);
    EXPECT_TRUE(reachesBottom);
}

TEST_F(FastLineTest, ZoomedLineComesInFromThePointBeforeTheRangeAndRunsOutPastIt) {
    for (int x = 1; x <= 10; ++x)
        Add(x, (x % 2 ? 1 : 3) * Minute);
    chart.BottomAxis.SetRange(3.5, 6.5);
    for (bool merge : {true, false}) {
        series->MergeColumns = merge;
        const QImage image = Picture();
        EXPECT_EQ(series->FirstShown, 3); // x = 4
        EXPECT_EQ(series->LastShown, 6);  // x = 7, the first point past the right edge
        const TRect clip = Clip();
        bool leftEdge = false;
        bool rightEdge = false;
        for (QPoint p : RedPixels(image)) {
            leftEdge = leftEdge || p.x() == clip.Left;
            rightEdge = rightEdge || p.x() == clip.Right - 1;
        }
        EXPECT_TRUE(leftEdge) << merge;
        EXPECT_TRUE(rightEdge) << merge;
    }
}

TEST_F(FastLineTest, PointOnTheLastPenPixelDrawsNothing) {
    Add(1, Minute);
    Add(2, 3 * Minute);
    Picture();
    QImage image(561, 255, QImage::Format_RGB32);
    image.fill(Qt::white);
    chart.Canvas.SetTarget(&image);
    series->PreparePen();
    chart.Canvas.MoveToPoint(0, 0);
    series->LastPenX = series->PointX(1);
    series->LastPenY = series->PointY(1);
    series->DrawPoint(1); // although the canvas pen is elsewhere
    EXPECT_TRUE(RedPixels(image).empty());
    series->LastPenX = -1;
    series->DrawPoint(1);
    EXPECT_FALSE(RedPixels(image).empty());
    chart.Canvas.SetTarget(&chart);
}

TEST_F(FastLineTest, HitPointFindsVerticesAndEveryPixelOfASegment) {
    EXPECT_EQ(series->HitPoint(100, 100), -1); // nothing drawn yet
    Add(1, Minute);
    Add(2, 3 * Minute);
    Add(3, 2 * Minute);
    const QImage image = Picture();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(series->HitPoint(series->PointX(i), series->PointY(i)), i);
    int checked = 0;
    for (QPoint p : RedPixels(image)) {
        // Away from the corners, every pixel of a segment hits that segment.
        for (int segment = 0; segment < 2; ++segment) {
            if (p.x() > series->PointX(segment) + 2 && p.x() < series->PointX(segment + 1) - 2) {
                EXPECT_EQ(series->HitPoint(p.x(), p.y()), segment) << p.x() << "," << p.y();
                EXPECT_EQ(series->HitPoint(p.x(), p.y() + 3), -1) << p.x() << "," << p.y();
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 300);
    EXPECT_EQ(series->HitPoint(series->PointX(2) + 1, series->PointY(2)), -1); // past the end
    const int x0 = series->PointX(0);
    const int y0 = series->PointY(0);
    series->ClearPoints();
    EXPECT_EQ(series->HitPoint(x0, y0), -1); // gone before the next paint
}

TEST(PointOnSegment, WithinOneUnitOfTheLineAndBetweenTheEnds) {
    const auto on = [](TPoint p, TPoint a, TPoint b, int t = 0) {
        return TFastLineSeries::PointOnSegment(p, a, b, t);
    };
    EXPECT_TRUE(on({5, 0}, {0, 0}, {10, 0}));
    EXPECT_TRUE(on({0, 0}, {0, 0}, {10, 0}));
    EXPECT_TRUE(on({10, 0}, {0, 0}, {10, 0}));
    EXPECT_FALSE(on({5, 1}, {0, 0}, {10, 0})); // one unit off is too far
    EXPECT_FALSE(on({-1, 0}, {0, 0}, {10, 0}));
    EXPECT_FALSE(on({11, 0}, {0, 0}, {10, 0}));
    EXPECT_FALSE(on({11, 0}, {10, 0}, {0, 0}));
    EXPECT_TRUE(on({11, 0}, {0, 0}, {10, 0}, 1)); // the tolerance reaches past the end
    EXPECT_FALSE(on({12, 0}, {0, 0}, {10, 0}, 1));
    EXPECT_FALSE(on({3, 3}, {3, 3}, {3, 3})); // a segment without length never matches

    EXPECT_TRUE(on({4, 2}, {0, 0}, {10, 5}));
    EXPECT_TRUE(on({5, 3}, {0, 0}, {10, 5})); // half a unit off
    EXPECT_FALSE(on({5, 4}, {0, 0}, {10, 5}));
    EXPECT_TRUE(on({2, -7}, {0, 0}, {3, -10}));
    EXPECT_FALSE(on({4, -13}, {0, 0}, {3, -10}));

    // Coordinates far enough apart to overflow 32-bit products still give the exact answer.
    constexpr int lo = std::numeric_limits<int>::min();
    constexpr int hi = std::numeric_limits<int>::max();
    EXPECT_TRUE(on({0, 0}, {lo + 1, lo + 1}, {hi, hi}));
    EXPECT_FALSE(on({0, 1}, {lo + 1, lo + 1}, {hi, hi}));
    EXPECT_TRUE(on({hi, 0}, {lo, 0}, {hi, 0}));
    EXPECT_FALSE(on({hi, 0}, {lo, 0}, {hi - 1, 0}));
}

TEST_F(FastLineTest, NewPointWithoutAutoRepaintShowsWithoutAFullPaint) {
    chart.BottomAxis.SetRange(0, 4);
    Add(1, Minute);
    Add(2, 2 * Minute);
    const QImage before = Picture();
    const int fullPaints = chart.FullPaints;
    int afterAdds = 0;
    series->OnAfterAdd = [&](TChartSeries *, int) { ++afterAdds; };
    series->AutoRepaint = false;
    Add(3, Minute);
    EXPECT_FALSE(chart.Canvas.NeedsRedraw());
    EXPECT_EQ(afterAdds, 0);
    const QImage shown = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(chart.FullPaints, fullPaints);
    EXPECT_NE(shown, before);
    // The same picture a full paint gives.
    EXPECT_EQ(shown, Picture());
    EXPECT_EQ(chart.FullPaints, fullPaints + 1);

    series->AutoRepaint = true;
    Add(4, 3 * Minute);
    EXPECT_EQ(afterAdds, 1);
    EXPECT_TRUE(chart.Canvas.NeedsRedraw());
}

// Points for the comparisons of merged and point-by-point drawing.
struct TDataSet {
    const char *name;
    std::vector<double> x;
    std::vector<double> y;
};

std::vector<TDataSet> DataSets() {
    std::mt19937_64 random(4711);
    const auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    std::vector<TDataSet> sets;
    const auto make = [&](const char *name, int n, auto yOf) {
        TDataSet set{name, {}, {}};
        for (int i = 1; i <= n; ++i) {
            set.x.push_back(i);
            set.y.push_back(yOf(i));
        }
        sets.push_back(std::move(set));
    };
    make("a new column for every point", 300, [&](int) { return uniform(0, 4 * Minute); });
    make("many points to a column", 30000, [&](int) { return uniform(0, 4 * Minute); });
    make("few rows, many equal pixels", 20000,
         [&](int) { return double(int(uniform(0, 5))) * Minute; });
    make("slow drift", 20000,
         [&](int i) { return (2 + std::sin(i / 900.0) + uniform(-0.05, 0.05)) * Minute; });
    double walked = 2 * Minute; // a line that goes somewhere, kept within the four minutes
    make("random walk", 30000, [&](int) {
        walked = std::clamp(walked + uniform(-3, 3) / 86400, 0.0, 4 * Minute);
        return walked;
    });
    make("far outside the range", 5000, [&](int) {
        switch (random() % 6) {
        case 0:
            return uniform(-1e3, 1e3);
        case 1:
            return random() % 2 ? 1e300 : -1e300;
        case 2:
            return uniform(4, 6) * Minute;
        default:
            return uniform(0, 4 * Minute);
        }
    });
    make("not numbers", 5000, [&](int) {
        switch (random() % 8) {
        case 0:
            return nan;
        case 1:
            return random() % 2 ? inf : -inf;
        default:
            return uniform(0, 4 * Minute);
        }
    });
    return sets;
}

TEST_F(FastLineTest, MergedDrawingSetsTheSamePixelsAsDrawingPointByPoint) {
    struct TView {
        const char *name;
        std::function<void(TChart &)> apply;
    };
    const std::vector<TView> views{
        {"whole range", [](TChart &c) { c.BottomAxis.SetAutomatic(true); }},
        // Moving only the left axis, the line finds its pixel columns as the paint before.
        {"scrolled up", [](TChart &c) { c.LeftAxis.SetRange(-0.37 * Minute, 3.63 * Minute); }},
        {"stretched", [](TChart &c) { c.LeftAxis.SetRange(1.5 * Minute, 1.75 * Minute); }},
        {"a value changed",
         [](TChart &c) {
             TChartSeries &line = *c.SeriesList().front();
             line.YValues.SetValueAt(line.PointCount() / 2, line.YValues.ValueAt(0) + Minute / 3);
         }},
        {"scrolled back", [](TChart &c) { c.LeftAxis.SetRange(0, 4 * Minute); }},
        {"zoomed", [](TChart &c) { c.BottomAxis.SetRange(1234.5, 1400.25); }},
        // A hundredth of the points at the start, in the middle and at the end.
        {"1 % at the start", [](TChart &c) { c.BottomAxis.SetRange(1, 300); }},
        {"1 % in the middle", [](TChart &c) { c.BottomAxis.SetRange(14850.5, 15150.5); }},
        {"1 % at the end", [](TChart &c) { c.BottomAxis.SetRange(29700, 30000); }},
        {"inverted", [](TChart &c) {
             c.BottomAxis.SetAutomatic(true);
             c.BottomAxis.SetInverted(true);
         }}};
    for (const TDataSet &set : DataSets()) {
        series->ClearPoints();
        for (std::size_t i = 0; i < set.x.size(); ++i)
            Add(set.x[i], set.y[i]);
        for (std::size_t v = 0; v < views.size(); ++v) {
            const TView &view = views[v];
            view.apply(chart);
            series->MergeColumns = true;
            const QImage merged = Picture();
            const TPoint mergedPen{series->LastPenX, series->LastPenY};
            series->MergeColumns = false;
            const QImage plain = Picture();
            EXPECT_EQ(merged, plain) << set.name << ", " << view.name;
            EXPECT_EQ(mergedPen, (TPoint{series->LastPenX, series->LastPenY}))
                << set.name << ", " << view.name;
            if (v == 0) {
                EXPECT_GT(RedPixels(plain).size(), 100u) << set.name;
            }

            // Without the plot's clip, straight onto an image.
            QImage direct(561, 255, QImage::Format_RGB32);
            QImage directPlain(561, 255, QImage::Format_RGB32);
            direct.fill(Qt::white);
            directPlain.fill(Qt::white);
            chart.Canvas.SetTarget(&direct);
            series->DrawPoints();
            chart.Canvas.SetTarget(&directPlain);
            series->DrawPointsPlain();
            chart.Canvas.SetTarget(&chart);
            EXPECT_EQ(direct, directPlain) << set.name << ", " << view.name << ", unclipped";
        }
        chart.BottomAxis.SetInverted(false);
    }
}

TEST_F(FastLineTest, MergedDrawingMatchesWhenTheLastPointAloneSpikesInItsColumn) {
    // Many points to a column, ending inside the plot where its last column shows (at the
    // edge the frame hides it). Only the last point leaves the flat row, up or down, so the
    // rows drawn in the last column depend on that point alone.
    chart.BottomAxis.SetRange(0, 4);
    for (const double spike : {Minute, -Minute}) {
        series->ClearPoints();
        for (int i = 0; i <= 8000; ++i)
            Add(1 + i / 4000.0, i < 8000 ? 2 * Minute : 2 * Minute + spike);
        series->MergeColumns = true;
        const QImage merged = Picture();
        series->MergeColumns = false;
        EXPECT_EQ(merged, Picture()) << spike / Minute;
    }
}

TEST_F(FastLineTest, MergedDrawingMatchesAlongTheEdgesOfTheTarget) {
    // Values are pixels here: x = column, y = -row.
    const TAxisMap columns{.WorkMin = 0, .WorkMax = 1, .PixelStart = 0, .PixelEnd = 1};
    const TAxisMap rows{
        .WorkMin = 0, .WorkMax = 1, .PixelStart = -1, .PixelEnd = 0, .Horizontal = false};
    std::mt19937_64 random(17);
    const auto near = [&](int a, int b) { return int(random() % (b - a + 1)) + a; };
    // Mostly around the target, now and then very far out.
    const auto coordinate = [&](int size) {
        constexpr int far[] = {-2000000000,
                               2000000000,
                               std::numeric_limits<int>::min(),
                               std::numeric_limits<int>::max(),
                               -700000000,
                               900000000};
        return random() % 12 == 0 ? far[random() % 6] : near(-4, size + 4);
    };
    for (int round = 0; round < 600; ++round) {
        const int width = near(3, 16);
        const int height = near(3, 16);
        // Sparse lines show a pixel set wrongly; dense ones merge a lot.
        const int count = round < 2 ? 0 : round % 3 ? near(2, 12) : near(13, 300);
        series->ClearPoints();
        series->XValues.SetOrder(round % 2 ? loAscending : loNone);
        for (int i = 0; i < count; ++i)
            Add(coordinate(width), -double(coordinate(height)));
        if (round < 2) {
            // Lines across nearly the whole coordinate range, through the target (the axis
            // puts values from 2^31 - 1 away at its centre).
            constexpr double lo = -2147483646.0;
            constexpr double hi = 2147483646.0;
            for (const auto &[x, y] : {std::pair{lo, lo / 2},
                                       {hi, hi / 2},
                                       {lo / 2 + 1, lo},
                                       {hi / 2, hi},
                                       {lo, lo + 7},
                                       {hi, hi - 1},
                                       {5.0, hi}})
                Add(x, -y);
        }
        chart.BottomAxis.SetMap(columns);
        chart.LeftAxis.SetMap(rows);
        series->FirstShown = 0;
        series->LastShown = series->PointCount() - 1;
        QImage merged(width, height, QImage::Format_RGB32);
        QImage plain(width, height, QImage::Format_RGB32);
        merged.fill(Qt::white);
        plain.fill(Qt::white);
        chart.Canvas.SetTarget(&merged);
        series->DrawPoints();
        chart.Canvas.SetTarget(&plain);
        series->DrawPointsPlain();
        chart.Canvas.SetTarget(&chart);
        EXPECT_EQ(merged, plain) << round;
    }
}

TEST_F(FastLineTest, MergedDrawingMatchesOnLargeAndOtherTargets) {
    std::mt19937_64 random(5);
    for (int x = 1; x <= 20000; ++x)
        Add(x, std::uniform_real_distribution<double>(-1, 5)(random) * Minute);
    Picture();
    // Too large to gather its pixels; one whose grey levels Qt computes differently for
    // points and rectangles; transparent ones with alpha, whose pixels the line sets; and
    // ones of more pixels than logical pixels, whose runs are gathered and filled.
    struct TTarget {
        int size;
        QImage::Format format;
        Qt::GlobalColor background;
        qreal ratio;
    };
    for (auto [size, format, background, ratio] :
         {TTarget{2900, QImage::Format_RGB32, Qt::white, 1},
          TTarget{600, QImage::Format_Grayscale8, Qt::white, 1},
          TTarget{300, QImage::Format_ARGB32, Qt::transparent, 1},
          TTarget{300, QImage::Format_ARGB32_Premultiplied, Qt::transparent, 1},
          TTarget{600, QImage::Format_RGB32, Qt::white, 2},
          TTarget{500, QImage::Format_RGB32, Qt::white, 1.25}}) {
        QImage merged(size, size, format);
        QImage plain(size, size, format);
        merged.fill(background);
        plain.fill(background);
        merged.setDevicePixelRatio(ratio);
        plain.setDevicePixelRatio(ratio);
        chart.Canvas.SetTarget(&merged);
        series->DrawPoints();
        chart.Canvas.SetTarget(&plain);
        series->DrawPointsPlain();
        chart.Canvas.SetTarget(&chart);
        EXPECT_EQ(merged, plain) << size;
        QImage blank(size, size, format);
        blank.fill(background);
        EXPECT_NE(merged, blank) << size;
    }
}

TEST_F(FastLineTest, OtherPensDrawPointByPoint) {
    std::mt19937_64 random(99);
    for (int x = 1; x <= 4000; ++x)
        Add(x, std::uniform_real_distribution<double>(0, 4 * Minute)(random));
    const auto compare = [&](const char *pen) {
        series->MergeColumns = true;
        const QImage merged = Picture();
        series->MergeColumns = false;
        EXPECT_EQ(merged, Picture()) << pen;
    };
    series->LinePen.SetWidth(3);
    compare("wide");
    series->LinePen.SetWidth(1);
    series->LinePen.SetStyle(psDot);
    compare("dotted");
    series->LinePen.SetStyle(psSolid);
    series->LinePen.SetMode(pmNotXor);
    compare("not-xor");
    series->LinePen.SetMode(pmCopy);
    series->LinePen.SetVisible(false);
    EXPECT_TRUE(RedPixels(Picture()).empty());
}

TEST_F(FastLineTest, LinePenAndSeriesColourGoTogether) {
    TChartPen pen;
    pen.SetColor(clBlue);
    pen.SetWidth(2);
    Picture();
    series->SetLinePen(pen);
    EXPECT_EQ(series->SeriesColor(), clBlue);
    EXPECT_EQ(series->LinePen.Width(), 2);
    EXPECT_TRUE(chart.Canvas.NeedsRedraw());
    series->SetSeriesColor(clLime);
    EXPECT_EQ(series->LinePen.Color(), clLime);
}

} // namespace
