#pragma once

#include "Chart.h"
#include "Contender.h"

// The progress graph as the window sets it up.
class TRadixtrekContender : public TContender {
public:
    TRadixtrekContender();

    void Add(const TPoints &points) override;
    void Show(TRange x, TRange y) override;
    void Wheel(int notches) override;
    QWidget &Painted() override { return chart; }

    TChart chart;
    TFastLineSeries *series = nullptr;
};
