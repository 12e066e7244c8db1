#include "Announcer.h"

#include "AccessibleFactory.h"
#include "PageAnnouncement.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer *announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return static_cast<Announcer *>(widget())->LastSentence();
        return QAccessibleWidget::text(kind);
    }
    // Selected, so that its selection event counts as one a screen reader must not drop.
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectable = true;
        state.selected = true;
        return state;
    }
};

QAccessibleInterface *MakeAnnouncerAccessible(Announcer *announcer) {
    return new AnnouncerAccessible(announcer);
}

} // namespace

Announcer::Announcer(QWidget *window) : QWidget(window) {
    InstallAccessibleFactory<Announcer, MakeAnnouncerAccessible>();
    setObjectName(QStringLiteral("Announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
}

void Announcer::Announce(const QString &text) {
    sentence = text;
    AnnounceOnPage(sentence);
    if (!QAccessible::isActive())
        return;
    // A press may change hundreds of objects at once. A screen reader that falls that far behind
    // drops the plain changes it has not yet handled, and an appearing notification with them,
    // but first clears them out when something is selected. So the announcer is selected, and
    // then appears, which is what makes a screen reader read a notification out.
    QAccessibleEvent selected(this, QAccessible::Selection);
    QAccessible::updateAccessibility(&selected);
    QAccessibleEvent appeared(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&appeared);
}

Announcer *Announcer::Of(const QWidget *widget) {
    return widget ? widget->window()->findChild<Announcer *>() : nullptr;
}
