#pragma once

// Lets screen readers read a panel's caption and press the checkable ones. Safe to call more
// than once.
void InstallPanelAccessibility();
