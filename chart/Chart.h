#pragma once

#include "ChartAxis.h"
#include "FastLineSeries.h"

#include <QWidget>
#include <memory>
#include <vector>

// The chart panel: its axes and series, painted on request.
class TChart : public QWidget {
    Q_OBJECT
public:
    explicit TChart(QWidget *parent = nullptr);
    ~TChart() override;

    // Adds a fast line series owned by the chart.
    TFastLineSeries *AddFastLineSeries();
    const std::vector<std::unique_ptr<TChartSeries>> &Series() const { return series; }

    // Asks for a repaint on the next paint cycle; nothing is drawn at once.
    void RequestRepaint() { update(); }

    TChartAxis BottomAxis{this};
    TChartAxis LeftAxis{this};

private:
    std::vector<std::unique_ptr<TChartSeries>> series;
};
