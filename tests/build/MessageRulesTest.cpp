#include <gtest/gtest.h>

#include "build/MessageRules.h"

namespace {

QStringList L(std::initializer_list<const char*> lines) {
    QStringList out;
    for (const char* l : lines) out << QString::fromUtf8(l);
    return out;
}

struct SplitCase {
    QByteArray bytes;
    QStringList lines;
};

void PrintTo(const SplitCase& c, std::ostream* os) {
    *os << '"' << c.bytes.toPercentEncoding(" *:().").toStdString() << '"';
}

class SplitMessageLinesTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitMessageLinesTest, Lines) {
    EXPECT_EQ(SplitMessageLines(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitMessageLinesTest,
    ::testing::Values(SplitCase{"", {}},             // an empty file has no lines
                      SplitCase{"a", L({"a"})},      // a last line without a break
                      SplitCase{"a\r\n", L({"a"})},  // CR LF
                      SplitCase{"a\r\nb", L({"a", "b"})},
                      SplitCase{"a\n\nb\n", L({"a", "", "b"})},  // lone LF, empty line kept
                      SplitCase{"a\rb\r", L({"a", "b"})},        // lone CR
                      SplitCase{"a\r\r\nb", L({"a", "", "b"})},  // CR, then CR LF
                      SplitCase{"a\n\rb", L({"a", "", "b"})},    // LF CR is two breaks
                      SplitCase{"\r\n", L({""})},
                      SplitCase{" a \t\r\n", L({" a \t"})},      // nothing is trimmed
                      SplitCase{"caf\xe9\x80", L({"café€"})}));  // windows-1252 bytes

// What a run of the assembler prints, shaped like the real tool's output.
const QByteArray kAssemblerOutput =
    "Turbo Assembler  Version 4.1\r\n"
    "\r\n"
    "Assembling file:   /w/hello.asm\r\n"
    "**Error** /w/hello.asm(12) Undefined symbol: FOO\r\n"
    "*Warning* /w/hello.asm(3) Argument needs type override\r\n"
    " **Error** indented lines are not messages\r\n"
    "Error messages:    1\r\n"
    "*Fatal* no line break at the end";

TEST(MessageRules, AssemblerKeepsLinesBeginningWithAStar) {
    EXPECT_EQ(AssemblerMessageLines(kAssemblerOutput),
              L({"**Error** /w/hello.asm(12) Undefined symbol: FOO",
                 "*Warning* /w/hello.asm(3) Argument needs type override",
                 "*Fatal* no line break at the end"}));
    EXPECT_EQ(AssemblerMessageLines(""), QStringList());
}

TEST(MessageRules, LinkerKeepsEveryLineAfterItsFirst) {
    EXPECT_EQ(LinkerMessageLines("Turbo Link  Version 7.1\r\n"
                                 "Warning: No stack\r\n"
                                 "\r\n"
                                 "Error: Undefined symbol FOO in module hello.asm"),
              L({"Warning: No stack", "", "Error: Undefined symbol FOO in module hello.asm"}));
    // The first line goes whatever it says.
    EXPECT_EQ(LinkerMessageLines("Error: the only line\r\n"), QStringList());
    EXPECT_EQ(LinkerMessageLines("\r\nError: second\r\n"), L({"Error: second"}));
    EXPECT_EQ(LinkerMessageLines(""), QStringList());
}

struct LocationCase {
    const char* line;
    std::optional<MessageLocation> expected;
};

void PrintTo(const LocationCase& c, std::ostream* os) { *os << c.line; }

class ParseMessageLocationTest : public ::testing::TestWithParam<LocationCase> {};

TEST_P(ParseMessageLocationTest, Location) {
    EXPECT_EQ(ParseMessageLocation(QString::fromUtf8(GetParam().line)), GetParam().expected);
}

std::optional<MessageLocation> At(const char* file, int line) {
    return MessageLocation{QString::fromUtf8(file), line};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseMessageLocationTest,
    ::testing::Values(
        LocationCase{"**Error** hello.asm(12) Undefined symbol", At("hello.asm", 12)},
        LocationCase{"**Error** C:\\WORK\\hello.asm(12) text", At("hello.asm", 12)},
        LocationCase{"*Warning* /w/HELLO.ASM(3) text", At("hello.asm", 3)},
        LocationCase{"*Warning* A:HELLO.ASM(3)", At("hello.asm", 3)},
        LocationCase{"**Error** ÀÉÎ.ASM(1) accented capitals", At("àéî.asm", 1)},
        LocationCase{"**Error** my file.asm(7) the file runs to the first (", At("my file.asm", 7)},
        LocationCase{"**Error** hello.asm(12)(13) only the first counts", At("hello.asm", 12)},
        LocationCase{"**Error** hello.asm(-4) text", At("hello.asm", -4)},
        LocationCase{"**Error** hello.asm(+4) text", At("hello.asm", 4)},
        LocationCase{"**Error** hello.asm(007) text", At("hello.asm", 7)},
        LocationCase{"**Error** hello.asm(2147483647)", At("hello.asm", 2147483647)},
        LocationCase{"**Error** hello.asm(-2147483648)", At("hello.asm", -2147483647 - 1)},
        // "(" before the first blank: the file is empty, the number still counts.
        LocationCase{"Error(12) hello.asm text", At("", 12)},
        LocationCase{"**Error** no parentheses here", std::nullopt},
        LocationCase{"**Error**(12)", std::nullopt},  // no blank
        LocationCase{"**Error** hello.asm(12 no closing", std::nullopt},
        LocationCase{"**Error** hello.asm(abc) letters", std::nullopt},
        LocationCase{"**Error** hello.asm() empty", std::nullopt},
        LocationCase{"**Error** hello.asm( 12) blank", std::nullopt},
        LocationCase{"**Error** hello.asm(1-2)", std::nullopt},
        LocationCase{"**Error** hello.asm(-)", std::nullopt},
        LocationCase{"**Error** hello.asm(2147483648) too big", std::nullopt},
        LocationCase{"**Error** ) closes before hello.asm(12)", std::nullopt},
        LocationCase{"", std::nullopt}));

}  // namespace
