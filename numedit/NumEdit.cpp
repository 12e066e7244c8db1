#include "NumEdit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStringEncoder>
#include <algorithm>
#include <limits>
#include <optional>

namespace {

constexpr char16_t Backspace = 8;

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

// The character a key press types, as a code, or nothing for keys that only edit or move
// (arrows, Home, End, Delete, Shift and the like). Ctrl+letter gives its control code, as a
// keyboard does.
std::optional<char16_t> TypedCode(const QKeyEvent *event) {
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (key == Qt::Key_Backspace)
        return Backspace;
    if (key == Qt::Key_Delete)
        return std::nullopt;
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier) && key >= Qt::Key_A &&
        key <= Qt::Key_Z)
        return char16_t(key - Qt::Key_A + 1);
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return u'\r';
    if (key == Qt::Key_Escape)
        return u'\x1b';
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return u'\t';
    const QString text = event->text();
    if (text.isEmpty())
        return std::nullopt;
    return text.at(0).unicode();
}

} // namespace

TNumEdit::TNumEdit(QWidget *parent) : QLineEdit(parent) {
    // Digits typed while a Japanese input method is on should arrive as plain characters.
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

QByteArray TNumEdit::AnsiText() const {
    QStringEncoder encoder("Shift_JIS");
    return encoder.encode(text());
}

int TNumEdit::Room() const {
    if (FMaxLength == 0)
        return std::numeric_limits<int>::max();
    return std::max<int>(0, FMaxLength - int(text().size() - selectedText().size()));
}

void TNumEdit::PasteLimited() {
    if (isReadOnly())
        return;
    const QString clip = QGuiApplication::clipboard()->text();
    if (clip.isEmpty())
        return;
    insert(clip.left(Room()));
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
    const std::optional<char16_t> code = TypedCode(event);
    if (!code) {
        // The paste key (Shift+Insert) pastes like the context menu, within MaxLength.
        if (event->matches(QKeySequence::Paste))
            PasteLimited();
        else
            QLineEdit::keyPressEvent(event);
        return;
    }
    TypeCharacter(*code);
    event->accept();
}

void TNumEdit::inputMethodEvent(QInputMethodEvent *event) {
    // Composition is not shown; committed text is judged like typed characters.
    for (QChar character : event->commitString())
        TypeCharacter(character.unicode());
    event->accept();
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
