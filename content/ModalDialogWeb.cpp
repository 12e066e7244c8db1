#include "ModalDialog.h"

#include <QDialog>

// A dialog's own event loop needs the browser's event loop to be suspended, which this build
// cannot do.
void ShowModal(QDialog *dialog) {
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
}
