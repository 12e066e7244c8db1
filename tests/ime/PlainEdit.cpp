// A window with nothing but a plain line edit, in which an input method composes as usual: the
// input-method test types into it to show that the input method was really on, and drags text
// from it.
#include <QApplication>
#include <QLineEdit>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QLineEdit edit;
    edit.setWindowTitle(QStringLiteral("ime_probe"));
    edit.setAccessibleName(QStringLiteral("plain"));
    // Selected text may be dragged out of it, onto the program's answer fields.
    edit.setDragEnabled(true);
    // Top left, clear of the program's window in the middle of the screen.
    edit.setGeometry(0, 0, 300, 40);
    edit.show();
    return QApplication::exec();
}
