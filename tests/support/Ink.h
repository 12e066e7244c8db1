#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

// How many pixels of the area have exactly the colour: the cores of a text's strokes, or of a
// filled area, in the colour it is drawn with.
inline int CountOf(const QImage &image, const QRect &area, const QColor &colour) {
    const QRgb wanted = colour.rgb();
    int count = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += image.pixel(x, y) == wanted;
    return count;
}
