// The program exactly as it starts, reporting its first frame and idle memory.
#include "FirstFrameProbe.h"
#include "Program.h"
#include "StartUp.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    SetUpApplication();
    TProgram program;
    return ShowAndReport(program.MainF);
}
