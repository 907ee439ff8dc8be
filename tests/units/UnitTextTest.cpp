#include <gtest/gtest.h>

#include <limits>

#include "units/UnitText.h"

using namespace UnitText;

namespace {

QStringList Names(std::initializer_list<const char*> names) {
    QStringList list;
    for (const char* n : names) list << QString::fromLatin1(n);
    return list;
}

struct BreakCase {
    const char* name;
    QByteArray in;
    QByteArray out;
};

void PrintTo(const BreakCase& c, std::ostream* os) { *os << c.name; }

class LineBreaks : public ::testing::TestWithParam<BreakCase> {};

TEST_P(LineBreaks, BecomeCrLf) { EXPECT_EQ(NormalizeLineBreaks(GetParam().in), GetParam().out); }

INSTANTIATE_TEST_SUITE_P(
    UnitText, LineBreaks,
    ::testing::Values(BreakCase{"LoneCr", "a\rb", "a\r\nb"}, BreakCase{"LoneLf", "a\nb", "a\r\nb"},
                      BreakCase{"LfCr", "a\n\rb", "a\r\nb"}, BreakCase{"CrLf", "a\r\nb", "a\r\nb"},
                      BreakCase{"TwoCr", "\r\r", "\r\n\r\n"},
                      BreakCase{"TwoLf", "\n\n", "\r\n\r\n"},
                      // The pair that comes first wins: LF CR, then a lone LF.
                      BreakCase{"LfCrLf", "a\n\r\nb", "a\r\n\r\nb"},
                      BreakCase{"CrLfCr", "a\r\n\rb", "a\r\n\r\nb"},
                      BreakCase{"TrailingCr", "end\r", "end\r\n"}, BreakCase{"Empty", "", ""},
                      BreakCase{"NulKept", QByteArray("a\0\nb", 4), QByteArray("a\0\r\nb", 5)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UnitText, EveryOtherByteIsKept) {
    QByteArray bytes;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n') bytes.append(static_cast<char>(b));
    }
    EXPECT_EQ(NormalizeLineBreaks(bytes), bytes);
}

TEST(UnitText, TabStopsChangeSpacingAfterTwenty) {
    ASSERT_EQ(kTabStops.size(), 25u);
    EXPECT_EQ(kTabStops.front(), 2);
    EXPECT_EQ(kTabStops[9], 20);
    EXPECT_EQ(kTabStops[10], 24);
    EXPECT_EQ(kTabStops.back(), 80);
    const std::pair<int, int> cases[] = {{0, 2},   {1, 2},   {19, 20}, {20, 24},
                                         {21, 24}, {79, 80}, {80, -1}, {85, -1}};
    for (auto [column, stop] : cases) EXPECT_EQ(NextTabStop(column), stop) << "column " << column;
}

TEST(UnitText, NewUnitNumbering) {
    const struct {
        QStringList names;
        int number;
    } cases[] = {
        {Names({}), 1},
        {Names({"Unit1.asm", "Unit3.asm"}), 2},
        // Unit2 first and Unit1 second: the scan restarts, so 2 is not taken.
        {Names({"Unit2.asm", "Unit1.asm"}), 3},
        {Names({"/src/Unit1.asm"}), 1},
        {Names({"UNIT1.ASM", "unit2.asm"}), 3},
        {Names({"Unit1.asm.bak", "Unit01.asm"}), 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NextUnitNumber(c.names), c.number)
            << c.names.join(QLatin1Char(' ')).toStdString();
    }
    EXPECT_EQ(UnitFileName(12), QStringLiteral("Unit12.asm"));
}

TEST(UnitText, ProjectRecordPathIsRelativeToTheProjectDirectory) {
    const struct {
        const char* file;
        const char* dir;
        const char* record;
    } cases[] = {
        {"/work/proj/main.asm", "/work/proj/", "main.asm"},
        {"/work/proj/src/io.asm", "/work/proj/", "src/io.asm"},
        {"/work/lib.asm", "/work/proj/", "../lib.asm"},
        {"/work/proj/main.asm", "/work/proj", "main.asm"},
        {"/other/x.asm", "/work/proj/", "../../other/x.asm"},
        // Directory names compare with letter case, as the file system does.
        {"/work/Proj/a.asm", "/work/proj/", "../Proj/a.asm"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProjectRecordPath(QString::fromLatin1(c.file), QString::fromLatin1(c.dir)),
                  QString::fromLatin1(c.record))
            << c.file;
    }
}

TEST(UnitText, LineNumbers) {
    const struct {
        const char* text;
        std::optional<qint32> value;
    } cases[] = {
        {"1", 1},
        {"0", 0},
        {"-3", -3},
        {"+7", 7},
        {"2147483647", std::numeric_limits<qint32>::max()},
        {"-2147483648", std::numeric_limits<qint32>::min()},
        {"2147483648", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"12a", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {" 5", std::nullopt},
        {"5 ", std::nullopt},
        {"0x10", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseLineNumber(QString::fromLatin1(c.text)), c.value) << '"' << c.text << '"';
    }
}

}  // namespace
