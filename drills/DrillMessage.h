#pragma once

class AutoLabel;

// A drill's verdict on its message line: green congratulations when every item is right, red
// encouragement otherwise. Screen readers hear it as an alert.
void ShowDrillMessage(AutoLabel *label, bool allCorrect);
