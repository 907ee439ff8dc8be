#include <gtest/gtest.h>

#include "tools/BaseConverter.h"

namespace {

enum Radix { Dec = 0, Hex = 1, Bin = 2, Oct = 3 };

struct ConvertCase {
    const char* source;
    int radixIndex;
    // What the decimal, hexadecimal, binary and octal fields show.
    const char* fields[4];
};

const char* const kInvalid = "Invalid number";
const std::string kOnes32(32, '1');
const std::string kOneThen31Zeros = "1" + std::string(31, '0');

const ConvertCase kConvertCases[] = {
    {"255", Dec, {"255", "ff", "11111111", "377"}},
    {"FF", Hex, {"255", "FF", "11111111", "377"}},
    {"00ff", Hex, {"255", "00ff", "11111111", "377"}},
    {"80000000", Hex, {"-2147483648", "80000000", kOneThen31Zeros.c_str(), "20000000000"}},
    {"4294967295", Dec, {"4294967295", "ffffffff", kOnes32.c_str(), "37777777777"}},
    {"FFFFFFFF", Hex, {"-1", "FFFFFFFF", kOnes32.c_str(), "37777777777"}},
    {"4294967296", Dec, {"4294967296", "0", "0", "0"}},
    {"", Dec, {"", "0", "0", "0"}},
    {"377", Oct, {"255", "ff", "11111111", "377"}},
    {"0101", Bin, {"5", "5", "0101", "5"}},
    {"-5", Dec, {kInvalid, kInvalid, kInvalid, kInvalid}},
    {"0x1F", Hex, {kInvalid, kInvalid, kInvalid, kInvalid}},
    {"12 34", Dec, {kInvalid, kInvalid, kInvalid, kInvalid}},
    {"9", Oct, {kInvalid, kInvalid, kInvalid, kInvalid}},
    {"102", Bin, {kInvalid, kInvalid, kInvalid, kInvalid}},
    {"G", Hex, {kInvalid, kInvalid, kInvalid, kInvalid}},
    {"+1", Dec, {kInvalid, kInvalid, kInvalid, kInvalid}},
    {"1.5", Dec, {kInvalid, kInvalid, kInvalid, kInvalid}},
    {"12h", Dec, {kInvalid, kInvalid, kInvalid, kInvalid}},
    {"$1F", Hex, {kInvalid, kInvalid, kInvalid, kInvalid}},
    {"1,000", Dec, {kInvalid, kInvalid, kInvalid, kInvalid}},
    // Digits of other scripts are not digits here.
    {"\xd9\xa3", Dec, {kInvalid, kInvalid, kInvalid, kInvalid}},
};

TEST(BaseConverter, ConvertFillsAllFourFields) {
    for (const ConvertCase& c : kConvertCases) {
        const QString source = QString::fromUtf8(c.source);
        SCOPED_TRACE(testing::Message()
                     << '"' << c.source << "\" in radix " << kSourceRadixes[c.radixIndex]);
        const auto fields = ConvertFields(source, c.radixIndex);
        ASSERT_TRUE(fields.has_value());
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ((*fields)[i].toStdString(), c.fields[i]) << "field " << i;
    }
}

TEST(BaseConverter, NoChosenRadixConvertsNothing) {
    EXPECT_FALSE(ConvertFields(QStringLiteral("12"), -1).has_value());
}

// Sources of any length reduce modulo 2^32. The expected values were computed
// with Python: int(source, radix) % 2**32, minus 2**32 when that is 2**31 or more.
TEST(BaseConverter, LongSourcesReduceModulo2To32) {
    struct LongCase {
        std::string source;
        int radix;
        qint32 value;
    };
    const LongCase cases[] = {
        // 40 decimal digits: % 2**32 == 3460238034 (0xce3f0ad2).
        {"1234567890123456789012345678901234567890", 10, -834729262},
        // 31 hexadecimal digits in both cases: % 2**32 == 0x89abcdef.
        {"123456789abcdef0123456789ABCDEF", 16, -1985229329},
        {std::string(100, '1'), 2, -1},
        {std::string(30, '7'), 8, -1},
        // 2**64 + 5 in decimal: the high bits drop away.
        {"18446744073709551621", 10, 5},
    };
    for (const LongCase& c : cases) {
        SCOPED_TRACE(c.source);
        const auto value = ParseInRadix(QString::fromStdString(c.source), c.radix);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, c.value);
    }
    const auto fields =
        ConvertFields(QStringLiteral("1234567890123456789012345678901234567890"), Dec);
    ASSERT_TRUE(fields.has_value());
    EXPECT_EQ((*fields)[Dec], QStringLiteral("1234567890123456789012345678901234567890"));
    EXPECT_EQ((*fields)[Hex], QStringLiteral("ce3f0ad2"));
    EXPECT_EQ((*fields)[Bin], QStringLiteral("11001110001111110000101011010010"));
    EXPECT_EQ((*fields)[Oct], QStringLiteral("31617605322"));
}

}  // namespace
