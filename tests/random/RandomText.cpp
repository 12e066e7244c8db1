#include "RandomText.h"

#include <array>
#include <cstring>

namespace {

const char *const Decimal = "0123456789";
const char *const Hexadecimal = "0123456789abcdefABCDEF";

// Keys that edit, move, switch or confirm rather than type a character.
const std::array<KeyStroke, 30> ControlKeys{{
    {Qt::Key_Backspace, {}, {}},
    {Qt::Key_Backspace, {}, {}},
    {Qt::Key_Delete, {}, {}},
    {Qt::Key_Left, {}, {}},
    {Qt::Key_Right, {}, {}},
    {Qt::Key_Up, {}, {}},
    {Qt::Key_Down, {}, {}},
    {Qt::Key_Home, {}, {}},
    {Qt::Key_End, {}, {}},
    {Qt::Key_PageUp, {}, {}},
    {Qt::Key_PageDown, {}, {}},
    {Qt::Key_Tab, {}, {}},
    {Qt::Key_Backtab, {}, Qt::ShiftModifier},
    {Qt::Key_Return, QStringLiteral("\r"), {}},
    {Qt::Key_Enter, QStringLiteral("\r"), Qt::KeypadModifier},
    {Qt::Key_Escape, QStringLiteral("\x1b"), {}},
    {Qt::Key_Space, QStringLiteral(" "), {}},
    {Qt::Key_Insert, {}, {}},
    {Qt::Key_Insert, {}, Qt::ShiftModifier},   // pastes on X11
    {Qt::Key_Insert, {}, Qt::ControlModifier}, // copies
    {Qt::Key_Delete, {}, Qt::ShiftModifier},   // cuts
    {Qt::Key_Home, {}, Qt::ShiftModifier},
    {Qt::Key_End, {}, Qt::ShiftModifier},
    {Qt::Key_Left, {}, Qt::ShiftModifier | Qt::ControlModifier},
    {Qt::Key_Tab, {}, Qt::ControlModifier},
    {Qt::Key_Backtab, {}, Qt::ControlModifier | Qt::ShiftModifier},
    {Qt::Key_Backspace, {}, Qt::ControlModifier},
    {Qt::Key_F1, {}, {}},
    {Qt::Key_Shift, {}, Qt::ShiftModifier},
    {Qt::Key_Alt, {}, Qt::AltModifier},
}};

// Ranges of code points to draw characters from, with the ones this program meets most first.
struct Range {
    char32_t first;
    char32_t last;
};
const std::array<Range, 12> Ranges{{
    {0xFF10, 0xFF19},   // full-width digits
    {0xFF21, 0xFF26},   // full-width A to F
    {0xFF41, 0xFF46},   // full-width a to f
    {0x3041, 0x3096},   // hiragana
    {0x4E00, 0x9FFF},   // kanji
    {0x0000, 0x001F},   // control characters
    {0x0080, 0x024F},   // Latin-1 and Latin Extended
    {0x0300, 0x036F},   // combining marks
    {0x0590, 0x06FF},   // right-to-left scripts
    {0xD800, 0xDFFF},   // lone surrogates
    {0xFFF0, 0xFFFF},   // specials and non-characters
    {0x1F300, 0x1FAFF}, // emoji, beyond the basic plane
}};

} // namespace

QString RandomText::Character() {
    const Range &range = Ranges[std::size_t(Below(int(Ranges.size())))];
    const char32_t code = range.first + char32_t(Below(int(range.last - range.first + 1)));
    if (code >= 0xD800 && code <= 0xDFFF)
        return QString(QChar(char16_t(code)));
    return QString::fromUcs4(&code, 1);
}

QString RandomText::Digits(int length, const char *alphabet) {
    const int size = int(std::strlen(alphabet));
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i)
        text.append(QLatin1Char(alphabet[Below(size)]));
    return text;
}

KeyStroke RandomText::Key() {
    const int kind = Below(100);
    if (kind < 30) {
        const QString digit = Digits(1, Decimal);
        return {Qt::Key(Qt::Key_0 + digit.toInt()), digit, {}};
    }
    if (kind < 45) {
        const QChar letter = QLatin1Char(char('a' + Below(26)));
        const bool upper = Below(2) == 0;
        return {Qt::Key(Qt::Key_A + (letter.unicode() - 'a')), upper ? letter.toUpper() : letter,
                upper ? Qt::ShiftModifier : Qt::NoModifier};
    }
    if (kind < 52) {
        // Control with a letter: select all, copy, paste, cut, undo, redo and the rest.
        const int letter = Below(26);
        return {Qt::Key(Qt::Key_A + letter), QString(QChar(char16_t(letter + 1))),
                Qt::ControlModifier};
    }
    if (kind < 75)
        return ControlKeys[std::size_t(Below(int(ControlKeys.size())))];
    if (kind < 80) {
        const QChar sign = QLatin1Char("-+.,x "[Below(6)]);
        return {Qt::Key(sign.toUpper().unicode()), QString(sign), {}};
    }
    // What an input method commits: a character with no key of its own.
    return {Qt::Key_unknown, Character(), {}};
}

QString RandomText::Paste() {
    switch (Below(10)) {
    case 0:
        return QString();
    case 1:
        return Digits(1 + Below(10), Decimal);
    case 2:
        return Digits(1 + Below(12), Hexadecimal);
    case 3: // past what 32 and 64 bits hold
        return Digits(11 + Below(40), Below(2) ? Decimal : Hexadecimal);
    case 4: {
        static const std::array<QString, 8> odd{
            QStringLiteral(" 12 "), QStringLiteral("-5"),         QStringLiteral("+7"),
            QStringLiteral("0x1F"), QStringLiteral("12\n34"),     QStringLiteral("１２３"),
            QStringLiteral("ＦＦ"), QStringLiteral("2147483648"),
        };
        return odd[std::size_t(Below(int(odd.size())))];
    }
    case 5:
    case 6: {
        QString text;
        for (int i = 0, n = 1 + Below(12); i < n; ++i)
            text += Below(2) ? Digits(1, Hexadecimal) : Character();
        return text;
    }
    case 7: {
        QString text;
        for (int i = 0, n = 200 + Below(2000); i < n; ++i)
            text += Character();
        return text;
    }
    case 8:
        return Digits(1000 + Below(4000), Hexadecimal);
    default:
        // Rarely a text far longer than any number.
        return Below(8) == 0 ? Digits(50'000, Decimal) : Digits(1 + Below(8), Decimal);
    }
}
