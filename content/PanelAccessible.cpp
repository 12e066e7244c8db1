#include "PanelAccessible.h"

#include "AccessibleFactory.h"
#include "Panel.h"

#include <QAccessibleWidget>

namespace {

// A panel as text whose value is its caption or, when checkable, as a check box that a screen
// reader can toggle like a click: the frame it sits in takes no keyboard focus, so this is the
// only way to it without a mouse. Like a stock check box it offers one action: a screen reader
// that tries one action after another when a click seems to fail would otherwise flip the bit
// once for each.
class PanelAccessible : public QAccessibleWidget {
public:
    // The role follows the panel's setting when asked, not when the interface was made.
    explicit PanelAccessible(Panel *panel) : QAccessibleWidget(panel) {}

    QAccessible::Role role() const override {
        return Cell()->Checkable() ? QAccessible::CheckBox : QAccessible::StaticText;
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (Cell()->Checkable()) {
            state.checkable = true;
            state.checked = Cell()->Tag != 0;
        }
        return state;
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return Cell()->Caption();
        if (kind == QAccessible::Description && !Cell()->Verdict().isEmpty())
            return Cell()->Verdict();
        if (kind == QAccessible::Name && !Cell()->SpokenName().isEmpty())
            return Cell()->SpokenName();
        const QString text = QAccessibleWidget::text(kind);
        return kind == QAccessible::Name && text.isEmpty() ? Cell()->Caption() : text;
    }
    QStringList actionNames() const override {
        if (!Cell()->Checkable())
            return QAccessibleWidget::actionNames();
        return QStringList{toggleAction()};
    }
    void doAction(const QString &action) override {
        if (!Cell()->Checkable())
            QAccessibleWidget::doAction(action);
        else if (action == toggleAction())
            Cell()->Click();
    }

private:
    Panel *Cell() const { return static_cast<Panel *>(widget()); }
};

QAccessibleInterface *MakePanelAccessible(Panel *panel) { return new PanelAccessible(panel); }

} // namespace

void InstallPanelAccessibility() { InstallAccessibleFactory<Panel, MakePanelAccessible>(); }
