#include "Chart.h"

TChart::TChart(QWidget *parent) : TCustomChart(parent) { SetRepaintEnabled(true); }

TChart::~TChart() {
    BeginDestroying();
    ownedSeries.clear();
}

TFastLineSeries *TChart::AddFastLineSeries() {
    auto series = std::make_unique<TFastLineSeries>();
    TFastLineSeries *added = series.get();
    ownedSeries.push_back(std::move(series));
    added->SetParentChart(this);
    return added;
}
