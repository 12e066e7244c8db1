#include "VersionAddressAccessible.h"

#include "AccessibleFactory.h"
#include "AutoLabel.h"
#include "Version.h"

#include <QAccessibleWidget>

namespace {

// The address opens the maker's web site when clicked, so to a screen reader it is a link named
// by its text, whose one action does what the click does.
class AddressAccessible : public QAccessibleWidget {
public:
    explicit AddressAccessible(AutoLabel *label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return static_cast<AutoLabel *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &name) override {
        if (name == pressAction())
            if (auto *dialog = qobject_cast<TVersionF *>(widget()->parentWidget()))
                dialog->Label5Click();
    }
};

QAccessibleInterface *MakeAddressAccessible(AutoLabel *label) {
    const bool address = label->objectName() == QLatin1String("Label5") &&
                         qobject_cast<TVersionF *>(label->parentWidget());
    return address ? new AddressAccessible(label) : nullptr;
}

} // namespace

void InstallVersionAddressAccessibility() {
    InstallAccessibleFactory<AutoLabel, MakeAddressAccessible>();
}
