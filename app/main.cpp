#include "PageOptions.h"
#include "Program.h"
#include "StartUp.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    SetUpApplication();
    ApplyPageOptions();

    TProgram program;
    program.Show();
    return QApplication::exec();
}
