// The run painter of the merged line drawing.
#include "RunPainter.h"

#include "LineWalk.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace {

// Whether a one-pixel segment lies wholly beyond one side of the area (Right and Bottom
// excluded). Every pixel of such a segment lies within the box its two ends span, so it
// would set nothing there.
bool Outside(const TRect &area, int x0, int y0, int x1, int y1) {
    return std::max(x0, x1) < area.Left || std::min(x0, x1) >= area.Right ||
           std::max(y0, y1) < area.Top || std::min(y0, y1) >= area.Bottom;
}

using TOpenRun = TRunMemory::TOpenRun;
using TColumnEvent = TRunMemory::TColumnEvent;

} // namespace

TRunPainter::TRunPainter(TChartCanvas3D &canvas, const TRect &area, TRunMemory &bits)
    : canvas(canvas), area(area), bits(bits) {
    pixels = canvas.PixelsToSet(writable, pixelsPerLine);
    writable &= QRect(QPoint(area.Left, area.Top), QSize(area.Width(), area.Height()));
    colour = ToQColor(canvas.Pen().Color).rgb();
    if (pixels)
        return;
    const std::int64_t width = std::max(0, area.Width());
    const std::int64_t height = std::max(0, area.Height());
    gathered = width * height <= MostGatheredPixels;
    if (gathered) {
        wordsPerRow = int((width + 63) / 64);
        bits.Words.assign(std::size_t(wordsPerRow * height), 0);
        bits.Events.clear();
    }
}

void TRunPainter::Segment(int x0, int y0, int x1, int y1) {
    if (Outside(area, x0, y0, x1, y1) || (x0 == x1 && y0 == y1))
        return;
    const std::int64_t dx = std::int64_t(x1) - x0;
    const std::int64_t dy = std::int64_t(y1) - y0;
    if (dx == 0) {
        Vertical(x0, dy > 0 ? y0 : y1 + std::int64_t(1), dy > 0 ? y1 - std::int64_t(1) : y0);
        return;
    }
    if (dy == 0) {
        Horizontal(y0, dx > 0 ? x0 : x1 + std::int64_t(1), dx > 0 ? x1 - std::int64_t(1) : x0);
        return;
    }
    const std::int64_t length = std::max(std::abs(dx), std::abs(dy));
    if (length < (std::int64_t(1) << 29))
        Sloped<std::int64_t>(x0, y0, dx, dy);
    else
        Sloped<__int128>(x0, y0, dx, dy);
}

void TRunPainter::Vertical(int x, std::int64_t top, std::int64_t bottom) {
    top = std::max<std::int64_t>(top, area.Top);
    bottom = std::min<std::int64_t>(bottom, area.Bottom - 1);
    if (x < area.Left || x >= area.Right || top > bottom)
        return;
    if (pixels) {
        if (x < writable.left() || x > writable.right())
            return;
        const std::int64_t to = std::min<std::int64_t>(bottom, writable.bottom());
        for (std::int64_t row = std::max<std::int64_t>(top, writable.top()); row <= to; ++row)
            pixels[row * pixelsPerLine + x] = colour;
        return;
    }
    if (!gathered) {
        canvas.DrawLine(x, int(top), x, int(bottom) + 1);
        return;
    }
    const int column = x - area.Left;
    bits.Events.push_back({int(top - area.Top), column, 1});
    bits.Events.push_back({int(bottom - area.Top) + 1, column, -1});
}

void TRunPainter::Finish() {
    if (!gathered || bits.Words.empty())
        return;
    const int height = area.Height();
    const std::size_t words = std::size_t(wordsPerRow);
    // The vertical runs, sorted by the row they start or end on.
    bits.RowStarts.assign(std::size_t(height) + 2, 0);
    for (const TColumnEvent &event : bits.Events)
        ++bits.RowStarts[std::size_t(event.Row) + 1];
    for (std::size_t row = 1; row < bits.RowStarts.size(); ++row)
        bits.RowStarts[row] += bits.RowStarts[row - 1];
    bits.Sorted.resize(bits.Events.size());
    {
        std::vector<int> &at = bits.Depth; // borrowed as the write positions
        at.assign(bits.RowStarts.begin(), bits.RowStarts.end());
        for (const TColumnEvent &event : bits.Events)
            bits.Sorted[std::size_t(at[std::size_t(event.Row)]++)] = event;
    }
    bits.Depth.assign(std::size_t(area.Width()), 0);
    bits.Active.assign(words, 0);
    bits.Row.assign(words, 0);
    bits.Previous.assign(words, 0);

    TCanvasBrush &brush = canvas.Brush();
    const TCanvasBrush saved = brush;
    brush.Color = canvas.Pen().Color;
    brush.Style = bsSolid;
    std::vector<TOpenRun> &open = bits.Open;
    std::vector<TOpenRun> &next = bits.Next;
    open.clear();
    for (int row = 0; row <= height; ++row) {
        for (int k = bits.RowStarts[std::size_t(row)]; k < bits.RowStarts[std::size_t(row) + 1];
             ++k) {
            const TColumnEvent &event = bits.Sorted[std::size_t(k)];
            int &depth = bits.Depth[std::size_t(event.Column)];
            depth += event.Change;
            const std::uint64_t bit = std::uint64_t(1) << (event.Column % 64);
            std::uint64_t &word = bits.Active[std::size_t(event.Column / 64)];
            word = depth > 0 ? word | bit : word & ~bit;
        }
        if (row < height) {
            const std::uint64_t *horizontal = &bits.Words[std::size_t(row) * words];
            for (std::size_t w = 0; w < words; ++w)
                bits.Row[w] = bits.Active[w] | horizontal[w];
            // A row like the one above continues every rectangle.
            if (row > 0 && bits.Row == bits.Previous)
                continue;
        }
        next.clear();
        std::size_t k = 0;
        const auto take = [&](int left, int right) {
            while (k < open.size() && open[k].Left < left)
                Fill(open[k++], row);
            if (k < open.size() && open[k].Left == left && open[k].Right == right)
                next.push_back(open[k++]);
            else
                next.push_back({left, right, row});
        };
        if (row < height)
            RunsOf(bits.Row.data(), take);
        while (k < open.size())
            Fill(open[k++], row);
        open.swap(next);
        bits.Previous.swap(bits.Row);
    }
    brush = saved;
}

template <typename W> void TRunPainter::Sloped(int x0, int y0, std::int64_t dx, std::int64_t dy) {
    const TLineWalk walk(x0, y0, dx, dy);
    const auto [alongX, length, span, major0, minor0, majorStep, minorStep] = walk;
    const std::int64_t minorLow = alongX ? area.Top : area.Left;
    const std::int64_t minorHigh = (alongX ? area.Bottom : area.Right) - 1;

    // The steps inside the area along the longer axis.
    std::int64_t first = 0;
    std::int64_t last = length - 1;
    walk.KeepMajor(alongX ? area.Left : area.Top, (alongX ? area.Right : area.Bottom) - 1, first,
                   last);
    if (first > last)
        return;
    // The offset across of step i, and the first step with offset m or more.
    const auto offsetOf = [span = span, length = length](std::int64_t i) {
        return std::int64_t((W(2) * i * span + length) / (W(2) * length));
    };
    const auto firstStepOf = [span = span, length = length](std::int64_t m) {
        if (m <= 0)
            return std::int64_t(0);
        const W numerator = (W(2) * m - 1) * length;
        const W denominator = W(2) * span;
        return std::int64_t((numerator + denominator - 1) / denominator);
    };
    std::int64_t mFirst = offsetOf(first);
    std::int64_t mLast = offsetOf(last);
    mFirst = std::max(mFirst, walk.LowestOffset(minorLow, minorHigh));
    mLast = std::min(mLast, walk.HighestOffset(minorLow, minorHigh));
    if (mFirst > mLast)
        return;
    // Nearly diagonal lines have runs of a pixel or two: the canvas draws those as fast.
    const std::int64_t runs = mLast - mFirst + 1;
    if (runs > 8 && runs * 4 > last - first + 1) {
        canvas.DrawLine(x0, y0, int(x0 + dx), int(y0 + dy));
        return;
    }
    std::int64_t start = std::max(first, firstStepOf(mFirst));
    for (std::int64_t m = mFirst; m <= mLast; ++m) {
        const std::int64_t next = firstStepOf(m + 1);
        const std::int64_t end = std::min(last, next - 1);
        if (start <= end) {
            const std::int64_t minor = minor0 + minorStep * m;
            const std::int64_t a = major0 + majorStep * start;
            const std::int64_t b = major0 + majorStep * end;
            if (alongX)
                Horizontal(int(minor), std::min(a, b), std::max(a, b));
            else
                Vertical(int(minor), std::min(a, b), std::max(a, b));
        }
        start = std::max(first, next);
    }
}

void TRunPainter::Horizontal(int y, std::int64_t left, std::int64_t right) {
    left = std::max<std::int64_t>(left, area.Left);
    right = std::min<std::int64_t>(right, area.Right - 1);
    if (y < area.Top || y >= area.Bottom || left > right)
        return;
    if (pixels) {
        const std::int64_t from = std::max<std::int64_t>(left, writable.left());
        const std::int64_t to = std::min<std::int64_t>(right, writable.right());
        if (y >= writable.top() && y <= writable.bottom() && from <= to)
            std::fill_n(pixels + y * pixelsPerLine + from, to - from + 1, colour);
        return;
    }
    if (!gathered) {
        canvas.DrawLine(int(left), y, int(right) + 1, y);
        return;
    }
    std::uint64_t *row = &bits.Words[std::size_t(y - area.Top) * std::size_t(wordsPerRow)];
    const std::int64_t first = left - area.Left;
    const std::int64_t last = right - area.Left;
    for (std::int64_t w = first / 64; w <= last / 64; ++w) {
        const int from = w == first / 64 ? int(first % 64) : 0;
        const int to = w == last / 64 ? int(last % 64) : 63;
        const std::uint64_t upTo =
            to == 63 ? ~std::uint64_t(0) : (std::uint64_t(1) << (to + 1)) - 1;
        row[w] |= upTo & ~((std::uint64_t(1) << from) - 1);
    }
}

template <typename Take> void TRunPainter::RunsOf(const std::uint64_t *words, Take &&take) const {
    int w = 0;
    int bit = 0;
    const auto nextSet = [&] {
        for (; w < wordsPerRow; ++w, bit = 0) {
            const std::uint64_t rest = words[w] & (~std::uint64_t(0) << bit);
            if (rest) {
                bit = std::countr_zero(rest);
                return true;
            }
        }
        return false;
    };
    const auto nextClear = [&] {
        for (; w < wordsPerRow; ++w, bit = 0) {
            const std::uint64_t rest = ~words[w] & (~std::uint64_t(0) << bit);
            if (rest) {
                bit = std::countr_zero(rest);
                return;
            }
        }
    };
    while (nextSet()) {
        const int left = w * 64 + bit;
        nextClear();
        const int right = std::min(w * 64 + bit, area.Width()) - 1;
        take(area.Left + left, area.Left + right);
        if (w >= wordsPerRow)
            return;
    }
}

void TRunPainter::Fill(const TOpenRun &run, int endRow) {
    canvas.FillArea(TRect{run.Left, area.Top + run.Top, run.Right + 1, area.Top + endRow});
}
