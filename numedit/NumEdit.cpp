#include "NumEdit.h"

#include "AnsiText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <algorithm>
#include <limits>

namespace {

constexpr char16_t Backspace = 8;
constexpr char16_t Delete = 127;

Qt::Alignment ToQtAlignment(TAlignment alignment) {
    switch (alignment) {
    case taLeftJustify:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case taCenter:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case taRightJustify:
        break;
    }
    return Qt::AlignRight | Qt::AlignVCenter;
}

// What a key press gives the control: a character for the keystroke filter, a key that edits
// or moves without typing (arrows, Home, Delete, the clipboard keys), or nothing at all.
struct KeyMeaning {
    enum Kind { Character, EditingKey, Nothing } kind;
    char16_t code = 0;
};

// Keys judged as a keyboard on Windows delivers characters: Ctrl+letter gives its control code
// and Ctrl+Backspace the code 127, while Ctrl with a digit and Alt with a digit or letter give
// no character at all.
KeyMeaning MeaningOf(const QKeyEvent *event) {
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool control = modifiers & Qt::ControlModifier;
    const bool alt = modifiers & Qt::AltModifier;
    const bool letter = key >= Qt::Key_A && key <= Qt::Key_Z;
    const bool digit = key >= Qt::Key_0 && key <= Qt::Key_9;
    if (key == Qt::Key_Backspace) {
        if (alt) // edits, never types; the field's own undo and redo keys are taken before
            return {KeyMeaning::EditingKey};
        return {KeyMeaning::Character, control ? Delete : Backspace};
    }
    if (key == Qt::Key_Delete)
        return {KeyMeaning::EditingKey};
    // Ctrl with Alt is AltGr on many keyboards, which types what the key shows.
    if (control != alt) {
        if (control && letter)
            return {KeyMeaning::Character, char16_t(key - Qt::Key_A + 1)};
        if (letter || digit)
            return {KeyMeaning::Nothing};
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return {KeyMeaning::Character, u'\r'};
    if (key == Qt::Key_Escape)
        return {KeyMeaning::Character, u'\x1b'};
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return {KeyMeaning::Character, u'\t'};
    const QString text = event->text();
    if (text.isEmpty())
        return {KeyMeaning::EditingKey};
    return {KeyMeaning::Character, text.at(0).unicode()};
}

// The keys that edit the field, the same on every platform: those of a classic Windows edit
// box. The usual Ctrl+letter keys type control codes, which the keystroke filter drops, and the
// platforms' other bindings are keys of other keyboards (F14 for undo on X11) or unfamiliar
// (Ctrl+Shift+Insert for paste).
struct FieldKey {
    const char *item; // the context menu's item, as the line edit names it before translation
    QKeyCombination key;
    void (*command)(TNumEdit &);
    bool changesText;
};

const FieldKey FieldKeys[] = {
    {"&Undo", Qt::ALT | Qt::Key_Backspace, [](TNumEdit &edit) { edit.undo(); }, true},
    {"&Redo", Qt::ALT | Qt::SHIFT | Qt::Key_Backspace, [](TNumEdit &edit) { edit.redo(); }, true},
    {"Cu&t", Qt::SHIFT | Qt::Key_Delete, [](TNumEdit &edit) { edit.cut(); }, true},
    {"&Copy", Qt::CTRL | Qt::Key_Insert, [](TNumEdit &edit) { edit.copy(); }, false},
    {"&Paste", Qt::SHIFT | Qt::Key_Insert, [](TNumEdit &edit) { edit.PasteLimited(); }, true},
    {"Delete", QKeyCombination(Qt::Key_Delete), [](TNumEdit &edit) { edit.del(); }, true},
};

const FieldKey *FieldKeyOf(const QKeyEvent *event) {
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const QKeyCombination pressed(modifiers, Qt::Key(event->key()));
    const auto found = std::find_if(std::begin(FieldKeys), std::end(FieldKeys),
                                    [&](const FieldKey &key) { return key.key == pressed; });
    return found == std::end(FieldKeys) ? nullptr : found;
}

// A context-menu item of the line edit names the platform's first key for its command, which
// is often a Ctrl+letter that the filter drops. It names the field's own key instead, or none.
void NameFieldKey(QAction *action) {
    QString label = action->text();
    if (const qsizetype tab = label.indexOf(QLatin1Char('\t')); tab >= 0)
        label.truncate(tab);
    for (const FieldKey &key : FieldKeys) {
        if (label == QLineEdit::tr(key.item)) {
            // Key names as printed on the keys, as menus usually show them.
            label += QLatin1Char('\t') + QKeySequence(key.key).toString(QKeySequence::PortableText);
            break;
        }
    }
    action->setText(label);
}

} // namespace

TNumEdit::TNumEdit(QWidget *parent) : QLineEdit(parent) {
    // Digits typed while a Japanese input method is on should arrive as plain characters; see
    // inputMethodQuery for what the platform's input method asks.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    // MaxLength is kept here, for typing and pasting only; written values are never cut.
    QLineEdit::setMaxLength(std::numeric_limits<int>::max());
    setText(QStringLiteral("0"));
    SetAlignment(taRightJustify);
    SetNumericType(ntDecimal);
}

void TNumEdit::SetAlignment(TAlignment value) {
    if (value == FAlignment)
        return;
    FAlignment = value;
    setAlignment(ToQtAlignment(value));
}

void TNumEdit::SetNumericType(TNumericType value) {
    if (value == FNumericType)
        return;
    const std::int64_t current = Value();
    FNumericType = value;
    SetValue(current);
}

std::int64_t TNumEdit::Value() const {
    // Emptiness is a property of the text: characters that Shift-JIS cannot hold may leave no
    // bytes, yet the field is not empty.
    return text().isEmpty() ? -1 : TextToInt(AnsiText(), FNumericType);
}

void TNumEdit::SetValue(std::int64_t value) {
    QByteArray digits = value == 0 ? QByteArray("0") : IntToText(value, FNumericType);
    if (FZeroPadding && digits.size() < FMaxLength)
        digits.prepend(FMaxLength - digits.size(), '0');
    setText(QString::fromLatin1(digits));
}

void TNumEdit::SetMaxLength(int value) { FMaxLength = std::max(0, value); }

void TNumEdit::SetCtl3D(bool value) {
    if (value == FCtl3D)
        return;
    FCtl3D = value;
    // The flat border is painted over the edge that the frame would take.
    setFrame(value);
    setTextMargins(value ? QMargins() : QMargins(2, 1, 2, 1));
    update();
}

void TNumEdit::SetColor(const QColor &value) {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, value);
    setPalette(colours);
}

QByteArray TNumEdit::AnsiText() const { return ToAnsi(text()); }

qsizetype TNumEdit::Room() const {
    if (FMaxLength == 0)
        return std::numeric_limits<qsizetype>::max();
    const qsizetype kept = AnsiLength(text()) - AnsiLength(selectedText());
    return std::max<qsizetype>(0, FMaxLength - kept);
}

void TNumEdit::PasteLimited() {
    if (isReadOnly())
        return;
    // Pasted text meets the same rule as typed text, so that the value is read from the base's
    // digits alone; full-width digits and letters, as Japanese text often has them, count as
    // the half-width ones.
    QString digits;
    for (const QChar character : QGuiApplication::clipboard()->text()) {
        char16_t code = character.unicode();
        if ((code >= u'０' && code <= u'９') || (code >= u'Ａ' && code <= u'Ｆ') ||
            (code >= u'ａ' && code <= u'ｆ'))
            code = char16_t(code - u'０' + u'0');
        if (code != Backspace && Accepts(code))
            digits += QChar(code);
    }
    if (!digits.isEmpty())
        insert(AnsiPrefix(digits, Room()).toString());
}

bool TNumEdit::Accepts(char16_t key) const {
    if (key == Backspace)
        return true;
    switch (FNumericType) {
    case ntDecimal:
        return key >= u'0' && key <= u'9';
    case ntBinary:
        return key == u'0' || key == u'1';
    case ntOctal:
        return key >= u'0' && key <= u'7';
    case ntHexadecimal:
        return (key >= u'0' && key <= u'9') || (key >= u'A' && key <= u'F') ||
               (key >= u'a' && key <= u'f');
    }
    return false;
}

void TNumEdit::TypeCharacter(char16_t key) {
    if (auto *form = dynamic_cast<TKeyPreviewForm *>(window()); form && form->KeyPreview())
        form->FormKeyPress(this, key);
    if (key != 0 && OnKeyPress)
        OnKeyPress(this, key);
    if (key == 0 || !Accepts(key) || isReadOnly())
        return;
    if (key == Backspace)
        backspace();
    else if (Room() > 0)
        insert(QString(QChar(key)));
}

void TNumEdit::keyPressEvent(QKeyEvent *event) {
    if (const FieldKey *key = FieldKeyOf(event)) {
        if (!key->changesText || !isReadOnly())
            key->command(*this);
        event->accept();
        return;
    }
    const KeyMeaning meaning = MeaningOf(event);
    switch (meaning.kind) {
    case KeyMeaning::EditingKey:
        // The platform's other paste keys paste like the context menu too, within MaxLength.
        if (event->matches(QKeySequence::Paste))
            PasteLimited();
        else
            QLineEdit::keyPressEvent(event);
        return;
    case KeyMeaning::Nothing:
        event->ignore();
        return;
    case KeyMeaning::Character:
        TypeCharacter(meaning.code);
        event->accept();
        return;
    }
}

void TNumEdit::inputMethodEvent(QInputMethodEvent *event) {
    // Composition is not shown; committed text is judged like typed characters.
    for (QChar character : event->commitString())
        TypeCharacter(character.unicode());
    event->accept();
}

QVariant TNumEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
    // Input-method plugins (ibus, fcitx) ask the focused widget rather than read its attribute;
    // a line edit answers yes whatever the attribute says, and the keys would then be composed
    // into full-width digits and kana instead of reaching the keystroke filter.
    if (query == Qt::ImEnabled)
        return false;
    return QLineEdit::inputMethodQuery(query);
}

void TNumEdit::focusInEvent(QFocusEvent *event) {
    // A line edit selects all of its text when tabbed into; this one keeps its caret.
    const int caret = cursorPosition();
    const bool hadSelection = hasSelectedText();
    QLineEdit::focusInEvent(event);
    if (!hadSelection && hasSelectedText()) {
        deselect();
        setCursorPosition(caret);
    }
}

void TNumEdit::contextMenuEvent(QContextMenuEvent *event) {
    QMenu *menu = createStandardContextMenu();
    for (QAction *action : menu->actions()) {
        if (action->text().startsWith(QLineEdit::tr("&Paste"))) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, &TNumEdit::PasteLimited);
        }
        NameFieldKey(action);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TNumEdit::paintEvent(QPaintEvent *event) {
    QLineEdit::paintEvent(event);
    if (FCtl3D)
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
