// Axis settings far beyond any screen, or not numbers at all: the chart still paints a picture,
// the same every time, with its panel and title as ever.
#include "Chart.h"
#include "GraphLikeChart.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <vector>

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double Largest = std::numeric_limits<double>::max();

struct ExtremeSetting {
    const char *name;
    std::function<void(TChart &, TFastLineSeries &)> apply;
};

void PrintTo(const ExtremeSetting &setting, std::ostream *out) { *out << setting.name; }

class ExtremeSettingsTest : public GraphLikeChartTest,
                            public ::testing::WithParamInterface<ExtremeSetting> {
protected:
    void SetUp() override {
        GraphLikeChartTest::SetUp();
        for (int x = 1; x <= 5; ++x)
            series->AddPointXY(x, x * x, QString(), AutoColor);
    }

    // The title's text: the only blue the chart draws.
    static std::vector<QPoint> TitlePixels(const QImage &image) { return PixelsOf(image, clBlue); }
};

} // namespace

TEST_P(ExtremeSettingsTest, TheChartStillPaintsTheSamePictureAroundThem) {
    const QImage plain = Picture();
    ASSERT_FALSE(TitlePixels(plain).empty());
    GetParam().apply(chart, *series);
    const QImage extreme = Picture();
    EXPECT_EQ(Picture(), extreme);
    EXPECT_EQ(TitlePixels(extreme), TitlePixels(plain));
    for (const QPoint corner : {QPoint(0, 0), QPoint(560, 0), QPoint(0, 254), QPoint(560, 254)})
        EXPECT_EQ(extreme.pixel(corner), plain.pixel(corner));
}

INSTANTIATE_TEST_SUITE_P(
    Axes, ExtremeSettingsTest,
    ::testing::Values(ExtremeSetting{"EndFarBeyondThePlot",
                                     [](TChart &chart, TFastLineSeries &) {
                                         chart.BottomAxis.SetEndPosition(1e300);
                                         chart.LeftAxis.SetEndPosition(1e300);
                                     }},
                      ExtremeSetting{"StartFarBeforeThePlot",
                                     [](TChart &chart, TFastLineSeries &) {
                                         chart.BottomAxis.SetStartPosition(-1e300);
                                         chart.LeftAxis.SetStartPosition(-1e300);
                                     }},
                      ExtremeSetting{"PositionsThatAreNoNumbers",
                                     [](TChart &chart, TFastLineSeries &) {
                                         chart.BottomAxis.SetStartPosition(NotANumber);
                                         chart.BottomAxis.SetEndPosition(Infinity);
                                         chart.LeftAxis.SetStartPosition(-Infinity);
                                         chart.LeftAxis.SetEndPosition(NotANumber);
                                     }},
                      ExtremeSetting{"AxisLinesShiftedFarAway",
                                     [](TChart &chart, TFastLineSeries &) {
                                         chart.BottomAxis.PositionPercent = 1e300;
                                         chart.LeftAxis.PositionPercent = -Infinity;
                                     }},
                      ExtremeSetting{"HugeRanges",
                                     [](TChart &chart, TFastLineSeries &) {
                                         chart.BottomAxis.SetRange(-1e300, 1e300);
                                         chart.LeftAxis.SetRange(-Largest, Largest);
                                     }},
                      ExtremeSetting{"HugeRangeOnAnAxisFarBeyondThePlot",
                                     [](TChart &chart, TFastLineSeries &) {
                                         chart.BottomAxis.SetRange(-1e300, 1e300);
                                         chart.BottomAxis.SetStartPosition(-1e300);
                                         chart.BottomAxis.SetEndPosition(1e300);
                                         chart.BottomAxis.GridCentered = true;
                                         chart.BottomAxis.SetLabelsSeparation(0);
                                     }},
                      ExtremeSetting{
                          "PointLabelsSpacedBeyondAnyScreen",
                          [](TChart &chart, TFastLineSeries &series) {
                              series.ClearPoints();
                              for (int x = 1; x <= 5; ++x)
                                  series.AddPointXY(
                                      x, x * x, QStringLiteral("a label wider than fifty pixels"),
                                      AutoColor);
                              chart.BottomAxis.SetLabelsSeparation(std::numeric_limits<int>::max());
                          }},
                      ExtremeSetting{"NoMinorTicksAsked",
                                     [](TChart &chart, TFastLineSeries &) {
                                         chart.BottomAxis.MinorTickCount = -1;
                                     }}),
    [](const ::testing::TestParamInfo<ExtremeSetting> &info) { return info.param.name; });
