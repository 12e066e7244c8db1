#include "ValueFormat.h"

#include "DecimalText.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

// ---- Calendar -------------------------------------------------------------------------------

// Days from 1970-01-01 in the proleptic Gregorian calendar (H. Hinnant's civil algorithms).
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

TCalendarDate CivilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int d = int(doy - (153 * mp + 2) / 5 + 1);
    const int m = int(mp < 10 ? mp + 3 : mp - 9);
    return {int(yoe + era * 400 + (m <= 2 ? 1 : 0)), m, d};
}

// Day 0 of the time values is 1899-12-30.
constexpr std::int64_t EpochFromUnix = 25569;
// 0001-01-01 and 9999-12-31 as day numbers of time values.
constexpr std::int64_t FirstDay = -693593;
constexpr std::int64_t LastDay = 2958465;
constexpr double MillisecondsPerDay = 86400000.0;

// The day number of a time value (its whole part, truncated toward zero) when it lies in the
// years 1 ... 9999.
std::optional<std::int64_t> DayOf(double value) {
    const double day = std::trunc(value);
    if (!(day >= double(FirstDay) && day <= double(LastDay)))
        return std::nullopt;
    return std::int64_t(day);
}

struct TDateTimeParts {
    TCalendarDate Date;
    int WeekDay; // 0 = Sunday
    int Hour;
    int Minute;
    int Second;
    int Millisecond;
};

std::optional<TDateTimeParts> DecodeDateTime(double value) {
    std::optional<std::int64_t> day = DayOf(value);
    if (!day)
        return std::nullopt;
    auto ms =
        std::int64_t(std::nearbyint(std::fabs(value - std::trunc(value)) * MillisecondsPerDay));
    if (ms >= std::int64_t(MillisecondsPerDay)) {
        // Rounded up to the next midnight, which is a day later on the calendar.
        ms -= std::int64_t(MillisecondsPerDay);
        if (++*day > LastDay)
            return std::nullopt;
    }
    TDateTimeParts parts{};
    parts.Date = CivilFromDays(*day - EpochFromUnix);
    // Day 0 was a Saturday.
    parts.WeekDay = int(((*day + 6) % 7 + 7) % 7);
    parts.Hour = int(ms / 3'600'000);
    parts.Minute = int(ms / 60'000 % 60);
    parts.Second = int(ms / 1'000 % 60);
    parts.Millisecond = int(ms % 1'000);
    return parts;
}

// ---- Numbers --------------------------------------------------------------------------------

// A non-negative number as decimal digits without leading or trailing zeros:
// value = 0.Digits × 10^Point. Zero has no digits.
struct TDecimal {
    std::string Digits;
    int Point = 0;
};

TDecimal ToDecimal(double magnitude) {
    // Fifteen significant digits, the precision a double keeps through a decimal round trip.
    const std::string text = ScientificText(magnitude, 14);
    TDecimal result;
    if (text.empty())
        return result;
    const std::size_t e = text.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            result.Digits += text[i];
    result.Point = std::stoi(text.substr(e + 1)) + 1;
    while (!result.Digits.empty() && result.Digits.back() == '0')
        result.Digits.pop_back();
    if (result.Digits.empty())
        result.Point = 0;
    return result;
}

// Rounds to the given number of decimals, halves away from zero.
void RoundDecimal(TDecimal &number, int decimals) {
    const long long keep = static_cast<long long>(number.Point) + decimals;
    if (keep >= static_cast<long long>(number.Digits.size()))
        return;
    const bool up = keep >= 0 && number.Digits[std::size_t(keep)] >= '5';
    number.Digits.resize(keep > 0 ? std::size_t(keep) : 0);
    if (up) {
        std::size_t i = number.Digits.size();
        while (i > 0 && number.Digits[i - 1] == '9')
            number.Digits[--i] = '0';
        if (i == 0) {
            // Only nines (or nothing) were kept: the number becomes the next power of ten.
            number.Digits.assign(1, '1');
            ++number.Point;
        } else {
            ++number.Digits[i - 1];
        }
    }
    while (!number.Digits.empty() && number.Digits.back() == '0')
        number.Digits.pop_back();
    if (number.Digits.empty())
        number.Point = 0;
}

using TPart = TNumberFormat::TPart;
using TElement = TNumberFormat::TElement;

// Splits a pattern at the semicolons outside quoted text.
QStringList Sections(const QString &pattern) {
    QStringList sections{QString()};
    QChar quote;
    for (const QChar c : pattern) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char(';')) {
            sections.append(QString());
            continue;
        }
        sections.back().append(c);
    }
    return sections;
}

std::vector<TElement> ParseSection(const QString &section) {
    std::vector<TElement> elements;
    const auto addText = [&elements](const QString &text) {
        if (!elements.empty() && elements.back().Kind == TPart::Text)
            elements.back().Text += text;
        else
            elements.push_back({TPart::Text, text});
    };
    bool seenPoint = false;
    for (qsizetype i = 0; i < section.size(); ++i) {
        const QChar c = section[i];
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            qsizetype close = section.indexOf(c, i + 1);
            if (close < 0)
                close = section.size();
            addText(section.mid(i + 1, close - i - 1));
            i = close;
        } else if (c == QLatin1Char('0')) {
            elements.push_back({TPart::Zero, {}});
        } else if (c == QLatin1Char('#')) {
            elements.push_back({TPart::Hash, {}});
        } else if (c == QLatin1Char('.')) {
            // Only the first point counts; later ones are dropped.
            if (!seenPoint)
                elements.push_back({TPart::Point, {}});
            seenPoint = true;
        } else if (c == QLatin1Char(',')) {
            elements.push_back({TPart::Comma, {}});
        } else {
            addText(QString(c));
        }
    }
    return elements;
}

bool IsDigit(TPart kind) { return kind == TPart::Zero || kind == TPart::Hash; }

QString GeneralNumber(double value) { return QString::number(value, 'g', 15); }

// ---- Date-time patterns ---------------------------------------------------------------------

QString Padded(int value, int width) {
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

bool StartsWithAt(const QString &text, qsizetype at, QLatin1StringView what) {
    return QStringView(text).mid(at, what.size()).compare(what, Qt::CaseInsensitive) == 0;
}

} // namespace

TNumberFormat::TNumberFormat(const QString &pattern) : pattern(pattern) {
    if (!pattern.isEmpty())
        for (const QString &section : Sections(pattern))
            sections.emplace_back(section);
}

TNumberFormat::TSection::TSection(const QString &text)
    : Present(!text.isEmpty()), Elements(ParseSection(text)) {
    int firstIntZero = -1, lastFracZero = -1;
    bool afterPoint = false;
    for (const TElement &e : Elements) {
        if (e.Kind == TPart::Point) {
            afterPoint = true;
        } else if (e.Kind == TPart::Comma) {
            Grouping = Grouping || !afterPoint;
        } else if (IsDigit(e.Kind) && !afterPoint) {
            if (e.Kind == TPart::Zero && firstIntZero < 0)
                firstIntZero = IntPlaces;
            ++IntPlaces;
        } else if (IsDigit(e.Kind)) {
            if (e.Kind == TPart::Zero)
                lastFracZero = FracPlaces;
            ++FracPlaces;
        }
    }
    MinInt = firstIntZero < 0 ? 0 : IntPlaces - firstIntZero;
    MinFrac = lastFracZero + 1;
}

QString TNumberFormat::TSection::Format(double magnitude, bool &isZero) const {
    const int intPlaces = IntPlaces, fracPlaces = FracPlaces, minInt = MinInt, minFrac = MinFrac;
    const bool grouping = Grouping;
    const std::vector<TElement> &elements = Elements;

    TDecimal number = ToDecimal(magnitude);
    RoundDecimal(number, fracPlaces);
    isZero = number.Digits.empty();
    const auto digitAt = [&number](long long place) {
        return place >= 0 && place < static_cast<long long>(number.Digits.size())
                   ? number.Digits[std::size_t(place)]
                   : '0';
    };

    std::string whole;
    for (int k = 0; k < number.Point; ++k)
        whole += digitAt(k);
    if (int(whole.size()) < minInt)
        whole.insert(0, std::size_t(minInt) - whole.size(), '0');
    std::string fraction;
    for (int j = 0; j < fracPlaces; ++j)
        fraction += digitAt(static_cast<long long>(number.Point) + j);
    while (int(fraction.size()) > minFrac && fraction.back() == '0')
        fraction.pop_back();

    QString out;
    out.reserve(qsizetype(whole.size() + whole.size() / 3 + fraction.size()) + 2);
    const int wholeLength = int(whole.size());
    const auto putWholeDigits = [&](int from, int to) {
        for (int j = std::max(from, 0); j < to; ++j) {
            out += QLatin1Char(whole[std::size_t(j)]);
            const int remaining = wholeLength - 1 - j;
            if (grouping && remaining > 0 && remaining % 3 == 0)
                out += QLatin1Char(',');
        }
    };
    // The integer placeholders take one digit each, counted from the right; the leftmost one
    // also takes every digit beyond them.
    int intIndex = 0, fracIndex = 0;
    bool wholeDone = false;
    bool afterPoint = false;
    for (const TElement &e : elements) {
        if (e.Kind == TPart::Text) {
            out += e.Text;
        } else if (e.Kind == TPart::Point) {
            if (!wholeDone)
                putWholeDigits(0, wholeLength);
            wholeDone = true;
            afterPoint = true;
            if (!fraction.empty())
                out += QLatin1Char('.');
        } else if (IsDigit(e.Kind) && !afterPoint) {
            const int end = wholeLength - (intPlaces - 1 - intIndex);
            putWholeDigits(intIndex == 0 ? 0 : end - 1, end);
            wholeDone = wholeDone || intIndex == intPlaces - 1;
            ++intIndex;
        } else if (IsDigit(e.Kind)) {
            if (fracIndex < int(fraction.size()))
                out += QLatin1Char(fraction[std::size_t(fracIndex)]);
            ++fracIndex;
        }
    }
    if (!wholeDone)
        putWholeDigits(0, wholeLength);
    return out;
}

QString TNumberFormat::Format(double value) const {
    if (!std::isfinite(value))
        return {};
    if (pattern.isEmpty() || std::fabs(value) >= 1e18)
        return GeneralNumber(value);
    const bool negative = value < 0;
    const bool ownNegative = negative && sections.size() >= 2 && sections[1].Present;
    bool isZero = false;
    QString text = sections[ownNegative ? 1 : 0].Format(std::fabs(value), isZero);
    if (isZero && sections.size() >= 3 && sections[2].Present)
        return sections[2].Format(0.0, isZero);
    if (negative && !ownNegative && !isZero)
        text.prepend(QLatin1Char('-'));
    return text;
}

QString FormatNumber(const QString &pattern, double value) {
    return TNumberFormat(pattern).Format(value);
}

QString FormatDateTime(const QString &pattern, double value) {
    if (!std::isfinite(value))
        return {};
    const std::optional<TDateTimeParts> parts = DecodeDateTime(value);
    if (!parts)
        return {};
    const bool twelveHour = pattern.contains(QLatin1StringView("am/pm"), Qt::CaseInsensitive) ||
                            pattern.contains(QLatin1StringView("a/p"), Qt::CaseInsensitive);
    static const std::array<const char16_t *, 7> weekDays{u"日", u"月", u"火", u"水",
                                                          u"木", u"金", u"土"};
    QString out;
    bool afterHour = false;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        const char letter = char(c.toLower().toLatin1());
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            qsizetype close = pattern.indexOf(c, i + 1);
            if (close < 0)
                close = pattern.size();
            out += pattern.mid(i + 1, close - i - 1);
            i = close + 1;
            continue;
        }
        if (letter == 'a') {
            const bool pm = parts->Hour >= 12;
            if (StartsWithAt(pattern, i, QLatin1StringView("am/pm"))) {
                out += pattern.mid(pm ? i + 3 : i, 2);
                i += 5;
                afterHour = false;
                continue;
            }
            if (StartsWithAt(pattern, i, QLatin1StringView("a/p"))) {
                out += pattern.mid(pm ? i + 2 : i, 1);
                i += 3;
                afterHour = false;
                continue;
            }
        }
        if (letter == 0 || std::string_view("ymdhnsz").find(letter) == std::string_view::npos) {
            out += c;
            ++i;
            continue;
        }
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern[i + run].toLower() == c.toLower())
            ++run;
        i += run;
        const TCalendarDate &date = parts->Date;
        switch (letter) {
        case 'y':
            out += run <= 2 ? Padded(date.Year % 100, 2) : Padded(date.Year, 4);
            break;
        case 'm':
            if (afterHour && run <= 2)
                out += Padded(parts->Minute, int(run));
            else if (run <= 2)
                out += Padded(date.Month, int(run));
            else
                out += QString::number(date.Month) + QStringLiteral("月");
            break;
        case 'd':
            if (run <= 2)
                out += Padded(date.Day, int(run));
            else if (run == 3)
                out += QString::fromUtf16(weekDays[std::size_t(parts->WeekDay)]);
            else
                out += QString::fromUtf16(weekDays[std::size_t(parts->WeekDay)]) +
                       QStringLiteral("曜日");
            break;
        case 'h': {
            int hour = parts->Hour;
            if (twelveHour)
                hour = hour % 12 == 0 ? 12 : hour % 12;
            out += Padded(hour, run >= 2 ? 2 : 1);
            break;
        }
        case 'n':
            out += Padded(parts->Minute, run >= 2 ? 2 : 1);
            break;
        case 's':
            out += Padded(parts->Second, run >= 2 ? 2 : 1);
            break;
        default: // 'z'
            out += Padded(parts->Millisecond, run >= 3 ? 3 : 1);
            break;
        }
        afterHour = letter == 'h';
    }
    return out;
}

QString ShortDateFormat() { return QStringLiteral("yyyy/mm/dd"); }

QString ShortTimeFormat() { return QStringLiteral("h:nn:ss"); }

std::optional<TCalendarDate> DecodeDate(double value) {
    const std::optional<std::int64_t> day = DayOf(value);
    if (!day)
        return std::nullopt;
    return CivilFromDays(*day - EpochFromUnix);
}

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[std::size_t(month - 1)];
}

std::optional<double> EncodeDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month))
        return std::nullopt;
    return double(DaysFromCivil(year, month, day) + EpochFromUnix);
}
