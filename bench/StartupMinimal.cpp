// The yardstick for start-up: a Qt Widgets program with one empty window of the program's size.
#include "FirstFrameProbe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(1016, 594);
    return ShowAndReport(window);
}
