// Random charts, ranges and settings: every paint must finish, whatever the values.
#include "Chart.h"

#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace {

double RandomValue(std::mt19937_64 &random) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    switch (random() % 10) {
    case 0:
        return std::numeric_limits<double>::quiet_NaN();
    case 1:
        return random() % 2 ? inf : -inf;
    case 2:
        return std::ldexp(double(random() % 1000) - 500, int(random() % 2000) - 1000);
    case 3:
        return 1e6 + double(random() % 3) * 1e-12;
    default:
        return std::uniform_real_distribution<double>(-1e4, 1e5)(random);
    }
}

void Randomize(TChartAxis &axis, std::mt19937_64 &random) {
    if (random() % 2)
        axis.SetRange(RandomValue(random), RandomValue(random));
    else
        axis.SetAutomatic(true);
    const double increment = RandomValue(random);
    if (increment >= 0 && !std::isinf(increment))
        axis.SetIncrement(random() % 3 ? 0 : increment);
    axis.SetLabelsSeparation(int(random() % 60));
    const int angles[] = {0, 90, 180, 270, int(random() % 360)};
    axis.SetLabelsAngle(angles[random() % 5]);
    axis.Title.SetAngle(angles[random() % 5]);
    axis.Title.SetCaption(random() % 2 ? QStringLiteral("title\rline") : QString());
    axis.SetExactDateTime(random() % 2);
    axis.SetRoundFirstLabel(random() % 2);
    axis.SetInverted(random() % 4 == 0);
    axis.SetLabelsOnAxis(random() % 2);
    axis.SetLabels(random() % 5 != 0);
    axis.TickOnLabelsOnly = random() % 2;
    axis.GridCentered = random() % 3 == 0;
    axis.MinorTickCount = int(random() % 6);
    axis.MinorGrid.SetVisible(random() % 4 == 0);
    axis.SetDateTimeFormat(random() % 2 ? QStringLiteral("nn:ss") : QString());
    axis.SetStartPosition(random() % 5 ? 0 : double(random() % 50));
    axis.SetEndPosition(random() % 5 ? 100 : double(50 + random() % 60));
    axis.PositionPercent = random() % 5 ? 0 : double(random() % 30);
}

} // namespace

TEST(NeverHang, RandomChartsPaintToTheEnd) {
    std::mt19937_64 random(20261207);
    for (int round = 0; round < 400; ++round) {
        TChart chart;
        chart.SetView3D(false);
        chart.resize(1 + int(random() % 1200), 1 + int(random() % 700));
        TFastLineSeries *series = chart.AddFastLineSeries();
        series->XValues.SetDateTime(random() % 3 == 0);
        series->YValues.SetDateTime(random() % 2);
        const int points = int(random() % 40);
        for (int i = 0; i < points; ++i)
            series->AddPointXY(RandomValue(random), RandomValue(random),
                               random() % 4 ? QString() : QStringLiteral("label %1").arg(i),
                               AutoColor);
        for (TChartAxis *axis :
             {&chart.BottomAxis, &chart.LeftAxis, &chart.TopAxis, &chart.RightAxis})
            Randomize(*axis, random);
        series->SetHorizAxis(THorizAxis(random() % 3));
        series->SetVertAxis(TVertAxis(random() % 3));
        chart.grab();
        for (const TChartAxis *axis : {&chart.BottomAxis, &chart.LeftAxis})
            ASSERT_LE(axis->TickPositions().size(), TCustomChartAxis::MaxTickPositions);
    }
}

TEST(NeverHang, DegenerateRangeFarFromZero) {
    TChart chart;
    chart.SetView3D(false);
    chart.resize(561, 255);
    TFastLineSeries *series = chart.AddFastLineSeries();
    series->AddPointXY(1e6, 1e6, QString(), AutoColor);
    chart.grab();
    EXPECT_EQ(chart.BottomAxis.WorkRange(), 0);
    EXPECT_EQ(chart.BottomAxis.TickPositions().size(), 1u);
}

TEST(NeverHang, HugeRangeWithoutSeparation) {
    TChart chart;
    chart.SetView3D(false);
    chart.resize(561, 255);
    TFastLineSeries *series = chart.AddFastLineSeries();
    series->AddPointXY(-1e300, 0, QString(), AutoColor);
    series->AddPointXY(1e300, 1, QString(), AutoColor);
    chart.BottomAxis.SetLabelsSeparation(0);
    chart.grab();
    EXPECT_TRUE(chart.BottomAxis.TickPositions().empty());
}
