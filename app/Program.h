#pragma once

#include "Version.h"
#include "main.h"

// The program's two windows, made in start-up order: the main window, then the hidden version
// dialog that a right click on it opens. The application object must be set up first.
class TProgram {
public:
    explicit TProgram(const Clock &clock = SystemClock::Instance());
    void Show();

    TMainF MainF;
    TVersionF VersionF;
};
