#pragma once

// Gives the application the look every run shares: the font stand-ins and one widget style,
// so that the window looks the same on every desktop and in headless runs.
void SetUpAppearance();
