#pragma once

#include "ColorValue.h"

#include <QFont>
#include <functional>

enum TPenStyle {
    psSolid,
    psDash,
    psDot,
    psDashDot,
    psDashDotDot,
    psClear,
    // Every other pixel: what a SmallDots pen becomes on the canvas.
    psAlternate,
};

enum TPenMode {
    pmCopy,
    // pixel := NOT(pixel XOR pen): drawing the same figure twice restores what was there.
    pmNotXor,
};

enum TBrushStyle { bsSolid, bsClear };

// The pen of a drawing surface, as the canvas holds it.
struct TCanvasPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;
    TPenMode Mode = pmCopy;
    bool operator==(const TCanvasPen &) const = default;
};

struct TCanvasBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

// The font of a drawing surface; text is written in Color.
struct TCanvasFont {
    QFont Font;
    TColor Color = clBlack;
};

// The pen of every chart object. A setter that changes a value calls OnChange, through which
// the owning chart repaints; writing the value a pen already has does nothing.
class TChartPen {
public:
    TChartPen() = default;
    virtual ~TChartPen() = default;
    TChartPen(const TChartPen &) = delete;
    TChartPen &operator=(const TChartPen &) = delete;

    TColor Color() const { return color; }
    int Width() const { return width; }
    TPenStyle Style() const { return style; }
    TPenMode Mode() const { return mode; }
    bool Visible() const { return visible; }
    bool SmallDots() const { return smallDots; }

    void SetColor(TColor value);
    void SetWidth(int value);
    void SetStyle(TPenStyle value);
    void SetMode(TPenMode value);
    void SetVisible(bool value);
    void SetSmallDots(bool value);

    // Takes over every value of the other pen (not its OnChange); notifies once if any differed.
    void Assign(const TChartPen &other);

    std::function<void()> OnChange;

protected:
    TChartPen(TColor color, int width, TPenStyle style, bool visible)
        : color(color), width(width), style(style), visible(visible) {}

private:
    template <typename T> void Store(T &field, T value);
    void Changed();

    TColor color = clBlack;
    int width = 1;
    TPenStyle style = psSolid;
    TPenMode mode = pmCopy;
    bool visible = true;
    bool smallDots = false;
};

// An axis line.
class TChartAxisPen : public TChartPen {
public:
    TChartAxisPen();
};

// Ticks.
class TDarkGrayPen : public TChartPen {
public:
    TDarkGrayPen();
};

// Grid lines.
class TDottedGrayPen : public TChartPen {
public:
    TDottedGrayPen();
};

// Lines that are off unless switched on, such as the minor grid.
class TChartHiddenPen : public TChartPen {
public:
    TChartHiddenPen();
};
