// The options block of the project file and the directory scans behind the
// library lists, without a window.
#include <gtest/gtest.h>

#include "platform/Ansi.h"
#include "platform/PosixSystem.h"
#include "project/KnownProject.h"
#include "project/ProjectFile.h"
#include "store/CheckList.h"
#include "store/RecordFile.h"
#include "support/RecordBytes.h"
#include "support/TempDir.h"

namespace {

using O = TProjectOptions;
using RecordBytes::ExactBytes;
using RecordBytes::Int;

// Copies option `o` from `from` through the setters, so the linker rule acts
// as it does while a file is read.
void Assign(TProjectOptions& to, const TProjectOptions& from, O::Option o) {
    switch (O::Describe(o).kind) {
        case O::Kind::Text:
            to.SetText(o, from.Text(o));
            break;
        case O::Kind::Flag:
            to.SetFlag(o, from.Flag(o));
            break;
        case O::Kind::Choice:
            to.SetChoice(o, from.Choice(o));
            break;
    }
}

void ExpectSame(const TProjectOptions& got, const TProjectOptions& want, const std::string& why) {
    for (int i = 0; i < O::Count; ++i) {
        const auto o = O::Option(i);
        EXPECT_EQ(got.Text(o), want.Text(o)) << O::Describe(o).name << why;
        EXPECT_EQ(got.Flag(o), want.Flag(o)) << O::Describe(o).name << why;
        EXPECT_EQ(got.Choice(o), want.Choice(o)) << O::Describe(o).name << why;
    }
}

TEST(ProjectOptionsBlock, IsWrittenInFileOrderWithTheRecordLayout) {
    TProjectOptions known;
    KnownProject::SetOptions(known);
    RecordWriter f;
    WriteProjectOptions(f, known);
    EXPECT_EQ(f.data().toHex(' '), KnownProject::OptionBytes().toHex(' '));

    RecordWriter d;
    WriteProjectOptions(d, TProjectOptions());
    EXPECT_EQ(d.data().toHex(' '), KnownProject::DefaultOptionBytes().toHex(' '));
}

TEST(ProjectOptionsBlock, ReadsBackEveryOption) {
    TProjectOptions known;
    KnownProject::SetOptions(known);
    const ExactBytes bytes(KnownProject::OptionBytes());
    RecordReader f(bytes.view());
    TProjectOptions read;
    EXPECT_TRUE(ReadProjectOptions(f, read));
    EXPECT_TRUE(f.AtEnd());
    ExpectSame(read, known, "");
}

TEST(ProjectOptionsBlock, ACutBlockKeepsTheOptionsReadCompletely) {
    TProjectOptions known;
    KnownProject::SetOptions(known);
    const QByteArray whole = KnownProject::OptionBytes();
    // Where each option's element ends in the block.
    std::vector<qsizetype> ends;
    qsizetype at = 0;
    for (int i = 0; i < O::Count; ++i) {
        const auto o = O::Option(i);
        switch (O::Describe(o).kind) {
            case O::Kind::Text:
                at += 4 + Ansi::FromString(known.Text(o)).size() + 1;
                break;
            case O::Kind::Flag:
                at += 1;
                break;
            case O::Kind::Choice:
                at += 4;
                break;
        }
        ends.push_back(at);
    }
    ASSERT_EQ(at, whole.size());

    for (qsizetype cut = 0; cut < whole.size(); ++cut) {
        const ExactBytes bytes(whole.left(cut));
        RecordReader f(bytes.view());
        TProjectOptions read;
        EXPECT_FALSE(ReadProjectOptions(f, read)) << "cut at " << cut;
        TProjectOptions want;
        for (int i = 0; i < O::Count && ends[static_cast<std::size_t>(i)] <= cut; ++i)
            Assign(want, known, O::Option(i));
        ExpectSame(read, want, " cut at " + std::to_string(cut));
    }
}

TEST(ProjectOptionsBlock, StoredValuesPassThroughTheRules) {
    QByteArray bytes = KnownProject::DefaultOptionBytes();
    // Three empty strings (5 bytes each) come before the choices.
    bytes.replace(15, 4, Int(7));   // AO_WhatCompiler
    bytes.replace(19, 4, Int(-5));  // AO_DebugInfo
    // 15 + 7 choices + 4 assembler flags: "Use 16-Bit Linker" is at 47; a flag
    // byte other than 0 means on.
    bytes[43] = '\x02';  // AO_CSOverChk
    bytes[47] = '\x00';  // "Use 16-Bit Linker" off, "Use 32-Bit Linker" stays stored off
    const ExactBytes exact(bytes);
    RecordReader f(exact.view());
    TProjectOptions read;
    ASSERT_TRUE(ReadProjectOptions(f, read));
    EXPECT_EQ(read.Choice(O::AO_WhatCompiler), 2);
    EXPECT_EQ(read.Choice(O::AO_DebugInfo), -1);
    EXPECT_TRUE(read.Flag(O::AO_CSOverChk));
    // The stored 32-bit flag decides: off, so the 16-bit linker is chosen after all.
    EXPECT_FALSE(read.Flag(O::LO32_UseThisLinker));
    EXPECT_TRUE(read.Flag(O::LO16_UseThisLinker));
}

TEST(ProjectOptionsBlock, AnImpossibleStringLengthStopsTheRead) {
    QByteArray bytes = KnownProject::OptionBytes();
    const qsizetype first = 4 + 9 + 1;  // "hello.exe"
    bytes.replace(first, 4, Int(0x7FFFFFF0));
    const ExactBytes exact(bytes);
    RecordReader f(exact.view());
    TProjectOptions read;
    EXPECT_FALSE(ReadProjectOptions(f, read));
    EXPECT_EQ(read.Text(O::Project_Executable), QStringLiteral("hello.exe"));
    EXPECT_TRUE(read.Text(O::Project_Definition).isEmpty());
    EXPECT_EQ(read.Choice(O::AO_DebugInfo), 2);
}

QStringList Texts(const CheckList& list) {
    QStringList out;
    for (const CheckList::Entry& e : list.Entries()) {
        EXPECT_FALSE(e.checked) << e.text.toStdString();
        out << e.text;
    }
    return out;
}

TEST(FillFileList, ListsMatchingNamesLowerCasedInSearchOrder) {
    TempDir dir;
    for (const char* name : {"b.obj", "KERNEL.LIB", "c.lib", "a.lib", "notes.txt", "x.library"})
        dir.Write(QStringLiteral("Lib/") + QString::fromLatin1(name), "x");
    dir.MakeDir(QStringLiteral("Lib/old.lib"));
    PosixSystem system(dir.path());
    CheckList list;
    FillFileList(system, dir.path() + QStringLiteral("Lib/*.lib"), list);
    FillFileList(system, dir.path() + QStringLiteral("Lib/*.obj"), list);
    EXPECT_EQ(Texts(list), QStringList({QStringLiteral("a.lib"), QStringLiteral("c.lib"),
                                        QStringLiteral("kernel.lib"), QStringLiteral("old.lib"),
                                        QStringLiteral("b.obj")}));
}

TEST(FillFileList, AppendsWithoutClearingSortingOrDroppingDuplicates) {
    TempDir dir;
    dir.Write(QStringLiteral("Z.RES"), "x");
    dir.Write(QStringLiteral("m.res"), "x");
    PosixSystem system(dir.path());
    CheckList list;
    list.Append(QStringLiteral("zz.res"), true);
    // The mask's letter case does not matter either.
    FillFileList(system, dir.path() + QStringLiteral("*.RES"), list);
    FillFileList(system, dir.path() + QStringLiteral("*.res"), list);
    ASSERT_EQ(list.Count(), 5);
    EXPECT_TRUE(list.At(0).checked);
    QStringList texts;
    for (const CheckList::Entry& e : list.Entries()) texts << e.text;
    EXPECT_EQ(texts, QStringList({QStringLiteral("zz.res"), QStringLiteral("m.res"),
                                  QStringLiteral("z.res"), QStringLiteral("m.res"),
                                  QStringLiteral("z.res")}));
}

TEST(FillFileList, AMissingDirectoryAddsNothing) {
    TempDir dir;
    PosixSystem system(dir.path());
    CheckList list;
    FillFileList(system, dir.path() + QStringLiteral("Lib/*.lib"), list);
    EXPECT_EQ(list.Count(), 0);
}

}  // namespace
