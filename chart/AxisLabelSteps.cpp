// How an axis chooses the step between its labels and writes their texts.
#include "AxisPanel.h"
#include "ChartAxis.h"
#include "ChartSeries.h"
#include "DecimalText.h"
#include "PixelRounding.h"
#include "TextMeasurer.h"
#include "ValueFormat.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace {

constexpr double Second = 1.0 / 86400;
// The smallest step of a numeric axis.
constexpr double SmallestStep = 1e-12;
// Index of the one-year step, the last of the table; one past it means "no table step".
constexpr int YearStep = 24;
constexpr int NoTableStep = 25;
// The numeric step at least doubles every round, so going from the smallest positive double
// to the largest finite one takes fewer rounds than this; the bound is only a safety net.
constexpr int MaxStepRounds = 4096;

// The label count a step gives: round(range / step) as a double, so that nothing overflows.
double LabelCount(double range, double step) { return std::nearbyint(range / step); }

} // namespace

// Each entry is one correctly rounded division, so that 5.0 / 1440 finds the five minutes.
const std::array<double, 25> TCustomChartAxis::DateTimeStepTable{
    // 1, 5, 10, 15, 30 seconds; 1, 5, 10, 15, 30 minutes; 1, 2, 6, 12 hours
    1.0 / 86400, 5.0 / 86400, 10.0 / 86400, 15.0 / 86400, 30.0 / 86400, 1.0 / 1440, 5.0 / 1440,
    10.0 / 1440, 15.0 / 1440, 30.0 / 1440, 1.0 / 24, 2.0 / 24, 0.25, 0.5,
    // 1, 2, 3 days, a week; the calendar steps: half a month, 1, 2, 3, 4, 6 months, a year
    1, 2, 3, 7, 15, 30, 60, 90, 120, 182, 365};

bool TCustomChartAxis::HasDateTimeValues() const {
    if (!ParentChart)
        return false;
    for (const TChartSeries *series : ParentChart->SeriesList())
        if (series->Active() && series->FeedsAxis(this))
            return IsHorizontal ? series->XValues.DateTime() : series->YValues.DateTime();
    return false;
}

QString TCustomChartAxis::LabelText(double value) const {
    if (!std::isfinite(value))
        return {};
    QString text;
    if (!layout.DateTimeActive) {
        text = numberFormat.Format(value);
    } else if (value >= 0) {
        QString pattern = dateTimeFormat;
        if (pattern.isEmpty())
            pattern = WorkRange() > 1 ? ShortDateFormat() : ShortTimeFormat();
        text = FormatDateTime(pattern, value);
    }
    if (LabelsMultiLine)
        text.replace(QLatin1Char(' '), QLatin1Char('\r'));
    return text;
}

int TCustomChartAxis::LabelBoxWidth(double value) const {
    if (!ParentChart)
        return 0;
    const TTextMeasurer measurer = LabelsMeasurer();
    const auto [width, lines] = measurer.BlockWidth(LabelText(value));
    if (labelsAngle == 90 || labelsAngle == 270)
        return measurer.Height() * lines;
    return width;
}

int TCustomChartAxis::LabelBoxHeight(double value) const {
    if (!ParentChart)
        return 0;
    const TTextMeasurer measurer = LabelsMeasurer();
    const auto [width, lines] = measurer.BlockWidth(LabelText(value));
    if (labelsAngle == 0 || labelsAngle == 180)
        return measurer.Height() * lines;
    return width;
}

double TCustomChartAxis::CalcLabelStep() const {
    const int size = IsHorizontal ? std::max(LabelBoxWidth(WorkMax()), LabelBoxWidth(WorkMin()))
                                  : std::max(LabelBoxHeight(WorkMax()), LabelBoxHeight(WorkMin()));
    return CalcStepForSize(size);
}

double TCustomChartAxis::CalcStepForSize(int size) const {
    int maxLabels = 1;
    if (size > 0) {
        double room = size;
        if (labelsSeparation > 0)
            room += std::nearbyint(labelsSeparation * 0.01 * size);
        maxLabels = RoundPixels(PixelSize() / room);
    }
    return CalcStepForCount(maxLabels);
}

double TCustomChartAxis::CalcStepForCount(int maxLabels) const {
    if (maxLabels <= 0)
        return layout.DateTimeActive ? DateTimeStepTable[0] : SmallestStep;
    if (layout.DateTimeActive)
        return CalcDateTimeStep(maxLabels);
    double step = increment > 0 ? increment : std::fabs(WorkRange()) >= 1 ? 1.0 : SmallestStep;
    if (labelsSeparation > 0) {
        // A desired increment is only a lower bound: it grows through the 1-2-5 series until
        // the labels fit. A range no finite step can divide (infinite, or not a number) stops
        // at the largest finite step, which leaves too many labels to draw any.
        double n = double(maxLabels) + 1;
        for (int rounds = 0; n > maxLabels && rounds < MaxStepRounds; ++rounds) {
            const double q = WorkRange() / step;
            if (std::fabs(q) < 2147483647.0) {
                n = std::nearbyint(q);
                if (n <= maxLabels)
                    break;
            }
            const double next = NextNiceStep(step);
            if (!std::isfinite(next))
                break;
            step = next;
        }
    }
    return std::max(step, SmallestStep);
}

// Works on the shortest decimal form of x, whose leading digit and exponent are exact, so
// that 2e-5 steps to 5e-5 even though neither is exact in binary. The next value is read back
// by correctly rounded conversion, which keeps it above x; nextafter only guards that.
// Outside the positive finite numbers: x <= 0 or NaN gives the smallest numeric step 1e-12,
// +inf gives +inf.
double TCustomChartAxis::NextNiceStep(double x) {
    if (!(x > 0))
        return SmallestStep;
    if (std::isinf(x))
        return x;
    const std::string text = ScientificText(x);
    if (text.empty())
        return std::nextafter(x, std::numeric_limits<double>::infinity());
    const int exponent = std::stoi(text.substr(text.find('e') + 1));
    const char lead = text[0];
    // Mantissa 1.x gives 2, 2 ... 4.x gives 5, 5 and above gives 10.
    const std::string next = lead == '1'   ? "2e" + std::to_string(exponent)
                             : lead <= '4' ? "5e" + std::to_string(exponent)
                                           : "1e" + std::to_string(exponent + 1);
    // Out of range (beyond the largest double) leaves the result infinite.
    double result = ReadDecimal(next).value_or(std::numeric_limits<double>::infinity());
    if (!(result > x))
        result = std::nextafter(x, std::numeric_limits<double>::infinity());
    return result;
}

double TCustomChartAxis::CalcDateTimeStep(int maxLabels) const {
    double d = increment > DateTimeStepTable[0] ? increment : DateTimeStepTable[0];
    if (d > 0 && maxLabels > 0) {
        if (WorkRange() / d > 1000000)
            d = WorkRange() / 1000000;
        // The table has 25 entries and past it the step doubles, so this ends quickly; the
        // bound and the stop at an infinite step (an infinite range) only make sure of it.
        for (int rounds = 0;
             rounds < MaxStepRounds && std::isfinite(d) && maxLabels < LabelCount(WorkRange(), d);
             ++rounds)
            d = d >= DateTimeStepTable[YearStep] ? 2 * d : NextTableStep(d);
    }
    return std::max(d, DateTimeStepTable[0]);
}

// Below one second no entry is <= x; the smallest step is the next one then.
double TCustomChartAxis::NextTableStep(double x) {
    for (int i = YearStep - 1; i >= 0; --i)
        if (DateTimeStepTable[std::size_t(i)] <= x)
            return DateTimeStepTable[std::size_t(i) + 1];
    return DateTimeStepTable[0];
}

int TCustomChartAxis::FindTableStep(double x) {
    for (int i = YearStep; i >= 0; --i)
        if (std::fabs(DateTimeStepTable[std::size_t(i)] - x) < Second)
            return i;
    return NoTableStep;
}

int TCustomChartAxis::ChooseTableStep(double step) const {
    if (!(layout.DateTimeActive && exactDateTime && increment != 0))
        return NoTableStep;
    int i = FindTableStep(increment);
    if (i == NoTableStep)
        return i;
    while (step > DateTimeStepTable[std::size_t(i)] && i != YearStep)
        ++i;
    return i;
}

namespace {

// The first day of the month n months before the given one, or nothing before the year 1.
std::optional<double> MonthsBack(const TCalendarDate &date, int n, int day) {
    int year = date.Year;
    int month = date.Month;
    if (n >= month) {
        --year;
        month += 12 - n;
    } else {
        month -= n;
    }
    return EncodeDate(year, month, day);
}

} // namespace

// Calendar steps work in the years 1 ... 9999; a value outside them, or a step that would
// leave them, falls back to value - step.
double TCustomChartAxis::StepValue(double value, int i, double step) const {
    if (!(exactDateTime && layout.DateTimeActive && i > 17 && i <= YearStep))
        return value - step;
    const std::optional<TCalendarDate> date = DecodeDate(value);
    if (!date)
        return value - step;
    std::optional<double> result;
    switch (i) {
    case 18:
        if (date->Day > 15)
            result = EncodeDate(date->Year, date->Month, 15);
        else if (date->Day >= 2)
            result = EncodeDate(date->Year, date->Month, 1);
        else
            result = MonthsBack(*date, 1, 15);
        break;
    case 19:
        result = MonthsBack(*date, 1, 1);
        break;
    case 20:
        result = MonthsBack(*date, 2, 1);
        break;
    case 21:
        result = MonthsBack(*date, 3, 1);
        break;
    case 22:
        result = MonthsBack(*date, 4, 1);
        break;
    case 23:
        result = MonthsBack(*date, 6, 1);
        break;
    default: {
        // One year back; 29 February becomes 28 February in a common year.
        const int year = date->Year - 1;
        result = EncodeDate(year, date->Month, std::min(date->Day, DaysInMonth(year, date->Month)));
        break;
    }
    }
    return result ? *result : value - step;
}

// Values up to 1900-01-01 stay as they are, and so do values that are not dates of the years
// 1 ... 9999 and indexes outside the day and calendar steps 14 ... 24.
double TCustomChartAxis::RoundDateDown(int i, double value) {
    if (value <= 2 || i < 14 || i > YearStep)
        return value;
    const std::optional<TCalendarDate> date = DecodeDate(value);
    if (!date)
        return value;
    int month = date->Month;
    int day = date->Day;
    if (i == 18)
        day = day < 15 ? 1 : 15;
    else if (i >= 19)
        day = 1;
    if (i == YearStep)
        month = 1;
    return EncodeDate(date->Year, month, day).value_or(value);
}
