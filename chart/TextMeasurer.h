#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <utility>

class QPaintDevice;

// Measures text in one font as the canvas writes it on a device: the same pixels whatever the
// canvas's own state, so that laying out needs no canvas.
class TTextMeasurer {
public:
    // The font as the canvas writes text with it: without smoothing.
    static QFont PaintFont(const QFont &font);
    static QFontMetrics MetricsOn(const QFont &paintFont, const QPaintDevice *device);

    TTextMeasurer(const QFont &font, const QPaintDevice *device);

    int Width(const QString &text) const { return metrics.horizontalAdvance(text); }
    // The height of a line, the same for every text.
    int Height() const { return metrics.height(); }
    // The width of the widest line of a text whose lines are separated by "\r", and the
    // number of lines.
    std::pair<int, int> BlockWidth(const QString &text) const;

private:
    QFontMetrics metrics;
};
