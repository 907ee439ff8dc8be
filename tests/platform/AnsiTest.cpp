#include <gtest/gtest.h>

#include <set>

#include "platform/Ansi.h"

TEST(Ansi, EveryByteSurvivesTheTripThroughQString) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const QString text = Ansi::ToString(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(Ansi::FromString(text), all);
    // One character per byte and no two bytes alike, or the trip could not be exact.
    std::set<char16_t> distinct;
    for (const QChar c : text) distinct.insert(c.unicode());
    EXPECT_EQ(distinct.size(), 256u);
    // Spot checks of the windows-1252 table, the undefined bytes included.
    EXPECT_EQ(text[0x80].unicode(), 0x20AC);  // euro sign
    EXPECT_EQ(text[0x81].unicode(), 0x0081);
    EXPECT_EQ(text[0x8A].unicode(), 0x0160);  // S with caron
    EXPECT_EQ(text[0x9D].unicode(), 0x009D);
    EXPECT_EQ(text[0x9F].unicode(), 0x0178);  // Y with diaeresis
    EXPECT_EQ(text[0xE9].unicode(), 0x00E9);
    // A character the code page lacks becomes '?'.
    EXPECT_EQ(Ansi::FromString(QString(QChar(0x0100))), QByteArray("?"));
}

// The lower-case mapping agrees with Unicode's wherever the lower-case letter
// exists in the code page, and leaves every other byte alone.
TEST(Ansi, LowerCaseIsTheCodePagesOwnMapping) {
    int changed = 0;
    for (int b = 0; b < 256; ++b) {
        const QChar c = Ansi::ByteToChar(static_cast<unsigned char>(b));
        const QChar lower = c.toLower();
        const unsigned char lowerByte = Ansi::CharToByte(lower);
        const bool inCodePage = Ansi::ByteToChar(lowerByte) == lower;
        const unsigned char expected = inCodePage ? lowerByte : static_cast<unsigned char>(b);
        EXPECT_EQ(Ansi::LowerByte(static_cast<unsigned char>(b)), expected) << "byte " << b;
        if (expected != b) ++changed;
    }
    // 26 ASCII letters, Š Œ Ž Ÿ, and À to Þ without ×.
    EXPECT_EQ(changed, 26 + 4 + 30);

    const QString mixed = QStringLiteral("KERNEL.Lib \u00C0\u00C9\u00DE\u00D7\u00DF\u0160\u0178");
    EXPECT_EQ(Ansi::LowerCase(mixed),
              QStringLiteral("kernel.lib \u00E0\u00E9\u00FE\u00D7\u00DF\u0161\u00FF"));
    EXPECT_EQ(Ansi::LowerCase(Ansi::FromString(mixed)), Ansi::FromString(Ansi::LowerCase(mixed)));
    // Outside the code page nothing is lowered, not even a letter Unicode knows.
    EXPECT_EQ(Ansi::LowerCase(QStringLiteral("\u0100?")), QStringLiteral("\u0100?"));
}
