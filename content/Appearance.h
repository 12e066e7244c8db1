#pragma once

// Gives the application the look every run shares: the font stand-ins, one widget style and
// Qt's own texts in Japanese, so that the window looks the same on every desktop and in
// headless runs.
void SetUpAppearance();
