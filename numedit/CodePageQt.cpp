#include "CodePage.h"

#include <QStringEncoder>

namespace {

// The encoder's own stand-in for a character it cannot hold; Shift-JIS has no character there.
constexpr QByteArrayView EncoderSubstitute("\xFC\xFC");

} // namespace

QByteArray ToCodePage932(QStringView character) {
    // Stateless: a lone surrogate must not wait for a partner in the next character.
    QStringEncoder encoder("Shift_JIS", QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(character);
    return bytes == EncoderSubstitute ? QByteArray() : bytes;
}
