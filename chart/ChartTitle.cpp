#include "ChartTitle.h"

#include "ChartPanel.h"

void TChartBrush::Changed() {
    if (OnChange)
        OnChange();
}

void TChartBrush::SetColor(TColor value) {
    StoreChanged(color, value, [this] { Changed(); });
}

void TChartBrush::SetStyle(TBrushStyle value) {
    StoreChanged(style, value, [this] { Changed(); });
}

TChartFontObject::TChartFontObject(TCustomChartPanel *panel) : ParentChart(panel) {
    Font.OnChange = [this] { Invalidate(); };
}

void TChartFontObject::Invalidate() {
    if (ParentChart)
        ParentChart->Invalidate();
}

TChartTitle::TChartTitle(TCustomChartPanel *panel) : TChartFontObject(panel) {
    Font.SetColor(clBlue);
    Frame.SetVisible(false);
    Brush.OnChange = [this] { Invalidate(); };
    Frame.OnChange = [this] { Invalidate(); };
}

TChartWall::TChartWall(TCustomChartPanel *panel) : ParentChart(panel) {
    Brush.SetStyle(bsClear);
    const auto invalidate = [this] {
        if (ParentChart)
            ParentChart->Invalidate();
    };
    Brush.OnChange = invalidate;
    Pen.OnChange = invalidate;
}

void TChartWall::SetColor(TColor value) {
    StoreChanged(color, value, [this] {
        if (ParentChart)
            ParentChart->Invalidate();
    });
}

void TChartLegend::SetVisible(bool value) {
    StoreChanged(visible, value, [this] {
        if (ParentChart)
            ParentChart->Invalidate();
    });
}
