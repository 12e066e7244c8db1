#include "ChartPen.h"

#include "StoreChanged.h"

namespace {
constexpr TColor GrayColor = 0x808080;
}

template <typename T> void TChartPen::Store(T &field, T value) {
    StoreChanged(field, value, [this] { Changed(); });
}

void TChartPen::Changed() {
    if (OnChange)
        OnChange();
}

void TChartPen::SetColor(TColor value) { Store(color, value); }
void TChartPen::SetWidth(int value) { Store(width, value); }
void TChartPen::SetStyle(TPenStyle value) { Store(style, value); }
void TChartPen::SetMode(TPenMode value) { Store(mode, value); }
void TChartPen::SetVisible(bool value) { Store(visible, value); }
void TChartPen::SetSmallDots(bool value) { Store(smallDots, value); }

void TChartPen::Assign(const TChartPen &other) {
    if (&other == this)
        return;
    const bool differs = color != other.color || width != other.width || style != other.style ||
                         mode != other.mode || visible != other.visible ||
                         smallDots != other.smallDots;
    color = other.color;
    width = other.width;
    style = other.style;
    mode = other.mode;
    visible = other.visible;
    smallDots = other.smallDots;
    if (differs)
        Changed();
}

TChartAxisPen::TChartAxisPen() : TChartPen(clBlack, 2, psSolid, true) {}

TDarkGrayPen::TDarkGrayPen() : TChartPen(GrayColor, 1, psSolid, true) {}

TDottedGrayPen::TDottedGrayPen() : TChartPen(GrayColor, 1, psDot, true) {}

TChartHiddenPen::TChartHiddenPen() : TChartPen(clBlack, 1, psSolid, false) {}
