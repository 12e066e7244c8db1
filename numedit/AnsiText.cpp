#include "AnsiText.h"

#include "CodePage.h"

#include <QByteArrayView>

namespace {

// One character, a surrogate pair being one, starting at index.
QStringView CharacterAt(QStringView text, qsizetype index) {
    const bool pair = text[index].isHighSurrogate() && index + 1 < text.size() &&
                      text[index + 1].isLowSurrogate();
    return text.sliced(index, pair ? 2 : 1);
}

// Calls visit(character, bytes) for each character of the text, in order; stops when it
// returns false.
template <typename Visit> void ForEachCharacter(QStringView text, Visit visit) {
    for (qsizetype i = 0; i < text.size();) {
        const QStringView character = CharacterAt(text, i);
        i += character.size();
        if (character[0].unicode() < 0x80) {
            const char ascii = char(character[0].unicode());
            if (!visit(character, QByteArrayView(&ascii, 1)))
                return;
            continue;
        }
        const QByteArray bytes = ToCodePage932(character);
        if (!visit(character, bytes.isEmpty() ? QByteArrayView("?") : QByteArrayView(bytes)))
            return;
    }
}

} // namespace

QByteArray ToAnsi(QStringView text) {
    QByteArray ansi;
    ansi.reserve(text.size());
    ForEachCharacter(text, [&](QStringView, QByteArrayView bytes) {
        ansi.append(bytes);
        return true;
    });
    return ansi;
}

qsizetype AnsiLength(QStringView text) {
    qsizetype length = 0;
    ForEachCharacter(text, [&](QStringView, QByteArrayView bytes) {
        length += bytes.size();
        return true;
    });
    return length;
}

QStringView AnsiPrefix(QStringView text, qsizetype maxBytes) {
    qsizetype bytes = 0;
    qsizetype characters = 0;
    ForEachCharacter(text, [&](QStringView character, QByteArrayView encoded) {
        if (bytes + encoded.size() > maxBytes)
            return false;
        bytes += encoded.size();
        characters += character.size();
        return true;
    });
    return text.first(characters);
}
