#include "AlertLabelAccessible.h"

#include "AutoLabel.h"

#include <QAccessibleWidget>

namespace {

// A message line read as an alert, named by its text.
class AlertLabelAccessible : public QAccessibleWidget {
public:
    explicit AlertLabelAccessible(AutoLabel *label)
        : QAccessibleWidget(label, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text kind) const override {
        const QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            return static_cast<AutoLabel *>(widget())->text();
        return text;
    }
};

// Other labels are left to Qt's own label support.
QAccessibleInterface *AlertLabelFactory(const QString &className, QObject *object) {
    auto *label =
        className == QLatin1String("AutoLabel") ? qobject_cast<AutoLabel *>(object) : nullptr;
    return label && label->IsAlert() ? new AlertLabelAccessible(label) : nullptr;
}

} // namespace

void InstallAlertLabelAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(AlertLabelFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
