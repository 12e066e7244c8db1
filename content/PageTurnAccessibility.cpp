#include "PageTurnAccessibility.h"

#include <QAccessible>
#include <QTabWidget>

void ReportPageTurns(QTabWidget *tabs) {
    QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [tabs](int index) {
        QWidget *page = tabs->widget(index);
        if (!page || !QAccessible::isActive())
            return;
        // What changed while the page was hidden (a time, a new point of a chart) sits on the
        // page itself; the screen reader learnt of it then, as hidden.
        QList<QWidget *> turned{page};
        turned += page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *widget : turned) {
            QAccessibleEvent selection(widget, QAccessible::Selection);
            QAccessible::updateAccessibility(&selection);
        }
    });
}
