#pragma once

class QDialog;

// Shows a dialog that keeps the rest of the program from input until it closes. On the desktop
// this waits for the dialog to close; a browser page cannot wait, so there it returns at once
// and the dialog stays modal on its own.
void ShowModal(QDialog *dialog);
