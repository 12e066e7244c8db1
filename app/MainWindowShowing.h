#pragma once

class QWidget;

// Shows the main window the way its platform frames it.
void ShowMainWindow(QWidget &window);
