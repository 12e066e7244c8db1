#pragma once

#include <QImage>

// How many pixels of two pictures differ (-1 when their sizes do), so that a failed comparison
// says how far apart they are.
inline int Differences(const QImage &a, const QImage &b) {
    if (a.size() != b.size())
        return -1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}
