#pragma once

#include "TextCache.h"

#include <QString>
#include <memory>
#include <utility>

class QFont;
class QPaintDevice;

// Measures text in one font as the canvas writes it on a device: the same pixels whatever the
// canvas's own state, so that laying out needs no canvas.
class TTextMeasurer {
public:
    // Measures with what the canvas already knows of the font's texts.
    explicit TTextMeasurer(std::shared_ptr<TFontTexts> texts) : texts(std::move(texts)) {}
    TTextMeasurer(const QFont &font, const QPaintDevice *device);

    int Width(const QString &text) const { return texts->Width(text); }
    // The height of a line, the same for every text.
    int Height() const { return texts->Metrics().height(); }
    // The width of the widest line of a text whose lines are separated by "\r", and the
    // number of lines.
    std::pair<int, int> BlockWidth(const QString &text) const;

private:
    std::shared_ptr<TFontTexts> texts;
};
