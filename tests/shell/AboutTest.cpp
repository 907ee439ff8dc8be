// The About box, the help command and the Resource Compiler Shell.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "platform/PosixSystem.h"
#include "shell/HelpContents.h"
#include "shell/TForm2.h"
#include "shell/TForm5.h"
#include "support/TempDir.h"

namespace {

// A System that records the documents it is asked to open instead of opening them.
class RecordingSystem : public PosixSystem {
public:
    explicit RecordingSystem(const QString& exeDir) : PosixSystem(exeDir) {}
    bool OpenDocument(const QString& document, const QString& workingDir) override {
        opened.push_back({document, workingDir});
        return false;  // as if no browser were installed; nobody may complain
    }
    std::vector<std::pair<QString, QString>> opened;
};

const QString kExeDir = QStringLiteral("/opt/velmora-test/");

TEST(HelpContents, OpensContentsHtmInTheHelpDirectoryBesideTheExecutable) {
    RecordingSystem system(kExeDir);
    ShowHelpContents(system);
    ASSERT_EQ(system.opened.size(), 1u);
    EXPECT_EQ(system.opened[0].first, QStringLiteral("contents.htm"));
    EXPECT_EQ(system.opened[0].second, QStringLiteral("/opt/velmora-test/Help"));
}

class AboutBox : public testing::Test {
protected:
    void SetUp() override {
        about.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    }
    QLabel* Label(const char* name) {
        auto* label = about.findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_NE(label, nullptr) << name;
        return label;
    }

    RecordingSystem system{kExeDir};
    TForm2 about{system};
};

TEST_F(AboutBox, FirstLineIsTheNameAndVersion) {
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Velmora"));
    EXPECT_EQ(Label("Label5")->text(), QStringLiteral("Velmora 1.1"));
    for (const char* other : {"Label1", "Label4", "Label2", "Label3"})
        EXPECT_LT(Label("Label5")->geometry().bottom(), Label(other)->geometry().top()) << other;
    EXPECT_EQ(Label("Label2")->text(),
              QStringLiteral("For more info and updates look at my webpage:"));
}

TEST_F(AboutBox, TextsFitTheirLabels) {
    for (const char* name : {"Label5", "Label1", "Label4", "Label2", "Label3"}) {
        QLabel* label = Label(name);
        const int needed =
            label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
        EXPECT_LE(needed, label->height()) << name;
        if (!label->wordWrap()) {
            EXPECT_LE(label->sizeHint().width(), label->width()) << name;
        }
    }
}

TEST_F(AboutBox, OkCloses) {
    QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST_F(AboutBox, TheWindowsCloseButtonClosesToo) {
    EXPECT_TRUE(about.close());
    EXPECT_FALSE(about.isVisible());
}

TEST_F(AboutBox, ClickingTheLinkOpensTheHelpPage) {
    QLabel* link = Label("Label3");
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(link->font().underline());
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(system.opened.size(), 1u);
    EXPECT_EQ(system.opened[0].first, QStringLiteral("contents.htm"));
    EXPECT_EQ(system.opened[0].second, kExeDir + QStringLiteral("Help"));
    EXPECT_TRUE(about.isVisible());
}

TEST(ResourceCompilerShell, ListsTheRcFilesOfTheCurrentDirectory) {
    TempDir dir;
    dir.Write(QStringLiteral("menu.rc"), "");
    dir.Write(QStringLiteral("ICONS.RC"), "");
    dir.Write(QStringLiteral("notes.txt"), "");
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    TForm5 shell;
    shell.show();
    QDir::setCurrent(before);

    EXPECT_EQ(shell.windowTitle(), QStringLiteral("Resource Compiler Shell"));
    auto* files = shell.findChild<QListWidget*>(QStringLiteral("ResourceFiles"));
    ASSERT_NE(files, nullptr);
    QStringList listed;
    for (int i = 0; i < files->count(); ++i) listed << files->item(i)->text();
    EXPECT_EQ(listed, (QStringList{QStringLiteral("ICONS.RC"), QStringLiteral("menu.rc")}));
    auto* first = shell.findChild<QRadioButton*>(QStringLiteral("RadioButton1"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->text(), QStringLiteral("brc.exe"));
    EXPECT_TRUE(first->isChecked());
}

}  // namespace
