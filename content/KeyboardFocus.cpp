#include "KeyboardFocus.h"

#include <QApplication>
#include <QWidget>

QWidget *KeyboardFocus() {
    QWidget *modal = QApplication::activeModalWidget();
    QWidget *focus = QApplication::focusWidget();
    if (!modal || (focus && (focus == modal || modal->isAncestorOf(focus))))
        return focus;
    return modal->focusWidget() ? modal->focusWidget() : modal;
}
