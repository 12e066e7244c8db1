// Zooming and scrolling the progress graph with the mouse, on the window's own chart.
#include "GraphFixture.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWheelEvent>
#include <vector>

namespace {

class ChartZoomTest : public GraphTest {
protected:
    void SetUp() override {
        GraphTest::SetUp();
        before = Picture();
    }

    QImage Picture() { return chart->grab().toImage(); }

    void Drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(chart, button, {}, from);
        QTest::mouseMove(chart, to);
        QTest::mouseRelease(chart, button, {}, to);
        Picture();
    }

    // A turn of the wheel over the plot by delta (120 a notch; negative: towards the user).
    void Wheel(int delta) {
        QWheelEvent event(QPointF(200, 100), chart->mapToGlobal(QPointF(200, 100)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(chart, &event);
    }

    // The left axis's range as the user sees it.
    std::pair<double, double> LeftRange() const {
        return {chart->LeftAxis.Minimum(), chart->LeftAxis.Maximum()};
    }

    QImage before;
};

} // namespace

TEST_F(ChartZoomTest, DraggingRightAndDownZoomsToTheRectangle) {
    const double left = chart->BottomAxis.PosToValue(100);
    const double right = chart->BottomAxis.PosToValue(117);
    const double top = chart->LeftAxis.PosToValue(100);
    const double bottom = chart->LeftAxis.PosToValue(117);
    Drag({100, 100}, {117, 117});
    EXPECT_TRUE(chart->ZoomApplied);
    EXPECT_TRUE(chart->HasSavedScales);
    EXPECT_EQ(chart->BottomAxis.Minimum(), left);
    EXPECT_EQ(chart->BottomAxis.Maximum(), right);
    EXPECT_FALSE(chart->BottomAxis.Automatic());
    EXPECT_EQ(LeftRange(), std::make_pair(bottom, top));
    EXPECT_NE(Picture(), before);
}

TEST_F(ChartZoomTest, SmallDragsChangeNothingAndLeaveNoTrace) {
    for (QPoint end : {QPoint(116, 140), QPoint(140, 116)}) {
        Drag({100, 100}, end);
        EXPECT_FALSE(chart->HasSavedScales);
        EXPECT_TRUE(chart->BottomAxis.Automatic());
        EXPECT_EQ(LeftRange(), std::make_pair(0.0, 1.0 / 360));
        EXPECT_EQ(Picture(), before);
    }
}

TEST_F(ChartZoomTest, TheFrameFollowsThePointerAndIsRemovedExactly) {
    QTest::mousePress(chart, Qt::LeftButton, {}, QPoint(150, 80));
    QTest::mouseMove(chart, QPoint(200, 120));
    const QImage framed = Picture();
    EXPECT_NE(framed, before);
    // The frame's corner pixels are inverted against the picture.
    EXPECT_NE(framed.pixel(150, 80), before.pixel(150, 80));
    EXPECT_EQ(framed.pixel(175, 100), before.pixel(175, 100)); // inside stays
    QTest::mouseMove(chart, QPoint(260, 150));
    const QImage moved = Picture();
    EXPECT_EQ(moved.pixel(175, 120), before.pixel(175, 120)); // the old edge is gone
    QTest::mouseMove(chart, QPoint(160, 90));
    QTest::mouseRelease(chart, Qt::LeftButton, {}, QPoint(160, 90));
    EXPECT_EQ(Picture(), before);
}

TEST_F(ChartZoomTest, DraggingAnyOtherWayUndoesTheZoom) {
    for (QPoint end : {QPoint(150, 250), QPoint(250, 150), QPoint(150, 150)}) {
        Drag({100, 100}, {140, 140});
        ASSERT_TRUE(chart->HasSavedScales);
        Drag({200, 200}, end);
        EXPECT_FALSE(chart->HasSavedScales);
        EXPECT_FALSE(chart->ZoomApplied);
        EXPECT_TRUE(chart->BottomAxis.Automatic());
        EXPECT_EQ(LeftRange(), std::make_pair(0.0, 1.0 / 360));
    }
}

TEST_F(ChartZoomTest, OneUndoAfterTwoZoomsRestoresTheFirstScales) {
    Drag({100, 60}, {200, 160});
    Drag({120, 80}, {180, 140});
    ASSERT_NE(LeftRange(), std::make_pair(0.0, 1.0 / 360));
    Drag({180, 140}, {120, 80});
    EXPECT_EQ(LeftRange(), std::make_pair(0.0, 1.0 / 360));
    EXPECT_FALSE(chart->LeftAxis.Automatic());
    EXPECT_TRUE(chart->BottomAxis.Automatic());
    EXPECT_TRUE(chart->BottomAxis.AutomaticMinimum());
    EXPECT_EQ(Picture(), before);
}

TEST_F(ChartZoomTest, UndoWithoutZoomOnlyRepaints) {
    const int paints = chart->FullPaints;
    Drag({200, 200}, {150, 150});
    EXPECT_EQ(chart->FullPaints, paints + 1);
    EXPECT_EQ(LeftRange(), std::make_pair(0.0, 1.0 / 360));
    EXPECT_TRUE(chart->BottomAxis.Automatic());
}

TEST_F(ChartZoomTest, RightDragsAndPressesOnTheTitleDoNothing) {
    QTest::mousePress(chart, Qt::RightButton, {}, QPoint(100, 100));
    QTest::mouseMove(chart, QPoint(200, 200));
    EXPECT_FALSE(chart->ZoomDrag.InProgress);
    EXPECT_FALSE(chart->PanDrag.InProgress);
    EXPECT_EQ(Picture(), before);
    QTest::mouseRelease(chart, Qt::RightButton, {}, QPoint(200, 200));
    const TRect title = chart->Title.TitleBounds;
    QTest::mousePress(chart, Qt::LeftButton, {},
                      QPoint((title.Left + title.Right) / 2, title.Top + 2));
    EXPECT_FALSE(chart->ZoomDrag.InProgress);
    EXPECT_EQ(Picture(), before);
    QTest::mouseRelease(chart, Qt::LeftButton, {}, QPoint(title.Left, title.Top + 2));
}

TEST_F(ChartZoomTest, ADragMayStartOnTheBottomAxisLabels) {
    const TChartAxis &bottom = chart->BottomAxis;
    // Between the axis line and the labels, below the plot.
    const QPoint start(bottom.PixelCenter(), bottom.LabelsPos() - 1);
    ASSERT_GT(start.y(), chart->PlotRect.Bottom);
    EXPECT_EQ(chart->HitPart(start.x(), start.y()).Part,
              TCustomChart::TChartClickedPartStyle::Axis);
    // Not one pixel right of the plot, where nothing is.
    EXPECT_EQ(chart->HitPart(chart->PlotRect.Right, chart->PlotRect.Top + 1).Part,
              TCustomChart::TChartClickedPartStyle::None);
    QTest::mousePress(chart, Qt::LeftButton, {}, start);
    EXPECT_TRUE(chart->ZoomDrag.InProgress);
    QTest::mouseRelease(chart, Qt::LeftButton, {}, start);
    EXPECT_FALSE(chart->ZoomDrag.InProgress);
}

TEST_F(ChartZoomTest, WheelNotchesShiftTheVerticalRange) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const int paints = chart->FullPaints;
    Wheel(-120);                              // down: both ends rise by 3 percent
    EXPECT_EQ(chart->FullPaints, paints + 1); // painted at once
    EXPECT_DOUBLE_EQ(chart->LeftAxis.Minimum(), 7.2 / 86400);
    EXPECT_DOUBLE_EQ(chart->LeftAxis.Maximum(), (240 + 7.2) / 86400);
    Wheel(120);
    EXPECT_NEAR(chart->LeftAxis.Minimum(), 0, 1e-15);
    EXPECT_DOUBLE_EQ(chart->LeftAxis.Maximum(), 1.0 / 360);
    EXPECT_DOUBLE_EQ(chart->BottomAxis.Maximum(), 5); // the horizontal axis stays

    // An undo after zoom and wheel brings back the scales from before the zoom.
    Drag({100, 60}, {200, 160});
    Wheel(-120);
    Drag({200, 160}, {100, 60});
    EXPECT_EQ(chart->LeftAxis.Maximum(), 1.0 / 360);
    EXPECT_NEAR(chart->LeftAxis.Minimum(), 0, 1e-15);
}

TEST_F(ChartZoomTest, PointingAtTheLineTellsTheNearestDrillAndChangesNothing) {
    TChartSeries *drills = chart->SeriesList().front();
    const auto tipAt = [this](QPoint at) {
        QHelpEvent help(QEvent::ToolTip, at, chart->mapToGlobal(at));
        QApplication::sendEvent(chart, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    // The third drill took 55 s; a little beside its point still finds it.
    const QPoint third(drills->PointX(2), drills->PointY(2));
    EXPECT_EQ(tipAt(third), "3回目 00:55.000");
    EXPECT_EQ(tipAt(third + QPoint(4, -3)), "3回目 00:55.000");
    EXPECT_EQ(tipAt(QPoint(drills->PointX(4) - 1, drills->PointY(4))), "5回目 01:05.000");
    // Outside the plot there is nothing to tell: the tip goes, after its usual moment.
    tipAt(QPoint(2, 2));
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
    // Asking changed neither the scales nor the picture.
    EXPECT_FALSE(chart->HasSavedScales);
    EXPECT_EQ(LeftRange(), std::make_pair(0.0, 1.0 / 360));
    EXPECT_EQ(Picture(), before);
}

namespace {

// Turns of the wheel in the parts a high-resolution wheel or a touchpad sends, and the whole
// notches they add up to.
struct WheelTurns {
    const char *name;
    std::vector<int> deltas;
    int notchesDown;
    int paints;
};

void PrintTo(const WheelTurns &turns, std::ostream *out) { *out << turns.name; }

class WheelTurnsTest : public ChartZoomTest, public ::testing::WithParamInterface<WheelTurns> {};

} // namespace

TEST_P(WheelTurnsTest, EveryWholeNotchScrollsAndEachTurnRepaintsAtMostOnce) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const int paints = chart->FullPaints;
    for (int delta : GetParam().deltas)
        Wheel(delta);
    EXPECT_EQ(chart->FullPaints, paints + GetParam().paints);
    // A notch down raises both ends of the 0 ... 4 minute range by 7.2 seconds.
    const double shift = GetParam().notchesDown * 7.2 / 86400;
    EXPECT_NEAR(chart->LeftAxis.Minimum(), shift, 1e-12);
    EXPECT_NEAR(chart->LeftAxis.Maximum(), 1.0 / 360 + shift, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Wheel, WheelTurnsTest,
    ::testing::Values(WheelTurns{"OneNotchInEightParts", {15, 15, 15, 15, 15, 15, 15, 15}, -1, 1},
                      WheelTurns{"SevenEighthsOfANotch", {15, 15, 15, 15, 15, 15, 15}, 0, 0},
                      WheelTurns{"BackAndForth", {60, -30, 90}, -1, 1},
                      WheelTurns{"ThreeNotchesAtOnce", {-360}, 3, 1},
                      // What is left after whole notches counts towards the next.
                      WheelTurns{"ThreeNotchesInFourTurns", {-90, -90, -90, -90}, 3, 3},
                      WheelTurns{"AThousandNotchesAndAPartTurnedBack", {-120007, 7}, 1000, 1}),
    [](const ::testing::TestParamInfo<WheelTurns> &info) { return info.param.name; });
