#include "Chart.h"
#include "ValueFormat.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace {

constexpr double Second = 1.0 / 86400;
constexpr double Minute = 1.0 / 1440;
// Durations as one division each, as the step table holds them: 5 * Minute may differ from
// 5.0 / 1440 in the last bit.
constexpr double Seconds(int n) { return n / 86400.0; }
constexpr double Minutes(int n) { return n / 1440.0; }
constexpr double Inf = std::numeric_limits<double>::infinity();
const double NaN = std::numeric_limits<double>::quiet_NaN();

// An axis as the layout leaves it: a working range over a number of pixels.
void LayOut(TCustomChartAxis &axis, double min, double max, int pixels) {
    TAxisMap map = axis.Map();
    map.WorkMin = min;
    map.WorkMax = max;
    map.PixelStart = 0;
    map.PixelEnd = pixels;
    axis.SetMap(map);
}

// As the layout marks an axis that shows date-time values.
void ShowDateTimes(TCustomChartAxis &axis, bool on) {
    TAxisLayout layout = axis.Layout();
    layout.DateTimeActive = on;
    axis.SetLayout(layout);
}

double Date(int year, int month, int day) { return EncodeDate(year, month, day).value(); }

// The progress chart's left axis: durations, one-minute increment, no label separation.
void MakeDurationAxis(TCustomChartAxis &axis) {
    axis.SetIncrement(Minute);
    axis.SetLabelsSeparation(0);
    axis.SetExactDateTime(false);
    axis.SetRoundFirstLabel(false);
    axis.SetDateTimeFormat(QStringLiteral("nn:ss"));
    ShowDateTimes(axis, true);
}

} // namespace

// ---- Numeric steps --------------------------------------------------------------------------

TEST(NumericLabelSteps, BottomAxisWithTwoDrillsStepsByOne) {
    TChart chart;
    TChartAxis &axis = chart.BottomAxis;
    LayOut(axis, 1, 2, 500);
    // 7-pixel labels take 8 with the 10 % separation: room for round(62.5) = 62 labels.
    EXPECT_EQ(axis.CalcStepForSize(7), 1);
    // 63 intervals do not fit in 62 (halves round to even, and the separation counts).
    LayOut(axis, 0, 63, 500);
    EXPECT_EQ(axis.CalcStepForSize(7), 2);
    LayOut(axis, 0, 62, 500);
    EXPECT_EQ(axis.CalcStepForSize(7), 1);
}

TEST(NumericLabelSteps, SmallRangeClimbsTheOneTwoFiveSeriesFromTheSmallestStep) {
    TChart chart;
    TChartAxis &axis = chart.BottomAxis;
    LayOut(axis, 0, 0.5, 500);
    EXPECT_EQ(axis.CalcStepForCount(62), 0.01);
    EXPECT_EQ(axis.CalcStepForCount(1), 0.5);
}

TEST(NumericLabelSteps, IncrementIsALowerBoundThatGrowsUntilTheLabelsFit) {
    TChart chart;
    TChartAxis &axis = chart.BottomAxis;
    LayOut(axis, 0, 10, 500);
    axis.SetIncrement(0.3);
    EXPECT_EQ(axis.CalcStepForCount(100), 0.3);
    EXPECT_EQ(axis.CalcStepForCount(5), 2); // 0.3 → 0.5 → 1 → 2
}

TEST(NumericLabelSteps, WithoutSeparationTheStartingStepStays) {
    TChart chart;
    TChartAxis &axis = chart.BottomAxis;
    axis.SetLabelsSeparation(0);
    LayOut(axis, 0, 5000, 500);
    EXPECT_EQ(axis.CalcStepForCount(3), 1);
    LayOut(axis, 0, 0.5, 500);
    EXPECT_EQ(axis.CalcStepForCount(3), 1e-12);
}

TEST(NumericLabelSteps, DegenerateAndRoomlessAxesGetTheSmallestStep) {
    TChart chart;
    TChartAxis &axis = chart.BottomAxis;
    LayOut(axis, 7, 7, 500);
    EXPECT_EQ(axis.CalcStepForCount(10), 1e-12);
    LayOut(axis, 0, 100, 500);
    EXPECT_EQ(axis.CalcStepForCount(0), 1e-12);
    EXPECT_EQ(axis.CalcStepForCount(-3), 1e-12);
    // No label size: one label.
    EXPECT_EQ(axis.CalcStepForSize(0), 100);
    ShowDateTimes(axis, true);
    EXPECT_EQ(axis.CalcStepForCount(0), Second);
}

TEST(NumericLabelSteps, FittingEndsForExtremeRanges) {
    TChart chart;
    TChartAxis &axis = chart.BottomAxis;

    LayOut(axis, 0, 1e300, 500);
    double step = axis.CalcStepForCount(10);
    EXPECT_LE(1e300 / step, 10);
    EXPECT_GT(1e300 / step, 1);

    // A tiny increment on a huge range still climbs all the way.
    axis.SetIncrement(1e-300);
    EXPECT_EQ(axis.CalcStepForCount(10), step);
    axis.SetIncrement(0);

    // A single point far from zero with the smallest step.
    LayOut(axis, 1e6, 1e6, 500);
    EXPECT_EQ(axis.CalcStepForCount(62), 1e-12);

    // No finite step divides these: the search stops at the largest finite step, which leaves
    // too many labels for any to be drawn.
    for (const double max : {Inf, NaN}) {
        LayOut(axis, 0, max, 500);
        step = axis.CalcStepForCount(10);
        EXPECT_TRUE(std::isfinite(step)) << max;
        EXPECT_GT(step, 1e307) << max;
        EXPECT_FALSE(std::fabs(axis.WorkRange() / step) < 10000) << max;
    }

    // A reversed range fits at once.
    LayOut(axis, 10, -10, 500);
    EXPECT_EQ(axis.CalcStepForCount(5), 1);

    // A huge separation must not overflow the label size.
    LayOut(axis, 0, 100, 500);
    axis.SetLabelsSeparation(std::numeric_limits<int>::max());
    EXPECT_EQ(axis.CalcStepForSize(1000), 1e-12);
}

TEST(NextNiceStep, FollowsTheOneTwoFiveSeries) {
    const std::pair<double, double> cases[] = {
        {1, 2},         {2, 5},         {5, 10},    {0.07, 0.1},   {30, 50},   {0.3, 0.5},
        {7, 10},        {10, 20},       {1.5, 2},   {4.9, 5},      {9.99, 10}, {2e-5, 5e-5},
        {5e-12, 1e-11}, {1e-12, 2e-12}, {200, 500}, {1e300, 2e300}};
    for (const auto &[x, next] : cases)
        EXPECT_EQ(TCustomChartAxis::NextNiceStep(x), next) << x;
}

TEST(NextNiceStep, IsStrictlyIncreasingForEveryPositiveNumber) {
    std::mt19937_64 random(20240320);
    std::uniform_real_distribution<double> mantissa(1, 10);
    std::uniform_int_distribution<int> exponent(-300, 300);
    std::uniform_int_distribution<std::uint64_t> bits(1, 0x7FEF'FFFF'FFFF'FFFFull);
    for (int k = 0; k < 100'000; ++k) {
        const double decimal = mantissa(random) * std::pow(10.0, exponent(random));
        const double anyDouble = std::bit_cast<double>(bits(random)); // subnormals included
        for (const double x : {decimal, anyDouble})
            ASSERT_GT(TCustomChartAxis::NextNiceStep(x), x) << x;
    }
    for (const double x :
         {std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::min(),
          std::nextafter(2e-5, 0.0), std::nextafter(1.0, 2.0), std::numeric_limits<double>::max()})
        EXPECT_GT(TCustomChartAxis::NextNiceStep(x), x) << x;

    // From the smallest double to infinity in a bounded number of steps.
    double x = std::numeric_limits<double>::denorm_min();
    int steps = 0;
    while (std::isfinite(x) && steps < 5000) {
        x = TCustomChartAxis::NextNiceStep(x);
        ++steps;
    }
    EXPECT_TRUE(std::isinf(x));
    EXPECT_GT(steps, 1800); // three steps a decade, subnormals included
    EXPECT_LT(steps, 2100);
}

TEST(NextNiceStep, HasDefinedAnswersOutsideThePositiveNumbers) {
    EXPECT_EQ(TCustomChartAxis::NextNiceStep(0), 1e-12);
    EXPECT_EQ(TCustomChartAxis::NextNiceStep(-5), 1e-12);
    EXPECT_EQ(TCustomChartAxis::NextNiceStep(NaN), 1e-12);
    EXPECT_EQ(TCustomChartAxis::NextNiceStep(Inf), Inf);
}

// ---- Date-time steps ------------------------------------------------------------------------

TEST(DateTimeLabelSteps, FourMinuteDurationAxis) {
    TChart chart;
    TChartAxis &axis = chart.LeftAxis;
    MakeDurationAxis(axis);
    LayOut(axis, 0, Minutes(4), 300);
    EXPECT_EQ(axis.CalcStepForCount(17), Minute);
    EXPECT_EQ(axis.CalcStepForCount(3), Minutes(5));
    // Not an exact date-time axis: no table step for the drawing.
    EXPECT_EQ(axis.ChooseTableStep(Minute), 25);
}

TEST(DateTimeLabelSteps, WalkTheTableThenDoublePastAYear) {
    TChart chart;
    TChartAxis &axis = chart.BottomAxis;
    ShowDateTimes(axis, true);
    LayOut(axis, 0, 2, 500);
    EXPECT_EQ(axis.CalcStepForCount(10), 6.0 / 24); // 2 h gives 24 labels, 6 h gives 8
    // Below one second the increment is raised to one second.
    axis.SetIncrement(0.001 * Second);
    LayOut(axis, 0, Seconds(10), 500);
    EXPECT_EQ(axis.CalcStepForCount(100), Second);
    axis.SetIncrement(0);
    // Ten years in five labels: one year gives ten, two years five.
    LayOut(axis, 0, 3650, 500);
    EXPECT_EQ(axis.CalcStepForCount(5), 730);
    // 1000 days counted in seconds would be millions of labels: the search starts at a
    // millionth of the range and walks the table from there.
    LayOut(axis, 0, 1000, 500);
    EXPECT_EQ(axis.CalcStepForCount(10), 120);
    // A degenerate range still gets one second.
    LayOut(axis, 3, 3, 500);
    EXPECT_EQ(axis.CalcStepForCount(10), Second);
}

TEST(DateTimeLabelSteps, SearchEndsForExtremeRanges) {
    TChart chart;
    TChartAxis &axis = chart.BottomAxis;
    ShowDateTimes(axis, true);
    LayOut(axis, 0, 1e300, 500);
    const double step = axis.CalcStepForCount(10);
    EXPECT_LE(std::nearbyint(1e300 / step), 10);
    for (const double max : {Inf, NaN}) {
        LayOut(axis, 0, max, 500);
        EXPECT_GE(axis.CalcStepForCount(10), Second) << max;
    }
    LayOut(axis, 1e6, 1e6, 500);
    EXPECT_EQ(axis.CalcStepForCount(62), Second);
}

TEST(DateTimeStepTable, NextAndFindAndChoose) {
    using A = TCustomChartAxis;
    EXPECT_EQ(A::NextTableStep(Minute), Minutes(5));
    EXPECT_EQ(A::NextTableStep(Minutes(4)), Minutes(5));
    EXPECT_EQ(A::NextTableStep(200), 365);
    EXPECT_EQ(A::NextTableStep(Second), Seconds(5));
    EXPECT_EQ(A::NextTableStep(7), 15);
    EXPECT_EQ(A::NextTableStep(0.5 * Second), Second);

    EXPECT_EQ(A::FindTableStep(Minute), 5);
    EXPECT_EQ(A::FindTableStep(Minute + 0.9 * Second), 5);
    EXPECT_EQ(A::FindTableStep(Minute + 2 * Second), 25);
    EXPECT_EQ(A::FindTableStep(7), 17);
    EXPECT_EQ(A::FindTableStep(365), 24);
    EXPECT_EQ(A::FindTableStep(8), 25);
    EXPECT_EQ(A::FindTableStep(NaN), 25);

    TChart chart;
    TChartAxis &axis = chart.BottomAxis;
    ShowDateTimes(axis, true);
    axis.SetIncrement(1); // one day, index 14
    EXPECT_EQ(axis.ChooseTableStep(1), 14);
    EXPECT_EQ(axis.ChooseTableStep(10), 18); // up to the first step of at least 10 days
    EXPECT_EQ(axis.ChooseTableStep(5000), 24);
    axis.SetIncrement(8);
    EXPECT_EQ(axis.ChooseTableStep(10), 25);
    axis.SetIncrement(0);
    EXPECT_EQ(axis.ChooseTableStep(10), 25);
    axis.SetIncrement(1);
    axis.SetExactDateTime(false);
    EXPECT_EQ(axis.ChooseTableStep(10), 25);
    axis.SetExactDateTime(true);
    ShowDateTimes(axis, false);
    EXPECT_EQ(axis.ChooseTableStep(10), 25);
}

// ---- Stepping label values down -------------------------------------------------------------

TEST(StepValue, CalendarStepsGoByHalfMonthsMonthsAndYears) {
    TChart chart;
    TChartAxis &axis = chart.BottomAxis;
    ShowDateTimes(axis, true);

    double v = Date(2024, 3, 20) + 0.75; // the time of day is dropped
    const double halfMonths[] = {Date(2024, 3, 15), Date(2024, 3, 1),  Date(2024, 2, 15),
                                 Date(2024, 2, 1),  Date(2024, 1, 15), Date(2024, 1, 1),
                                 Date(2023, 12, 15)};
    for (const double expected : halfMonths) {
        v = axis.StepValue(v, 18, 15);
        EXPECT_EQ(v, expected);
    }

    EXPECT_EQ(axis.StepValue(Date(2024, 2, 1), 21, 90), Date(2023, 11, 1));
    EXPECT_EQ(axis.StepValue(Date(2024, 3, 17), 19, 30), Date(2024, 2, 1));
    EXPECT_EQ(axis.StepValue(Date(2024, 1, 1), 19, 30), Date(2023, 12, 1));
    EXPECT_EQ(axis.StepValue(Date(2024, 3, 1), 20, 60), Date(2024, 1, 1));
    EXPECT_EQ(axis.StepValue(Date(2024, 4, 1), 22, 120), Date(2023, 12, 1));
    // n equal to the month goes into the previous year.
    EXPECT_EQ(axis.StepValue(Date(2024, 6, 1), 23, 182), Date(2023, 12, 1));
    EXPECT_EQ(axis.StepValue(Date(2024, 7, 1), 23, 182), Date(2024, 1, 1));

    EXPECT_EQ(axis.StepValue(Date(2024, 1, 1), 24, 365), Date(2023, 1, 1));
    EXPECT_EQ(axis.StepValue(Date(2024, 5, 20) + 0.5, 24, 365), Date(2023, 5, 20));
    EXPECT_EQ(axis.StepValue(Date(2024, 2, 29), 24, 365), Date(2023, 2, 28));
}

TEST(StepValue, OtherwiseSubtractsTheStep) {
    TChart chart;
    TChartAxis &axis = chart.BottomAxis;
    ShowDateTimes(axis, true);
    const double v = Date(2024, 3, 20);
    EXPECT_EQ(axis.StepValue(v, 17, 7), v - 7);
    EXPECT_EQ(axis.StepValue(v, 25, 2.5), v - 2.5);
    axis.SetExactDateTime(false);
    EXPECT_EQ(axis.StepValue(v, 19, 30), v - 30);
    axis.SetExactDateTime(true);
    ShowDateTimes(axis, false);
    EXPECT_EQ(axis.StepValue(v, 19, 30), v - 30);
}

TEST(StepValue, DatesOutsideTheCalendarFallBackAndEveryWalkEnds) {
    TChart chart;
    TChartAxis &axis = chart.BottomAxis;
    ShowDateTimes(axis, true);
    EXPECT_EQ(axis.StepValue(1e300, 19, 30), 1e300 - 30);
    EXPECT_EQ(axis.StepValue(-1e300, 24, 365), -1e300 - 365);
    EXPECT_TRUE(std::isnan(axis.StepValue(NaN, 18, 15)));
    EXPECT_EQ(axis.StepValue(Inf, 18, 15), Inf);
    // Before the year 1 there is no month to go back to.
    const double first = Date(1, 1, 1);
    EXPECT_EQ(axis.StepValue(first, 19, 30), first - 30);

    // From the last day of the year 9999 past the year 1, every step goes down.
    for (int i = 18; i <= 24; ++i) {
        const double step = TCustomChartAxis::DateTimeStepTable[std::size_t(i)];
        double v = Date(9999, 12, 31) + 0.5;
        long rounds = 0;
        while (v > first - 1000 && rounds < 400'000) {
            const double next = axis.StepValue(v, i, step);
            ASSERT_LT(next, v) << i << " " << v;
            v = next;
            ++rounds;
        }
        EXPECT_LT(v, first - 1000) << i;
    }
}

TEST(RoundDateDown, SnapsTheFirstLabelToTheCalendar) {
    using A = TCustomChartAxis;
    const double v = Date(2024, 3, 20) + 0.4;
    EXPECT_EQ(A::RoundDateDown(14, v), Date(2024, 3, 20));
    EXPECT_EQ(A::RoundDateDown(17, v), Date(2024, 3, 20));
    EXPECT_EQ(A::RoundDateDown(18, v), Date(2024, 3, 15));
    EXPECT_EQ(A::RoundDateDown(18, Date(2024, 3, 14)), Date(2024, 3, 1));
    EXPECT_EQ(A::RoundDateDown(18, Date(2024, 3, 15)), Date(2024, 3, 15));
    for (int i = 19; i <= 23; ++i)
        EXPECT_EQ(A::RoundDateDown(i, v), Date(2024, 3, 1)) << i;
    EXPECT_EQ(A::RoundDateDown(24, v), Date(2024, 1, 1));

    // Up to 1900-01-01 nothing changes.
    EXPECT_EQ(A::RoundDateDown(24, 2), 2);
    EXPECT_EQ(A::RoundDateDown(14, 1.5), 1.5);
    EXPECT_EQ(A::RoundDateDown(14, 2.5), 2);
    EXPECT_EQ(A::RoundDateDown(24, -400.5), -400.5);
    EXPECT_EQ(A::RoundDateDown(24, 1e300), 1e300);
    EXPECT_TRUE(std::isnan(A::RoundDateDown(24, NaN)));
}

// ---- Label texts and sizes ------------------------------------------------------------------

TEST(LabelText, NumbersUseTheAxisValueFormat) {
    TChart chart;
    TChartAxis &axis = chart.BottomAxis;
    EXPECT_EQ(axis.LabelText(1234.5), "1,234.5");
    EXPECT_EQ(axis.LabelText(3), "3");
    EXPECT_EQ(axis.LabelText(0), "0");
    // Rounded to three decimals, halves away from zero.
    EXPECT_EQ(axis.LabelText(0.0005), "0.001");
    EXPECT_EQ(axis.LabelText(0.0004), "0");
    EXPECT_EQ(axis.LabelText(999.9996), "1,000");
    EXPECT_EQ(axis.LabelText(0.1 + 0.2), "0.3");
    EXPECT_EQ(axis.LabelText(-1234567.891), "-1,234,567.891");
    EXPECT_EQ(axis.LabelText(-0.0001), "0");
    EXPECT_EQ(axis.LabelText(1e6), "1,000,000");
    EXPECT_EQ(axis.LabelText(NaN), "");
    EXPECT_EQ(axis.LabelText(Inf), "");
    EXPECT_EQ(axis.LabelText(-Inf), "");
    EXPECT_EQ(axis.LabelText(1e300), "1e+300");
}

TEST(LabelText, NumberPatterns) {
    EXPECT_EQ(FormatNumber("0.00", 3), "3.00");
    EXPECT_EQ(FormatNumber("0.0#", 3.456), "3.46");
    EXPECT_EQ(FormatNumber("000", 5), "005");
    EXPECT_EQ(FormatNumber("#.##", 0.5), ".5");
    EXPECT_EQ(FormatNumber("#", 12345), "12345");
    EXPECT_EQ(FormatNumber("0,000", 1234567), "1,234,567");
    EXPECT_EQ(FormatNumber("$#,##0 'pts'", 1234), "$1,234 pts");
    EXPECT_EQ(FormatNumber("0.0;(0.0)", -2.25), "(2.3)");
    EXPECT_EQ(FormatNumber("0.0;(0.0)", 2.25), "2.3");
    EXPECT_EQ(FormatNumber("0;-0;'zero'", 0.2), "zero");
    EXPECT_EQ(FormatNumber("'a;b' 0", 7), "a;b 7");
    EXPECT_EQ(FormatNumber("", 1234.5), "1234.5");
    EXPECT_EQ(FormatNumber("0.000", 0.9999), "1.000");
}

TEST(LabelText, DateTimeValues) {
    TChart chart;
    TChartAxis &axis = chart.LeftAxis;
    MakeDurationAxis(axis);
    EXPECT_EQ(axis.LabelText(Seconds(65)), "01:05");
    EXPECT_EQ(axis.LabelText(Minutes(4)), "04:00");
    EXPECT_EQ(axis.LabelText(59.9996 * Second), "01:00"); // whole milliseconds first
    EXPECT_EQ(axis.LabelText(1.0 / 24 + Seconds(5)), "00:05");
    EXPECT_EQ(axis.LabelText(-Second), "");
    EXPECT_EQ(axis.LabelText(NaN), "");
    EXPECT_EQ(axis.LabelText(1e300), "");

    // Without a format: the date over more than a day, else the time of day.
    axis.SetDateTimeFormat(QString());
    const double v = Date(2024, 3, 20) + 0.25;
    LayOut(axis, v - 10, v, 300);
    EXPECT_EQ(axis.LabelText(v), "2024/03/20");
    LayOut(axis, v - 1, v, 300);
    EXPECT_EQ(axis.LabelText(v), "6:00:00");
}

TEST(LabelText, DateTimePatterns) {
    const double v = Date(2024, 3, 6) + (13 * 3600 + 5 * 60 + 9.042) / 86400;
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd hh:nn:ss.zzz", v), "2024/03/06 13:05:09.042");
    EXPECT_EQ(FormatDateTime("y/m/d h:n:s.z", v), "24/3/6 13:5:9.42");
    EXPECT_EQ(FormatDateTime("hh:mm", v), "13:05");
    EXPECT_EQ(FormatDateTime("mm/dd", v), "03/06");
    EXPECT_EQ(FormatDateTime("h:mm AM/PM", v), "1:05 PM");
    EXPECT_EQ(FormatDateTime("h a/p", v - 0.5), "1 a");
    EXPECT_EQ(FormatDateTime("h am/pm", Date(2024, 3, 6)), "12 am");
    EXPECT_EQ(FormatDateTime("mmm ddd dddd", v), "3月 水 水曜日");
    EXPECT_EQ(FormatDateTime("'d:' d \"m\"", v), "d: 6 m");
    // Day 0, and a negative value: the day before, with the time counted from midnight.
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd hh:nn", 0), "1899/12/30 00:00");
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd hh:nn", -1.25), "1899/12/29 06:00");
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd", 2), "1900/01/01");
    // Rounding into the next day moves the date.
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd hh", Date(2024, 2, 29) - 1e-10), "2024/02/29 00");
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd", Date(9999, 12, 31) + 0.5), "9999/12/31");
    EXPECT_EQ(FormatDateTime("yyyy", Date(10000 - 1, 12, 31) + 1), "");
    EXPECT_EQ(FormatDateTime("yyyy", Inf), "");
}

TEST(LabelText, MultiLineLabelsBreakAtBlanks) {
    TChart chart;
    TChartAxis &axis = chart.BottomAxis;
    axis.SetAxisValuesFormat(QStringLiteral("0 'drills'"));
    axis.LabelsMultiLine = true;
    EXPECT_EQ(axis.LabelText(3), "3\rdrills");
}

TEST(LabelBox, MeasuresAlongAndAcrossByAngle) {
    TChart chart;
    TChartAxis &axis = chart.BottomAxis;
    chart.UseFont(axis.LabelsFont);
    const int h = chart.Canvas.CharHeight();
    ASSERT_GT(h, 0);
    const int w = chart.TextBlockWidth(QStringLiteral("1,234.5")).first;
    ASSERT_GT(w, h);
    EXPECT_EQ(axis.LabelBoxWidth(1234.5), w);
    EXPECT_EQ(axis.LabelBoxHeight(1234.5), h);
    axis.SetLabelsAngle(90);
    EXPECT_EQ(axis.LabelBoxWidth(1234.5), h);
    EXPECT_EQ(axis.LabelBoxHeight(1234.5), w);
    axis.SetLabelsAngle(45);
    EXPECT_EQ(axis.LabelBoxWidth(1234.5), w);
    EXPECT_EQ(axis.LabelBoxHeight(1234.5), w);

    axis.SetLabelsAngle(0);
    axis.SetAxisValuesFormat(QStringLiteral("0 'drills'"));
    axis.LabelsMultiLine = true;
    EXPECT_EQ(axis.LabelBoxHeight(3), 2 * h);
    EXPECT_EQ(axis.LabelBoxWidth(3), chart.TextBlockWidth(QStringLiteral("drills")).first);
}

TEST(LabelBox, VerticalAxisStepsByLabelHeight) {
    TChart chart;
    TChartAxis &axis = chart.LeftAxis;
    chart.UseFont(axis.LabelsFont);
    LayOut(axis, 0, 1e9, 300);
    const int height = axis.LabelBoxHeight(1e9);
    const int width = axis.LabelBoxWidth(1e9);
    ASSERT_NE(axis.CalcStepForSize(height), axis.CalcStepForSize(width));
    EXPECT_EQ(axis.CalcLabelStep(), axis.CalcStepForSize(height));
}

// ---- Which axes show time values ------------------------------------------------------------

TEST(HasDateTimeValues, ProgressChartShowsDurationsOnTheLeftOnly) {
    TChart chart;
    EXPECT_FALSE(chart.LeftAxis.HasDateTimeValues());
    TFastLineSeries *series = chart.AddFastLineSeries();
    series->YValues.SetDateTime(true);
    EXPECT_FALSE(chart.BottomAxis.HasDateTimeValues());
    EXPECT_TRUE(chart.LeftAxis.HasDateTimeValues());
    EXPECT_FALSE(chart.RightAxis.HasDateTimeValues());
    series->AddPointXY(1, Minutes(2), QString(), AutoColor);
    EXPECT_TRUE(chart.LeftAxis.HasDateTimeValues());
}

TEST(HasDateTimeValues, FirstActiveSeriesOnTheAxisDecides) {
    TChart chart;
    TFastLineSeries *first = chart.AddFastLineSeries();
    TFastLineSeries *second = chart.AddFastLineSeries();
    first->XValues.SetDateTime(true);
    EXPECT_TRUE(chart.BottomAxis.HasDateTimeValues());
    first->SetActive(false);
    EXPECT_FALSE(chart.BottomAxis.HasDateTimeValues());
    second->XValues.SetDateTime(true);
    second->SetHorizAxis(aTopAxis);
    EXPECT_FALSE(chart.BottomAxis.HasDateTimeValues());
    EXPECT_TRUE(chart.TopAxis.HasDateTimeValues());
}
