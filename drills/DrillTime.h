#pragma once

#include <QString>

// The text of a duration in days as "nn:ss.zzz": minutes, seconds and milliseconds; whole
// hours and days are not shown. A duration too large to count in milliseconds, or not a number,
// shows as zero.
QString FormatDrillTime(double duration);
