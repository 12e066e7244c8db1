#pragma once

#include <QColor>

// The colours the program gives judged answers and the drills' verdicts.
inline const QColor RightColour(0, 255, 0); // lime green
inline const QColor WrongColour(255, 0, 0);
inline const QColor UnjudgedColour(255, 255, 255); // an answer field before its check
