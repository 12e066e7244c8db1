#pragma once

#include "CustomChart.h"
#include "FastLineSeries.h"

#include <memory>
#include <vector>

// The chart as the window places it.
class TChart : public TCustomChart {
    Q_OBJECT
public:
    explicit TChart(QWidget *parent = nullptr);
    ~TChart() override;

    // A fast line series owned by the chart and attached to it.
    TFastLineSeries *AddFastLineSeries();

private:
    std::vector<std::unique_ptr<TChartSeries>> ownedSeries;
};
