#include <memory>

#include <gtest/gtest.h>

#include "build/RunCommands.h"
#include "project/ProjectOptions.h"
#include "store/ConfigData.h"

namespace {

using O = TProjectOptions;

QString Q(const char* text) { return QString::fromLatin1(text); }

struct ExtensionCase {
    bool sixteenBit;
    int image;
    const char* expected;
};

void PrintTo(const ExtensionCase& c, std::ostream* os) {
    *os << (c.sixteenBit ? "16-bit " : "32-bit ") << c.image;
}

class BuiltProgramExtensionTest : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(BuiltProgramExtensionTest, ByTheLinkerInUse) {
    O o;
    o.SetFlag(O::LO16_UseThisLinker, GetParam().sixteenBit);
    // Give the other linker's group a different value, so a mix-up shows.
    o.SetChoice(O::LO16_ImageType, GetParam().sixteenBit ? GetParam().image : 2);
    o.SetChoice(O::LO32_OutputType, GetParam().sixteenBit ? 1 : GetParam().image);
    EXPECT_EQ(BuiltProgramExtension(o), Q(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BuiltProgramExtensionTest,
    ::testing::Values(ExtensionCase{true, 0, ".exe"}, ExtensionCase{true, 1, ".dll"},
                      ExtensionCase{true, 2, ".com"}, ExtensionCase{true, -1, ""},
                      ExtensionCase{false, 0, ".exe"}, ExtensionCase{false, 1, ".dll"},
                      ExtensionCase{false, -1, ""}));

TEST(RunCommandLine, ProjectPathUpToItsFirstDotWithTheExtension) {
    O o;
    o.SetChoice(O::LO16_ImageType, 2);
    EXPECT_EQ(RunCommandLine(Q("/tmp/work/hello.vpj"), o), Q("/tmp/work/hello.com"));
    o.SetChoice(O::LO16_ImageType, 1);
    EXPECT_EQ(RunCommandLine(Q("/tmp/work/hello.vpj"), o), Q("/tmp/work/hello.dll"));
    o.SetChoice(O::LO16_ImageType, 0);
    // A "." in a directory name cuts the path there.
    EXPECT_EQ(RunCommandLine(Q("/tmp/x/my.dir/hello.vpj"), o), Q("/tmp/x/my.exe"));
    // Blanks are not quoted.
    EXPECT_EQ(RunCommandLine(Q("/tmp/my work/hello.vpj"), o), Q("/tmp/my work/hello.exe"));
}

TEST(RunCommandLine, FollowsTheExecutableNameInTheProjectDirectory) {
    struct Case {
        const char* executable;
        const char* expected;
    };
    const Case cases[] = {
        {"prog.exe", "/tmp/my.dir/prog.com"},
        // A directory typed with the name is dropped, as the linker drops it.
        {"/out/prog.exe", "/tmp/my.dir/prog.com"},
        {"C:\\OUT\\prog.exe", "/tmp/my.dir/prog.com"},
        {"prog", "/tmp/my.dir/prog.com"},
        {"prog.v2.exe", "/tmp/my.dir/prog.com"},
    };
    for (const Case& c : cases) {
        O o;
        o.SetChoice(O::LO16_ImageType, 2);
        o.SetText(O::Project_Executable, Q(c.executable));
        EXPECT_EQ(RunCommandLine(Q("/tmp/my.dir/hello.vpj"), o), Q(c.expected)) << c.executable;
    }
}

// A store holding what the Settings dialog's OK writes.
void PutSettings(TConfigDataList& store, const QByteArray* directory, const int* debugger) {
    if (directory) {
        auto entry = std::make_unique<TConfigData>(static_cast<qint32>(directory->size()));
        entry->Name = kTasmExecDirectoryKey;
        entry->Data = *directory;
        store.Put(std::move(entry));
    }
    if (debugger) {
        auto entry = std::make_unique<TConfigData>(4);
        entry->Name = kSelectedDebuggerKey;
        for (int i = 0; i < 4; ++i) entry->Data[i] = static_cast<char>(*debugger >> (8 * i));
        store.Put(std::move(entry));
    }
}

struct DebugCase {
    const char* name;
    QByteArray directory;
    int debugger;
    const char* expected;
};

void PrintTo(const DebugCase& c, std::ostream* os) { *os << c.name; }

class DebugCommandLineTest : public ::testing::TestWithParam<DebugCase> {};

TEST_P(DebugCommandLineTest, FromTheStoredSettings) {
    TConfigDataList store;
    PutSettings(store, &GetParam().directory, &GetParam().debugger);
    O o;
    o.SetFlag(O::LO32_UseThisLinker, true);
    EXPECT_EQ(DebugCommandLine(store, Q("/tmp/work/hello.vpj"), o), Q(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DebugCommandLineTest,
    ::testing::Values(DebugCase{"Td", QByteArray("/opt/tasm/bin\0", 14), 0,
                                "/opt/tasm/bin/td.exe /tmp/work/hello.exe"},
                      DebugCase{"Tdw", QByteArray("/opt/tasm/bin\0", 14), 1,
                                "/opt/tasm/bin/tdw.exe /tmp/work/hello.exe"},
                      DebugCase{"Td32", QByteArray("/opt/tasm/bin\0", 14), 2,
                                "/opt/tasm/bin/td32.exe /tmp/work/hello.exe"},
                      // An index beyond the three debuggers names none; the rest still follows.
                      DebugCase{"OutOfRange", QByteArray("/opt/tasm/bin\0", 14), 3,
                                "/opt/tasm/bin/tmp/work/hello.exe"},
                      DebugCase{"Negative", QByteArray("/opt/tasm/bin\0", 14), -1,
                                "/opt/tasm/bin/tmp/work/hello.exe"},
                      // Only the first byte is the index: 258 reads as 2.
                      DebugCase{"FirstByteOnly", QByteArray("/opt/tasm/bin\0", 14), 258,
                                "/opt/tasm/bin/td32.exe /tmp/work/hello.exe"},
                      // The directory ends at its first zero byte.
                      DebugCase{"TextAfterZero", QByteArray("/opt/t\0junk", 11), 0,
                                "/opt/t/td.exe /tmp/work/hello.exe"},
                      DebugCase{"NoZero", QByteArray("/opt/t"), 0,
                                "/opt/t/td.exe /tmp/work/hello.exe"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DebugCommandLine, ShortProjectPathIsCutAtItsFirstDot) {
    TConfigDataList store;
    const QByteArray dir("/opt/tasm\0", 10);
    const int index = 0;
    PutSettings(store, &dir, &index);
    O o;
    o.SetChoice(O::LO16_ImageType, 2);
    EXPECT_EQ(DebugCommandLine(store, Q("/tmp/x/my.dir/hello.vpj"), o),
              Q("/opt/tasm/td.exe /tmp/x/my.com"));
}

TEST(DebugCommandLine, FollowsTheExecutableName) {
    TConfigDataList store;
    const QByteArray dir("/opt/tasm\0", 10);
    const int index = 2;
    PutSettings(store, &dir, &index);
    O o;
    o.SetFlag(O::LO32_UseThisLinker, true);
    o.SetText(O::Project_Executable, Q("/out/prog.exe"));
    EXPECT_EQ(DebugCommandLine(store, Q("/tmp/my.dir/hello.vpj"), o),
              Q("/opt/tasm/td32.exe /tmp/my.dir/prog.exe"));
}

TEST(DebugCommandLine, NoneWhenASettingIsMissing) {
    O o;
    const QByteArray dir("/opt/tasm\0", 10);
    const int index = 2;
    TConfigDataList empty;
    EXPECT_EQ(DebugCommandLine(empty, Q("/w/hello.vpj"), o), std::nullopt);
    TConfigDataList onlyDirectory;
    PutSettings(onlyDirectory, &dir, nullptr);
    EXPECT_EQ(DebugCommandLine(onlyDirectory, Q("/w/hello.vpj"), o), std::nullopt);
    TConfigDataList onlyDebugger;
    PutSettings(onlyDebugger, nullptr, &index);
    EXPECT_EQ(DebugCommandLine(onlyDebugger, Q("/w/hello.vpj"), o), std::nullopt);
}

}  // namespace
