// Fuzzes the numeric edit's readers and writers with invariants that hold for any text.
#include "NumConversions.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace {

struct Base {
    TNumericType type;
    std::uint64_t radix;
    std::int64_t (*read)(const QByteArray &);
    // Longest text of this base whose exact value always fits in 64 signed bits: bytes for the
    // bases that count every byte (each adds -48 ... 207), digits for hexadecimal.
    qsizetype longestUnwrapped;
};

const Base kBases[] = {
    {ntDecimal, 10, DecTextToInt, 17},
    {ntBinary, 2, BinTextToInt, 55},
    {ntOctal, 8, OctTextToInt, 19},
    {ntHexadecimal, 16, HexTextToInt, 15},
};

bool IsHexDigit(char byte) {
    return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'F') ||
           (byte >= 'a' && byte <= 'f');
}

// The bytes the reader of the base gives a place to.
QByteArray CountedBytes(const QByteArray &text, const Base &base) {
    if (base.type != ntHexadecimal)
        return text;
    QByteArray digits;
    for (const char byte : text)
        if (IsHexDigit(byte))
            digits += byte;
    return digits;
}

std::uint64_t Power(std::uint64_t radix, qsizetype exponent) {
    std::uint64_t result = 1;
    while (exponent-- > 0)
        result *= radix;
    return result;
}

void CheckReaders(const QByteArray &text, qsizetype split) {
    for (const Base &base : kBases) {
        const std::int64_t wrapped = TextToInt(text, base.type);
        FUZZ_CHECK(wrapped == base.read(text));

        // Reading is positional: a text split in two reads as head * radix^places + tail.
        const QByteArray head = text.left(split), tail = text.mid(split);
        const std::uint64_t joined = static_cast<std::uint64_t>(base.read(head)) *
                                         Power(base.radix, CountedBytes(tail, base).size()) +
                                     static_cast<std::uint64_t>(base.read(tail));
        FUZZ_CHECK(wrapped == static_cast<std::int64_t>(joined));

        if (base.type == ntHexadecimal) {
            FUZZ_CHECK(wrapped == HexTextToInt(CountedBytes(text, base)));
            FUZZ_CHECK(wrapped == HexTextToInt(text.toUpper()));
        }

        const auto exact = TextToNonNegativeInt32(text, base.type);
        if (text.isEmpty())
            FUZZ_CHECK(!exact);
        if (exact)
            FUZZ_CHECK(*exact >= 0 && *exact == wrapped);
        // Where nothing can wrap, the exact and the wrapping reader agree.
        if (!text.isEmpty() && CountedBytes(text, base).size() <= base.longestUnwrapped) {
            const bool inRange =
                wrapped >= 0 && wrapped <= std::numeric_limits<std::int32_t>::max();
            FUZZ_CHECK(exact.has_value() == inRange);
        }
    }
}

void CheckRoundTrip(std::int64_t value) {
    for (const Base &base : kBases) {
        const QByteArray text = IntToText(value, base.type);
        FUZZ_CHECK(IntToText(~value, base.type).isEmpty()); // ~value is negative
        if (value == 0) {
            FUZZ_CHECK(text.isEmpty());
            continue;
        }
        FUZZ_CHECK(!text.isEmpty() && text[0] != '0');
        for (const char byte : text)
            FUZZ_CHECK(IsHexDigit(byte) && !(byte >= 'a' && byte <= 'f') &&
                       static_cast<std::uint64_t>(HexTextToInt(QByteArray(1, byte))) < base.radix);
        FUZZ_CHECK(TextToInt(text, base.type) == value);
        const auto exact = TextToNonNegativeInt32(text, base.type);
        if (value <= std::numeric_limits<std::int32_t>::max())
            FUZZ_CHECK(exact == value);
        else
            FUZZ_CHECK(!exact);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    CheckReaders(text, size == 0 ? 0 : static_cast<qsizetype>(data[0] % (size + 1)));

    // A non-negative value from the first bytes, shifted so that small values come up too.
    std::uint64_t bits = 0;
    std::memcpy(&bits, data, size < sizeof bits ? size : sizeof bits);
    const unsigned shift = size > sizeof bits ? data[sizeof bits] % 64 : 0;
    CheckRoundTrip(static_cast<std::int64_t>((bits >> 1) >> shift));
    return 0;
}
