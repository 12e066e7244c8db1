#include "WidgetBuilder.h"

#include "AutoLabel.h"
#include "FlatGroupBox.h"
#include "TagButton.h"

#include <QTabWidget>

namespace {

QWidget *MakeRule(QWidget *parent) {
    auto *rule = new QWidget(parent);
    QPalette palette = rule->palette();
    palette.setColor(QPalette::Window, Qt::black);
    rule->setPalette(palette);
    rule->setAutoFillBackground(true);
    return rule;
}

QWidget *MakeWidget(const WidgetRow &row, QWidget *parent, const CustomWidgetFactory &makeCustom) {
    switch (row.kind) {
    case WidgetKind::Label:
        return new AutoLabel(parent, row.alignment);
    case WidgetKind::Button: {
        auto *button = new TagButton(row.text, parent);
        button->setAutoDefault(false);
        return button;
    }
    case WidgetKind::TabControl:
        return new QTabWidget(parent);
    case WidgetKind::Page: {
        auto *tabs = qobject_cast<QTabWidget *>(parent);
        if (!tabs)
            return nullptr;
        auto *page = new QWidget;
        tabs->addTab(page, row.text);
        return page;
    }
    case WidgetKind::GroupBox:
        return new FlatGroupBox(row.text, parent);
    case WidgetKind::Rule:
        return MakeRule(parent);
    case WidgetKind::HexFrame:
    case WidgetKind::DecHexFrame:
    case WidgetKind::Chart:
        return makeCustom ? makeCustom(row, parent) : nullptr;
    }
    return nullptr;
}

} // namespace

QHash<QString, QWidget *> BuildWidgets(QWidget *root, const std::vector<WidgetRow> &rows,
                                       const CustomWidgetFactory &makeCustom) {
    QHash<QString, QWidget *> built;
    for (const WidgetRow &row : rows) {
        QWidget *parent = row.parent.isEmpty() ? root : built.value(row.parent);
        if (!parent)
            continue;
        QWidget *widget = MakeWidget(row, parent, makeCustom);
        if (!widget)
            continue;
        widget->setObjectName(row.name);
        if (row.font)
            ApplyFont(widget, *row.font);
        if (row.kind != WidgetKind::Page)
            widget->setGeometry(row.geometry);
        if (auto *label = qobject_cast<AutoLabel *>(widget)) {
            label->SetCaption(row.text);
            label->SqueezeInto(row.geometry.width());
        }
        built.insert(row.name, widget);
    }
    return built;
}
