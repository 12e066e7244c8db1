#include "Program.h"

#include "MainWindowShowing.h"

TProgram::TProgram(const Clock &clock) : MainF(clock), VersionF(&MainF) {
    MainF.SetVersionDialog(&VersionF);
}

void TProgram::Show() { ShowMainWindow(MainF); }
