#pragma once

// Texts of numbers and time values as the chart's labels show them, and the calendar of time
// values.
//
// Time values count days since 1899-12-30 00:00; the time of day is the fraction. A negative
// value names a day before that (its whole part, truncated toward zero), and its fraction
// still counts forward from that day's midnight: -1.25 is 1899-12-29 06:00.
//
// The program is written for Japanese users, so the texts follow the Japanese conventions
// whatever the machine's locale is: "," groups thousands, "." is the decimal point, the short
// date is "yyyy/mm/dd" and the short time "h:nn:ss". A label therefore reads the same on every
// machine.

#include <QString>
#include <optional>
#include <vector>

// A number through a pattern made of:
//   0  a digit that is always shown      #  a digit shown only when it counts
//   .  the decimal point (the first one)  ,  anywhere before the point: group by thousands
//   "text" or 'text'  literal text       ;  separates the patterns for positive, negative and
//                                           zero values
// Any other character is copied. The number is rounded to as many decimals as the pattern has
// digits after the point, halves away from zero, starting from its 15 significant digits (so
// 0.0005 gives "0.001" with "#,##0.###"). Without a pattern for negative values a minus sign
// leads the text, unless the number rounds to zero. An empty pattern, and numbers of 1e18 and
// above, which grouped digits would not make readable, give 15 significant digits in general
// notation. A value that is not a finite number gives the empty text.
QString FormatNumber(const QString &pattern, double value);

// A number pattern read once, for the many numbers of a chart's labels.
class TNumberFormat {
public:
    explicit TNumberFormat(const QString &pattern = {});
    // As FormatNumber with the pattern.
    QString Format(double value) const;

    enum class TPart { Zero, Hash, Point, Comma, Text };
    struct TElement {
        TPart Kind;
        QString Text;
    };

private:
    struct TSection {
        explicit TSection(const QString &text);
        // Formats a magnitude; tells whether it rounded to zero.
        QString Format(double magnitude, bool &isZero) const;

        bool Present; // written in the pattern, not left empty
        std::vector<TElement> Elements;
        int IntPlaces = 0;
        int FracPlaces = 0;
        int MinInt = 0;
        int MinFrac = 0;
        bool Grouping = false;
    };

    QString pattern;
    std::vector<TSection> sections;
};

// A time value through a pattern of (letters in either case):
//   yy, y  two-digit year    yyyy  four-digit year
//   m, mm  month (minutes right after h or hh)      mmm, mmmm  month name ("3月")
//   d, dd  day               ddd  weekday ("水")    dddd  weekday ("水曜日")
//   h, hh  hour              n, nn  minutes         s, ss  seconds
//   z  milliseconds          zzz  milliseconds in three digits
//   am/pm, a/p  the half of the day as written; either makes the hours count 1 ... 12
//   "text" or 'text'  literal text; any other character is copied
// The time is rounded to whole milliseconds. Values that are not finite or lie outside the
// years 1 ... 9999 give the empty text.
QString FormatDateTime(const QString &pattern, double value);

// The formats of a time value when no pattern is given.
QString ShortDateFormat();
QString ShortTimeFormat();

struct TCalendarDate {
    int Year;
    int Month;
    int Day;
};

// The calendar date of a time value's day, for the years 1 ... 9999; nothing otherwise.
std::optional<TCalendarDate> DecodeDate(double value);
// The time value of midnight of a date in the years 1 ... 9999; nothing for other or invalid
// dates.
std::optional<double> EncodeDate(int year, int month, int day);
int DaysInMonth(int year, int month);
