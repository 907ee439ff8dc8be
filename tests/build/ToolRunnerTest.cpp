#include <signal.h>

#include <cerrno>
#include <memory>

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include "build/MessageRules.h"
#include "build/RunCommands.h"
#include "build/Switches.h"
#include "build/ToolRunner.h"
#include "platform/PosixSystem.h"
#include "project/ProjectOptions.h"
#include "support/FakeToolchain.h"
#include "support/TempDir.h"

namespace {

QString Q(const char* text) { return QString::fromLatin1(text); }

constexpr int kGiveUpMs = 30000;  // only a broken runner takes this long

bool ProcessIsGone(qint64 pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == -1 && errno == ESRCH;
}

// A tools directory with the fake toolchain, the executable's directory and a
// project directory that is the current one while the test runs. A test that
// leaves a child process behind fails.
class ToolRunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(InstallFakeTools(tools));
        savedDirectory = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(work));
    }

    void TearDown() override {
        QDir::setCurrent(savedDirectory);
        EXPECT_EQ(KillChildProcesses(), 0) << "a child process was left running";
    }

    // Writes a unit and "Tasm.rsp" for it; returns the assembler command.
    QString PrepareAssembly(const char* name, const QByteArray& source) {
        const QString unit = dir.Write(Q("work/") + Q(name), source);
        EXPECT_TRUE(WriteAssemblerResponse(system, options, unit));
        return AssemblerCommand(AssemblerPath(tools, options), ShortExecutableDirectory(system));
    }

    // Starts the command and lets the event loop run until the runner reports.
    RunOutcome RunToEnd(ToolRunner& runner, const QString& command) {
        bool done = false;
        QObject::connect(&runner, &ToolRunner::finished, [&] { done = true; });
        QObject::connect(&runner, &ToolRunner::failedToStart, [&] { done = true; });
        runner.Start(command, messages);
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, kGiveUpMs));
        runner.disconnect();
        return runner.Outcome();
    }

    QByteArray Messages() const { return TempDir::Read(messages); }

    TempDir dir;
    QString tools = dir.MakeDir(Q("tools/"));
    QString work = dir.MakeDir(Q("work/"));
    QString messages = dir.File(Q("ide/Velmora.msg"));
    PosixSystem system{dir.MakeDir(Q("ide/"))};
    TProjectOptions options;
    QString savedDirectory;
};

TEST_F(ToolRunnerTest, AssemblerErrorIsCapturedInTheMessageFile) {
    QByteArray source;
    for (int i = 1; i < 12; ++i) source += "        nop\r\n";
    source += "        mov ax, FOO  ;!error Undefined symbol: FOO\r\n";
    const QString command = PrepareAssembly("hello.asm", source);
    ToolRunner runner;
    ASSERT_EQ(RunToEnd(runner, command), RunOutcome::Finished);
    EXPECT_EQ(AssemblerMessageLines(Messages()),
              QStringList{Q("**Error** ") + work + Q("hello.asm(12) Undefined symbol: FOO")});
    // The tool read the response file that names the unit by its short form.
    EXPECT_TRUE(FakeToolLog(tools).contains(Q("/t /m\r\n") + work + Q("hello.asm\r\n")));
    EXPECT_FALSE(runner.IsRunning());
}

TEST_F(ToolRunnerTest, ObjectFileLandsInTheCurrentDirectory) {
    const QString command = PrepareAssembly("hello.asm", "nop ;!warning Careful\r\n");
    ToolRunner runner;
    ASSERT_EQ(RunToEnd(runner, command), RunOutcome::Finished);
    EXPECT_EQ(AssemblerMessageLines(Messages()),
              QStringList{Q("*Warning* ") + work + Q("hello.asm(1) Careful")});
    EXPECT_TRUE(QFileInfo::exists(work + Q("hello.obj")));
}

TEST_F(ToolRunnerTest, ProgramWithoutDirectoryIsSearchedOnPath) {
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", tools.toLocal8Bit() + ':' + savedPath);
    const QString command = PrepareAssembly("hello.asm", "nop\r\n");
    ToolRunner runner;
    const RunOutcome outcome =
        RunToEnd(runner, Q("tasm.exe ") + command.section(QLatin1Char(' '), 1));
    qputenv("PATH", savedPath);
    EXPECT_EQ(outcome, RunOutcome::Finished);
    EXPECT_TRUE(FakeToolLog(tools).startsWith(Q("== tasm.exe\n")));
}

TEST_F(ToolRunnerTest, ProgramsThatCannotStartAreReportedAndLeaveAnEmptyMessageFile) {
    const QStringList commands = {
        dir.File(Q("tools/missing.exe")) + Q(" @x"),
        Q("no-such-velmora-tool.exe @x"),
        tools + Q(" @x"),  // a tools directory with no assembler chosen
        dir.File(Q("work/notes.txt")),
        QString(),
    };
    dir.Write(Q("work/notes.txt"), "not a program\n");
    for (const QString& command : commands) {
        dir.Write(Q("ide/Velmora.msg"), "output of an earlier tool\r\n");
        ToolRunner runner;
        EXPECT_EQ(RunToEnd(runner, command), RunOutcome::NotStarted) << command.toStdString();
        EXPECT_EQ(Messages(), QByteArray()) << command.toStdString();
    }
}

TEST_F(ToolRunnerTest, MessageFileThatCannotBeCreatedStartsNothingAndSaysWhy) {
    const QString command = PrepareAssembly("hello.asm", "nop\r\n");
    messages = dir.File(Q("missing/Velmora.msg"));
    ToolRunner runner;
    EXPECT_EQ(RunToEnd(runner, command), RunOutcome::OutputNotCreated);
    EXPECT_FALSE(runner.OutputError().isEmpty());
    EXPECT_EQ(FakeToolLog(tools), QString());
}

TEST_F(ToolRunnerTest, CrashKeepsTheOutputUpToTheCrash) {
    const QString command = PrepareAssembly(
        "hello.asm", "nop\r\nnop ;!error Bad thing\r\n;!crash\r\nnop ;!error Never reached\r\n");
    ToolRunner runner;
    ASSERT_EQ(RunToEnd(runner, command), RunOutcome::Finished);
    const QByteArray output = Messages();
    EXPECT_TRUE(output.contains("Assembling file:"));
    EXPECT_EQ(AssemblerMessageLines(output),
              QStringList{Q("**Error** ") + work + Q("hello.asm(2) Bad thing")});
    EXPECT_FALSE(output.contains("Error messages"));
}

TEST_F(ToolRunnerTest, SilentToolPrintsNothingButStillWritesItsObject) {
    const QString command = PrepareAssembly("hello.asm", ";!silent\r\nnop ;!error hidden\r\n");
    ToolRunner runner;
    ASSERT_EQ(RunToEnd(runner, command), RunOutcome::Finished);
    EXPECT_EQ(Messages(), QByteArray());
}

TEST_F(ToolRunnerTest, CancelTerminatesAHangingTool) {
    const QString command = PrepareAssembly("hello.asm", "nop ;!error Before\r\n;!hang\r\n");
    ToolRunner runner;
    bool done = false;
    QObject::connect(&runner, &ToolRunner::finished, [&] { done = true; });
    runner.Start(command, messages);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Messages().contains("**Error**"); }, kGiveUpMs));
    const qint64 pid = runner.ProcessId();
    ASSERT_NE(pid, 0);
    EXPECT_TRUE(runner.IsRunning());

    runner.Cancel();
    ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, kGiveUpMs));
    EXPECT_EQ(runner.Outcome(), RunOutcome::Cancelled);
    EXPECT_FALSE(runner.IsRunning());
    EXPECT_TRUE(ProcessIsGone(pid));
    // What the tool printed before it was stopped stays in the message file.
    EXPECT_EQ(AssemblerMessageLines(Messages()).size(), 1);
}

TEST_F(ToolRunnerTest, CancelKillsAToolThatIgnoresTermination) {
    const QString command = PrepareAssembly("hello.asm", ";!stubborn\r\n");
    ToolRunner runner;
    runner.SetKillGracePeriod(100);
    bool done = false;
    QObject::connect(&runner, &ToolRunner::finished, [&] { done = true; });
    runner.Start(command, messages);
    // The banner is printed after the tool has set itself to ignore SIGTERM.
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return Messages().contains("Assembling file:"); }, kGiveUpMs));
    const qint64 pid = runner.ProcessId();

    runner.Cancel();
    ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, kGiveUpMs));
    EXPECT_EQ(runner.Outcome(), RunOutcome::Cancelled);
    EXPECT_TRUE(ProcessIsGone(pid));
}

TEST_F(ToolRunnerTest, DestroyingTheRunnerEndsItsTool) {
    const QString command = PrepareAssembly("hello.asm", ";!stubborn\r\n");
    auto runner = std::make_unique<ToolRunner>();
    runner->Start(command, messages);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return Messages().contains("Assembling file:"); }, kGiveUpMs));
    const qint64 pid = runner->ProcessId();
    runner.reset();
    EXPECT_TRUE(ProcessIsGone(pid));
}

TEST_F(ToolRunnerTest, RunnerCanBeUsedForOneToolAfterAnother) {
    ToolRunner runner;
    ASSERT_EQ(RunToEnd(runner, PrepareAssembly("a.asm", "nop ;!error first\r\n")),
              RunOutcome::Finished);
    ASSERT_EQ(RunToEnd(runner, PrepareAssembly("b.asm", "nop ;!error second\r\n")),
              RunOutcome::Finished);
    // Each run starts the message file anew.
    EXPECT_EQ(AssemblerMessageLines(Messages()),
              QStringList{Q("**Error** ") + work + Q("b.asm(1) second")});
}

// The whole tool chain: assemble two units, link them, run the result.
class FakeToolchainTest : public ToolRunnerTest {
protected:
    bool Assemble(const char* name, const QByteArray& source) {
        ToolRunner runner;
        return RunToEnd(runner, PrepareAssembly(name, source)) == RunOutcome::Finished;
    }

    LinkerResponses Link() {
        LinkerInputs in;
        in.options = &options;
        in.projectFileName = work + Q("hello.vpj");
        in.unitFileNames = {work + Q("hello.asm"), work + Q("util.asm")};
        in.libDirChecked = libDirChecked;
        in.exeDir = system.ExecutableDirectory();
        in.shortExeDir = ShortExecutableDirectory(system);
        in.currentDirectory = work;
        const LinkerResponses responses = BuildLinkerResponses(in, system);
        EXPECT_TRUE(WriteLinkerResponses(responses));
        ToolRunner runner;
        EXPECT_EQ(RunToEnd(runner, LinkerCommand(LinkerPath(tools, options), in.shortExeDir,
                                                 responses.flags)),
                  RunOutcome::Finished);
        return responses;
    }

    QStringList libDirChecked;
};

TEST_F(FakeToolchainTest, LinkerReportsMarkersOfTheObjectsAndWritesTheProgram) {
    ASSERT_TRUE(Assemble("hello.asm", "start: nop ;!linkwarning No stack\r\n"));
    ASSERT_TRUE(Assemble("util.asm", "nop\r\n"));
    dir.Write(Q("ide/Lib/startup.obj"), "FAKEOBJ\n;!linkwarning From the Lib directory\n");
    libDirChecked = {Q("startup.obj")};
    options.SetFlag(TProjectOptions::LO16_MapPublics, true);
    options.SetText(TProjectOptions::Project_Map, Q("hello.map"));
    Link();
    const QByteArray output = Messages();
    EXPECT_TRUE(output.startsWith("Fake Turbo Link"));
    EXPECT_EQ(LinkerMessageLines(output),
              (QStringList{Q("Warning: No stack"), Q("Warning: From the Lib directory")}));
    EXPECT_TRUE(QFileInfo(work + Q("hello.exe")).isExecutable());
    EXPECT_TRUE(QFileInfo::exists(work + Q("hello.map")));
    const QString log = FakeToolLog(tools);
    EXPECT_TRUE(log.contains(Q("/m -Tde hello.obj +\r\nutil.obj +\r\n") +
                             system.ExecutableDirectory() +
                             Q("Lib/startup.obj\r\nhello /m -Tde \r\n")));
    EXPECT_TRUE(log.contains(Q("cwd: ") + QDir(work).canonicalPath() + Q("\n")));

    // Run starts the built program by the project's name; it logs its start.
    PosixSystem runner;
    ASSERT_TRUE(runner.StartDetached(RunCommandLine(work + Q("hello.vpj"), options)));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return FakeToolLog(tools).contains(Q("== run ") + work + Q("hello.exe")); },
        kGiveUpMs));
}

TEST_F(FakeToolchainTest, LinkErrorsAndMissingObjects) {
    ASSERT_TRUE(Assemble("hello.asm", "nop ;!linkerror Undefined symbol FOO\r\n"));
    ASSERT_TRUE(Assemble("util.asm", "nop ;!error no object for this unit\r\n"));
    Link();
    EXPECT_EQ(LinkerMessageLines(Messages()),
              (QStringList{Q("Error: Undefined symbol FOO"),
                           Q("Fatal: Unable to open file 'util.obj'")}));
    EXPECT_FALSE(QFileInfo::exists(work + Q("hello.exe")));
}

TEST_F(FakeToolchainTest, DllIsWrittenButCannotBeRun) {
    ASSERT_TRUE(Assemble("hello.asm", "nop\r\n"));
    ASSERT_TRUE(Assemble("util.asm", "nop\r\n"));
    options.SetChoice(TProjectOptions::LO16_TargetType, 1);
    options.SetChoice(TProjectOptions::LO16_ImageType, 1);
    Link();
    EXPECT_EQ(LinkerMessageLines(Messages()), QStringList());
    EXPECT_TRUE(QFileInfo::exists(work + Q("hello.dll")));
    PosixSystem runner;
    EXPECT_FALSE(runner.StartDetached(RunCommandLine(work + Q("hello.vpj"), options)));
}

}  // namespace
