#pragma once

// Lets screen readers count a tab bar's pages as its only parts: the toolkit also counts the
// two scroll buttons, hidden while every tab fits, and a screen reader then calls the second
// of three pages "2 of 5". Safe to call more than once.
void InstallTabListAccessibility();
