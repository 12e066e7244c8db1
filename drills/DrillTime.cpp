#include "DrillTime.h"

#include "TimeValue.h"

#include <cmath>

QString FormatDrillTime(double duration) {
    // nearbyint rounds halves to the even neighbour; fmod drops whole days exactly.
    double total = std::nearbyint(std::fabs(duration) * MillisecondsPerDay);
    if (!std::isfinite(total))
        total = 0;
    const auto t = static_cast<qint64>(std::fmod(total, MillisecondsPerDay));
    const qint64 minutes = t / 60'000 % 60;
    const qint64 seconds = t / 1'000 % 60;
    const qint64 milliseconds = t % 1'000;
    return QStringLiteral("%1:%2.%3")
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(seconds, 2, 10, QLatin1Char('0'))
        .arg(milliseconds, 3, 10, QLatin1Char('0'));
}
