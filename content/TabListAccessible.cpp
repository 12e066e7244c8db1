#include "TabListAccessible.h"

#include "AccessibleFactory.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QTabBar>

namespace {

// One tab: named after its page, pressed to turn to it.
class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabAccessible(QTabBar *bar, int index) : bar(bar), index(index) {}

    void *interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface
                   ? static_cast<QAccessibleActionInterface *>(this)
                   : nullptr;
    }
    bool isValid() const override { return bar && index < bar->count(); }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *parent() const override {
        return QAccessible::queryAccessibleInterface(bar.data());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text kind) const override {
        if (!isValid() || kind != QAccessible::Name)
            return QString();
        const QString name = bar->accessibleTabName(index);
        return name.isEmpty() ? bar->tabText(index) : name;
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override {
        if (!isValid())
            return QRect();
        const QRect tab = bar->tabRect(index);
        return QRect(bar->mapToGlobal(tab.topLeft()), tab.size());
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state = parent()->state();
        state.focused = index == bar->currentIndex();
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override {
        if (isValid() && action == pressAction())
            bar->setCurrentIndex(index);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    int Index() const { return index; }

private:
    QPointer<QTabBar> bar;
    int index;
};

class TabListAccessible : public QAccessibleWidget {
public:
    explicit TabListAccessible(QTabBar *bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~TabListAccessible() override {
        for (QAccessible::Id id : std::as_const(tabs))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return Bar()->count(); }
    QAccessibleInterface *child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (QAccessible::Id id = tabs.value(index))
            return QAccessible::accessibleInterface(id);
        auto *tab = new TabAccessible(Bar(), index);
        tabs.insert(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        if (!child || child->role() != QAccessible::PageTab || child->parent() != this)
            return -1;
        return static_cast<const TabAccessible *>(child)->Index();
    }
    QAccessibleInterface *focusChild() const override {
        return Bar()->hasFocus() ? child(Bar()->currentIndex()) : nullptr;
    }
    QString text(QAccessible::Text kind) const override {
        // The list is named after the page it shows.
        if (kind == QAccessible::Name && Bar()->currentIndex() >= 0)
            return child(Bar()->currentIndex())->text(kind);
        return QAccessibleWidget::text(kind);
    }

private:
    QTabBar *Bar() const { return static_cast<QTabBar *>(widget()); }

    mutable QHash<int, QAccessible::Id> tabs;
};

QAccessibleInterface *MakeTabListAccessible(QTabBar *bar) { return new TabListAccessible(bar); }

} // namespace

void InstallTabListAccessibility() { InstallAccessibleFactory<QTabBar, MakeTabListAccessible>(); }
