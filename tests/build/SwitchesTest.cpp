#include <functional>

#include <gtest/gtest.h>

#include <QFile>

#include "build/Switches.h"
#include "platform/PosixSystem.h"
#include "project/ProjectOptions.h"
#include "support/TempDir.h"

namespace {

using O = TProjectOptions;
using Setup = std::function<void(O&)>;

QString Q(const char* text) { return QString::fromLatin1(text); }

// Every assembler radio group with no item selected and every box unchecked,
// so each case shows exactly the pieces it asks for.
void BareAssembler(O& o) {
    for (O::Option c : {O::AO_FloatingPoint, O::AO_SegmentOrder, O::AO_WarningLevel,
                        O::AO_CaseSensitive, O::AO_DebugInfo, O::AO_ObjectCode}) {
        o.SetChoice(c, -1);
    }
}

void Bare16(O& o) {
    o.SetFlag(O::LO16_UseThisLinker, true);
    o.SetChoice(O::LO16_TargetType, -1);
    o.SetChoice(O::LO16_ImageType, -1);
    o.SetChoice(O::LO16_Optimizations, -1);
}

void Bare32(O& o) {
    o.SetFlag(O::LO32_UseThisLinker, true);
    o.SetChoice(O::LO32_OutputType, -1);
    o.SetChoice(O::LO32_AppType, -1);
}

struct SwitchCase {
    const char* name;
    Setup setup;
    const char* expected;
};

void PrintTo(const SwitchCase& c, std::ostream* os) { *os << c.name; }

// --- Assembler switches --------------------------------------------------------

class AssemblerSwitchesTest : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(AssemblerSwitchesTest, Text) {
    O o;
    GetParam().setup(o);
    EXPECT_EQ(AssemblerSwitches(o), Q(GetParam().expected));
}

const auto Choice = [](O::Option option, int index) {
    return [=](O& o) {
        BareAssembler(o);
        o.SetChoice(option, index);
    };
};
const auto Flags = [](std::initializer_list<O::Option> flags) {
    std::vector<O::Option> list(flags);
    return [=](O& o) {
        BareAssembler(o);
        for (O::Option f : list) o.SetFlag(f, true);
    };
};

INSTANTIATE_TEST_SUITE_P(
    EveryRow, AssemblerSwitchesTest,
    ::testing::Values(
        SwitchCase{"Nothing", Flags({}), "/t /m"},
        SwitchCase{"CSOverride", Flags({O::AO_CSOverChk}), "/p /t /m"},
        SwitchCase{"CrossRef", Flags({O::AO_CrossRef}), "/c /t /m"},
        SwitchCase{"Listing", Flags({O::AO_Listing}), "/l /t /m"},
        SwitchCase{"ExpandedListing", Flags({O::AO_Listing, O::AO_ExpListing}), "/la /t /m"},
        SwitchCase{"ExpandedWithoutListing", Flags({O::AO_ExpListing}), "/t /m"},
        SwitchCase{"CrossRefWithoutListing", Flags({O::AO_CrossRef, O::AO_ExpListing}), "/c /t /m"},
        SwitchCase{"Real", Choice(O::AO_FloatingPoint, 0), "/r /t /m"},
        SwitchCase{"Emulated", Choice(O::AO_FloatingPoint, 1), "/e /t /m"},
        SwitchCase{"Alphabetic", Choice(O::AO_SegmentOrder, 0), "/a /t /m"},
        SwitchCase{"SourceCode", Choice(O::AO_SegmentOrder, 1), "/s /t /m"},
        SwitchCase{"WarnNone", Choice(O::AO_WarningLevel, 0), "/w0 /t /m"},
        SwitchCase{"Warn1", Choice(O::AO_WarningLevel, 1), "/w1 /t /m"},
        SwitchCase{"Warn2", Choice(O::AO_WarningLevel, 2), "/w2 /t /m"},
        SwitchCase{"CaseAll", Choice(O::AO_CaseSensitive, 0), "/ml /t /m"},
        SwitchCase{"CaseGlobals", Choice(O::AO_CaseSensitive, 1), "/mx /t /m"},
        SwitchCase{"CaseNone", Choice(O::AO_CaseSensitive, 2), "/mu /t /m"},
        SwitchCase{"DebugNone", Choice(O::AO_DebugInfo, 0), "/zn /t /m"},
        SwitchCase{"DebugLines", Choice(O::AO_DebugInfo, 1), "/zd /t /m"},
        SwitchCase{"DebugFull", Choice(O::AO_DebugInfo, 2), "/zi /t /m"},
        SwitchCase{"Standard", Choice(O::AO_ObjectCode, 0), "/os /t /m"},
        SwitchCase{"Overlays", Choice(O::AO_ObjectCode, 1), "/o /t /m"},
        SwitchCase{"PharLap", Choice(O::AO_ObjectCode, 2), "/op /t /m"},
        SwitchCase{"IBM", Choice(O::AO_ObjectCode, 3), "/oi /t /m"},
        // The two full examples.
        SwitchCase{"Defaults", [](O&) {}, "/r /s /w1 /mu /zi /os /t /m"},
        SwitchCase{"Everything",
                   [](O& o) {
                       for (O::Option f :
                            {O::AO_CSOverChk, O::AO_CrossRef, O::AO_Listing, O::AO_ExpListing}) {
                           o.SetFlag(f, true);
                       }
                       o.SetChoice(O::AO_FloatingPoint, 1);
                       o.SetChoice(O::AO_SegmentOrder, 0);
                       o.SetChoice(O::AO_WarningLevel, 2);
                       o.SetChoice(O::AO_CaseSensitive, 0);
                       o.SetChoice(O::AO_DebugInfo, 1);
                       o.SetChoice(O::AO_ObjectCode, 3);
                   },
                   "/p /c /la /e /a /w2 /ml /zd /oi /t /m"},
        // A group with nothing selected leaves no gap between its neighbours.
        SwitchCase{"GapsClose",
                   [](O& o) {
                       o.SetChoice(O::AO_SegmentOrder, -1);
                       o.SetChoice(O::AO_CaseSensitive, -1);
                   },
                   "/r /w1 /zi /os /t /m"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Assembler path, response and command ----------------------------------------

struct PathCase {
    const char* toolsDir;
    int compiler;
    const char* expected;
};

void PrintTo(const PathCase& c, std::ostream* os) {
    *os << '"' << c.toolsDir << "\" " << c.compiler;
}

class AssemblerPathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(AssemblerPathTest, Path) {
    O o;
    o.SetChoice(O::AO_WhatCompiler, GetParam().compiler);
    EXPECT_EQ(AssemblerPath(QString::fromUtf8(GetParam().toolsDir), o),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AssemblerPathTest,
    ::testing::Values(PathCase{"/opt/tasm/bin", 0, "/opt/tasm/bin/tasm.exe"},
                      PathCase{"/opt/tasm/bin", 1, "/opt/tasm/bin/tasmx.exe"},
                      PathCase{"/opt/tasm/bin", 2, "/opt/tasm/bin/tasm32.exe"},
                      PathCase{"/opt/tasm/bin/", 2, "/opt/tasm/bin/tasm32.exe"},
                      // Blanks go before the separator test, so no second '/' appears.
                      PathCase{"  /opt/tasm/bin/ ", 0, "/opt/tasm/bin/tasm.exe"},
                      PathCase{"\t/opt/tasm\r\n", 0, "/opt/tasm/tasm.exe"},
                      PathCase{"/opt/tasm", -1, "/opt/tasm/"}, PathCase{"", 0, "/tasm.exe"},
                      // Only blanks and control characters are trimmed, not a no-break space.
                      PathCase{"/opt/t\u00a0", 0, "/opt/t\u00a0/tasm.exe"}));

TEST(AssemblerResponse, AlwaysTwoLines) {
    EXPECT_EQ(AssemblerResponseText(Q("/t /m"), Q("/w/hello.asm")), Q("/t /m\r\n/w/hello.asm\r\n"));
    EXPECT_EQ(AssemblerResponseText(Q("/t /m"), QString()), Q("/t /m\r\n\r\n"));
}

TEST(AssemblerResponse, CommandNamesTheResponseFileByTheShortDirectory) {
    EXPECT_EQ(AssemblerCommand(Q("/opt/tasm/bin/tasm32.exe"), Q("/opt/ide/")),
              Q("/opt/tasm/bin/tasm32.exe @/opt/ide/Tasm.rsp"));
}

TEST(AssemblerResponse, WrittenBesideTheExecutableAndReplaced) {
    TempDir dir;
    const QString exeDir = dir.MakeDir(Q("ide/"));
    const QString unit = dir.Write(Q("work/hello.asm"), "nop\r\n");
    PosixSystem system(exeDir);
    O o;
    dir.Write(Q("ide/Tasm.rsp"), "an older and much longer response file\r\nline\r\nline\r\n");

    ASSERT_TRUE(WriteAssemblerResponse(system, o, unit));
    EXPECT_EQ(TempDir::Read(exeDir + Q("Tasm.rsp")),
              "/r /s /w1 /mu /zi /os /t /m\r\n" + unit.toUtf8() + "\r\n");

    // A unit file removed behind Velmora's back has no short form.
    ASSERT_TRUE(WriteAssemblerResponse(system, o, dir.File(Q("work/gone.asm"))));
    EXPECT_EQ(TempDir::Read(exeDir + Q("Tasm.rsp")), "/r /s /w1 /mu /zi /os /t /m\r\n\r\n");
}

TEST(AssemblerResponse, UnwritableDirectoryFailsAndSaysWhy) {
    TempDir dir;
    PosixSystem system(dir.File(Q("missing/")));
    O o;
    FileWriteError error;
    EXPECT_FALSE(WriteAssemblerResponse(system, o, QString(), &error));
    EXPECT_EQ(error.path, dir.File(Q("missing/Tasm.rsp")));
    EXPECT_FALSE(error.reason.isEmpty());
}

TEST(ShortForms, ExecutableDirectory) {
    TempDir dir;
    EXPECT_EQ(ShortExecutableDirectory(PosixSystem(dir.path())), dir.path());
    EXPECT_EQ(ShortExecutableDirectory(PosixSystem(dir.File(Q("missing/")))), QString());
}

TEST(ShortForms, RelativeNamesAreLookedUpInTheCurrentDirectoryAndStayRelative) {
    TempDir dir;
    dir.Write(Q("p/hello.asm"), "");
    PosixSystem system(dir.path());
    const QString current = dir.File(Q("p"));
    EXPECT_EQ(ShortFormIn(system, current, Q("hello.asm")), Q("hello.asm"));
    EXPECT_EQ(ShortFormIn(system, current, Q("gone.asm")), QString());
    EXPECT_EQ(ShortFormIn(system, current, dir.File(Q("p/hello.asm"))), dir.File(Q("p/hello.asm")));
    EXPECT_EQ(ShortFormIn(system, current, QString()), QString());
}

// --- Linker switches ------------------------------------------------------------

class LinkerSwitchesTest : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(LinkerSwitchesTest, Text) {
    O o;
    GetParam().setup(o);
    EXPECT_EQ(LinkerSwitches(o), Q(GetParam().expected));
}

const auto With16 = [](Setup more) {
    return [=](O& o) {
        Bare16(o);
        more(o);
    };
};
const auto With32 = [](Setup more) {
    return [=](O& o) {
        Bare32(o);
        more(o);
    };
};
const auto Set = [](O::Option option) { return [=](O& o) { o.SetFlag(option, true); }; };
const auto Pick = [](O::Option option, int index) {
    return [=](O& o) { o.SetChoice(option, index); };
};
const auto Type = [](O::Option option, const char* text) {
    return [=](O& o) { o.SetText(option, Q(text)); };
};

INSTANTIATE_TEST_SUITE_P(
    SixteenBit, LinkerSwitchesTest,
    ::testing::Values(
        SwitchCase{"Nothing", With16([](O&) {}), ""},
        SwitchCase{"MapPublics", With16(Set(O::LO16_MapPublics)), "/m "},
        SwitchCase{"MapMangled", With16(Set(O::LO16_MapMangledPub)), "/M "},
        SwitchCase{"MapDetail", With16(Set(O::LO16_MapDetailSeg)), "/s "},
        SwitchCase{"MapLines", With16(Set(O::LO16_MapSourceLines)), "/l "},
        SwitchCase{"InitSegments", With16(Set(O::LO16_InitAllSegments)), "/i "},
        SwitchCase{"InhibitFarToNear", With16(Set(O::LO16_InhibitFarToNear)), "/f "},
        SwitchCase{"FullDebug", With16(Set(O::LO16_FullDebugInfo)), "/v "},
        SwitchCase{"Enable32", With16(Set(O::LO16_Enable32Bit)), "/3 "},
        SwitchCase{"Dos", With16(Pick(O::LO16_TargetType, 0)), "-Td"},
        SwitchCase{"Windows", With16(Pick(O::LO16_TargetType, 1)), "-Tw"},
        SwitchCase{"Dpmi", With16(Pick(O::LO16_TargetType, 2)), "-Tx"},
        SwitchCase{"ExeAlone", With16(Pick(O::LO16_ImageType, 0)), "e "},
        SwitchCase{"DllAlone", With16(Pick(O::LO16_ImageType, 1)), "d "},
        SwitchCase{"ComAlone", With16(Pick(O::LO16_ImageType, 2)), "c "},
        SwitchCase{"OptNone", With16(Pick(O::LO16_Optimizations, 0)), ""},
        SwitchCase{"Chained", With16(Pick(O::LO16_Optimizations, 1)), "-Oc "},
        SwitchCase{"Iterated", With16(Pick(O::LO16_Optimizations, 2)), "-Oi "},
        SwitchCase{"SegAlign", With16(Pick(O::LO16_Optimizations, 3)), "-Oa "},
        SwitchCase{"ResAlign", With16(Pick(O::LO16_Optimizations, 4)), "-Or "},
        SwitchCase{"DefaultsDosExe", [](O&) {}, "-Tde "},
        SwitchCase{"WindowsDll",
                   [](O& o) {
                       o.SetChoice(O::LO16_TargetType, 1);
                       o.SetChoice(O::LO16_ImageType, 1);
                   },
                   "-Twd "},
        SwitchCase{"DosComIterated",
                   [](O& o) {
                       o.SetChoice(O::LO16_ImageType, 2);
                       o.SetChoice(O::LO16_Optimizations, 2);
                   },
                   "-Tdc -Oi "},
        SwitchCase{"Everything",
                   [](O& o) {
                       for (O::Option f :
                            {O::LO16_MapPublics, O::LO16_MapMangledPub, O::LO16_MapDetailSeg,
                             O::LO16_MapSourceLines, O::LO16_InitAllSegments,
                             O::LO16_InhibitFarToNear, O::LO16_FullDebugInfo,
                             O::LO16_Enable32Bit}) {
                           o.SetFlag(f, true);
                       }
                       o.SetChoice(O::LO16_TargetType, 2);
                       o.SetChoice(O::LO16_Optimizations, 4);
                   },
                   "/m /M /s /l /i /f /v /3 -Txe -Or "},
        // The 32-bit options do not reach the 16-bit set.
        SwitchCase{"Ignores32BitOptions",
                   [](O& o) {
                       o.SetFlag(O::LO32_MapPublics, true);
                       o.SetText(O::LO32_BaseImgAdd, Q("400000"));
                   },
                   "-Tde "}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    ThirtyTwoBit, LinkerSwitchesTest,
    ::testing::Values(
        SwitchCase{"Nothing", With32([](O&) {}), ""},
        SwitchCase{"MapPublics", With32(Set(O::LO32_MapPublics)), "-m "},
        SwitchCase{"MapDetail", With32(Set(O::LO32_MapDetailSeg)), "-s "},
        SwitchCase{"MapMangled", With32(Set(O::LO32_MapMangledNames)), "-M "},
        SwitchCase{"FullDebug", With32(Set(O::LO32_FullDebugInfo)), "-v "},
        SwitchCase{"CaseSensitive", With32(Set(O::LO32_CaseSensitive)), "-c "},
        SwitchCase{"NoCodePacking", With32(Set(O::LO32_DisableCodePacking)), "-P- "},
        SwitchCase{"Exe", With32(Pick(O::LO32_OutputType, 0)), "-Tpe "},
        SwitchCase{"Dll", With32(Pick(O::LO32_OutputType, 1)), "-Tpd "},
        SwitchCase{"AppIgnore", With32(Pick(O::LO32_AppType, 0)), ""},
        SwitchCase{"AppWindowing", With32(Pick(O::LO32_AppType, 1)), "-ap "},
        SwitchCase{"AppApi", With32(Pick(O::LO32_AppType, 2)), "-aa "},
        SwitchCase{"Base", With32(Type(O::LO32_BaseImgAdd, "400000")), "-B:400000 "},
        SwitchCase{"HeapReserve", With32(Type(O::LO32_HeapRes, "1000")), "-H:1000 "},
        SwitchCase{"HeapCommit", With32(Type(O::LO32_HeapCom, "2000")), "-Hc:2000 "},
        SwitchCase{"StackReserve", With32(Type(O::LO32_StackRes, "3000")), "-S:3000 "},
        SwitchCase{"StackCommit", With32(Type(O::LO32_StackCom, "4000")), "-Sc:4000 "},
        // A text is used as typed: a lone blank counts, and nothing checks for a number.
        SwitchCase{"BlankText", With32(Type(O::LO32_HeapRes, " ")), "-H:  "},
        SwitchCase{"Letters", With32(Type(O::LO32_StackCom, "lots")), "-Sc:lots "},
        SwitchCase{"DefaultsExe", [](O& o) { o.SetFlag(O::LO32_UseThisLinker, true); }, "-Tpe "},
        SwitchCase{"DllApiBaseStack",
                   [](O& o) {
                       o.SetFlag(O::LO32_UseThisLinker, true);
                       o.SetChoice(O::LO32_OutputType, 1);
                       o.SetChoice(O::LO32_AppType, 2);
                       o.SetText(O::LO32_BaseImgAdd, Q("400000"));
                       o.SetText(O::LO32_StackRes, Q("100000"));
                   },
                   "-Tpd -aa -B:400000 -S:100000 "},
        SwitchCase{"Everything",
                   [](O& o) {
                       o.SetFlag(O::LO32_UseThisLinker, true);
                       for (O::Option f : {O::LO32_MapPublics, O::LO32_MapDetailSeg,
                                           O::LO32_MapMangledNames, O::LO32_FullDebugInfo,
                                           O::LO32_CaseSensitive, O::LO32_DisableCodePacking}) {
                           o.SetFlag(f, true);
                       }
                       o.SetChoice(O::LO32_AppType, 1);
                       o.SetText(O::LO32_BaseImgAdd, Q("1"));
                       o.SetText(O::LO32_HeapRes, Q("2"));
                       o.SetText(O::LO32_HeapCom, Q("3"));
                       o.SetText(O::LO32_StackRes, Q("4"));
                       o.SetText(O::LO32_StackCom, Q("5"));
                   },
                   "-m -s -M -v -c -P- -Tpe -ap -B:1 -H:2 -Hc:3 -S:4 -Sc:5 "},
        SwitchCase{"Ignores16BitOptions",
                   [](O& o) {
                       o.SetFlag(O::LO32_UseThisLinker, true);
                       o.SetFlag(O::LO16_MapPublics, true);
                       o.SetChoice(O::LO16_Optimizations, 2);
                   },
                   "-Tpe "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LinkerPath, ByTheChosenLinker) {
    O o;
    EXPECT_EQ(LinkerPath(Q("/opt/tasm/bin"), o), Q("/opt/tasm/bin/tlink.exe"));
    o.SetFlag(O::LO32_UseThisLinker, true);
    EXPECT_EQ(LinkerPath(Q(" /opt/tasm/bin/\t"), o), Q("/opt/tasm/bin/tlink32.exe"));
}

// --- Linker command -------------------------------------------------------------

struct CommandCase {
    LinkerResponseFlags flags;
    const char* expected;
};

void PrintTo(const CommandCase& c, std::ostream* os) {
    *os << (c.flags.MapResponseWritten ? "map " : "") << (c.flags.LibResponseWritten ? "lib " : "")
        << (c.flags.DefResponseWritten ? "def " : "") << (c.flags.ResResponseWritten ? "res" : "");
}

class LinkerCommandTest : public ::testing::TestWithParam<CommandCase> {};

TEST_P(LinkerCommandTest, FieldsKeepTheirPositions) {
    EXPECT_EQ(LinkerCommand(Q("/opt/tasm/bin/tlink.exe"), Q("/opt/ide/"), GetParam().flags),
              Q(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LinkerCommandTest,
    ::testing::Values(
        CommandCase{{false, false, false, false}, "/opt/tasm/bin/tlink.exe @/opt/ide/Tlink.rsp"},
        CommandCase{{true, false, false, false},
                    "/opt/tasm/bin/tlink.exe @/opt/ide/Tlink.rsp,@/opt/ide/Tmap.rsp"},
        CommandCase{{false, true, false, false},
                    "/opt/tasm/bin/tlink.exe @/opt/ide/Tlink.rsp,,@/opt/ide/Tlib.rsp"},
        CommandCase{{false, false, true, false},
                    "/opt/tasm/bin/tlink.exe @/opt/ide/Tlink.rsp,,,@/opt/ide/Tdef.rsp"},
        CommandCase{{false, false, false, true},
                    "/opt/tasm/bin/tlink.exe @/opt/ide/Tlink.rsp,,,,@/opt/ide/Tres.rsp"},
        CommandCase{{true, false, false, true},
                    "/opt/tasm/bin/tlink.exe @/opt/ide/Tlink.rsp,@/opt/ide/Tmap.rsp,,,"
                    "@/opt/ide/Tres.rsp"},
        CommandCase{{true, true, true, true},
                    "/opt/tasm/bin/tlink.exe @/opt/ide/Tlink.rsp,@/opt/ide/Tmap.rsp,"
                    "@/opt/ide/Tlib.rsp,@/opt/ide/Tdef.rsp,@/opt/ide/Tres.rsp"}));

// --- Linker response files ------------------------------------------------------

// A project directory with real files, the executable's directory beside it,
// and the inputs of a link with nothing checked.
class LinkerResponsesTest : public ::testing::Test {
protected:
    LinkerResponsesTest() : system(dir.MakeDir(Q("ide/"))) {
        projectDir = dir.MakeDir(Q("work/"));
        dir.Write(Q("work/hello.asm"), "");
        dir.Write(Q("work/util.asm"), "");
        in.options = &options;
        in.projectFileName = projectDir + Q("hello.vpj");
        in.exeDir = system.ExecutableDirectory();
        in.shortExeDir = ShortExecutableDirectory(system);
        in.currentDirectory = projectDir;
    }

    LinkerResponses Build() const { return BuildLinkerResponses(in, system); }

    // The text of the named file of `r`, or "<none>" when it is not written.
    static QString TextOf(const LinkerResponses& r, const char* name) {
        for (const ResponseFile& f : r.files) {
            if (f.name == Q(name)) return f.text;
        }
        return Q("<none>");
    }

    TempDir dir;
    PosixSystem system;
    QString projectDir;
    O options;
    LinkerInputs in;
};

TEST_F(LinkerResponsesTest, TwoUnitsDefaults) {
    in.unitFileNames = {projectDir + Q("hello.asm"), projectDir + Q("util.asm")};
    const LinkerResponses r = Build();
    ASSERT_EQ(r.files.size(), 1u);
    EXPECT_EQ(r.files[0].name, Q("Tlink.rsp"));
    EXPECT_EQ(r.files[0].path, in.exeDir + Q("Tlink.rsp"));
    EXPECT_EQ(r.files[0].text, Q("-Tde hello.obj +\r\nutil.obj\r\nhello -Tde \r\n"));
    EXPECT_EQ(r.flags, LinkerResponseFlags{});
}

TEST_F(LinkerResponsesTest, ExecutableNameReplacesTheProjectNameAndItsSwitches) {
    in.unitFileNames = {projectDir + Q("hello.asm")};
    for (const char* executable : {"hello.exe", "/out/hello.exe", "C:\\OUT\\hello.exe", "hello"}) {
        options.SetText(O::Project_Executable, Q(executable));
        EXPECT_EQ(TextOf(Build(), "Tlink.rsp"), Q("-Tde hello.obj\r\nhello\r\n")) << executable;
    }
}

TEST_F(LinkerResponsesTest, NoObjectsLeavesOnlyTheExecutableLine) {
    EXPECT_EQ(TextOf(Build(), "Tlink.rsp"), Q("hello -Tde \r\n"));
    options.SetText(O::Project_Executable, Q("prog.exe"));
    EXPECT_EQ(TextOf(Build(), "Tlink.rsp"), Q("prog\r\n"));
}

TEST_F(LinkerResponsesTest, ObjectNamesComeFromTheCurrentDirectory) {
    dir.Write(Q("work/my.unit.asm"), "");
    dir.Write(Q("elsewhere/other.asm"), "");
    in.unitFileNames = {projectDir + Q("my.unit.asm"), dir.File(Q("elsewhere/other.asm"))};
    // The name is cut at its first "."; a unit that is not in the current
    // directory has no short form there and leaves ".obj" alone.
    EXPECT_EQ(TextOf(Build(), "Tlink.rsp"), Q("-Tde my.obj +\r\n.obj\r\nhello -Tde \r\n"));
}

TEST_F(LinkerResponsesTest, CheckedObjectsJoinTheObjectListAndLibrariesGoToTlib) {
    dir.Write(Q("work/extra.obj"), "");
    in.unitFileNames = {projectDir + Q("hello.asm")};
    in.libDirChecked = {Q("c0.obj"), Q("MATH.LIB"), Q("readme.txt"), Q("STARTUP.OBJ")};
    in.curProjectChecked = {Q("extra.obj"), Q("mine.lib"), Q("gone.obj")};
    const QString lib = in.shortExeDir + Q("Lib/");
    const LinkerResponses r = Build();
    EXPECT_EQ(TextOf(r, "Tlink.rsp"), Q("-Tde hello.obj +\r\n") + lib + Q("c0.obj +\r\n") + lib +
                                          Q("STARTUP.OBJ +\r\nextra.obj +\r\n\r\nhello -Tde \r\n"));
    EXPECT_EQ(TextOf(r, "Tlib.rsp"), lib + Q("MATH.LIB +\r\nmine.lib\r\n"));
    EXPECT_TRUE(r.flags.LibResponseWritten);
}

TEST_F(LinkerResponsesTest, OnlyAnObjectCheckedWritesNoLibraryFile) {
    in.libDirChecked = {Q("c0.obj")};
    const LinkerResponses r = Build();
    EXPECT_EQ(TextOf(r, "Tlink.rsp"),
              Q("-Tde ") + in.shortExeDir + Q("Lib/c0.obj\r\nhello -Tde \r\n"));
    EXPECT_EQ(TextOf(r, "Tlib.rsp"), Q("<none>"));
    EXPECT_FALSE(r.flags.LibResponseWritten);
}

TEST_F(LinkerResponsesTest, MapAndDefinitionNamesLoseDirectoryAndExtension) {
    options.SetText(O::Project_Map, Q("C:\\MAPS\\hello.map"));
    options.SetText(O::Project_Definition, Q("/defs/hello.v2.def"));
    const LinkerResponses r = Build();
    EXPECT_EQ(TextOf(r, "Tmap.rsp"), Q("hello\r\n"));
    EXPECT_EQ(TextOf(r, "Tdef.rsp"), Q("hello\r\n"));
    EXPECT_EQ(r.flags, (LinkerResponseFlags{true, false, true, false}));
}

TEST_F(LinkerResponsesTest, ResourcesAreNamedInTheProjectDirectory) {
    in.resourceChecked = {Q("a.res"), Q("b.res"), Q("notes.txt")};
    const LinkerResponses r = Build();
    EXPECT_EQ(TextOf(r, "Tres.rsp"), projectDir + Q("a.res +\r\n") + projectDir + Q("b.res +\r\n") +
                                         projectDir + Q("notes.txt\r\n"));
    EXPECT_TRUE(r.flags.ResResponseWritten);
}

TEST_F(LinkerResponsesTest, FilesInWritingOrder) {
    options.SetText(O::Project_Map, Q("m"));
    options.SetText(O::Project_Definition, Q("d"));
    in.curProjectChecked = {Q("x.lib")};
    in.resourceChecked = {Q("r.res")};
    QStringList names;
    for (const ResponseFile& f : Build().files) names << f.name;
    EXPECT_EQ(names, (QStringList{Q("Tlink.rsp"), Q("Tmap.rsp"), Q("Tlib.rsp"), Q("Tdef.rsp"),
                                  Q("Tres.rsp")}));
}

TEST_F(LinkerResponsesTest, WrittenFilesAndTheCommandFollowTheLatestLink) {
    options.SetText(O::Project_Map, Q("hello.map"));
    LinkerResponses r = Build();
    ASSERT_TRUE(WriteLinkerResponses(r));
    EXPECT_EQ(TempDir::Read(in.exeDir + Q("Tmap.rsp")), "hello\r\n");
    EXPECT_EQ(
        LinkerCommand(Q("/t/tlink.exe"), in.shortExeDir, r.flags),
        Q("/t/tlink.exe @") + in.shortExeDir + Q("Tlink.rsp,@") + in.shortExeDir + Q("Tmap.rsp"));

    // Emptying the map name keeps the old file on disk but drops it from the command.
    options.SetText(O::Project_Map, QString());
    r = Build();
    ASSERT_TRUE(WriteLinkerResponses(r));
    EXPECT_EQ(TempDir::Read(in.exeDir + Q("Tmap.rsp")), "hello\r\n");
    EXPECT_EQ(LinkerCommand(Q("/t/tlink.exe"), in.shortExeDir, r.flags),
              Q("/t/tlink.exe @") + in.shortExeDir + Q("Tlink.rsp"));
}

TEST_F(LinkerResponsesTest, UnwritableDirectoryFails) {
    in.exeDir = dir.File(Q("missing/"));
    EXPECT_FALSE(WriteLinkerResponses(Build()));
}

TEST_F(LinkerResponsesTest, WritingStopsAtTheFirstFileThatCannotBeWritten) {
    options.SetText(O::Project_Map, Q("m"));
    options.SetText(O::Project_Definition, Q("d"));
    // A directory where Tmap.rsp belongs cannot be replaced by a file.
    dir.MakeDir(Q("ide/Tmap.rsp"));
    FileWriteError error;
    EXPECT_FALSE(WriteLinkerResponses(Build(), &error));
    EXPECT_EQ(error.path, in.exeDir + Q("Tmap.rsp"));
    EXPECT_FALSE(error.reason.isEmpty());
    EXPECT_TRUE(QFile::exists(in.exeDir + Q("Tlink.rsp")));
    EXPECT_FALSE(QFile::exists(in.exeDir + Q("Tdef.rsp")));
}

}  // namespace
