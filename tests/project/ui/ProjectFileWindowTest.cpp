// The project file through the main window: what Save Project As and Save All
// write, byte for byte, and what Open Project reads back, with every message.
#include <QCheckBox>
#include <QLineEdit>

#include "project/KnownProject.h"
#include "project/ui/OptionControls.h"
#include "project/ui/ProjectWindow.h"

namespace {

using O = TProjectOptions;
using namespace RecordBytes;

const QString kNotFoundInLib = Q(" not found in VelmoraLib, this cancause linking errors");
const QString kNotFoundInProject = Q(" not found in project dir, this cancause linking errors");

class ProjectFileTest : public ProjectWindowTest {
protected:
    QString Damaged(const QString& path) const {
        return path + Q(" is damaged. The units and options read before the damage were kept; "
                        "the project is untitled.");
    }
    void ExpectUntitled() {
        EXPECT_FALSE(project().ProjectNamed);
        EXPECT_EQ(project().ProjectFileName, Q("Untitled.vpj"));
        EXPECT_EQ(Caption(), Q("Velmora - Untitled"));
    }
};

TEST_F(ProjectFileTest, WritesAKnownProjectByteForByte) {
    exe.Write(Q("Lib/a.lib"), "x");
    exe.Write(Q("Lib/b.obj"), "x");
    exe.Write(Q("lib.asm"), "lib\r\n");
    exe.Write(Q("Work/main.asm"), "main\r\n");
    exe.Write(Q("Work/src/io.asm"), "io\r\n");
    exe.Write(Q("Work/x.lib"), "x");
    exe.Write(Q("Work/y.obj"), "x");
    exe.Write(Q("Work/r.res"), "x");
    Start();
    // Unit1.asm was never saved; the three opened units have files.
    OpenUnit(work + Q("main.asm"));
    OpenUnit(work + Q("src/io.asm"));
    OpenUnit(exe.File(Q("lib.asm")));
    KnownProject::SetOptions(options());
    project().LibDirBox().SetChecked(1, true);  // b.obj
    project().CurProjectBox().Append(Q("stale.lib"), true);

    SaveProjectAs(work + Q("demo.vpj"));
    const FileDialogState& asked = dialogs.shown().back().file;
    EXPECT_EQ(asked.filter, Q("Project Files (*.vpj)|*.vpj|All Files (*.*)|*.*"));
    EXPECT_EQ(asked.initialDir, Q("Projects"));
    EXPECT_EQ(asked.defaultExt, Q("vpj"));
    EXPECT_EQ(asked.fileName, Q("Untitled.vpj"));

    // The project directory's lists were refilled, unchecked, before the write.
    const QByteArray first = Str("Velmora Project File") + Str("v1.1") + Int(3) + Str("main.asm") +
                             Str("src/io.asm") + Str("../lib.asm") + KnownProject::OptionBytes() +
                             Int(1) + Str("b.obj") + Int(0) + Int(0);
    EXPECT_EQ(TempDir::Read(work + Q("demo.vpj")).toHex(' '), first.toHex(' '));
    EXPECT_EQ(Caption(), Q("Velmora - demo"));

    // Save All saves the new unit too and then rewrites the named project.
    project().CurProjectBox().SetChecked(1, true);  // y.obj
    project().ResourceBox().SetChecked(0, true);    // r.res
    dialogs.Save(work + Q("first.asm"));
    Trigger("SaveAll1");
    EXPECT_EQ(dialogs.shown().back().file.fileName, Q("Unit1.asm"));
    const QByteArray second = Str("Velmora Project File") + Str("v1.1") + Int(4) +
                              Str("first.asm") + Str("main.asm") + Str("src/io.asm") +
                              Str("../lib.asm") + KnownProject::OptionBytes() + Int(1) +
                              Str("b.obj") + Int(1) + Str("y.obj") + Int(1) + Str("r.res");
    EXPECT_EQ(TempDir::Read(work + Q("demo.vpj")).toHex(' '), second.toHex(' '));
}

TEST_F(ProjectFileTest, ANewProjectWritesOnlyTheHeaderDefaultsAndEmptyLists) {
    Start();
    dialogs.Box(MsgAnswer::No);
    Trigger("NewProject1");
    dialogs.Save(work + Q("empty.vpj"));
    Trigger("SaveAll1");
    EXPECT_EQ(TempDir::Read(work + Q("empty.vpj")).toHex(' '),
              ProjectBytes({}, KnownProject::DefaultOptionBytes()).toHex(' '));
    EXPECT_EQ(Caption(), Q("Velmora - empty"));

    // It opens without units.
    OpenProject(work + Q("empty.vpj"));
    EXPECT_EQ(units().Count(), 0);
    EXPECT_TRUE(project().ProjectNamed);
}

// Each control shows its option's value.
void ExpectControlsShow(TForm1& form, const TProjectOptions& o) {
    for (int i = 0; i < O::Count; ++i) {
        const auto option = O::Option(i);
        const O::Info& info = O::Describe(option);
        const QString name = QString::fromLatin1(info.name);
        switch (info.kind) {
            case O::Kind::Text:
                EXPECT_EQ(form.findChild<QLineEdit*>(name)->text(), o.Text(option)) << info.name;
                break;
            case O::Kind::Flag:
                EXPECT_EQ(form.findChild<QCheckBox*>(name)->isChecked(), o.Flag(option))
                    << info.name;
                break;
            case O::Kind::Choice:
                EXPECT_EQ(form.findChild<RadioGroup*>(name)->ItemIndex(), o.Choice(option))
                    << info.name;
                break;
        }
    }
}

TEST_F(ProjectFileTest, ReadsBackEveryOptionAndTheUnits) {
    exe.Write(Q("Work/main.asm"), "mov ax,1\r\n");
    Start();
    OpenUnit(work + Q("main.asm"));
    KnownProject::SetOptions(options());
    SaveProjectAs(work + Q("demo.vpj"));

    OpenProject(work + Q("demo.vpj"));
    TProjectOptions want;
    KnownProject::SetOptions(want);
    for (int i = 0; i < O::Count; ++i) {
        const auto o = O::Option(i);
        EXPECT_EQ(options().Text(o), want.Text(o)) << O::Describe(o).name;
        EXPECT_EQ(options().Flag(o), want.Flag(o)) << O::Describe(o).name;
        EXPECT_EQ(options().Choice(o), want.Choice(o)) << O::Describe(o).name;
    }
    ExpectControlsShow(*form, options());
    EXPECT_EQ(UnitFileNames(), QStringList({work + Q("main.asm")}));
    EXPECT_EQ(ButtonCaptions(), QStringList({Q("main.asm")}));
    EXPECT_EQ(units().At(0)->Text(), QByteArray("mov ax,1\r\n"));
    EXPECT_EQ(units().CurrentUnit(), 0);
    EXPECT_TRUE(units().At(0)->isVisible());
    EXPECT_TRUE(project().ProjectNamed);
    EXPECT_EQ(project().ProjectFileName, work + Q("demo.vpj"));
    EXPECT_EQ(Caption(), Q("Velmora - demo"));
    // Reading a unit record made the project's directory current.
    EXPECT_EQ(CurrentDirectory(), work);
}

TEST_F(ProjectFileTest, TheStoredThirtyTwoBitFlagChoosesTheLinker) {
    Start();
    ShowPanel(4);
    ClickIndicator(Find<QCheckBox>("LO32_UseThisLinker"));
    SaveProjectAs(work + Q("p32.vpj"));
    dialogs.Box(MsgAnswer::No);
    Trigger("NewProject1");
    EXPECT_TRUE(Find<QCheckBox>("LO16_UseThisLinker")->isChecked());

    OpenProject(work + Q("p32.vpj"));
    EXPECT_TRUE(Find<QCheckBox>("LO32_UseThisLinker")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("LO16_UseThisLinker")->isChecked());

    // Both stored on: the later, 32-bit flag decides. Both off: the 16-bit linker.
    QByteArray both = KnownProject::DefaultOptionBytes();
    both[47] = '\x01';
    both[47 + 9 + 12] = '\x01';
    exe.Write(Q("Work/both.vpj"), ProjectBytes({}, both));
    OpenProject(work + Q("both.vpj"));
    EXPECT_TRUE(options().Flag(O::LO32_UseThisLinker));
    EXPECT_FALSE(Find<QCheckBox>("LO16_UseThisLinker")->isChecked());

    QByteArray neither = KnownProject::DefaultOptionBytes();
    neither[47] = '\0';
    exe.Write(Q("Work/neither.vpj"), ProjectBytes({}, neither));
    OpenProject(work + Q("neither.vpj"));
    EXPECT_TRUE(Find<QCheckBox>("LO16_UseThisLinker")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("LO32_UseThisLinker")->isChecked());
}

TEST_F(ProjectFileTest, OutOfRangeChoicesAreClampedWhenRead) {
    QByteArray block = KnownProject::DefaultOptionBytes();
    block.replace(15, 4, Int(7));                // AO_WhatCompiler: the last item
    block.replace(19, 4, Int(-5));               // AO_DebugInfo: none chosen
    block.replace(15 + 28 + 13 + 8, 4, Int(5));  // LO16_Optimizations: the last of five
    exe.Write(Q("Work/clamp.vpj"), ProjectBytes({}, block));
    Start();
    OpenProject(work + Q("clamp.vpj"));
    EXPECT_EQ(options().Choice(O::AO_WhatCompiler), 2);
    EXPECT_EQ(options().Choice(O::AO_DebugInfo), -1);
    EXPECT_EQ(options().Choice(O::LO16_Optimizations), 4);
    auto* debugInfo = Find<RadioGroup>("AO_DebugInfo");
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(debugInfo->Item(i)->isChecked()) << i;
    EXPECT_TRUE(Find<RadioGroup>("AO_WhatCompiler")->Item(2)->isChecked());
    EXPECT_TRUE(project().ProjectNamed);
}

TEST_F(ProjectFileTest, AMissingUnitFileIsReportedAndLeftOut) {
    exe.Write(Q("Work/one.asm"), "one\r\n");
    exe.Write(Q("Work/three.asm"), "three\r\n");
    exe.Write(Q("Work/p.vpj"),
              ProjectBytes({"one.asm", "two.asm", "three.asm"}, KnownProject::OptionBytes()));
    Start();
    dialogs.Box(MsgAnswer::No).Open(work + Q("p.vpj"));
    dialogs.Box(MsgAnswer::Ok,
                Q("Could not load ") + work + Q("two.asm, it has been removed from the project"));
    Trigger("OpenProject1");
    EXPECT_EQ(dialogs.shown().back().caption, Q("Error"));
    EXPECT_EQ(dialogs.shown().back().buttons, MsgButtons::OkCancel);
    EXPECT_EQ(UnitFileNames(), QStringList({work + Q("one.asm"), work + Q("three.asm")}));
    EXPECT_EQ(units().ButtonAt(0)->geometry().top(), 0);
    EXPECT_EQ(units().ButtonAt(1)->geometry().top(), 24);
    EXPECT_EQ(units().CurrentUnit(), 1);
    EXPECT_EQ(options().Text(O::LO32_StackCom), Q("8192"));
    EXPECT_TRUE(project().ProjectNamed);
    EXPECT_EQ(Caption(), Q("Velmora - p"));
}

TEST_F(ProjectFileTest, AProjectWrittenOnWindowsOpensItsUnits) {
    exe.Write(Q("Work/src/io.asm"), "io\r\n");
    exe.Write(Q("Shared/lib.asm"), "lib\r\n");
    exe.Write(Q("Work/win.vpj"),
              ProjectBytes({"src\\io.asm", "..\\Shared\\lib.asm"}, KnownProject::OptionBytes()));
    Start();
    OpenProject(work + Q("win.vpj"));
    EXPECT_EQ(UnitFileNames(),
              QStringList({work + Q("src/io.asm"), exe.File(Q("Shared/lib.asm"))}));
    EXPECT_EQ(ButtonCaptions(), QStringList({Q("io.asm"), Q("lib.asm")}));
    EXPECT_EQ(units().At(1)->Text(), QByteArray("lib\r\n"));
}

TEST_F(ProjectFileTest, EachMissingLibraryNameGivesOneBox) {
    exe.Write(Q("Lib/a.lib"), "x");
    exe.Write(Q("Work/x.lib"), "x");
    exe.Write(Q("Work/r.res"), "x");
    const QByteArray lists = Int(2) + Str("a.lib") + Str("gone.lib")                  // LibDirBox
                             + Int(3) + Str("old.obj") + Str("x.lib") + Str("X.LIB")  // project
                             + Int(2) + Str("lost.res") + Str("r.res");               // resources
    exe.Write(Q("Work/libs.vpj"), ProjectBytes({}, KnownProject::DefaultOptionBytes(), lists));
    Start();
    dialogs.Box(MsgAnswer::No).Open(work + Q("libs.vpj"));
    dialogs.Box(MsgAnswer::Ok, Q("gone.lib") + kNotFoundInLib)
        .Box(MsgAnswer::Cancel, Q("old.obj") + kNotFoundInProject)
        .Box(MsgAnswer::Ok, Q("X.LIB") + kNotFoundInProject)  // stored capitals never match
        .Box(MsgAnswer::Ok, Q("lost.res") + kNotFoundInProject);
    Trigger("OpenProject1");
    for (std::size_t i = 1; i < dialogs.shown().size(); ++i) {
        if (dialogs.shown()[i].kind != ScriptedDialogs::Kind::Box) continue;
        EXPECT_EQ(dialogs.shown()[i].caption, Q("Error"));
        EXPECT_EQ(dialogs.shown()[i].buttons, MsgButtons::OkCancel);
    }
    EXPECT_EQ(CheckedTexts(Find<QListWidget>("LibDirBox")), QStringList({Q("a.lib")}));
    EXPECT_EQ(CheckedTexts(Find<QListWidget>("CurProjectBox")), QStringList({Q("x.lib")}));
    EXPECT_EQ(CheckedTexts(Find<QListWidget>("ResourceBox")), QStringList({Q("r.res")}));
    EXPECT_TRUE(project().ProjectNamed);
}

TEST_F(ProjectFileTest, AFileThatIsNoProjectIsRefused) {
    exe.Write(Q("Work/x.lib"), "x");
    exe.Write(Q("Work/hello.vwz"), Str("Velmora Wizard File") + Str("v1.a") + Int(0));
    exe.Write(Q("Work/empty.vpj"), QByteArray());
    Start();
    for (const QString& name : {Q("hello.vwz"), Q("empty.vpj"), Q("missing.vpj")}) {
        dialogs.Box(MsgAnswer::No).Open(work + name);
        dialogs.Box(MsgAnswer::Ok, work + name + Q(" is not a valid project file."));
        Trigger("OpenProject1");
        EXPECT_EQ(dialogs.shown().back().caption, Q("Error"));
        ExpectUntitled();
        EXPECT_EQ(units().Count(), 0);
        // The lists were filled from the chosen file's directory before the check.
        EXPECT_EQ(ListTexts(Find<QListWidget>("CurProjectBox")), QStringList({Q("x.lib")}));
    }
}

TEST_F(ProjectFileTest, AnotherVersionIsRefused) {
    exe.Write(Q("Work/old.vpj"), Str("Velmora Project File") + Str("v1.0") + Int(0) +
                                     KnownProject::OptionBytes() + QByteArray(12, '\0'));
    Start();
    dialogs.Box(MsgAnswer::No).Open(work + Q("old.vpj"));
    dialogs.Box(MsgAnswer::Ok, Q("Incorrect file version..."));
    Trigger("OpenProject1");
    EXPECT_EQ(dialogs.shown().back().caption, Q("Error"));
    EXPECT_EQ(dialogs.shown().back().buttons, MsgButtons::OkCancel);
    ExpectUntitled();
    EXPECT_EQ(units().Count(), 0);
    EXPECT_TRUE(options().Text(O::Project_Executable).isEmpty());
}

struct Damage {
    const char* what;
    QByteArray bytes;
    QStringList units;       // file names relative to the project directory
    QString executable;      // Project_Executable afterwards
    qint32 whatCompiler;     // AO_WhatCompiler afterwards
    qint32 debugInfo;        // AO_DebugInfo afterwards
    QStringList libChecked;  // checked entries of LibDirBox afterwards
};

TEST_F(ProjectFileTest, ADamagedFileKeepsWhatWasReadAndStaysUntitled) {
    exe.Write(Q("Lib/a.lib"), "x");
    exe.Write(Q("Lib/b.lib"), "x");
    exe.Write(Q("Work/one.asm"), "one\r\n");
    exe.Write(Q("Work/two.asm"), "two\r\n");
    const QByteArray header = Str("Velmora Project File") + Str("v1.1");
    const QByteArray known = KnownProject::OptionBytes();
    const QByteArray whole = header + Int(2) + Str("one.asm") + Str("two.asm") + known + Int(2) +
                             Str("a.lib") + Str("b.lib") + Int(0) + Int(0);
    const qsizetype optionsAt = header.size() + 4 + 12 + 12;
    const QStringList both = {Q("one.asm"), Q("two.asm")};
    const std::vector<Damage> cases = {
        {"cut inside the second unit record",
         whole.left(header.size() + 4 + 12 + 6),
         {Q("one.asm")},
         QString(),
         0,
         2,
         {}},
        {"cut after the compiler choice",
         whole.left(optionsAt + 3 * 14 + 4 + 2),
         both,
         Q("hello.exe"),
         2,
         2,
         {}},
        {"cut after the first library name",
         whole.left(whole.size() - 8 - Str("b.lib").size() + 2),
         both,
         Q("hello.exe"),
         2,
         0,
         {Q("a.lib")}},
        {"a negative unit count",
         header + Int(-1) + known + QByteArray(12, '\0'),
         {},
         QString(),
         0,
         2,
         {}},
        {"an impossible string length",
         header + Int(1) + Int(0x7FFFFFFF) + "one.asm",
         {},
         QString(),
         0,
         2,
         {}},
        {"a unit count beyond the file",
         header + Int(1000000) + Str("one.asm"),
         {Q("one.asm")},
         QString(),
         0,
         2,
         {}},
        {"the end of the checked names missing",
         whole.left(whole.size() - 4),
         both,
         Q("hello.exe"),
         2,
         0,
         {Q("a.lib"), Q("b.lib")}},
    };
    Start();
    for (const Damage& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = exe.Write(Q("Work/damaged.vpj"), c.bytes);
        dialogs.Clear();
        dialogs.Box(MsgAnswer::No).Open(path).Box(MsgAnswer::Ok, Damaged(path));
        Trigger("OpenProject1");
        ASSERT_EQ(dialogs.shown().size(), 3u);
        EXPECT_EQ(dialogs.shown().back().caption, Q("Error"));
        QStringList expectUnits;
        for (const QString& u : c.units) expectUnits << work + u;
        EXPECT_EQ(UnitFileNames(), expectUnits);
        EXPECT_EQ(options().Text(O::Project_Executable), c.executable);
        EXPECT_EQ(options().Choice(O::AO_WhatCompiler), c.whatCompiler);
        EXPECT_EQ(options().Choice(O::AO_DebugInfo), c.debugInfo);
        EXPECT_EQ(CheckedTexts(Find<QListWidget>("LibDirBox")), c.libChecked);
        ExpectUntitled();
    }
    // A later save asks for a name instead of overwriting the damaged file.
    const QByteArray damaged = TempDir::Read(work + Q("damaged.vpj"));
    dialogs.Save(std::nullopt);
    Trigger("SaveAll1");
    EXPECT_EQ(TempDir::Read(work + Q("damaged.vpj")), damaged);
}

}  // namespace
