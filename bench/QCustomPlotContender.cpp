#include "Contender.h"

#include <qcustomplot.h>

namespace {

// QCustomPlot with its axis rectangle on our plot area and the title set above it.
class TQCustomPlotContender : public TContender {
public:
    explicit TQCustomPlotContender(const QRect &plotArea) {
        plot.resize(ChartWidth, ChartHeight);
        plot.setNotAntialiasedElements(QCP::aeAll);
        QCPAxisRect *axes = plot.axisRect();
        axes->setAutoMargins(QCP::msNone);
        axes->setMargins(QMargins(plotArea.left(), plotArea.top(),
                                  ChartWidth - 1 - plotArea.right(),
                                  ChartHeight - 1 - plotArea.bottom()));
        auto *title = new QCPItemText(&plot);
        title->setClipToAxisRect(false);
        title->position->setType(QCPItemPosition::ptAbsolute);
        title->position->setCoords(ChartWidth / 2.0, 4);
        title->setPositionAlignment(Qt::AlignTop | Qt::AlignHCenter);
        title->setFont(TextFont());
        title->setText(ChartTitle());
        plot.xAxis->setLabel(BottomTitle());
        plot.xAxis->setLabelFont(TextFont());
        plot.xAxis->setTickLabelFont(TextFont());
        plot.xAxis->ticker()->setTickCount(10);
        plot.yAxis->setLabel(LeftTitle());
        plot.yAxis->setLabelFont(TextFont());
        plot.yAxis->setTickLabels(false);
        plot.yAxis->setTicks(false);
        plot.yAxis->grid()->setVisible(false);
        graph = plot.addGraph();
        graph->setPen(QPen(Qt::red, 1));
        plot.show();
        QApplication::processEvents();
    }

    void Add(const TPoints &points) override { graph->setData(points.x, points.y, true); }

    void Show(TRange x, TRange y) override {
        shownX = x;
        shownY = y;
        plot.xAxis->setRange(x.Low, x.High);
        plot.yAxis->setRange(y.Low, y.High);
        plot.replot(QCustomPlot::rpImmediateRefresh);
    }

    void Wheel(int notches) override { Show(shownX, WheelShifted(shownY, notches)); }

    QWidget &Painted() override { return plot; }

private:
    QCustomPlot plot;
    QCPGraph *graph = nullptr;
    TRange shownX{0, 1};
    TRange shownY{0, 1};
};

} // namespace

std::unique_ptr<TContender> MakeQCustomPlot(const QRect &plotArea) {
    return std::make_unique<TQCustomPlotContender>(plotArea);
}
