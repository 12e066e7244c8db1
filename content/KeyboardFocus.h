#pragma once

class QWidget;

// The widget that has the keyboard: an open modal dialog's focus (or the dialog), else the
// program's focus. A window system may leave a modal dialog inactive and the focus in the window
// it blocks, as the browser's does.
QWidget *KeyboardFocus();
