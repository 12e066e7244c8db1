#pragma once

#include "Chart.h"
#include "DrillFixture.h"

#include <QTabWidget>

// The window showing its progress graph, with five drills on it.
class GraphTest : public DrillTest {
protected:
    void SetUp() override {
        DrillTest::SetUp();
        window.PgControl2->setCurrentIndex(1);
        chart = window.Chart1;
        for (int n = 1; n <= 5; ++n)
            chart->SeriesList().front()->AddPointXY(n, (40.0 + 5 * n) / 86400, QString(),
                                                    AutoColor);
    }

    TChart *chart = nullptr;
};
