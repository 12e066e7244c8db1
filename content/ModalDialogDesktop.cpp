#include "ModalDialog.h"

#include <QDialog>

void ShowModal(QDialog *dialog) { dialog->exec(); }
