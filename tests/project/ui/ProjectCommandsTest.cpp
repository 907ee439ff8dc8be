// The project commands, the close query, the library lists and the option
// controls, driven through the main window as a user drives them.
#include <QCheckBox>
#include <QLineEdit>

#include "project/ui/OptionControls.h"
#include "project/ui/ProjectWindow.h"

namespace {

using O = TProjectOptions;

const QString kAsk = Q("Save changes to project?");
const QString kCouldNotSave = Q("Could not save file.");

using ProjectCommandsTest = ProjectWindowTest;

TEST_F(ProjectCommandsTest, TheCaptionFollowsEachCommand) {
    Start();
    EXPECT_EQ(Caption(), Q("Velmora - Untitled"));

    SaveProjectAs(work + Q("my.proj.vpj"));
    EXPECT_EQ(Caption(), Q("Velmora - my"));
    SaveProjectAs(std::nullopt);
    EXPECT_EQ(Caption(), Q("Velmora - my"));

    dialogs.Save(work + Q("u.asm"));
    Trigger("SaveAll1");
    EXPECT_EQ(Caption(), Q("Velmora - my"));

    dialogs.Box(MsgAnswer::Cancel, kAsk);
    Trigger("NewProject1");
    EXPECT_EQ(Caption(), Q("Velmora - my"));
    EXPECT_EQ(units().Count(), 1);

    dialogs.Box(MsgAnswer::No, kAsk);
    Trigger("NewProject1");
    EXPECT_EQ(Caption(), Q("Velmora - Untitled"));

    // Without units, Save All asks only for the project's name.
    const std::size_t before = dialogs.shown().size();
    dialogs.Save(work + Q("second.vpj"));
    Trigger("SaveAll1");
    EXPECT_EQ(dialogs.shown().size(), before + 1);
    EXPECT_EQ(Caption(), Q("Velmora - second"));

    OpenProject(work + Q("my.proj.vpj"));
    EXPECT_EQ(Caption(), Q("Velmora - my"));
    EXPECT_EQ(ButtonCaptions(), QStringList({Q("u.asm")}));

    exe.Write(Q("Work/bad.vpj"), "nonsense");
    dialogs.Box(MsgAnswer::No, kAsk)
        .Open(work + Q("bad.vpj"))
        .Box(MsgAnswer::Ok, work + Q("bad.vpj is not a valid project file."));
    Trigger("OpenProject1");
    EXPECT_EQ(Caption(), Q("Velmora - Untitled"));
}

TEST_F(ProjectCommandsTest, NewProjectAnsweredNoDropsTheUnitsWithoutAsking) {
    Start();
    units().At(0)->setFocus();
    QTest::keyClicks(units().At(0), QStringLiteral("mov ax,1"));
    ASSERT_TRUE(units().At(0)->Modified);
    dialogs.Box(MsgAnswer::No, kAsk);
    Trigger("NewProject1");
    EXPECT_EQ(units().Count(), 0);
    EXPECT_EQ(units().CurrentUnit(), -1);
    EXPECT_EQ(Caption(), Q("Velmora - Untitled"));
    EXPECT_TRUE(QDir(work).entryList(QDir::Files).isEmpty());
}

TEST_F(ProjectCommandsTest, OpenProjectAnsweredNoThenCancelledLeavesAnEmptyUntitledProject) {
    exe.Write(Q("Work/x.lib"), "x");
    Start();
    SaveProjectAs(work + Q("old.vpj"));
    ASSERT_EQ(ListTexts(Find<QListWidget>("CurProjectBox")), QStringList({Q("x.lib")}));
    QTest::keyClicks(units().At(0), QStringLiteral("changed"));
    system->SetCurrentDirectory(work);

    OpenProject(std::nullopt);
    const FileDialogState& asked = dialogs.shown().back().file;
    EXPECT_EQ(asked.filter, Q("Project Files (*.vpj)|*.vpj|All Files (*.*)|*.*"));
    EXPECT_EQ(asked.initialDir, Q("Projects"));
    EXPECT_TRUE(asked.fileName.isEmpty());
    // The dialog opened in the executable's directory, and the old project is gone.
    EXPECT_EQ(CurrentDirectory(), exe.path());
    EXPECT_EQ(units().Count(), 0);
    EXPECT_FALSE(project().ProjectNamed);
    EXPECT_EQ(Caption(), Q("Velmora - Untitled"));
    EXPECT_EQ(Find<QListWidget>("CurProjectBox")->count(), 0);
}

TEST_F(ProjectCommandsTest, OpenProjectAnsweredYesStopsWhenASaveIsCancelled) {
    Start();
    QTest::keyClicks(units().At(0), QStringLiteral("keep me"));
    dialogs.Box(MsgAnswer::Yes, kAsk).Save(std::nullopt);
    Trigger("OpenProject1");
    ASSERT_EQ(units().Count(), 1);
    EXPECT_EQ(units().At(0)->Text(), QByteArray("keep me"));
    EXPECT_EQ(Caption(), Q("Velmora - Untitled"));
}

TEST_F(ProjectCommandsTest, SaveAllCancelledAtTheSecondUnitSavesNoMore) {
    Start();
    Trigger("NewUnit1");
    system->SetCurrentDirectory(work);
    dialogs.Save(work + Q("first.asm")).Save(std::nullopt);
    Trigger("SaveAll1");
    const auto& shown = dialogs.shown();
    ASSERT_EQ(shown.size(), 2u);
    for (const auto& s : shown) {
        EXPECT_EQ(s.file.filter, Q("Assembly Files (*.asm)|*.asm|All Files (*.*)|*.*"));
        EXPECT_EQ(s.file.initialDir, Q("Projects"));
        EXPECT_EQ(s.file.defaultExt, Q("asm"));
    }
    EXPECT_EQ(shown[0].file.fileName, Q("Unit1.asm"));
    EXPECT_EQ(shown[1].file.fileName, Q("Unit2.asm"));
    EXPECT_EQ(CurrentDirectory(), exe.path());

    EXPECT_TRUE(QFile::exists(work + Q("first.asm")));
    EXPECT_EQ(ButtonCaptions(), QStringList({Q("first.asm"), Q("Unit2.asm")}));
    EXPECT_FALSE(units().At(1)->HasFile);
    EXPECT_FALSE(project().ProjectNamed);
    EXPECT_EQ(QDir(work).entryList(QDir::Files), QStringList({Q("first.asm")}));
    EXPECT_EQ(Caption(), Q("Velmora - Untitled"));
}

TEST_F(ProjectCommandsTest, AProjectFileThatCannotBeWrittenIsNotSaved) {
    exe.Write(Q("Work/x.lib"), "x");
    exe.Write(Q("Other/y.lib"), "x");
    Start();
    SaveProjectAs(work + Q("demo.vpj"));
    project().CurProjectBox().SetChecked(0, true);

    // Into a directory that does not exist: nothing changes.
    dialogs.Save(exe.File(Q("Other/missing/demo.vpj"))).Box(MsgAnswer::Ok, kCouldNotSave);
    Trigger("SaveProjectAs1");
    EXPECT_EQ(dialogs.shown().back().caption, Q("Error"));
    EXPECT_EQ(dialogs.shown().back().buttons, MsgButtons::OkCancel);
    EXPECT_TRUE(project().ProjectNamed);
    EXPECT_EQ(project().ProjectFileName, work + Q("demo.vpj"));
    EXPECT_EQ(Caption(), Q("Velmora - demo"));
    EXPECT_EQ(CheckedTexts(Find<QListWidget>("CurProjectBox")), QStringList({Q("x.lib")}));

    // An untitled project stays untitled.
    dialogs.Box(MsgAnswer::No, kAsk);
    Trigger("NewProject1");
    dialogs.Save(exe.File(Q("Other/missing/demo.vpj"))).Box(MsgAnswer::Ok, kCouldNotSave);
    Trigger("SaveAll1");
    EXPECT_FALSE(project().ProjectNamed);
    EXPECT_EQ(project().ProjectFileName, Q("Untitled.vpj"));

    // The close query stays open when the named project's file cannot be written.
    SaveProjectAs(work + Q("demo.vpj"));
    ASSERT_TRUE(QDir(work).removeRecursively());
    dialogs.Box(MsgAnswer::Yes, kAsk).Box(MsgAnswer::Ok, kCouldNotSave);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(QFile::exists(exe.File(Q("Velmora.ini"))));
    EXPECT_TRUE(CloseWith(MsgAnswer::No));
}

TEST_F(ProjectCommandsTest, SaveAllStopsWhenAUnitFileCannotBeWritten) {
    exe.Write(Q("Work/sub/a.asm"), "a\r\n");
    Start();
    dialogs.Box(MsgAnswer::No, kAsk);
    Trigger("NewProject1");
    OpenUnit(work + Q("sub/a.asm"));
    ASSERT_TRUE(QDir(work + Q("sub")).removeRecursively());
    // No project dialog follows the box: the project is not saved over a stale unit.
    dialogs.Box(MsgAnswer::Ok, kCouldNotSave);
    Trigger("SaveAll1");
    EXPECT_EQ(dialogs.shown().back().caption, Q("Error"));
    EXPECT_FALSE(project().ProjectNamed);
}

TEST_F(ProjectCommandsTest, TheCloseQueryYesSavesEverything) {
    Start();
    QTest::keyClicks(units().At(0), QStringLiteral("nop"));
    dialogs.Box(MsgAnswer::Yes, kAsk).Save(work + Q("u.asm")).Save(work + Q("c.vpj"));
    EXPECT_TRUE(form->close());
    EXPECT_EQ(TempDir::Read(work + Q("u.asm")), QByteArray("nop"));
    EXPECT_EQ(TempDir::Read(work + Q("c.vpj")).mid(4 + 21 + 4 + 5, 4 + 4 + 6),
              RecordBytes::Int(1) + RecordBytes::Str("u.asm"));
    EXPECT_TRUE(QFile::exists(exe.File(Q("Velmora.ini"))));
}

TEST_F(ProjectCommandsTest, TheLibraryListsComeFromLibAndTheProjectDirectory) {
    for (const char* name : {"b.obj", "KERNEL.LIB", "c.lib", "a.lib", "readme.txt"})
        exe.Write(Q("Lib/") + Q(name), "x");
    exe.MakeDir(Q("Lib/old.lib"));
    for (const char* name : {"Z.LIB", "y.obj", "Q.RES", "notes.txt"})
        exe.Write(Q("Work/") + Q(name), "x");
    exe.Write(Q("Other/o.lib"), "x");
    Start();
    auto* lib = Find<QListWidget>("LibDirBox");
    auto* cur = Find<QListWidget>("CurProjectBox");
    auto* res = Find<QListWidget>("ResourceBox");
    const QStringList libNames = {Q("a.lib"), Q("c.lib"), Q("kernel.lib"), Q("old.lib"),
                                  Q("b.obj")};
    EXPECT_EQ(ListTexts(lib), libNames);
    EXPECT_EQ(cur->count(), 0);
    EXPECT_EQ(res->count(), 0);

    SaveProjectAs(work + Q("demo.vpj"));
    EXPECT_EQ(ListTexts(cur), QStringList({Q("z.lib"), Q("y.obj")}));
    EXPECT_EQ(ListTexts(res), QStringList({Q("q.res")}));
    project().CurProjectBox().SetChecked(0, true);
    project().LibDirBox().SetChecked(2, true);
    dialogs.Save(work + Q("u.asm"));  // Unit1.asm has no file yet
    Trigger("SaveAll1");
    SaveProjectAs(exe.File(Q("Other/moved.vpj")));
    // Another directory: its files, unchecked; Lib keeps its marks.
    EXPECT_EQ(ListTexts(cur), QStringList({Q("o.lib")}));
    EXPECT_TRUE(CheckedTexts(cur).isEmpty());
    EXPECT_EQ(res->count(), 0);
    EXPECT_EQ(CheckedTexts(lib), QStringList({Q("kernel.lib")}));

    OpenProject(work + Q("demo.vpj"));
    EXPECT_EQ(ListTexts(cur), QStringList({Q("z.lib"), Q("y.obj")}));
    EXPECT_EQ(CheckedTexts(cur), QStringList({Q("z.lib")}));
    EXPECT_EQ(CheckedTexts(lib), QStringList({Q("kernel.lib")}));

    dialogs.Box(MsgAnswer::No, kAsk);
    Trigger("NewProject1");
    EXPECT_EQ(ListTexts(lib), libNames);
    EXPECT_TRUE(CheckedTexts(lib).isEmpty());
    EXPECT_EQ(cur->count(), 0);
    EXPECT_EQ(res->count(), 0);
}

TEST_F(ProjectCommandsTest, OpeningOnTheOptionsPageKeepsThePanelAndHidesTheUnits) {
    exe.Write(Q("Work/a.asm"), "a\r\n");
    Start();
    OpenUnit(work + Q("a.asm"));
    SaveProjectAs(work + Q("good.vpj"));
    ShowPanel(3);
    OpenProject(work + Q("good.vpj"));
    EXPECT_EQ(form->OptionPage, 3);
    EXPECT_TRUE(Find<QWidget>("OptionsLinker16")->isVisible());
    EXPECT_TRUE(Find<QToolButton>("Option3")->isChecked());
    ASSERT_EQ(units().Count(), 1);
    EXPECT_FALSE(units().At(0)->isVisible());
    ClickSideTab(0);
    EXPECT_TRUE(units().At(0)->isVisible());
}

// The controls: every user change reaches the model at once, every model
// change shows in the control.

TEST_F(ProjectCommandsTest, TheLinkerCheckBoxesStayExclusiveUnderTheMouse) {
    Start();
    auto* use16 = Find<QCheckBox>("LO16_UseThisLinker");
    auto* use32 = Find<QCheckBox>("LO32_UseThisLinker");
    ShowPanel(3);
    ClickIndicator(use16);
    EXPECT_FALSE(use16->isChecked());
    EXPECT_TRUE(use32->isChecked());
    EXPECT_TRUE(options().Flag(O::LO32_UseThisLinker));
    ClickIndicator(use16);
    EXPECT_TRUE(use16->isChecked());
    EXPECT_FALSE(use32->isChecked());
    ShowPanel(4);
    ClickIndicator(use32);
    EXPECT_TRUE(use32->isChecked());
    EXPECT_FALSE(use16->isChecked());
    ClickIndicator(use32);
    EXPECT_FALSE(use32->isChecked());
    EXPECT_TRUE(use16->isChecked());
    EXPECT_TRUE(options().Flag(O::LO16_UseThisLinker));
    // The keyboard too.
    use32->setFocus();
    QTest::keyClick(use32, Qt::Key_Space);
    EXPECT_TRUE(use32->isChecked());
    EXPECT_FALSE(use16->isChecked());

    dialogs.Box(MsgAnswer::No, kAsk);
    Trigger("NewProject1");
    EXPECT_TRUE(use16->isChecked());
    EXPECT_FALSE(use32->isChecked());
}

TEST_F(ProjectCommandsTest, TextFieldsWriteTheModelAsTheUserTypes) {
    Start();
    ShowPanel(1);
    auto* edit = Find<QLineEdit>("Project_Executable");
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClicks(edit, QStringLiteral("hello.exe"));
    EXPECT_EQ(options().Text(O::Project_Executable), Q("hello.exe"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(options().Text(O::Project_Executable), Q("hello.e"));
    // A character of the code page is taken; one outside it is not.
    // (keyClicks takes Latin-1 only; these are typed as the keyboard sends them.)
    for (const QChar c : {QChar(0x20AC), QChar(0x3A9)})
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    EXPECT_EQ(options().Text(O::Project_Executable), Q("hello.e") + QChar(0x20AC));
    EXPECT_EQ(edit->text(), options().Text(O::Project_Executable));

    options().SetText(O::LO32_HeapRes, Q("4096"));
    EXPECT_EQ(Find<QLineEdit>("LO32_HeapRes")->text(), Q("4096"));
}

TEST_F(ProjectCommandsTest, RadioButtonsAndCheckBoxesWriteTheModel) {
    Start();
    ShowPanel(2);
    auto* compiler = Find<RadioGroup>("AO_WhatCompiler");
    ClickIndicator(compiler->Item(2));
    EXPECT_EQ(options().Choice(O::AO_WhatCompiler), 2);
    EXPECT_FALSE(compiler->Item(0)->isChecked());
    // Arrow keys move the choice within the group.
    compiler->Item(2)->setFocus();
    QTest::keyClick(compiler->Item(2), Qt::Key_Up);
    EXPECT_EQ(options().Choice(O::AO_WhatCompiler), 1);

    ClickIndicator(Find<QCheckBox>("AO_Listing"));
    EXPECT_TRUE(options().Flag(O::AO_Listing));

    options().SetChoice(O::AO_SegmentOrder, 0);
    EXPECT_TRUE(Find<RadioGroup>("AO_SegmentOrder")->Item(0)->isChecked());
    options().SetChoice(O::AO_SegmentOrder, -1);
    EXPECT_EQ(Find<RadioGroup>("AO_SegmentOrder")->ItemIndex(), -1);
    options().SetFlag(O::AO_CrossRef, true);
    EXPECT_TRUE(Find<QCheckBox>("AO_CrossRef")->isChecked());
}

TEST_F(ProjectCommandsTest, CheckListMarksWriteTheModel) {
    exe.Write(Q("Lib/a.lib"), "x");
    exe.Write(Q("Lib/b.lib"), "x");
    Start();
    ShowPanel(5);
    auto* lib = Find<QListWidget>("LibDirBox");
    ClickListCheck(lib, 1);
    EXPECT_TRUE(project().LibDirBox().At(1).checked);
    EXPECT_FALSE(project().LibDirBox().At(0).checked);
    lib->setFocus();
    lib->setCurrentRow(0);
    QTest::keyClick(lib, Qt::Key_Space);
    EXPECT_TRUE(project().LibDirBox().At(0).checked);
    ClickListCheck(lib, 1);
    EXPECT_FALSE(project().LibDirBox().At(1).checked);

    project().LibDirBox().SetChecked(1, true);
    EXPECT_EQ(lib->item(1)->checkState(), Qt::Checked);
}

}  // namespace
