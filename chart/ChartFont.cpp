#include "ChartFont.h"

namespace {

// Points to pixels at 96 dots per inch, rounded to the nearest pixel.
int PointsToPixels(int points) { return (points * 96 + 36) / 72; }

} // namespace

TChartFont::TChartFont() : font(QStringLiteral("ＭＳ Ｐ明朝")) {
    font.setPixelSize(PointsToPixels(size));
}

void TChartFont::SetFont(const QFont &value) {
    if (value == font)
        return;
    font = value;
    Changed();
}

void TChartFont::SetColor(TColor value) {
    if (value == color)
        return;
    color = value;
    Changed();
}

void TChartFont::SetSize(int points) {
    if (points == size || points <= 0)
        return;
    size = points;
    font.setPixelSize(PointsToPixels(points));
    Changed();
}

void TChartFont::Changed() {
    if (OnChange)
        OnChange();
}
