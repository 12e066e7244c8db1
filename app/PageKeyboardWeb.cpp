// What the page asks of the program so that a tapped answer field brings up the device's
// on-screen keyboard: the page keeps a text box of its own for the keyboard to type into (a
// browser shows its keyboard only for such a box, focused while the finger is on the screen)
// and hands every key on to the program, which types it into the field as a keyboard would.
#include "NumEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>
#include <emscripten/bind.h>
#include <string>

namespace {

// The base of the answer field at a point of the page's canvas: 10 or 16, or 0 where there is
// none that takes typing.
int AnswerFieldAt(int x, int y) {
    // The screen is the canvas, placed where the canvas lies on the page.
    const QPoint global = QGuiApplication::primaryScreen()->geometry().topLeft() + QPoint(x, y);
    auto *field = qobject_cast<TNumEdit *>(QApplication::widgetAt(global));
    if (!field || !field->isEnabled() || field->isReadOnly())
        return 0;
    return field->NumericType() == ntHexadecimal ? 16 : 10;
}

void SendKey(int key, const QString &text) {
    QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(focus, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(focus, &release);
}

// Characters the on-screen keyboard typed, each as the key that types it.
void TypeOnPage(const std::string &utf8) {
    const QString text = QString::fromStdString(utf8);
    for (const QChar character : text) {
        const char16_t code = character.unicode();
        int key = Qt::Key_unknown;
        if (code >= u'0' && code <= u'9')
            key = Qt::Key_0 + (code - u'0');
        else if (code >= u'a' && code <= u'z')
            key = Qt::Key_A + (code - u'a');
        else if (code >= u'A' && code <= u'Z')
            key = Qt::Key_A + (code - u'A');
        SendKey(key, QString(character));
    }
}

// A key of the on-screen keyboard that types nothing, by the browser's name for it.
void PressKeyOnPage(const std::string &name) {
    static const std::pair<const char *, Qt::Key> keys[] = {
        {"Backspace", Qt::Key_Backspace}, {"Delete", Qt::Key_Delete},
        {"Enter", Qt::Key_Return},        {"Tab", Qt::Key_Tab},
        {"ArrowLeft", Qt::Key_Left},      {"ArrowRight", Qt::Key_Right},
        {"Home", Qt::Key_Home},           {"End", Qt::Key_End},
    };
    for (const auto &[browserName, key] : keys) {
        if (name == browserName) {
            SendKey(key, key == Qt::Key_Backspace ? QStringLiteral("\b") : QString());
            return;
        }
    }
}

} // namespace

EMSCRIPTEN_BINDINGS(page_keyboard) {
    emscripten::function("answerFieldAt", &AnswerFieldAt);
    emscripten::function("typeOnPage", &TypeOnPage);
    emscripten::function("pressKeyOnPage", &PressKeyOnPage);
}
