#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>

// The bases a numeric edit can hold its number in.
enum TNumericType : std::uint8_t { ntDecimal = 0, ntBinary = 1, ntOctal = 2, ntHexadecimal = 3 };

// Writers: the digits of value in their base, most significant first, with no sign, prefix or
// leading zeros. Zero and negative values give the empty text.
QByteArray IntToDecText(std::int64_t value);
QByteArray IntToBinText(std::int64_t value);
QByteArray IntToOctText(std::int64_t value);
// Upper-case letters.
QByteArray IntToHexText(std::int64_t value);

// Readers, byte by byte, wrapping around modulo 2^64. The decimal, binary and octal readers
// test no byte: every byte counts as its code minus '0' (so bytes below '0' subtract). The
// hexadecimal reader takes 0-9, A-F and a-f and skips every other byte.
std::int64_t DecTextToInt(const QByteArray &text);
std::int64_t BinTextToInt(const QByteArray &text);
std::int64_t OctTextToInt(const QByteArray &text);
std::int64_t HexTextToInt(const QByteArray &text);

// The writer and the reader of a numeric type.
QByteArray IntToText(std::int64_t value, TNumericType type);
std::int64_t TextToInt(const QByteArray &text, TNumericType type);

// What the reader of the type computes for the text with unbounded precision, when that lies
// in 0 ... 2147483647; nothing otherwise (the empty text included). Unlike TextToInt this
// never wraps, so "4294967322" is not 26.
std::optional<std::int32_t> TextToNonNegativeInt32(const QByteArray &text, TNumericType type);
