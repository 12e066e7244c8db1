#pragma once

// Whether a screen reader is running now, as the platform tells it: not merely whether some
// accessibility client is listening (many ordinary tools are). Each platform asks in its own file.
bool ScreenReaderRunning();
