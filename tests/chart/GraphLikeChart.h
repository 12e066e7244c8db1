#pragma once

#include "Chart.h"

#include <QImage>
#include <QPoint>
#include <gtest/gtest.h>
#include <vector>

// A chart set up like the progress graph: flat, 561 x 255, titled, with a red line.
class GraphLikeChartTest : public ::testing::Test {
protected:
    void SetUp() override {
        chart.resize(561, 255);
        chart.SetView3D(false);
        chart.Legend.SetVisible(false);
        chart.Title.SetText({QStringLiteral("演習スピードグラフ")});
        series->SetSeriesColor(clRed);
    }

    // A full repaint, as the window would show it.
    QImage Picture() {
        chart.Invalidate();
        chart.grab();
        return *chart.Canvas.Bitmap();
    }

    // The pixels of one colour, row by row.
    static std::vector<QPoint> PixelsOf(const QImage &image, TColor color) {
        std::vector<QPoint> found;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (ToColorValue(image.pixelColor(x, y)) == color)
                    found.emplace_back(x, y);
        return found;
    }

    TChart chart;
    TFastLineSeries *series = chart.AddFastLineSeries();
};
