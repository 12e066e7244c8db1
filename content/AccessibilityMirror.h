#pragma once

// Mirrors the program's accessible objects into elements of the web page beside its canvas,
// where a browser's screen reader finds them, and keeps them up to date. Call once, after the
// main window is shown.
void MirrorAccessibilityOnPage();
