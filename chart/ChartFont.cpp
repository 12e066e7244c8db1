#include "ChartFont.h"

#include "StoreChanged.h"

namespace {

// Points to pixels at 96 dots per inch, rounded to the nearest pixel.
int PointsToPixels(int points) { return (points * 96 + 36) / 72; }

} // namespace

TChartFont::TChartFont() : font(QStringLiteral("ＭＳ Ｐ明朝")) {
    font.setPixelSize(PointsToPixels(size));
}

void TChartFont::SetFont(const QFont &value) {
    StoreChanged(font, value, [this] { Changed(); });
}

void TChartFont::SetColor(TColor value) {
    StoreChanged(color, value, [this] { Changed(); });
}

void TChartFont::SetSize(int points) {
    if (points <= 0)
        return;
    StoreChanged(size, points, [this] {
        font.setPixelSize(PointsToPixels(size));
        Changed();
    });
}

void TChartFont::Changed() {
    if (OnChange)
        OnChange();
}
