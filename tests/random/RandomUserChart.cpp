// The random user's gestures on the progress graph.
#include "Chart.h"
#include "EventDriver.h"
#include "InputSpace.h"
#include "Program.h"
#include "RandomUser.h"

#include <QTabWidget>

namespace {

constexpr int ChartPage = 1;

} // namespace

void RandomUser::UseChart() {
    TChart *chart = program.MainF.Chart1;
    ShowPage(program.MainF.PgControl2, ChartPage);
    if (!chart->isVisible() || driver.Stopped())
        return;
    switch (space.Below(9)) {
    case 0:
    case 1:
    case 2:
    case 3:
        DragOnChart();
        break;
    case 4:
        ZoomDeeper();
        break;
    case 5:
    case 6:
        TurnWheel();
        break;
    case 7:
        driver.Note(QStringLiteral("the pointer crosses the graph's edge"));
        driver.Move(chart, ChartPoint());
        driver.Move(chart, ChartPoint());
        driver.Leave(chart);
        break;
    default:
        driver.Note(QStringLiteral("click on the graph"));
        driver.Click(chart, ChartPoint(), space.Button(), space.Modifiers());
        break;
    }
}

QPoint RandomUser::ChartPoint() {
    const TChart *chart = program.MainF.Chart1;
    const TRect &plot = chart->PlotRect;
    const int roll = space.Below(20);
    if (roll < 12 && plot.Width() > 0 && plot.Height() > 0)
        return space.PointIn(QRect(plot.Left, plot.Top, plot.Width(), plot.Height()));
    if (roll < 17)
        return space.PointIn(chart->rect());
    // Beside the graph, anywhere in the window.
    const QWidget *window = chart->window();
    return chart->mapFrom(window, space.PointIn(window->rect()));
}

void RandomUser::DragOnChart() {
    TChart *chart = program.MainF.Chart1;
    const Qt::MouseButton button = space.Chance(0.8) ? Qt::LeftButton : space.Button();
    const Qt::KeyboardModifiers modifiers = space.Modifiers();
    const QPoint start = ChartPoint();
    driver.Note(QStringLiteral("drag on the graph from %1, %2 with button %3")
                    .arg(start.x())
                    .arg(start.y())
                    .arg(int(button)));
    const bool zoomed = chart->ZoomApplied;
    driver.Press(chart, start, button, modifiers);
    QPoint end = start;
    for (int i = 0, moves = space.Below(6); i < moves && !driver.Stopped(); ++i) {
        // Half the drags go right and down, the way that zooms.
        end = space.Chance(0.5) ? start + QPoint(space.Below(250), space.Below(150)) : ChartPoint();
        driver.Move(chart, end);
    }
    if (space.Chance(0.95)) {
        driver.Release(chart, end, button, modifiers);
    } else {
        // The release went astray (another window took it); the pointer left.
        driver.Note(QStringLiteral("the release is lost"));
        driver.Leave(chart);
    }
    if (!zoomed && chart->ZoomApplied)
        ++reached.zooms;
}

void RandomUser::ZoomDeeper() {
    // Each frame a little larger than the smallest drag, near the top left of the plot, so that
    // the scales narrow quickly.
    TChart *chart = program.MainF.Chart1;
    const TRect &plot = chart->PlotRect;
    for (int i = 0, zooms = 2 + space.Below(8); i < zooms && !driver.Stopped(); ++i) {
        const QPoint start(plot.Left + space.Below(40), plot.Top + space.Below(40));
        const QPoint end = start + QPoint(17 + space.Below(60), 17 + space.Below(60));
        driver.Note(QStringLiteral("zoom from %1, %2 to %3, %4")
                        .arg(start.x())
                        .arg(start.y())
                        .arg(end.x())
                        .arg(end.y()));
        const bool zoomed = chart->ZoomApplied;
        driver.Press(chart, start, Qt::LeftButton);
        driver.Move(chart, end);
        driver.Release(chart, end, Qt::LeftButton);
        if (!zoomed && chart->ZoomApplied)
            ++reached.zooms;
    }
}

void RandomUser::TurnWheel() {
    TChart *chart = program.MainF.Chart1;
    // Single notches, fast turns of many notches, fractions of a notch and nothing at all.
    static const int deltas[] = {120, -120, 240, -360, 30, -30, 0, 3600, -3600, 119};
    QPoint at = ChartPoint();
    if (!chart->rect().contains(at))
        at = space.PointIn(chart->rect());
    for (int i = 0, turns = 1 + space.Below(4); i < turns && !driver.Stopped(); ++i) {
        const int delta = deltas[space.Below(10)];
        // Now and then a sideways turn, which the graph leaves alone.
        const QPoint angle = space.Chance(0.1) ? QPoint(delta, 0) : QPoint(0, delta);
        driver.Note(QStringLiteral("wheel %1, %2 at %3, %4")
                        .arg(angle.x())
                        .arg(angle.y())
                        .arg(at.x())
                        .arg(at.y()));
        driver.Wheel(chart, at, angle);
        ++reached.wheelNotches;
    }
}
