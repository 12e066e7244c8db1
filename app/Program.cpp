#include "Program.h"

TProgram::TProgram(const Clock &clock) : MainF(clock), VersionF(&MainF) {
    MainF.SetVersionDialog(&VersionF);
}
