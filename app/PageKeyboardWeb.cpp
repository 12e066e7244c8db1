// The page's own text box and the program's answer fields. A browser shows its on-screen
// keyboard only for a text box of the page, and an input method composes only there; so while
// an answer field has the keyboard, the page's box has the browser's focus (or, where a screen
// reader keeps it on the page's elements for the program's parts, the field's own element), and
// the page hands on to the program every key pressed there (with its modifiers) and every text
// committed there, which goes into the field through the field's gate. A composition in progress
// stays on the page.
#include "KeyboardFocus.h"
#include "NumEdit.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>
#include <emscripten.h>
#include <emscripten/bind.h>
#include <string>

namespace {

TNumEdit *TypableField(QWidget *widget) {
    auto *field = qobject_cast<TNumEdit *>(widget);
    return field && field->isEnabled() && !field->isReadOnly() ? field : nullptr;
}

QPoint CanvasPoint(const QWidget *widget, QPoint point) {
    // The screen is the canvas, placed where the canvas lies on the page.
    return widget->mapToGlobal(point) - QGuiApplication::primaryScreen()->geometry().topLeft();
}

int BaseOf(const TNumEdit *field) { return field->NumericType() == ntHexadecimal ? 16 : 10; }

// The base of the answer field at a point of the page's canvas: 10 or 16, or 0 where there is
// none that takes typing.
int AnswerFieldAt(int x, int y) {
    const QPoint global = QGuiApplication::primaryScreen()->geometry().topLeft() + QPoint(x, y);
    const TNumEdit *field = TypableField(QApplication::widgetAt(global));
    return field ? BaseOf(field) : 0;
}

// clang-format off
EM_JS(void, FieldFocused, (int base, int x, int y, const char *name), {
    if (window.radixtrekKeyboard)
        window.radixtrekKeyboard.fieldFocused(base, x, y, UTF8ToString(name));
});
EM_JS(void, FieldLeft, (), {
    if (window.radixtrekKeyboard) window.radixtrekKeyboard.fieldLeft();
});
// clang-format on

// Tells the page whenever an answer field gains or loses the keyboard, however it happened: a
// click, a tap, Tab, a page turned, a dialog opened.
void FollowAnswerFields() {
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget *, QWidget *now) {
        if (const TNumEdit *field = TypableField(now)) {
            const QPoint place = CanvasPoint(field, field->rect().center());
            // The box stands for the field to the page's screen reader.
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(now);
            const QByteArray name =
                accessible ? accessible->text(QAccessible::Name).toUtf8() : QByteArray();
            FieldFocused(BaseOf(field), place.x(), place.y(), name.constData());
        } else {
            FieldLeft();
        }
    });
}

Qt::Key KeyOf(const QString &name) {
    static const std::pair<const char *, Qt::Key> named[] = {
        {"Backspace", Qt::Key_Backspace},
        {"Delete", Qt::Key_Delete},
        {"Enter", Qt::Key_Return},
        {"Tab", Qt::Key_Tab},
        {"Escape", Qt::Key_Escape},
        {"Insert", Qt::Key_Insert},
        {"ArrowLeft", Qt::Key_Left},
        {"ArrowRight", Qt::Key_Right},
        {"ArrowUp", Qt::Key_Up},
        {"ArrowDown", Qt::Key_Down},
        {"Home", Qt::Key_Home},
        {"End", Qt::Key_End},
        {"PageUp", Qt::Key_PageUp},
        {"PageDown", Qt::Key_PageDown},
        {"ContextMenu", Qt::Key_Menu},
        {"F10", Qt::Key_F10},
        {"Shift", Qt::Key_Shift},
        {"Control", Qt::Key_Control},
        {"Alt", Qt::Key_Alt},
        {"Meta", Qt::Key_Meta},
    };
    for (const auto &[browserName, key] : named) {
        if (name == QLatin1String(browserName))
            return key;
    }
    // A printable ASCII character is its own key code, letters as capitals.
    if (name.size() == 1 && name[0].unicode() > 0x20 && name[0].unicode() < 0x7f)
        return Qt::Key(name[0].toUpper().unicode());
    return name == QLatin1String(" ") ? Qt::Key_Space : Qt::Key_unknown;
}

QString TextOf(Qt::Key key, const QString &name) {
    switch (key) {
    case Qt::Key_Backspace:
        return QStringLiteral("\b");
    case Qt::Key_Return:
        return QStringLiteral("\r");
    case Qt::Key_Tab:
        return QStringLiteral("\t");
    case Qt::Key_Escape:
        return QStringLiteral("\x1b");
    default:
        return name.size() == 1 || (name.size() == 2 && name[0].isHighSurrogate()) ? name
                                                                                   : QString();
    }
}

// A key pressed in the page's box, by the browser's name for it, with the modifiers held
// (1 Shift, 2 Ctrl, 4 Alt, 8 Meta), delivered as the keyboard delivers it: to an open menu, or
// else to the widget with the focus, whose window sees what it leaves.
void KeyOnPage(const std::string &utf8, int held) {
    const QString name = QString::fromStdString(utf8);
    Qt::KeyboardModifiers modifiers;
    modifiers.setFlag(Qt::ShiftModifier, held & 1);
    modifiers.setFlag(Qt::ControlModifier, held & 2);
    modifiers.setFlag(Qt::AltModifier, held & 4);
    modifiers.setFlag(Qt::MetaModifier, held & 8);
    QWidget *target = QApplication::activePopupWidget();
    if (!target)
        target = KeyboardFocus();
    if (!target)
        return;
    const Qt::Key key = KeyOf(name);
    const QString text = TextOf(key, name);
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    // The Menu key opens the focused widget's menu, as the desktop's platforms make it do.
    if (key == Qt::Key_Menu && !press.isAccepted() && target == KeyboardFocus()) {
        const QPoint at = target->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at), modifiers);
        QApplication::sendEvent(target, &menu);
    }
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

// Text committed in the page's box (an input method's, an on-screen keyboard's that types
// without keys, a paste), into the answer field that has the keyboard, through its gate.
void InsertIntoField(const std::string &utf8) {
    if (TNumEdit *field = TypableField(QApplication::focusWidget()))
        field->InsertText(QString::fromStdString(utf8));
}

} // namespace

EMSCRIPTEN_BINDINGS(page_keyboard) {
    emscripten::function("answerFieldAt", &AnswerFieldAt);
    emscripten::function("followAnswerFields", &FollowAnswerFields);
    emscripten::function("keyOnPage", &KeyOnPage);
    emscripten::function("insertIntoField", &InsertIntoField);
}
