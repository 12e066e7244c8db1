#include "TextMeasurer.h"

#include <QStringList>
#include <algorithm>

TTextMeasurer::TTextMeasurer(const QFont &font, const QPaintDevice *device)
    : texts(std::make_shared<TFontTexts>(font, device)) {}

std::pair<int, int> TTextMeasurer::BlockWidth(const QString &text) const {
    if (!text.contains(QLatin1Char('\r')))
        return {Width(text), 1};
    QStringList lines = text.split(QLatin1Char('\r'));
    if (lines.size() > 1 && lines.back().isEmpty())
        lines.removeLast();
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, Width(line));
    return {widest, int(lines.size())};
}
