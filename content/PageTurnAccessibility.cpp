#include "PageTurnAccessibility.h"

#include <QAccessible>
#include <QHash>
#include <QTabWidget>

namespace {

// What a screen reader learns of a part of a page: its name and how many parts it has itself.
QString Fingerprint(QWidget *widget) {
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    if (!accessible)
        return QString();
    return accessible->text(QAccessible::Name) + QChar(0) +
           QString::number(accessible->childCount());
}

void Tell(QWidget *widget) {
    QAccessibleEvent selection(widget, QAccessible::Selection);
    QAccessible::updateAccessibility(&selection);
}

class PageTurnReporter : public QObject {
public:
    explicit PageTurnReporter(QTabWidget *tabs)
        : QObject(tabs), tabs(tabs), shown(tabs->currentWidget()) {
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i) != shown)
                Remember(tabs->widget(i));
        connect(tabs, &QTabWidget::currentChanged, this, &PageTurnReporter::Turned);
    }

private:
    void Remember(QWidget *page) {
        QHash<QWidget *, QString> &parts = hidden[page];
        parts.clear();
        for (QWidget *part : page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            parts.insert(part, Fingerprint(part));
    }

    void Turned(int index) {
        if (shown)
            Remember(shown);
        shown = tabs->widget(index);
        if (!shown || !QAccessible::isActive())
            return;
        // The page itself, and each part that changed while it was hidden: the screen reader
        // learnt of that change then, as of something hidden.
        Tell(shown);
        const QHash<QWidget *, QString> parts = hidden.value(shown);
        for (QWidget *part : shown->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (parts.value(part) != Fingerprint(part))
                Tell(part);
    }

    QTabWidget *tabs;
    QWidget *shown;
    QHash<QWidget *, QHash<QWidget *, QString>> hidden; // by page, what its parts were on hiding
};

} // namespace

void ReportPageTurns(QTabWidget *tabs) { new PageTurnReporter(tabs); }
