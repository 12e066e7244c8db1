#include "NumConversions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <chrono>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace {

using Writer = QByteArray (*)(std::int64_t);
using Reader = std::int64_t (*)(const QByteArray &);

struct Base {
    TNumericType type;
    int radix;
    Writer write;
    Reader read;
    const char *name;
};

const Base kBases[] = {
    {ntDecimal, 10, IntToDecText, DecTextToInt, "decimal"},
    {ntBinary, 2, IntToBinText, BinTextToInt, "binary"},
    {ntOctal, 8, IntToOctText, OctTextToInt, "octal"},
    {ntHexadecimal, 16, IntToHexText, HexTextToInt, "hexadecimal"},
};

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

// Reference writer: the standard library's digits, upper-cased.
QByteArray ReferenceText(std::int64_t value, int radix) {
    if (value <= 0)
        return {};
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, radix).ptr;
    std::transform(buffer, end, buffer, [](char c) { return char(std::toupper(c)); });
    return QByteArray(buffer, end - buffer);
}

// The value a byte adds at its place, or nothing for a byte the reader skips. The hexadecimal
// digits come from the C library's parser rather than a hand-written table.
std::optional<int> ReferenceDigit(char byte, int radix) {
    if (radix != 16)
        return static_cast<unsigned char>(byte) - 48;
    const char single[2] = {byte, '\0'};
    char *end = nullptr;
    const long digit = std::strtol(single, &end, 16);
    if (end != single + 1)
        return std::nullopt;
    return static_cast<int>(digit);
}

// Reference readers as a positional sum, last byte first: sum of digit * radix^place. One
// wraps modulo 2^64; the other is exact for texts short enough for 128 bits.
std::int64_t ReferenceWrappedRead(const QByteArray &text, int radix) {
    std::uint64_t sum = 0, power = 1;
    for (auto i = text.size(); i-- > 0;) {
        if (const auto digit = ReferenceDigit(text[i], radix)) {
            sum += static_cast<std::uint64_t>(*digit) * power;
            power *= static_cast<std::uint64_t>(radix);
        }
    }
    return static_cast<std::int64_t>(sum);
}

__int128 ReferenceExactRead(const QByteArray &text, int radix) {
    __int128 sum = 0, power = 1;
    for (auto i = text.size(); i-- > 0;) {
        if (const auto digit = ReferenceDigit(text[i], radix)) {
            sum += *digit * power;
            power *= radix;
        }
    }
    return sum;
}

std::optional<std::int32_t> ReferenceNonNegativeInt32(const QByteArray &text, int radix) {
    if (text.isEmpty())
        return std::nullopt;
    const __int128 value = ReferenceExactRead(text, radix);
    if (value < 0 || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// Values of every magnitude, both signs and the extremes.
std::int64_t RandomValue(std::mt19937_64 &random) {
    const std::uint64_t magnitude = random() >> (random() % 64);
    switch (random() % 8) {
    case 0:
        return static_cast<std::int64_t>(0 - magnitude);
    case 1:
        return random() % 2 ? kMax : kMin;
    default:
        return static_cast<std::int64_t>(magnitude);
    }
}

// Mostly digits of the base (both cases for hexadecimal), with any byte mixed in.
QByteArray RandomText(std::mt19937_64 &random, int radix, int maxLength) {
    static const char kDigits[] = "0123456789ABCDEFabcdef";
    const int digitCount = radix == 16 ? 22 : radix;
    QByteArray text;
    const auto length = static_cast<int>(random() % (maxLength + 1));
    for (int i = 0; i < length; ++i)
        text += random() % 4 ? kDigits[random() % digitCount] : static_cast<char>(random());
    return text;
}

TEST(NumConversions, WritersMatchStandardDigitsAndReadBack) {
    std::mt19937_64 random(20240601);
    for (int i = 0; i < 50000; ++i) {
        const std::int64_t value = RandomValue(random);
        for (const Base &base : kBases) {
            SCOPED_TRACE(testing::Message() << base.name << " " << value);
            const QByteArray text = base.write(value);
            ASSERT_EQ(text, ReferenceText(value, base.radix));
            ASSERT_EQ(IntToText(value, base.type), text);
            if (value > 0) {
                ASSERT_EQ(std::strtoull(text.constData(), nullptr, base.radix),
                          static_cast<std::uint64_t>(value));
                ASSERT_EQ(base.read(text), value);
            }
        }
    }
}

TEST(NumConversions, WritersLeaveZeroAndNegativesEmptyAndWriteTheExtremes) {
    for (const Base &base : kBases) {
        SCOPED_TRACE(base.name);
        for (const std::int64_t value : {std::int64_t{0}, std::int64_t{-1}, std::int64_t{-5}, kMin})
            EXPECT_EQ(base.write(value), QByteArray()) << value;
        EXPECT_EQ(base.read(base.write(kMax)), kMax);
        EXPECT_EQ(base.write(1), "1");
    }
    EXPECT_EQ(IntToDecText(255), "255");
    EXPECT_EQ(IntToBinText(5), "101");
    EXPECT_EQ(IntToOctText(8), "10");
    EXPECT_EQ(IntToHexText(255), "FF");
    EXPECT_EQ(IntToHexText(0xABCDEF), "ABCDEF");
    EXPECT_EQ(IntToDecText(kMax), "9223372036854775807");
    EXPECT_EQ(IntToBinText(kMax), QByteArray(63, '1'));
    EXPECT_EQ(IntToOctText(kMax), QByteArray(21, '7'));
    EXPECT_EQ(IntToHexText(kMax), "7" + QByteArray(15, 'F'));
}

TEST(NumConversions, ReadersMatchPositionalSumOnRandomBytes) {
    std::mt19937_64 random(77);
    for (int i = 0; i < 50000; ++i) {
        for (const Base &base : kBases) {
            const QByteArray text = RandomText(random, base.radix, i % 10 ? 24 : 200);
            SCOPED_TRACE(testing::Message() << base.name << " " << text.toHex().constData());
            const std::int64_t expected = ReferenceWrappedRead(text, base.radix);
            ASSERT_EQ(base.read(text), expected);
            ASSERT_EQ(TextToInt(text, base.type), expected);
        }
    }
}

TEST(NumConversions, ReadersTakeForeignBytesAsTheirCodesOrSkipThemInHex) {
    for (const Base &base : kBases)
        EXPECT_EQ(base.read(""), 0) << base.name;

    EXPECT_EQ(DecTextToInt("255"), 255);
    EXPECT_EQ(DecTextToInt("0255"), 255);
    EXPECT_EQ(BinTextToInt("101"), 5);
    EXPECT_EQ(OctTextToInt("10"), 8);
    EXPECT_EQ(DecTextToInt("1x"), 82);
    EXPECT_EQ(BinTextToInt("12"), 4);
    EXPECT_EQ(DecTextToInt(" "), -16);
    // Bytes are unsigned: 0xFF adds 255 - 48, not -1 - 48.
    EXPECT_EQ(DecTextToInt("\xff"), 207);
    EXPECT_EQ(OctTextToInt("1\x80"), 8 + 80);

    EXPECT_EQ(HexTextToInt("ff"), 255);
    EXPECT_EQ(HexTextToInt("FF"), 255);
    EXPECT_EQ(HexTextToInt("00ff"), 255);
    EXPECT_EQ(HexTextToInt("1x2"), 18);
    EXPECT_EQ(HexTextToInt(" F"), 15);
    EXPECT_EQ(HexTextToInt("gG@`/:"), 0);
    EXPECT_EQ(HexTextToInt("\xef\xbc\x91\xef\xbc\xa1"), 0); // full-width "1A" in UTF-8
}

TEST(NumConversions, ReadersWrapAroundModulo2To64) {
    EXPECT_EQ(HexTextToInt(QByteArray(16, 'F')), -1);
    EXPECT_EQ(HexTextToInt("10000000000000000"), 0);
    EXPECT_EQ(HexTextToInt("8000000000000000"), kMin);
    EXPECT_EQ(DecTextToInt("18446744073709551615"), -1);
    EXPECT_EQ(DecTextToInt("18446744073709551616"), 0);
    EXPECT_EQ(DecTextToInt("4294967322"), 4294967322);
    EXPECT_EQ(DecTextToInt("9223372036854775808"), kMin);
    EXPECT_EQ(BinTextToInt("1" + QByteArray(64, '0')), 0);
    EXPECT_EQ(OctTextToInt("2" + QByteArray(21, '0')), 0);
}

TEST(NumConversions, NonNegativeInt32ReadsWithoutWrapping) {
    for (const Base &base : kBases) {
        SCOPED_TRACE(base.name);
        EXPECT_EQ(TextToNonNegativeInt32("", base.type), std::nullopt);
        EXPECT_EQ(TextToNonNegativeInt32("0", base.type), 0);
        EXPECT_EQ(TextToNonNegativeInt32(base.write(kMax), base.type), std::nullopt);
        const std::int32_t largest = std::numeric_limits<std::int32_t>::max();
        EXPECT_EQ(TextToNonNegativeInt32(base.write(largest), base.type), largest);
        EXPECT_EQ(TextToNonNegativeInt32(base.write(std::int64_t{largest} + 1), base.type),
                  std::nullopt);
        // Digits that wrap to a small number are still out of range.
        EXPECT_EQ(TextToNonNegativeInt32(base.write(kMax) + base.write(kMax), base.type),
                  std::nullopt);
    }
    EXPECT_EQ(TextToNonNegativeInt32("4294967322", ntDecimal), std::nullopt);
    EXPECT_EQ(TextToNonNegativeInt32("10000000000000000", ntHexadecimal), std::nullopt);
    EXPECT_EQ(TextToNonNegativeInt32("18446744073709551616", ntDecimal), std::nullopt);
    EXPECT_EQ(TextToNonNegativeInt32("2147483647", ntDecimal), 2147483647);
    EXPECT_EQ(TextToNonNegativeInt32("2147483648", ntDecimal), std::nullopt);
    EXPECT_EQ(TextToNonNegativeInt32("7fffFFFF", ntHexadecimal), 2147483647);
    EXPECT_EQ(TextToNonNegativeInt32("1x2", ntHexadecimal), 18);
    EXPECT_EQ(TextToNonNegativeInt32("xyz", ntHexadecimal), 0);
    EXPECT_EQ(TextToNonNegativeInt32("1x", ntDecimal), 82);
    EXPECT_EQ(TextToNonNegativeInt32(" ", ntDecimal), std::nullopt);
    // 10^64 and -10^64 are both 0 modulo 2^64.
    ASSERT_EQ(DecTextToInt("1" + QByteArray(64, '0')), 0);
    ASSERT_EQ(DecTextToInt("/" + QByteArray(64, '0')), 0);
    EXPECT_EQ(TextToNonNegativeInt32("1" + QByteArray(64, '0'), ntDecimal), std::nullopt);
    EXPECT_EQ(TextToNonNegativeInt32("/" + QByteArray(64, '0'), ntDecimal), std::nullopt);
}

TEST(NumConversions, NonNegativeInt32FollowsTextsThatDipNegativeAndComeBack) {
    EXPECT_EQ(TextToNonNegativeInt32("1/", ntDecimal), 9);
    EXPECT_EQ(TextToNonNegativeInt32("/\xff", ntDecimal), 197);
    EXPECT_EQ(TextToNonNegativeInt32("0\x01", ntDecimal), std::nullopt);
    EXPECT_EQ(TextToNonNegativeInt32("0\x01\xff\xff", ntDecimal), std::nullopt);
    // Binary bytes reaching -206 climb back under 0xFF (2v + 207 > v); from -207 they stay.
    const QByteArray minus206("\x18)70", 4);
    const QByteArray minus207("\x18)7/", 4);
    ASSERT_EQ(BinTextToInt(minus206), -206);
    ASSERT_EQ(BinTextToInt(minus207), -207);
    EXPECT_EQ(TextToNonNegativeInt32(minus206 + QByteArray(8, '\xff'), ntBinary), 49);
    EXPECT_EQ(TextToNonNegativeInt32(minus206 + QByteArray(40, '\xff'), ntBinary), std::nullopt);
    EXPECT_EQ(TextToNonNegativeInt32(minus207 + QByteArray(8, '\xff'), ntBinary), std::nullopt);
}

TEST(NumConversions, NonNegativeInt32MatchesExactReferenceOnRandomBytes) {
    std::mt19937_64 random(4242);
    int inRange = 0;
    for (int i = 0; i < 200000; ++i) {
        const Base &base = kBases[i % 4];
        // Short texts land in range often; 24 bytes of base 10 stay far inside 128 bits.
        const QByteArray text = RandomText(random, base.radix, i % 3 ? 10 : 24);
        const auto expected = ReferenceNonNegativeInt32(text, base.radix);
        ASSERT_EQ(TextToNonNegativeInt32(text, base.type), expected)
            << base.name << " " << text.toHex().constData();
        inRange += expected.has_value();
    }
    EXPECT_GT(inRange, 20000); // the comparison is not all out-of-range texts
}

TEST(NumConversions, LongTextsAreReadInLinearTime) {
    const QByteArray digits(100000, '9');
    const QByteArray zeros = QByteArray(100000, '0') + "5";
    const QByteArray junkThenHex = QByteArray(100000, 'x') + "FF";
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 10; ++i) {
        for (const Base &base : kBases) {
            EXPECT_EQ(TextToNonNegativeInt32(digits, base.type), std::nullopt);
            EXPECT_EQ(TextToNonNegativeInt32(zeros, base.type), 5);
        }
        EXPECT_EQ(TextToNonNegativeInt32(junkThenHex, ntHexadecimal), 255);
        EXPECT_EQ(HexTextToInt(junkThenHex), 255);
        EXPECT_EQ(DecTextToInt(zeros), 5);
    }
    // A few million byte steps; anything quadratic would take minutes.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

} // namespace
