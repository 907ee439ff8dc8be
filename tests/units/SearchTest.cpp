#include <gtest/gtest.h>

#include "units/Search.h"

namespace {

SearchOptions Find(const char* text, bool down = true, bool matchCase = false,
                   bool wholeWord = false) {
    SearchOptions o;
    o.findText = text;
    o.down = down;
    o.matchCase = matchCase;
    o.wholeWord = wholeWord;
    return o;
}

struct SearchCase {
    const char* name;
    QByteArray text;
    qsizetype from;
    SearchOptions options;
    qsizetype expected;
};

void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.name; }

class Searching : public ::testing::TestWithParam<SearchCase> {};

TEST_P(Searching, FindsTheOccurrence) {
    const SearchCase& c = GetParam();
    EXPECT_EQ(FindOccurrence(c.text, c.from, c.options), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Search, Searching,
    ::testing::Values(
        SearchCase{"DownFromStart", "a a a", 0, Find("a"), 0},
        SearchCase{"DownAfterFirst", "a a a", 1, Find("a"), 2},
        SearchCase{"DownLast", "a a a", 3, Find("a"), 4},
        SearchCase{"DownPastEnd", "a a a", 5, Find("a"), -1},
        SearchCase{"EndsWithLastByte", "mov ax", 0, Find("ax"), 4},
        SearchCase{"UpNearestEndFirst", "mov ax, ax", 10, Find("ax", false), 8},
        SearchCase{"UpThenEarlier", "mov ax, ax", 8, Find("ax", false), 4},
        SearchCase{"UpNothingBefore", "mov ax, ax", 4, Find("ax", false), -1},
        // An Up search looks only at occurrences that end at or before the start.
        SearchCase{"UpMustEndBeforeStart", "abc", 2, Find("bc", false), -1},
        SearchCase{"WholeWordSkipsPrefix", "ab a", 0, Find("a", true, false, true), 3},
        SearchCase{"WholeWordDigitsJoin", "foo12 foo", 0, Find("foo", true, false, true), 6},
        SearchCase{"WholeWordUnderscoreSeparates", "my_label my", 0, Find("my", true, false, true),
                   0},
        SearchCase{"WholeWordHighByteSeparates",
                   "\xE9"
                   "a",
                   0, Find("a", true, false, true), 1},
        SearchCase{"WholeWordLooksOutsideStretch", "xab", 1, Find("ab", true, false, true), -1},
        SearchCase{"WholeWordUp", "ab a", 4, Find("a", false, false, true), 3},
        SearchCase{"WholeWordUpRejectsAll", "ab a", 3, Find("a", false, false, true), -1},
        SearchCase{"IgnoreCase", "mov ax", 0, Find("MOV"), 0},
        SearchCase{"MatchCase", "mov ax", 0, Find("MOV", true, true), -1},
        SearchCase{"MatchCaseHit", "MOV mov", 0, Find("mov", true, true), 4},
        SearchCase{"AnsiLowerCase", "x\xC9", 0, Find("\xE9"), 1},
        SearchCase{"OverlappingDown", "aaa", 1, Find("aa"), 1},
        SearchCase{"OverlappingUp", "aaa", 3, Find("aa", false), 1},
        SearchCase{"CrLfCountsTwo", "a\r\nbc", 0, Find("bc"), 3},
        SearchCase{"EmptyFindsNothing", "abc", 0, Find(""), -1},
        SearchCase{"LongerThanText", "ab", 0, Find("abc"), -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Search, ReverseText) {
    EXPECT_EQ(ReverseText("mov ax"), QByteArray("xa vom"));
    EXPECT_EQ(ReverseText(""), QByteArray());
}

TEST(Search, WordBytes) {
    for (int b : {'a', 'z', 'A', 'Z', '0', '9'})
        EXPECT_TRUE(IsWordByte(static_cast<unsigned char>(b))) << b;
    for (int b : {int('_'), int(' '), int('\r'), int('.'), int('@'), 0x7F, 0xE9, 0xC0})
        EXPECT_FALSE(IsWordByte(static_cast<unsigned char>(b))) << b;
}

SearchOptions Replace(const char* find, const char* with, bool wholeWord = false) {
    SearchOptions o = Find(find, true, false, wholeWord);
    o.replaceText = with;
    o.replaceAll = true;
    return o;
}

TEST(Search, ReplaceAllOffsets) {
    const struct {
        const char* text;
        SearchOptions options;
        QList<qsizetype> offsets;
    } cases[] = {
        {"ab a", Replace("a", "xa"), {0, 3}},
        {"a a a", Replace("a", "b"), {0, 2, 4}},
        {"aaaa", Replace("aa", "a"), {0, 2}},
        {"abc", Replace("x", "y"), {}},
        // The left neighbour at the seam is the last byte of the inserted text.
        {"--", Replace("-", "x", true), {0}},
        {"--", Replace("-", "+", true), {0, 1}},
        // The second "-a" follows a word byte in the text as it was, but once the
        // first is replaced by nothing (or by a separator) it stands alone.
        {"-a-a", Replace("-a", "", true), {0, 2}},
        {"-a-a", Replace("-a", "+", true), {0, 2}},
        {"-a-a", Replace("-a", "x", true), {0}},
        {"_--", Replace("-", "", true), {1, 2}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReplaceAllOffsets(QByteArray(c.text), c.options), c.offsets) << c.text;
    }
}

}  // namespace
