#include "TextMeasurer.h"

#include <QStringList>
#include <algorithm>

QFont TTextMeasurer::PaintFont(const QFont &font) {
    QFont paintFont = font;
    paintFont.setStyleStrategy(
        QFont::StyleStrategy(paintFont.styleStrategy() | QFont::NoAntialias));
    return paintFont;
}

QFontMetrics TTextMeasurer::MetricsOn(const QFont &paintFont, const QPaintDevice *device) {
    return device ? QFontMetrics(paintFont, device) : QFontMetrics(paintFont);
}

TTextMeasurer::TTextMeasurer(const QFont &font, const QPaintDevice *device)
    : metrics(MetricsOn(PaintFont(font), device)) {}

std::pair<int, int> TTextMeasurer::BlockWidth(const QString &text) const {
    QStringList lines = text.split(QLatin1Char('\r'));
    if (lines.size() > 1 && lines.back().isEmpty())
        lines.removeLast();
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, Width(line));
    return {widest, int(lines.size())};
}
