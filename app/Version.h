#pragma once

#include <QDialog>

// The modal dialog that names the program and its version.
class TVersionF : public QDialog {
    Q_OBJECT
public:
    explicit TVersionF(QWidget *parent = nullptr);
};
