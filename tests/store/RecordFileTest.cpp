#include <gtest/gtest.h>

#include <functional>

#include "store/CheckList.h"
#include "store/RecordFile.h"
#include "support/RecordBytes.h"
#include "support/ScriptedDialogs.h"

using namespace RecordBytes;

namespace {

QString Latin(const char* text) { return QString::fromLatin1(text); }

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

}  // namespace

// Every element's bytes, and each one read back to its value with nothing left over.
TEST(RecordFile, ElementEncodingsAndReadBack) {
    struct Case {
        const char* name;
        std::function<void(RecordWriter&)> write;
        QByteArray bytes;
        std::function<void(RecordReader&)> checkRead;
    };
    const QString eacute = QString(QChar(0x00E9));  // one byte, E9, not UTF-8
    const Case cases[] = {
        {"integer 0x12345678", [](RecordWriter& w) { WriteRecordInteger(w, 0x12345678); },
         Hex("78563412"), [](RecordReader& r) { EXPECT_EQ(ReadRecordInteger(r), 0x12345678); }},
        {"integer -2", [](RecordWriter& w) { WriteRecordInteger(w, -2); }, Hex("feffffff"),
         [](RecordReader& r) { EXPECT_EQ(ReadRecordInteger(r), -2); }},
        {"byte 200", [](RecordWriter& w) { WriteRecordByte(w, 200); }, Hex("c8"),
         [](RecordReader& r) { EXPECT_EQ(ReadRecordByte(r), 200); }},
        {"text abc", [](RecordWriter& w) { WriteRecordString(w, Latin("abc")); },
         Hex("0400000061626300"),
         [](RecordReader& r) { EXPECT_EQ(ReadRecordString(r), Latin("abc")); }},
        {"empty text", [](RecordWriter& w) { WriteRecordString(w, QString()); }, Hex("0100000000"),
         [](RecordReader& r) {
             const QString t = ReadRecordString(r);
             EXPECT_TRUE(t.isEmpty());
         }},
        {"accented text", [&](RecordWriter& w) { WriteRecordString(w, eacute); },
         Hex("02000000e900"), [&](RecordReader& r) { EXPECT_EQ(ReadRecordString(r), eacute); }},
        {"empty list", [](RecordWriter& w) { WriteRecordStrings(w, {}); }, Hex("00000000"),
         [](RecordReader& r) {
             QStringList l;
             ReadRecordStrings(r, l);
             EXPECT_TRUE(l.isEmpty());
         }},
        {"list a, empty",
         [](RecordWriter& w) {
             WriteRecordStrings(w, {Latin("a"), QString()});
         },
         Hex("02000000"
             "020000006100"
             "0100000000"),
         [](RecordReader& r) {
             QStringList l;
             ReadRecordStrings(r, l);
             EXPECT_EQ(l, QStringList({Latin("a"), QString()}));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordWriter w;
        c.write(w);
        EXPECT_EQ(w.data().toHex(), c.bytes.toHex());
        const ExactBytes file(c.bytes);
        RecordReader r(file.view());
        c.checkRead(r);
        EXPECT_TRUE(r.ok());
        EXPECT_TRUE(r.AtEnd());
    }
}

TEST(RecordFile, InnerZeroEndsTheTextButAllLBytesAreConsumed) {
    const ExactBytes file(Int(6) + QByteArray("ab\0xy\0", 6) + Int(7));
    RecordReader r(file.view());
    EXPECT_EQ(ReadRecordString(r), Latin("ab"));
    EXPECT_EQ(ReadRecordInteger(r), 7);
    EXPECT_TRUE(r.ok());
    EXPECT_TRUE(r.AtEnd());
}

TEST(RecordFile, ReadRecordStringsAppendsBehindWhatTheListHolds) {
    const ExactBytes file(Strs({"x", "y"}) + Strs({}));
    RecordReader r(file.view());
    QStringList list{Latin("keep")};
    ReadRecordStrings(r, list);
    ReadRecordStrings(r, list);
    EXPECT_EQ(list, QStringList({Latin("keep"), Latin("x"), Latin("y")}));
    EXPECT_TRUE(r.ok());
}

// Damaged input: the reader fails, returns nothing it did not read completely,
// stays failed, and never touches a byte beyond the end (ASan watches ExactBytes).
TEST(RecordFile, DamagedInputFailsTheReaderWithoutReadingPastTheEnd) {
    enum class Read { String, Strings, Integer, Byte };
    struct Case {
        const char* name;
        QByteArray bytes;
        Read read;
        QStringList kept;  // for Read::Strings
    };
    const Case cases[] = {
        {"L negative", Int(-1) + "abc", Read::String, {}},
        {"L zero", Int(0) + "abc", Read::String, {}},
        {"L larger than the rest", Int(5) + QByteArray("ab\0", 3), Read::String, {}},
        {"L of INT_MAX", Int(0x7FFFFFFF) + "a", Read::String, {}},
        {"file ends inside L", Hex("0400"), Read::String, {}},
        {"file ends inside the text", Int(4) + "ab", Read::String, {}},
        {"integer cut short", Hex("010203"), Read::Integer, {}},
        {"byte from an empty file", QByteArray(), Read::Byte, {}},
        {"count negative", Int(-3) + Str("a"), Read::Strings, {}},
        {"count larger than the file",
         Int(1000000) + Str("a") + Str("b"),
         Read::Strings,
         {Latin("a"), Latin("b")}},
        {"count of INT_MAX", Int(0x7FFFFFFF) + Str("a"), Read::Strings, {Latin("a")}},
        {"list ends inside its second text",
         Int(2) + Str("a") + Int(3) + "b",
         Read::Strings,
         {Latin("a")}},
        {"list with an impossible length",
         Int(2) + Str("a") + Int(-7) + Str("b"),
         Read::Strings,
         {Latin("a")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ExactBytes file(c.bytes);
        RecordReader r(file.view());
        switch (c.read) {
            case Read::String:
                EXPECT_TRUE(ReadRecordString(r).isEmpty());
                break;
            case Read::Integer:
                EXPECT_EQ(ReadRecordInteger(r), 0);
                break;
            case Read::Byte:
                EXPECT_EQ(ReadRecordByte(r), 0);
                break;
            case Read::Strings: {
                QStringList list;
                ReadRecordStrings(r, list);
                EXPECT_EQ(list, c.kept);
                break;
            }
        }
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.Remaining(), 0);
        // The failure is sticky: even a read that would fit gives nothing.
        EXPECT_EQ(ReadRecordByte(r), 0);
        EXPECT_FALSE(r.ok());
    }
}

TEST(RecordFile, CheckedNamesAreTheCheckedEntriesInAnsiLowerCase) {
    CheckList list;
    list.Append(Latin("Kernel.LIB"), true);
    list.Append(Latin("other.lib"), false);
    // \xC0\xC9\xDE: À É Þ, and Š Œ Ž Ÿ from the windows-1252 range 80-9F.
    list.Append(Latin("\xC0\xC9\xDE.obj"), true);
    list.Append(
        QString(QChar(0x0160)) + QChar(0x0152) + QChar(0x017D) + QChar(0x0178) + Latin(".res"),
        true);
    RecordWriter w;
    WriteCheckedNames(w, list);
    EXPECT_EQ(w.data().toHex(),
              (Strs({"kernel.lib", "\xE0\xE9\xFE.obj", "\x9A\x9C\x9E\xFF.res"})).toHex());

    CheckList none;
    none.Append(Latin("a.lib"));
    RecordWriter empty;
    WriteCheckedNames(empty, none);
    EXPECT_EQ(empty.data(), Int(0));
}

TEST(RecordFile, ReadCheckedNamesMarksEveryMatchAndReportsEachUnmatchedName) {
    const QString suffix = Latin(" not found in VelmoraLib, this cancause linking errors");
    CheckList list;
    list.Append(Latin("Kernel.lib"));
    list.Append(Latin("KERNEL.LIB"));
    list.Append(
        Latin("\xC0"
              "b.obj"));  // Àb.obj
    list.Append(Latin("kept.lib"), true);
    list.Append(Latin("plain.lib"));
    // A name stored with capitals never matches: names are compared with the
    // lower-cased entry texts.
    const ExactBytes file(Strs({"kernel.lib", "missing.lib",
                                "\xE0"
                                "b.obj",
                                "Plain.lib"}) +
                          Int(42));
    ScriptedDialogs dialogs;
    dialogs.Box(MsgAnswer::Cancel, Latin("missing.lib") + suffix)
        .Box(MsgAnswer::Ok, Latin("Plain.lib") + suffix);
    RecordReader r(file.view());
    ReadCheckedNames(r, list, suffix, dialogs);

    std::vector<bool> marks;
    for (const auto& e : list.Entries()) marks.push_back(e.checked);
    EXPECT_EQ(marks, std::vector<bool>({true, true, true, true, false}));
    ASSERT_EQ(dialogs.shown().size(), 2u);
    for (const auto& box : dialogs.shown()) {
        EXPECT_EQ(box.caption, Latin("Error"));
        EXPECT_EQ(box.buttons, MsgButtons::OkCancel);
    }
    EXPECT_EQ(ReadRecordInteger(r), 42);  // the list was read to its end, no further
}

TEST(RecordFile, StripExtensionKeepsTheTextBeforeTheFirstDot) {
    const std::pair<const char*, const char*> cases[] = {
        {"Untitled.vpj", "Untitled"}, {"Makefile", "Makefile"},  {".hidden", ""},
        {"My.Macros.vwz", "My"},      {"dir.d/file.asm", "dir"}, {"", ""},
        {"trailing.", "trailing"},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(StripExtension(Latin(text)), Latin(expected)) << text;
    }
}
