#pragma once

#include <QPoint>
#include <QRect>

class QPainter;
class QString;

// Whether an angle in degrees is a quarter, half or three-quarter turn.
bool IsQuarterTurn(int angle);

// Writes the text as `out` writes it upright with its baseline starting at `baseline`, then
// turns it counter-clockwise by `angle`, whole quarter turns, about `reference`. `box` holds
// every pixel the upright text may set, relative to `baseline`. All in logical pixels.
void WriteTurnedText(QPainter &out, QPoint reference, QPoint baseline, const QRect &box, int angle,
                     const QString &text);
