// The main window on a screen that Qt scales by 2 (QT_SCALE_FACTOR=2 in this program's test
// environment): the fixed layout grows as a whole and the chart draws at the screen's pixels.
#include "Differences.h"
#include "GraphFixture.h"
#include "PlatformSkips.h"

namespace {

class ScaledWindowTest : public GraphTest {
protected:
    void SetUp() override {
        SKIP_ON_WINDOWS("Qt for Windows, run under Wine on the offscreen platform, keeps a device "
                        "pixel ratio of 1 with QT_SCALE_FACTOR=2");
        GraphTest::SetUp();
    }
};

} // namespace

TEST_F(ScaledWindowTest, TheWholeWindowScalesByTwo) {
    ASSERT_EQ(window.devicePixelRatioF(), 2.0) << "QT_SCALE_FACTOR=2 did not take effect";
    EXPECT_EQ(window.size(), QSize(1016, 594));
    const QPixmap shot = window.grab();
    EXPECT_EQ(shot.size(), QSize(2032, 1188));
    EXPECT_EQ(shot.devicePixelRatio(), 2.0);
}

TEST_F(ScaledWindowTest, TheChartShowsItsPictureAtTheScreensPixels) {
    const QImage shot = window.grab().toImage();
    const QImage *bitmap = chart->Canvas.Bitmap();
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->devicePixelRatio(), 2.0);
    EXPECT_EQ(bitmap->size(), chart->size() * 2);
    const QRect shown(chart->mapTo(&window, QPoint(0, 0)) * 2, bitmap->size());
    EXPECT_EQ(Differences(shot.copy(shown), *bitmap), 0);

    // Laid out in logical pixels as at ratio 1.
    const TRect plot = chart->PlotRect;
    QImage plain(chart->size(), QImage::Format_RGB32);
    chart->PaintTo(&plain, TRect{0, 0, chart->width(), chart->height()});
    EXPECT_EQ(chart->PlotRect, plot);
}

TEST_F(ScaledWindowTest, RepaintsCopyThePictureAndTheZoomFrameLeavesNoTrace) {
    const QImage before = chart->grab().toImage();
    const int fullPaints = chart->FullPaints;
    // The picture made at 2 stays the screen's: repaints and the frame only copy it.
    EXPECT_EQ(Differences(chart->grab().toImage(), before), 0);
    EXPECT_EQ(chart->FullPaints, fullPaints);
    QTest::mousePress(chart, Qt::LeftButton, {}, QPoint(150, 80));
    QTest::mouseMove(chart, QPoint(200, 120));
    EXPECT_GT(Differences(chart->grab().toImage(), before), 0);
    QTest::mouseMove(chart, QPoint(160, 90));
    QTest::mouseRelease(chart, Qt::LeftButton, {}, QPoint(160, 90));
    EXPECT_EQ(Differences(chart->grab().toImage(), before), 0);
    EXPECT_EQ(chart->FullPaints, fullPaints);
}
