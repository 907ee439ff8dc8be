#include <gtest/gtest.h>

#include "platform/Paths.h"

namespace {
QString L(const char* text) { return QString::fromLatin1(text); }
}  // namespace

TEST(Paths, FileNamePartAndDirectoryPartSplitAtTheLastSlashBackslashOrColon) {
    struct Case {
        const char* path;
        const char* directory;
        const char* file;
    };
    const Case cases[] = {
        {"/work/proj/main.asm", "/work/proj/", "main.asm"},
        {"C:\\TASM\\BIN\\tasm.exe", "C:\\TASM\\BIN\\", "tasm.exe"},
        {"D:hello.asm", "D:", "hello.asm"},
        {"src/a\\b:c.asm", "src/a\\b:", "c.asm"},
        {"hello.asm", "", "hello.asm"},
        {"/work/proj/", "/work/proj/", ""},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Paths::DirectoryPart(L(c.path)), L(c.directory)) << c.path;
        EXPECT_EQ(Paths::FileNamePart(L(c.path)), L(c.file)) << c.path;
    }
}

TEST(Paths, RelativePathClimbsWithDotDotAndComparesWithLetterCase) {
    const QString project = L("/work/proj/");
    const std::pair<const char*, const char*> cases[] = {
        {"/work/proj/main.asm", "main.asm"},
        {"/work/proj/src/io.asm", "src/io.asm"},
        {"/work/lib.asm", "../lib.asm"},
        {"/other/x.asm", "../../other/x.asm"},
        {"/x.asm", "../../x.asm"},
        {"/work/Proj/x.asm", "../Proj/x.asm"},  // Proj is not proj on Linux
        {"/work/project/x.asm", "../project/x.asm"},
        {"relative/x.asm", "relative/x.asm"},  // no common root: kept as it is
    };
    for (const auto& [path, expected] : cases) {
        const QString relative = Paths::RelativePath(L(path), project);
        EXPECT_EQ(relative, L(expected)) << path;
        if (L(path).startsWith(QLatin1Char('/'))) {
            EXPECT_EQ(Paths::ResolvePath(relative, project), L(path)) << path;
        }
    }
}

TEST(Paths, ResolvePathReadsBackslashesAndResolvesDotSteps) {
    const QString base = L("/work/proj/");
    const std::pair<const char*, const char*> cases[] = {
        {"main.asm", "/work/proj/main.asm"},
        {"src\\io.asm", "/work/proj/src/io.asm"},
        {"..\\lib.asm", "/work/lib.asm"},
        {"..\\..\\other\\x.asm", "/other/x.asm"},
        {".\\a\\..\\b.asm", "/work/proj/b.asm"},
        {"src/./deep/../io.asm", "/work/proj/src/io.asm"},
        {"/abs/x.asm", "/abs/x.asm"},
        {"\\abs\\x.asm", "/abs/x.asm"},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(Paths::ResolvePath(L(text), base), L(expected)) << text;
    }
}

TEST(Paths, WithTrailingSeparatorLeavesExactlyOne) {
    EXPECT_EQ(Paths::WithTrailingSeparator(L("/work/proj")), L("/work/proj/"));
    EXPECT_EQ(Paths::WithTrailingSeparator(L("/work/proj//")), L("/work/proj/"));
    EXPECT_EQ(Paths::WithTrailingSeparator(L("/")), L("/"));
    // No directory must not become the root directory.
    EXPECT_EQ(Paths::WithTrailingSeparator(QString()), QString());
}
