#include "ScreenReader.h"

// The browser's program has no accessibility bridge for a screen reader to use.
bool ScreenReaderRunning() { return false; }
