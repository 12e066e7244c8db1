#include "ScreenReader.h"

#include <windows.h>

// Screen readers set the system's screen-reader flag while they run.
bool ScreenReaderRunning() {
    BOOL running = FALSE;
    return SystemParametersInfoW(SPI_GETSCREENREADER, 0, &running, 0) && running;
}
