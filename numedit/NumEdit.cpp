#include "NumEdit.h"

#include "AnsiText.h"
#include "ClipboardText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
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

// The line edit asks its validator about every change of its text, whatever made it; so the
// gate sits there, where no way in can pass it by.
class Gate : public QValidator {
public:
    explicit Gate(TNumEdit *edit) : QValidator(edit), edit(edit) {}
    State validate(QString &text, int &caret) const override {
        return edit->AdmitChange(text, caret);
    }

private:
    TNumEdit *edit;
};

char16_t HalfWidth(char16_t code) {
    if ((code >= u'０' && code <= u'９') || (code >= u'Ａ' && code <= u'Ｆ') ||
        (code >= u'ａ' && code <= u'ｆ'))
        return char16_t(code - u'０' + u'0');
    return code;
}

} // namespace

TNumEdit::TNumEdit(QWidget *parent) : QLineEdit(parent) {
    // Digits typed while a Japanese input method is on should arrive as plain characters; see
    // inputMethodQuery for what the platform's input method asks.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    // MaxLength is kept here, for typing and pasting only; written values are never cut.
    QLineEdit::setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) { FShown = text; });
    setValidator(new Gate(this));
    SetValue(0);
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
    return text().isEmpty() ? -1 : TextToInt(AnsiText(), FNumericType);
}

void TNumEdit::SetValue(std::int64_t value) {
    QByteArray digits = value == 0 ? QByteArray("0") : IntToText(value, FNumericType);
    if (FZeroPadding && digits.size() < FMaxLength)
        digits.prepend(FMaxLength - digits.size(), '0');
    // Setting text tells screen readers of a change even where there is none; the digits the
    // field holds untouched are left as they are, but for the caret, which goes to their end.
    if (text() == QLatin1String(digits) && !isUndoAvailable() && !isRedoAvailable()) {
        end(false);
        return;
    }
    FWriting = true;
    setText(QString::fromLatin1(digits));
    FWriting = false;
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
    if (!isReadOnly())
        PasteClipboardText(*this);
}

void TNumEdit::InsertText(const QString &text) {
    if (isReadOnly())
        return;
    // Admitted here already, so that the change passes the gate whole and stays one step to
    // undo; a text without a single digit leaves the field as it was, selection and all.
    if (const QString digits = Admitted(text, Room()); !digits.isEmpty())
        insert(digits);
}

QString TNumEdit::Admitted(QStringView offered, qsizetype room) const {
    // Full-width digits and letters, as Japanese text often has them, count as the half-width
    // ones; anything else is left out, as typing would leave it out.
    QString digits;
    for (const QChar character : offered) {
        const char16_t code = HalfWidth(character.unicode());
        if (IsDigit(code))
            digits += QChar(code);
    }
    digits.truncate(AnsiPrefix(digits, room).size());
    return digits;
}

QValidator::State TNumEdit::AdmitChange(QString &text, int &caret) const {
    if (FWriting)
        return QValidator::Acceptable;
    // What the change put in place of the shown text's middle: the text between the longest
    // beginning and the longest end that the two share.
    const qsizetype shared = std::min(text.size(), FShown.size());
    qsizetype front = 0;
    while (front < shared && text[front] == FShown[front])
        ++front;
    qsizetype back = 0;
    while (back < shared - front &&
           text[text.size() - 1 - back] == FShown[FShown.size() - 1 - back])
        ++back;
    const qsizetype offered = text.size() - front - back;
    qsizetype room = std::numeric_limits<qsizetype>::max();
    if (FMaxLength > 0) {
        const qsizetype kept =
            AnsiLength(QStringView(text).first(front)) + AnsiLength(QStringView(text).last(back));
        room = std::max<qsizetype>(0, FMaxLength - kept);
    }
    const QStringView inserted = QStringView(text).mid(front, offered);
    const QString digits = Admitted(inserted, room);
    if (digits == inserted)
        return QValidator::Acceptable;
    if (digits.isEmpty() && offered > 0) {
        // Nothing of it passes: the change is not made.
        text = FShown;
        caret = int(std::min(front, FShown.size()));
    } else {
        text.replace(front, offered, digits);
        caret = int(front + digits.size());
    }
    return QValidator::Acceptable;
}

bool TNumEdit::IsDigit(char16_t key) const {
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

bool TNumEdit::Accepts(char16_t key) const { return key == Backspace || IsDigit(key); }

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
    // A composition in progress is not shown; committed text goes in once, through the gate.
    if (!event->commitString().isEmpty())
        InsertText(event->commitString());
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
            action->setEnabled(!isReadOnly() && ClipboardMayHoldText());
        }
        NameFieldKey(action);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TNumEdit::mouseReleaseEvent(QMouseEvent *event) {
    // The selection's paste by the middle button, as one step to undo like any other paste.
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
        deselect();
        InsertText(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TNumEdit::dragMoveEvent(QDragMoveEvent *event) {
    QLineEdit::dragMoveEvent(event);
    // The source is told while the text is over the field, and some act on that alone: text
    // from elsewhere is copied, never moved.
    if (event->isAccepted() && event->source() != this)
        event->setDropAction(Qt::CopyAction);
}

void TNumEdit::dropEvent(QDropEvent *event) {
    if (event->source() == this) {
        QLineEdit::dropEvent(event); // digits moved or copied within the field
        return;
    }
    // Text from elsewhere is copied, never moved: what the gate leaves out stays where it was.
    const QString text = event->mimeData()->text();
    if (text.isNull() || isReadOnly()) {
        event->ignore();
        return;
    }
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    InsertText(text);
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void TNumEdit::paintEvent(QPaintEvent *event) {
    QLineEdit::paintEvent(event);
    if (FCtl3D)
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
