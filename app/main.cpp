#include "Program.h"
#include "StartUp.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    SetUpApplication();

    TProgram program;
    program.Show();
    return QApplication::exec();
}
