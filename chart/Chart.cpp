#include "Chart.h"

TChart::TChart(QWidget *parent) : QWidget(parent) { setAutoFillBackground(true); }

TChart::~TChart() = default;

TFastLineSeries *TChart::AddFastLineSeries() {
    series.push_back(std::make_unique<TFastLineSeries>(this));
    return static_cast<TFastLineSeries *>(series.back().get());
}
