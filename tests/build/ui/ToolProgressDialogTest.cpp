#include <signal.h>

#include <cerrno>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "build/Switches.h"
#include "build/ui/ToolProgressDialog.h"
#include "platform/PosixSystem.h"
#include "project/ProjectOptions.h"
#include "support/FakeToolchain.h"
#include "support/TempDir.h"

namespace {

QString Q(const char* text) { return QString::fromLatin1(text); }

constexpr int kGiveUpMs = 30000;  // only a broken cancel takes this long

class ToolProgressDialogTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(InstallFakeTools(tools)); }
    void TearDown() override {
        EXPECT_EQ(KillChildProcesses(), 0) << "a child process was left running";
    }

    QString Command(const QByteArray& source) {
        const QString unit = dir.Write(Q("work/hello.asm"), source);
        EXPECT_TRUE(WriteAssemblerResponse(system, options, unit));
        return AssemblerCommand(AssemblerPath(tools, options), ShortExecutableDirectory(system));
    }

    // Calls `act` on the progress box once it is the active modal window. Should
    // the tool then not end, the test fails and the tool is killed, so that the
    // box's event loop can return.
    void WhenShown(std::function<void(QWidget*)> act) {
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] {
            ADD_FAILURE() << "the tool did not end after Cancel";
            for (qint64 pid : ChildProcesses()) ::kill(static_cast<pid_t>(pid), SIGKILL);
        });
        guard.start(kGiveUpMs);
        QObject::connect(&poll, &QTimer::timeout, [this, act] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal->objectName() != Q("ToolProgress")) return;
            poll.stop();
            act(modal);
        });
        poll.start(10);
    }

    QTimer poll;
    QTimer guard;
    TempDir dir;
    QString tools = dir.MakeDir(Q("tools/"));
    QString messages = dir.File(Q("ide/Velmora.msg"));
    PosixSystem system{dir.MakeDir(Q("ide/"))};
    TProjectOptions options;
};

TEST_F(ToolProgressDialogTest, RunCapturedReportsAToolThatRanToItsEnd) {
    RunOutcome outcome = RunOutcome::NotStarted;
    EXPECT_TRUE(RunCaptured(nullptr, Command("nop ;!error Oops\r\n"), messages,
                            Q("Assembling hello.asm (1 of 1)"), outcome));
    EXPECT_EQ(outcome, RunOutcome::Finished);
    EXPECT_TRUE(TempDir::Read(messages).contains("**Error**"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ToolProgressDialogTest, RunCapturedReportsAToolThatCannotStart) {
    RunOutcome outcome = RunOutcome::Finished;
    EXPECT_FALSE(
        RunCaptured(nullptr, dir.File(Q("tools/none.exe")), messages, Q("Linking hello"), outcome));
    EXPECT_EQ(outcome, RunOutcome::NotStarted);
}

TEST_F(ToolProgressDialogTest, CancelButtonStopsTheToolAndTheBoxStaysUntilItEnds) {
    QWidget window;
    window.show();
    ToolProgressDialog dialog(Q("Assembling hello.asm (2 of 5)"), &window);
    dialog.SetShowDelay(0);
    dialog.SetKillGracePeriod(100);
    QString shownLabel;
    bool blocksTheWindow = false;
    WhenShown([&](QWidget* box) {
        shownLabel = box->findChild<QLabel*>(Q("ToolProgressLabel"))->text();
        blocksTheWindow = QApplication::activeModalWidget() == box;
        QTest::mouseClick(box->findChild<QPushButton*>(Q("ToolProgressCancel")), Qt::LeftButton);
    });
    EXPECT_EQ(dialog.Run(Command(";!stubborn\r\n"), messages), RunOutcome::Cancelled);
    EXPECT_EQ(shownLabel, Q("Assembling hello.asm (2 of 5)"));
    EXPECT_TRUE(blocksTheWindow);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ToolProgressDialogTest, EscapeCancelsTheTool) {
    ToolProgressDialog dialog(Q("Linking hello"));
    dialog.SetShowDelay(0);
    WhenShown([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(dialog.Run(Command(";!hang\r\n"), messages), RunOutcome::Cancelled);
}

}  // namespace
