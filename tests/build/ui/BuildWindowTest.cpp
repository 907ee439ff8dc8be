// Make, Compile Unit, Run, Debug and Dos Shell driven through the main window,
// with the fake toolchain running as real child processes.
#include <signal.h>

#include <functional>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "build/ui/BuildDriver.h"
#include "project/ProjectOptions.h"
#include "project/ui/ProjectManager.h"
#include "shell/TForm3.h"
#include "support/FakeToolchain.h"
#include "support/WindowFixture.h"
#include "units/ui/TUnit.h"
#include "units/ui/UnitManager.h"

// Failures show texts as texts.
static void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

using O = TProjectOptions;

QString Q(const char* text) { return QString::fromLatin1(text); }

// A tool that should have ended takes this long only when something is broken.
constexpr int kGiveUpMs = 30000;

// Passes every start to the system, except the programs a test refuses (they
// fail) or only pretends to start (they succeed without running); records all.
class RecordingSystem : public PosixSystem {
public:
    using PosixSystem::PosixSystem;
    bool StartDetached(const QString& commandLine) override {
        started << commandLine;
        if (refused.contains(commandLine)) return false;
        if (pretended.contains(commandLine)) return true;
        return PosixSystem::StartDetached(commandLine);
    }
    QStringList started;
    QStringList refused;
    QStringList pretended;
};

class BuildWindowTest : public WindowTest {
protected:
    BuildWindowTest() {
        recorder = new RecordingSystem(exe.path());
        system.reset(recorder);
    }

    void SetUp() override { ASSERT_TRUE(InstallFakeTools(tools)); }
    void TearDown() override {
        EXPECT_EQ(KillChildProcesses(), 0) << "a child process was left running";
    }

    // The window with the fake tools chosen in the Settings dialog (not confirmed).
    void StartWithTools() {
        Start();
        form->Settings().SetToolsDirectory(tools);
    }

    // Gives the start-up unit, or a new one, this text; it has no file yet.
    TUnit* UnitWith(const QByteArray& text) {
        if (!unitsGiven.isEmpty()) Trigger("NewUnit1");
        TUnit* unit = form->Units().Current();
        unit->SetText(text);
        unitsGiven << unit;
        return unit;
    }

    // The answers to the save dialogs of a first build: each unit, then the project.
    void AnswerSaves(const QStringList& unitNames, const char* project = "hello.vpj") {
        for (const QString& name : unitNames) dialogs.Save(proj + name);
        dialogs.Save(proj + Q(project));
    }

    // Presses a key on the focused editor, the way the user gives a shortcut.
    void PressOnEditor(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        TUnit* editor = form->Units().Current();
        editor->setFocus();
        EXPECT_TRUE(QTest::qWaitFor([editor] { return editor->hasFocus(); }, kGiveUpMs));
        QTest::keyClick(editor, key, modifiers);
    }

    QListWidget* List() const { return Find<QListWidget>("MessageList"); }
    QStringList Lines() const {
        QStringList lines;
        for (int i = 0; i < List()->count(); ++i) lines << List()->item(i)->text();
        return lines;
    }
    bool PanelShown() const {
        return List()->isVisible() && Find<QAction>("ViewMessagesItem")->isChecked();
    }
    // The events of a real double-click: a click, then a second press that the
    // system reports as a double-click.
    void DoubleClick(QListWidgetItem* item) const {
        List()->scrollToItem(item);
        const QPoint at = List()->visualItemRect(item).center();
        QWidget* viewport = List()->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, at);
    }
    QString Log() const { return FakeToolLog(tools); }
    // The tools that ran, in order, from the fake tools' log.
    QStringList ToolsRun(const QString& toolsDir) const {
        QStringList names;
        for (const QString& line : FakeToolLog(toolsDir).split(QLatin1Char('\n'))) {
            if (line.startsWith(Q("== ")) && !line.startsWith(Q("== run"))) names << line.mid(3);
        }
        return names;
    }
    QString ExeFile(const char* name) const { return exe.File(Q(name)); }
    static QString Canonical(const QString& dir) { return QDir(dir).canonicalPath(); }

    // Runs `act` on the progress box once it is the active modal window. Should
    // the build then not end, the test fails and the tools are killed so that
    // the box's event loop returns.
    void WhenProgressShown(std::function<void(QWidget*)> act) {
        guard_.setSingleShot(true);
        QObject::connect(&guard_, &QTimer::timeout, [] {
            ADD_FAILURE() << "the tool did not end after Cancel";
            for (qint64 pid : ChildProcesses()) ::kill(static_cast<pid_t>(pid), SIGKILL);
        });
        guard_.start(kGiveUpMs);
        QObject::connect(&poll_, &QTimer::timeout, [this, act] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal->objectName() != Q("ToolProgress")) return;
            poll_.stop();
            act(modal);
        });
        poll_.start(10);
    }

    RecordingSystem* recorder = nullptr;
    TempDir work;
    QString tools = work.MakeDir(Q("tools/"));
    QString proj = work.MakeDir(Q("proj/"));
    QList<TUnit*> unitsGiven;

private:
    QTimer poll_;
    QTimer guard_;
};

TEST_F(BuildWindowTest, MakeWithAnErrorInTheFirstUnitAssemblesBothAndLinks) {
    StartWithTools();
    UnitWith("start:\r\n  jmp FOO ;!error Undefined symbol: FOO\r\n");
    UnitWith("  nop ;!warning Reserved word used as symbol\r\n");
    AnswerSaves({Q("a.asm"), Q("b.asm")});
    PressOnEditor(Qt::Key_F9, Qt::ControlModifier);

    EXPECT_EQ(ToolsRun(tools), (QStringList{Q("tasm.exe"), Q("tasm.exe"), Q("tlink.exe")}));
    EXPECT_EQ(Lines(), (QStringList{Q("**Error** ") + proj + Q("a.asm(2) Undefined symbol: FOO"),
                                    Q("*Warning* ") + proj +
                                        Q("b.asm(1) Reserved word used as "
                                          "symbol"),
                                    Q("Fatal: Unable to open file 'a.obj'")}));
    EXPECT_TRUE(PanelShown());
    // The response files of the last assembly and of the link; the message
    // file holds the raw output of the tool that ran last.
    EXPECT_TRUE(
        TempDir::Read(ExeFile("Tasm.rsp")).endsWith("\r\n" + (proj + Q("b.asm\r\n")).toUtf8()));
    EXPECT_EQ(TempDir::Read(ExeFile("Tlink.rsp")), "-Tde a.obj +\r\nb.obj\r\nhello -Tde \r\n");
    EXPECT_TRUE(TempDir::Read(ExeFile("Velmora.msg")).startsWith("Fake Turbo Link"));
    EXPECT_TRUE(QFile::exists(proj + Q("b.obj")));
    EXPECT_EQ(Canonical(QDir::currentPath()), Canonical(proj));
    EXPECT_TRUE(recorder->started.isEmpty());
}

TEST_F(BuildWindowTest, MakeWithNoUnitsOnlyLinks) {
    StartWithTools();
    dialogs.Box(MsgAnswer::No, Q("Save changes to project?"));
    Trigger("NewProject1");
    ASSERT_EQ(form->Units().Count(), 0);
    AnswerSaves({});
    Trigger("Make1");

    EXPECT_EQ(ToolsRun(tools), QStringList{Q("tlink.exe")});
    EXPECT_FALSE(QFile::exists(ExeFile("Tasm.rsp")));
    EXPECT_EQ(TempDir::Read(ExeFile("Tlink.rsp")), "hello -Tde \r\n");
    // The linker reads the executable line as its object, as the real one does.
    EXPECT_EQ(Lines(), QStringList{Q("Fatal: Unable to open file 'hello.obj'")});
    EXPECT_EQ(Canonical(QDir::currentPath()), Canonical(proj));
}

TEST_F(BuildWindowTest, MissingAssemblerShowsOneBoxAndNothingElse) {
    ASSERT_TRUE(QFile::remove(tools + Q("tasm.exe")));
    StartWithTools();
    UnitWith("  nop ;!warning One\r\n");
    UnitWith("  nop ;!warning Two\r\n");
    form->ShowMessagePanel();
    AnswerSaves({Q("a.asm"), Q("b.asm")});
    dialogs.Box(MsgAnswer::Ok, Q("Could not run assembler executable."));
    Trigger("Make1");

    ASSERT_EQ(dialogs.shown().back().caption, Q("Error"));
    EXPECT_EQ(dialogs.shown().back().buttons, MsgButtons::Ok);
    EXPECT_EQ(Log(), QString());
    EXPECT_FALSE(QFile::exists(ExeFile("Tlink.rsp")));
    EXPECT_EQ(List()->count(), 0);
    EXPECT_FALSE(PanelShown());
}

TEST_F(BuildWindowTest, MissingLinkerAfterEveryUnitIsAssembled) {
    ASSERT_TRUE(QFile::remove(tools + Q("tlink.exe")));
    StartWithTools();
    UnitWith("  nop ;!warning One\r\n");
    UnitWith("  nop\r\n");
    AnswerSaves({Q("a.asm"), Q("b.asm")});
    dialogs.Box(MsgAnswer::Ok, Q("Could not run linker executable."));
    PressOnEditor(Qt::Key_F9, Qt::ControlModifier);

    EXPECT_EQ(dialogs.shown().back().caption, Q("Error"));
    EXPECT_EQ(ToolsRun(tools), (QStringList{Q("tasm.exe"), Q("tasm.exe")}));
    EXPECT_EQ(Lines(), QStringList{Q("*Warning* ") + proj + Q("a.asm(1) One")});
    EXPECT_EQ(TempDir::Read(ExeFile("Velmora.msg")), QByteArray());
    EXPECT_TRUE(PanelShown());
}

TEST_F(BuildWindowTest, CompileUnitAssemblesTheCurrentUnitWhereverTheCurrentDirectoryIs) {
    StartWithTools();
    UnitWith("  nop\r\n");
    UnitWith("  nop ;!warning Only me\r\n");
    AnswerSaves({Q("a.asm"), Q("b.asm")});
    Trigger("SaveAll1");
    const QString elsewhere = work.MakeDir(Q("elsewhere/"));
    ASSERT_TRUE(QDir::setCurrent(elsewhere));

    Trigger("CompileUnit1");
    EXPECT_EQ(ToolsRun(tools), QStringList{Q("tasm.exe")});
    EXPECT_EQ(Lines(), QStringList{Q("*Warning* ") + proj + Q("b.asm(1) Only me")});
    EXPECT_EQ(Canonical(QDir::currentPath()), Canonical(elsewhere));
    EXPECT_TRUE(Log().contains(Q("cwd: ") + Canonical(elsewhere) + Q("\n")));
    EXPECT_TRUE(QFile::exists(elsewhere + Q("b.obj")));
    EXPECT_TRUE(TempDir::Read(ExeFile("Velmora.msg")).startsWith("Fake Turbo Assembler"));

    // Make then runs both tools in the project's directory and stays there.
    Trigger("Make1");
    EXPECT_EQ(Canonical(QDir::currentPath()), Canonical(proj));
    EXPECT_EQ(Log().count(Q("cwd: ") + Canonical(proj) + Q("\n")), 3);
    EXPECT_TRUE(QFile::exists(proj + Q("a.obj")));
    EXPECT_TRUE(QFile::exists(proj + Q("hello.exe")));
    EXPECT_EQ(Lines(), QStringList{Q("*Warning* ") + proj + Q("b.asm(1) Only me")});
}

TEST_F(BuildWindowTest, CompileUnitOfANeverSavedUnitAsksForItsNameFirst) {
    StartWithTools();
    UnitWith("  nop ;!warning From the project\r\n");
    AnswerSaves({Q("a.asm")});
    Trigger("Make1");
    const QStringList afterMake = Lines();
    ASSERT_EQ(afterMake.size(), 1);
    UnitWith("  nop ;!warning From the new unit\r\n");

    dialogs.Save(std::nullopt);
    Trigger("CompileUnit1");
    EXPECT_EQ(ToolsRun(tools), (QStringList{Q("tasm.exe"), Q("tlink.exe")}));
    EXPECT_EQ(Lines(), afterMake);

    dialogs.Save(proj + Q("c.asm"));
    Trigger("CompileUnit1");
    EXPECT_EQ(ToolsRun(tools), (QStringList{Q("tasm.exe"), Q("tlink.exe"), Q("tasm.exe")}));
    EXPECT_TRUE(TempDir::Read(proj + Q("c.asm")).startsWith("  nop"));
    EXPECT_EQ(Lines(), QStringList{Q("*Warning* ") + proj + Q("c.asm(1) From the new unit")});
}

TEST_F(BuildWindowTest, CompileUnitWithoutACurrentUnitDoesNothing) {
    StartWithTools();
    dialogs.Box(MsgAnswer::No, Q("Save changes to project?"));
    Trigger("NewProject1");
    ASSERT_EQ(form->Units().CurrentUnit(), -1);
    Trigger("CompileUnit1");
    EXPECT_EQ(Log(), QString());
    EXPECT_FALSE(QFile::exists(ExeFile("Tasm.rsp")));
}

TEST_F(BuildWindowTest, AnOldMapResponseStaysOnDiskButIsNoLongerNamed) {
    StartWithTools();
    UnitWith("  nop\r\n");
    form->Project().Options().SetText(O::Project_Map, Q("hello.map"));
    AnswerSaves({Q("hello.asm")});
    Trigger("Make1");
    const QString mapField = Q(",@") + exe.path() + Q("Tmap.rsp");
    EXPECT_TRUE(Log().contains(Q("Tlink.rsp") + mapField + Q("\n")));
    EXPECT_EQ(TempDir::Read(ExeFile("Tmap.rsp")), "hello\r\n");
    EXPECT_TRUE(QFile::exists(proj + Q("hello.map")));

    form->Project().Options().SetText(O::Project_Map, QString());
    Trigger("Make1");
    const QString lastLink = Log().section(Q("== tlink.exe\n"), -1);
    EXPECT_TRUE(lastLink.startsWith(Q("args: @") + exe.path() + Q("Tlink.rsp\n")))
        << lastLink.toStdString();
    EXPECT_FALSE(lastLink.contains(Q("Tmap.rsp")));
    EXPECT_EQ(TempDir::Read(ExeFile("Tmap.rsp")), "hello\r\n");
}

struct UnwritableCase {
    const char* file;  // made a directory, so it cannot be written
    QStringList toolsRun;
    bool warningShown;  // the first unit's warning was gathered before the failure
};

TEST_F(BuildWindowTest, AFileThatCannotBeWrittenEndsTheCommandAndShowsTheLinesSoFar) {
    const UnwritableCase cases[] = {
        {"Tasm.rsp", {}, false},
        {"Velmora.msg", {}, false},
        {"Tlink.rsp", {Q("tasm.exe")}, true},
        {"Tres.rsp", {Q("tasm.exe")}, true},
    };
    for (const UnwritableCase& c : cases) {
        SCOPED_TRACE(c.file);
        QFile::remove(tools + Q("faketool.log"));
        for (const char* name : {"Tasm.rsp", "Tlink.rsp", "Tres.rsp", "Velmora.msg"}) {
            QDir(ExeFile(name)).removeRecursively();
            QFile::remove(ExeFile(name));
        }
        exe.MakeDir(Q(c.file));
        StartWithTools();
        unitsGiven.clear();
        UnitWith("  nop ;!warning One\r\n");
        work.Write(Q("proj/icons.res"), "RES");
        AnswerSaves({Q("a.asm")});
        Trigger("SaveAll1");
        form->Project().ResourceBox().SetChecked(0, true);
        dialogs.Box(MsgAnswer::Ok);
        Trigger("Make1");

        const auto& box = dialogs.shown().back();
        EXPECT_TRUE(box.text.startsWith(Q("Could not write ") + ExeFile(c.file) + Q(": ")))
            << box.text.toStdString();
        EXPECT_GT(box.text.size(), (Q("Could not write ") + ExeFile(c.file) + Q(": .")).size());
        EXPECT_EQ(box.caption, Q("Error"));
        EXPECT_EQ(ToolsRun(tools), c.toolsRun);
        EXPECT_EQ(PanelShown(), c.warningShown);
        EXPECT_EQ(List()->count(), c.warningShown ? 1 : 0);

        // Run after such a build starts nothing.
        dialogs.Box(MsgAnswer::Ok);
        PressOnEditor(Qt::Key_F9);
        EXPECT_TRUE(recorder->started.isEmpty());
        form.reset();
        dialogs.Clear();
    }
}

TEST_F(BuildWindowTest, DoubleClickOnAMessageSelectsItsLineInTheNamedUnit) {
    StartWithTools();
    TUnit* a = UnitWith("one\r\ntwo\r\nthree\r\n");
    TUnit* b = UnitWith(
        "start:\r\n"
        "  nop\r\n"
        "  jmp FOO ;!error Undefined symbol: FOO\r\n"
        ";!print *Warning* A.ASM(2) Named in capitals\r\n"
        ";!print *Note* a.asm(two) Letters in the parentheses\r\n"
        ";!print **Fatal** a.asm has no parentheses\r\n");
    AnswerSaves({Q("a.asm"), Q("b.asm")});
    Trigger("Make1");
    ASSERT_EQ(Lines(), (QStringList{Q("**Error** ") + proj + Q("b.asm(3) Undefined symbol: FOO"),
                                    Q("*Warning* A.ASM(2) Named in capitals"),
                                    Q("*Note* a.asm(two) Letters in the parentheses"),
                                    Q("**Fatal** a.asm has no parentheses"),
                                    Q("Fatal: Unable to open file 'b.obj'")}));

    struct Case {
        const char* name;
        int line;     // the message line double-clicked
        int page;     // the side page showing
        TUnit* unit;  // the unit that gets the line, or none
        QByteArray selected;
    };
    const Case cases[] = {
        {"directory in front of the name", 0, 0, b, "  jmp FOO ;!error Undefined symbol: FOO"},
        {"a hidden unit that is not current", 1, 0, a, "two"},
        {"letters in the parentheses", 2, 0, nullptr, ""},
        {"no parentheses", 3, 0, nullptr, ""},
        {"linker line", 4, 0, nullptr, ""},
        {"another side page", 0, 1, nullptr, ""},
        {"the wizards page", 1, 2, nullptr, ""},
    };
    auto* side = Find<QTabWidget>("SideControl");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        side->setCurrentIndex(0);
        form->Units().SelectUnit(1);
        a->SetSelection(0, 0);
        b->SetSelection(0, 0);
        List()->setFocus();
        side->setCurrentIndex(c.page);

        DoubleClick(List()->item(c.line));

        TUnit* expectedCurrent = c.unit != nullptr ? c.unit : b;
        EXPECT_EQ(form->Units().Current(), expectedCurrent);
        for (TUnit* unit : {a, b}) {
            const QByteArray selected = unit->Text().mid(unit->SelStart(), unit->SelLength());
            EXPECT_EQ(selected, unit == c.unit ? c.selected : QByteArray());
        }
        if (c.unit != nullptr) {
            EXPECT_TRUE(c.unit->isVisible());
            EXPECT_TRUE(QTest::qWaitFor([&c] { return c.unit->hasFocus(); }, kGiveUpMs));
        } else {
            EXPECT_TRUE(List()->hasFocus());
        }
    }
}

TEST_F(BuildWindowTest, RunIsBlockedByALinkerWarning) {
    StartWithTools();
    UnitWith("  nop ;!linkwarning No stack\r\n");
    AnswerSaves({Q("hello.asm")});
    PressOnEditor(Qt::Key_F9);
    EXPECT_EQ(Lines(), QStringList{Q("Warning: No stack")});
    EXPECT_TRUE(PanelShown());
    EXPECT_TRUE(QFile::exists(proj + Q("hello.exe")));
    EXPECT_TRUE(recorder->started.isEmpty());
}

TEST_F(BuildWindowTest, RunStartsTheBuiltComProgramInTheProjectDirectory) {
    StartWithTools();
    UnitWith("  nop\r\n");
    form->Project().Options().SetChoice(O::LO16_ImageType, 2);
    AnswerSaves({Q("hello.asm")});
    PressOnEditor(Qt::Key_F9);

    EXPECT_EQ(List()->count(), 0);
    EXPECT_FALSE(PanelShown());
    EXPECT_EQ(recorder->started, QStringList{proj + Q("hello.com")});
    const QString record =
        Q("== run ") + proj + Q("hello.com\nargs: \ncwd: ") + Canonical(proj) + Q("\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return Log().contains(record); }, kGiveUpMs));
}

TEST_F(BuildWindowTest, RunFollowsTheExecutableName) {
    StartWithTools();
    UnitWith("  nop\r\n");
    form->Project().Options().SetText(O::Project_Executable, Q("/elsewhere/prog.exe"));
    AnswerSaves({Q("hello.asm")});
    PressOnEditor(Qt::Key_F9);

    EXPECT_EQ(TempDir::Read(ExeFile("Tlink.rsp")), "-Tde hello.obj\r\nprog\r\n");
    EXPECT_EQ(recorder->started, QStringList{proj + Q("prog.exe")});
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return Log().contains(Q("== run ") + proj + Q("prog.exe\n")); }, kGiveUpMs));
}

TEST_F(BuildWindowTest, RunOfADllCannotStart) {
    StartWithTools();
    UnitWith("  nop\r\n");
    form->Project().Options().SetChoice(O::LO16_ImageType, 1);
    AnswerSaves({Q("hello.asm")});
    dialogs.Message(Q("Could not run executable."));
    PressOnEditor(Qt::Key_F9);
    EXPECT_TRUE(QFile::exists(proj + Q("hello.dll")));
    EXPECT_EQ(recorder->started, QStringList{proj + Q("hello.dll")});
}

TEST_F(BuildWindowTest, DebugWithoutStoredSettingsBuildsAndStopsSilently) {
    StartWithTools();
    UnitWith("  nop\r\n");
    AnswerSaves({Q("hello.asm")});
    PressOnEditor(Qt::Key_F10, Qt::ControlModifier);
    EXPECT_EQ(ToolsRun(tools), (QStringList{Q("tasm.exe"), Q("tlink.exe")}));
    EXPECT_TRUE(QFile::exists(proj + Q("hello.exe")));
    EXPECT_TRUE(recorder->started.isEmpty());
}

TEST_F(BuildWindowTest, DebugStartsTheStoredDebuggerWhileBuildsUseTheDirectoryShown) {
    const QString shownTools = work.MakeDir(Q("other-tools/"));
    ASSERT_TRUE(InstallFakeTools(shownTools));
    StartWithTools();
    form->Settings().SetDebuggerIndex(2);
    form->Settings().Button1Click();
    // Chosen but not confirmed: builds follow it, Debug keeps the stored one.
    form->Settings().SetToolsDirectory(shownTools);
    UnitWith("  nop\r\n");
    AnswerSaves({Q("hello.asm")});
    PressOnEditor(Qt::Key_F10, Qt::ControlModifier);

    EXPECT_EQ(ToolsRun(shownTools), (QStringList{Q("tasm.exe"), Q("tlink.exe")}));
    EXPECT_EQ(recorder->started, QStringList{tools + Q("/td32.exe ") + proj + Q("hello.exe")});
    const QString record =
        Q("== td32.exe\nargs: ") + proj + Q("hello.exe\ncwd: ") + Canonical(proj) + Q("\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return Log().contains(record); }, kGiveUpMs));
}

TEST_F(BuildWindowTest, CancelStopsAHangingToolKeepsItsLinesAndLinksNothing) {
    StartWithTools();
    UnitWith("  nop ;!warning Before\r\n");
    UnitWith(";!print *Warning* printed before the hang\r\n  nop ;!hang\r\n");
    AnswerSaves({Q("a.asm"), Q("b.asm")});
    QString label;
    bool modal = false;
    WhenProgressShown([&](QWidget* box) {
        label = box->findChild<QLabel*>(Q("ToolProgressLabel"))->text();
        modal = box->isModal() && box->isVisible();
        // Meanwhile no other build starts, by any route.
        form->ProgMakeClick();
        form->ProgRunClick();
        QTest::mouseClick(box->findChild<QPushButton*>(Q("ToolProgressCancel")), Qt::LeftButton);
    });
    PressOnEditor(Qt::Key_F9);

    EXPECT_EQ(label, Q("Assembling b.asm (2 of 2)"));
    EXPECT_TRUE(modal);
    EXPECT_EQ(ToolsRun(tools), (QStringList{Q("tasm.exe"), Q("tasm.exe")}));
    EXPECT_EQ(Lines(), (QStringList{Q("*Warning* ") + proj + Q("a.asm(1) Before"),
                                    Q("*Warning* printed before the hang")}));
    EXPECT_TRUE(PanelShown());
    EXPECT_EQ(ChildProcesses(), QList<qint64>());
    EXPECT_TRUE(recorder->started.isEmpty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(BuildWindowTest, CancelOfCompileUnitNamesTheOneUnit) {
    StartWithTools();
    UnitWith("  nop\r\n");
    UnitWith("  nop ;!hang\r\n");
    dialogs.Save(proj + Q("b.asm"));
    QString label;
    WhenProgressShown([&](QWidget* box) {
        label = box->findChild<QLabel*>(Q("ToolProgressLabel"))->text();
        QTest::mouseClick(box->findChild<QPushButton*>(Q("ToolProgressCancel")), Qt::LeftButton);
    });
    Trigger("CompileUnit1");
    EXPECT_EQ(label, Q("Assembling b.asm (1 of 1)"));
    EXPECT_EQ(ToolsRun(tools), QStringList{Q("tasm.exe")});
    EXPECT_EQ(ChildProcesses(), QList<qint64>());
}

TEST_F(BuildWindowTest, DosShellNamesTheTerminalsItTried) {
    const QStringList terminals = {Q("x-terminal-emulator"), Q("xterm"), Q("gnome-terminal"),
                                   Q("konsole")};
    Start();
    recorder->refused = terminals;
    dialogs.Box(MsgAnswer::Cancel,
                Q("Could not run x-terminal-emulator, xterm, gnome-terminal or konsole."));
    Trigger("DosShell1");
    EXPECT_EQ(recorder->started, terminals);
    EXPECT_EQ(dialogs.shown().back().caption, Q("Error"));
    EXPECT_EQ(dialogs.shown().back().buttons, MsgButtons::OkCancel);

    // The first terminal that starts ends the search; nothing is saved or built.
    recorder->started.clear();
    recorder->refused = {Q("x-terminal-emulator")};
    recorder->pretended = {Q("xterm")};
    Trigger("DosShell1");
    EXPECT_EQ(recorder->started, (QStringList{Q("x-terminal-emulator"), Q("xterm")}));
    EXPECT_EQ(Log(), QString());
}

}  // namespace
