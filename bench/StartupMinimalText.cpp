// For context beside the yardstick: the minimal window with one line of Japanese in one of the
// program's fonts, so that it pays for starting the font system and loading a Japanese font.
#include "FirstFrameProbe.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(1016, 594);
    QLabel line(QStringLiteral("16進数を2進数に直す演習"), &window);
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(13);
    line.setFont(font);
    line.move(16, 16);
    return ShowAndReport(window);
}
