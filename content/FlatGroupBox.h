#pragma once

#include <QGroupBox>

// A group box with a flat border: a one-pixel frame in the window-frame colour whose top line
// runs through the middle of the caption, the caption standing in a gap of that line.
class FlatGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit FlatGroupBox(const QString &title, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
