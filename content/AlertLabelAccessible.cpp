#include "AlertLabelAccessible.h"

#include "AccessibleFactory.h"
#include "AutoLabel.h"

#include <QAccessibleWidget>

namespace {

// A message line read as an alert, named by its text. An empty line is not there for screen
// readers, which would otherwise read out the bare role.
class AlertLabelAccessible : public QAccessibleWidget {
public:
    explicit AlertLabelAccessible(AutoLabel *label)
        : QAccessibleWidget(label, QAccessible::AlertMessage) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (static_cast<AutoLabel *>(widget())->text().isEmpty())
            state.invisible = true;
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        const QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            return static_cast<AutoLabel *>(widget())->text();
        return text;
    }
};

// Other labels are left to Qt's own label support.
QAccessibleInterface *MakeAlertLabelAccessible(AutoLabel *label) {
    return label->IsAlert() ? new AlertLabelAccessible(label) : nullptr;
}

} // namespace

void InstallAlertLabelAccessibility() {
    InstallAccessibleFactory<AutoLabel, MakeAlertLabelAccessible>();
}
