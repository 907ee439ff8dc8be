#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "shell/TForm3.h"
#include "store/RecordFile.h"
#include "support/WindowFixture.h"

namespace {

QByteArray Ini(const QString& dir, int debugger) {
    RecordWriter w;
    WriteRecordInteger(w, 2);
    const QByteArray d = dir.toLatin1() + '\0';
    WriteRecordInteger(w, static_cast<qint32>(d.size()));
    w.Append(d);
    WriteRecordString(w, QStringLiteral("TasmExecDirectory"));
    WriteRecordInteger(w, 4);
    WriteRecordInteger(w, debugger);
    WriteRecordString(w, QStringLiteral("SelectedDebugger"));
    return w.data();
}

// Presses OK in the modal dialog once it is showing.
void PressOkWhenShown(TForm3& dialog) {
    QTimer::singleShot(0, &dialog, [&dialog] {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Button1")),
                          Qt::LeftButton);
    });
}

}  // namespace

TEST_F(WindowTest, SettingsOkStoresBothKeysLastAndRestartShowsThem) {
    const QString tools = exe.MakeDir(QStringLiteral("tasm/bin"));
    exe.Write(QStringLiteral("Velmora.ini"), QByteArray(4, '\0'));
    Start();
    TForm3& settings = form->Settings();
    settings.SetToolsDirectory(tools);
    settings.findChild<QRadioButton*>()->parentWidget()->findChildren<QRadioButton*>()[1]->click();
    PressOkWhenShown(settings);
    form->Settings1Click();
    PressOkWhenShown(settings);
    form->Settings1Click();
    CloseWith(MsgAnswer::No);
    EXPECT_EQ(TempDir::Read(exe.File(QStringLiteral("Velmora.ini"))), Ini(tools, 1));

    form.reset();
    Start();
    EXPECT_EQ(form->Settings().ToolsDirectory(), tools);
    EXPECT_EQ(form->Settings().DebuggerIndex(), 1);
    CloseWith(MsgAnswer::No);
}

TEST_F(WindowTest, SettingsStartValuesFromTheStore) {
    struct Case {
        bool dirExists;
        int storedDebugger;
        int shownDebugger;
    };
    const Case cases[] = {
        {true, 2, 2}, {true, 0, 0}, {false, -1, -1}, {false, -7, -1}, {true, 9, 2}};
    for (const Case& c : cases) {
        const QString dir = c.dirExists ? exe.MakeDir(QStringLiteral("tools"))
                                        : exe.File(QStringLiteral("gone/away"));
        exe.Write(QStringLiteral("Velmora.ini"), Ini(dir, c.storedDebugger));
        Start();
        // A directory that no longer exists starts the chooser where Velmora started.
        EXPECT_EQ(form->Settings().ToolsDirectory(), c.dirExists ? dir : QDir::currentPath());
        EXPECT_EQ(form->Settings().DebuggerIndex(), c.shownDebugger) << c.storedDebugger;
        CloseWith(MsgAnswer::No);
        form.reset();
    }
}

TEST_F(WindowTest, SettingsClosedWithoutOkStoresNothingButKeepsTheControls) {
    Start();
    TForm3& settings = form->Settings();
    QTimer::singleShot(0, &settings, [&settings] {
        settings.findChild<QLineEdit*>(QStringLiteral("ExecutablesDir"))
            ->setText(QStringLiteral("/opt/tasm"));
        settings.reject();
    });
    form->Settings1Click();
    EXPECT_EQ(settings.ToolsDirectory(), QStringLiteral("/opt/tasm"));
    EXPECT_EQ(form->ConfigList.Find(QStringLiteral("TasmExecDirectory")), nullptr);
    CloseWith(MsgAnswer::No);
}
