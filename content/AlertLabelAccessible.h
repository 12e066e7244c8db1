#pragma once

// Lets screen readers take a label marked as an alert for one. Safe to call more than once.
void InstallAlertLabelAccessibility();
