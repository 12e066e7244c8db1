#include "NumConversions.h"

#include <limits>

namespace {

// Digits are produced least significant first into the end of a buffer; 64 places hold the
// longest text, the binary one of the largest value.
QByteArray WriteDigits(std::int64_t value, std::int64_t base) {
    char digits[64];
    char *first = digits + sizeof digits;
    while (value > 0) {
        const auto d = static_cast<char>(value % base);
        *--first = static_cast<char>(d < 10 ? '0' + d : 'A' - 10 + d);
        value /= base;
    }
    return QByteArray(first, static_cast<qsizetype>(digits + sizeof digits - first));
}

// The code of a byte minus '0', in -48 ... 207.
int DigitOf(char byte) { return static_cast<unsigned char>(byte) - '0'; }

// Unsigned arithmetic gives the wrap-around modulo 2^64 without undefined behaviour.
std::int64_t ReadEveryByte(const QByteArray &text, std::uint64_t base) {
    std::uint64_t value = 0;
    for (const char byte : text)
        value = value * base + static_cast<std::uint64_t>(DigitOf(byte));
    return static_cast<std::int64_t>(value);
}

// The value of a hexadecimal digit in either case, or -1 for any other byte.
int HexDigitOf(char byte) {
    if (byte >= '0' && byte <= '9')
        return byte - '0';
    if (byte >= 'A' && byte <= 'F')
        return byte - 'A' + 10;
    if (byte >= 'a' && byte <= 'f')
        return byte - 'a' + 10;
    return -1;
}

constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

std::optional<std::int32_t> InInt32Range(std::int64_t value) {
    if (value < 0 || value > kInt32Max)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// Exact reading for base 2, 8 or 10. A step is value * base + d with d in -48 ... 207, so
// above kInt32Max the value only grows (base * v - 48 > v) and below -207 it only falls
// (base * v + 207 < v); either way it can never come back into range, and the rest of the
// text need not be read. Between those bounds a step cannot overflow 64 bits.
std::optional<std::int32_t> ReadEveryByteExactly(const QByteArray &text, std::int64_t base) {
    std::int64_t value = 0;
    for (const char byte : text) {
        value = value * base + DigitOf(byte);
        if (value > kInt32Max || value < -207)
            return std::nullopt;
    }
    return InInt32Range(value);
}

// Hexadecimal digits never subtract, so the value only grows.
std::optional<std::int32_t> ReadHexExactly(const QByteArray &text) {
    std::int64_t value = 0;
    for (const char byte : text) {
        const int digit = HexDigitOf(byte);
        if (digit < 0)
            continue;
        value = value * 16 + digit;
        if (value > kInt32Max)
            return std::nullopt;
    }
    return InInt32Range(value);
}

} // namespace

QByteArray IntToDecText(std::int64_t value) { return WriteDigits(value, 10); }
QByteArray IntToBinText(std::int64_t value) { return WriteDigits(value, 2); }
QByteArray IntToOctText(std::int64_t value) { return WriteDigits(value, 8); }
QByteArray IntToHexText(std::int64_t value) { return WriteDigits(value, 16); }

std::int64_t DecTextToInt(const QByteArray &text) { return ReadEveryByte(text, 10); }
std::int64_t BinTextToInt(const QByteArray &text) { return ReadEveryByte(text, 2); }
std::int64_t OctTextToInt(const QByteArray &text) { return ReadEveryByte(text, 8); }

std::int64_t HexTextToInt(const QByteArray &text) {
    std::uint64_t value = 0;
    for (const char byte : text) {
        const int digit = HexDigitOf(byte);
        if (digit >= 0)
            value = value * 16 + static_cast<std::uint64_t>(digit);
    }
    return static_cast<std::int64_t>(value);
}

// A type outside the enumeration is taken as decimal, the control's default.
QByteArray IntToText(std::int64_t value, TNumericType type) {
    switch (type) {
    case ntBinary:
        return IntToBinText(value);
    case ntOctal:
        return IntToOctText(value);
    case ntHexadecimal:
        return IntToHexText(value);
    case ntDecimal:
        break;
    }
    return IntToDecText(value);
}

std::int64_t TextToInt(const QByteArray &text, TNumericType type) {
    switch (type) {
    case ntBinary:
        return BinTextToInt(text);
    case ntOctal:
        return OctTextToInt(text);
    case ntHexadecimal:
        return HexTextToInt(text);
    case ntDecimal:
        break;
    }
    return DecTextToInt(text);
}

std::optional<std::int32_t> TextToNonNegativeInt32(const QByteArray &text, TNumericType type) {
    if (text.isEmpty())
        return std::nullopt;
    switch (type) {
    case ntBinary:
        return ReadEveryByteExactly(text, 2);
    case ntOctal:
        return ReadEveryByteExactly(text, 8);
    case ntHexadecimal:
        return ReadHexExactly(text);
    case ntDecimal:
        break;
    }
    return ReadEveryByteExactly(text, 10);
}
