#include "ChartTitle.h"

#include "ChartPanel.h"

void TChartBrush::SetColor(TColor value) {
    if (value == color)
        return;
    color = value;
    if (OnChange)
        OnChange();
}

void TChartBrush::SetStyle(TBrushStyle value) {
    if (value == style)
        return;
    style = value;
    if (OnChange)
        OnChange();
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
    if (value == color)
        return;
    color = value;
    if (ParentChart)
        ParentChart->Invalidate();
}

void TChartLegend::SetVisible(bool value) {
    if (value == visible)
        return;
    visible = value;
    if (ParentChart)
        ParentChart->Invalidate();
}
