#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "tools/ui/TForm4.h"

#include "support/WindowFixture.h"

namespace {

struct Item {
    const char* name;
    const char* caption;
    const char* shortcut;
};

// The command table, menu by menu.
const std::vector<std::pair<const char*, std::vector<Item>>> kMenus = {
    {"&File",
     {{"NewUnit1", "&New Unit", "Ctrl+N"},
      {"NewProject1", "Ne&w Project", ""},
      {nullptr, nullptr, nullptr},
      {"Open1", "&Open...", "Ctrl+O"},
      {"OpenProject1", "Open &Project...", ""},
      {nullptr, nullptr, nullptr},
      {"Save1", "&Save", "Ctrl+S"},
      {"SaveAs1", "Save &As...", ""},
      {"SaveProjectAs1", "Save P&roject As...", ""},
      {"SaveAll1", "Sa&ve All", ""},
      {nullptr, nullptr, nullptr},
      {"Exit1", "E&xit", ""}}},
    {"&Edit",
     {{"Copy1", "&Copy", "Ctrl+C"},
      {"Cut1", "C&ut", "Ctrl+X"},
      {"Paste1", "&Paste", "Ctrl+V"},
      {"Delete1", "&Delete", "Ctrl+Del"},
      {nullptr, nullptr, nullptr},
      {"Find2", "&Find...", "Ctrl+F"},
      {"Replace2", "&Replace...", "Ctrl+R"},
      {nullptr, nullptr, nullptr},
      {"GotoLine2", "&Goto Line...", "Ctrl+G"}}},
    {"&Project",
     {{"RemoveThisFile1", "Rem&ove This &Unit...", ""},
      {nullptr, nullptr, nullptr},
      {"CompileResources1", "&Compile Resources...", ""},
      {"CompileUnit1", "Compile &Unit", ""},
      {nullptr, nullptr, nullptr},
      {"Make1", "&Make Project", "Ctrl+F9"},
      {"Run1", "&Run", "F9"},
      {"Debug1", "&Debug", "Ctrl+F10"}}},
    {"P&rogram",
     {{"BaseConverter1", "&Base Converter", ""},
      {"DosShell1", "&Dos Shell", ""},
      {nullptr, nullptr, nullptr},
      {"ViewMessagesItem", "&View Messages", ""},
      {nullptr, nullptr, nullptr},
      {"Settings1", "&Settings...", ""}}},
    {"Help",
     {{"Contents1", "&Contents", "F1"}, {nullptr, nullptr, nullptr}, {"About1", "&About...", ""}}},
};

}  // namespace

TEST_F(WindowTest, MenusFollowTheCommandTable) {
    Start();
    const QList<QAction*> top = form->menuBar()->actions();
    ASSERT_EQ(top.size(), static_cast<qsizetype>(kMenus.size()));
    for (std::size_t m = 0; m < kMenus.size(); ++m) {
        EXPECT_EQ(top[m]->text().toStdString(), kMenus[m].first);
        const QList<QAction*> items = top[m]->menu()->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(kMenus[m].second.size())) << kMenus[m].first;
        for (qsizetype i = 0; i < items.size(); ++i) {
            const Item& want = kMenus[m].second[static_cast<std::size_t>(i)];
            if (want.name == nullptr) {
                EXPECT_TRUE(items[i]->isSeparator()) << kMenus[m].first << " item " << i;
                continue;
            }
            EXPECT_EQ(items[i]->objectName().toStdString(), want.name);
            EXPECT_EQ(items[i]->text().toStdString(), want.caption);
            EXPECT_EQ(items[i]->shortcut().toString().toStdString(), want.shortcut) << want.name;
        }
    }
    EXPECT_FALSE(Find<QAction>("CompileResources1")->isVisible());
    CloseWith(MsgAnswer::No);
}

TEST_F(WindowTest, ToolbarButtonsCarryTheirHints) {
    Start();
    const std::pair<const char*, const char*> hints[] = {
        {"ProjectOpen", "Open Project"},       {"ProjectSave", "Save All"},
        {"FileNew", "New Unit (Ctrl-N)"},      {"FileRemove", "Remove Unit From Project"},
        {"FileOpenBut", "Open Unit (Ctrl-O)"}, {"FileSave", "Save Unit (Ctrl-S)"},
        {"ProgMake", "Make (Ctrl+F9)"},        {"ProgRun", "Run (F9)"},
        {"ProgDebug", "Debug (Ctrl-F10)"}};
    int lastX = -1;
    for (const auto& [name, hint] : hints) {
        auto* b = Find<QToolButton>(name);
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->toolTip().toStdString(), hint);
        EXPECT_GT(b->x(), lastX) << name << " stands left of the button before it";
        lastX = b->x();
    }
    auto* insert = Find<QToolButton>("InsertButton");
    EXPECT_EQ(insert->text(), QStringLiteral("Insert"));
    EXPECT_FALSE(insert->isEnabled());
    EXPECT_FALSE(Find<QComboBox>("WizardSelect")->isEditable());
    CloseWith(MsgAnswer::No);
}

TEST_F(WindowTest, FirstStartShowsUntitledUnitsPageAndHidesTheRest) {
    Start();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Velmora - Untitled"));
    auto* side = Find<QTabWidget>("SideControl");
    ASSERT_EQ(side->count(), 3);
    EXPECT_EQ(side->tabText(0), QStringLiteral("Units"));
    EXPECT_EQ(side->tabText(1), QStringLiteral("Options"));
    EXPECT_EQ(side->tabText(2), QStringLiteral("Wizards"));
    EXPECT_EQ(side->currentIndex(), 0);
    for (const char* hidden :
         {"MessageList", "OptionsProject", "OptionsAssembler", "OptionsLinker16", "OptionsLinker32",
          "OptionsLibrary", "WizardEdit", "EditMemo"}) {
        EXPECT_FALSE(Find<QWidget>(hidden)->isVisible()) << hidden;
    }
    EXPECT_FALSE(Find<QAction>("ViewMessagesItem")->isChecked());
    EXPECT_EQ(Find<QComboBox>("WizardSelect")->count(), 0);
    EXPECT_EQ(Find<QListWidget>("LibDirBox")->count(), 0);
    CloseWith(MsgAnswer::No);
}

TEST_F(WindowTest, CloseAnsweredNoWritesAnEmptyStore) {
    Start();
    EXPECT_TRUE(CloseWith(MsgAnswer::No));
    EXPECT_EQ(TempDir::Read(exe.File(QStringLiteral("Velmora.ini"))), QByteArray(4, '\0'));
}

TEST_F(WindowTest, CloseAnsweredCancelKeepsTheWindowAndWritesNothing) {
    Start();
    EXPECT_FALSE(CloseWith(MsgAnswer::Cancel));
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(QFile::exists(exe.File(QStringLiteral("Velmora.ini"))));
    // The question comes at every close, changed or not.
    EXPECT_TRUE(CloseWith(MsgAnswer::No));
}

TEST_F(WindowTest, StoreIsLoadedAtStartAndWrittenBackAtClose) {
    // An unknown key survives a run unchanged.
    QByteArray ini(
        "\x01\x00\x00\x00"  // one entry
        "\x02\x00\x00\x00"
        "\xAB\x00"  // two value bytes
        "\x06\x00\x00\x00"
        "Other\x00",
        4 + 4 + 2 + 4 + 6);
    exe.Write(QStringLiteral("Velmora.ini"), ini);
    Start();
    ASSERT_NE(form->ConfigList.Find(QStringLiteral("Other")), nullptr);
    CloseWith(MsgAnswer::No);
    EXPECT_EQ(TempDir::Read(exe.File(QStringLiteral("Velmora.ini"))), ini);
}

TEST_F(WindowTest, ViewMessagesTogglesThePanelAndItsCheckMark) {
    Start();
    auto* list = Find<QListWidget>("MessageList");
    auto* item = Find<QAction>("ViewMessagesItem");
    item->trigger();
    EXPECT_TRUE(list->isVisible());
    EXPECT_TRUE(item->isChecked());
    item->trigger();
    EXPECT_FALSE(list->isVisible());
    EXPECT_FALSE(item->isChecked());
    form->ShowMessagePanel();
    Find<QAction>("HideMessages1")->trigger();
    EXPECT_FALSE(list->isVisible());
    EXPECT_FALSE(item->isChecked());
    CloseWith(MsgAnswer::No);
}

TEST_F(WindowTest, DraggingTheSplitterChangesTheMessageListHeight) {
    Start();
    form->ShowMessagePanel();
    QApplication::processEvents();
    auto* list = Find<QListWidget>("MessageList");
    QWidget* handle = Find<QWidget>("MessagePanel");
    ASSERT_NE(handle, nullptr);
    EXPECT_TRUE(handle->isVisible());
    const int before = list->height();
    const QPoint grip(handle->width() / 2, handle->height() / 2);
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, grip);
    QMouseEvent move(QEvent::MouseMove, QPointF(grip + QPoint(0, 40)),
                     QPointF(handle->mapToGlobal(grip + QPoint(0, 40))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &move);
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, grip + QPoint(0, 40));
    EXPECT_GT(list->height(), before + 20);
    form->HideMessagePanel();
    EXPECT_FALSE(handle->isVisible());
    CloseWith(MsgAnswer::No);
}

TEST_F(WindowTest, OptionsPageRemembersThePanelAcrossSidePages) {
    Start();
    auto* side = Find<QTabWidget>("SideControl");
    side->setCurrentIndex(1);
    EXPECT_TRUE(Find<QWidget>("OptionsProject")->isVisible());
    QTest::mouseClick(Find<QToolButton>("Option2"), Qt::LeftButton);
    EXPECT_TRUE(Find<QWidget>("OptionsAssembler")->isVisible());
    EXPECT_FALSE(Find<QWidget>("OptionsProject")->isVisible());
    side->setCurrentIndex(0);
    EXPECT_FALSE(Find<QWidget>("OptionsAssembler")->isVisible());
    side->setCurrentIndex(1);
    EXPECT_TRUE(Find<QWidget>("OptionsAssembler")->isVisible());
    EXPECT_TRUE(Find<QToolButton>("Option2")->isChecked());
    EXPECT_EQ(form->OptionPage, 2);
    side->setCurrentIndex(2);
    EXPECT_TRUE(Find<QWidget>("WizardEdit")->isVisible());
    EXPECT_FALSE(Find<QWidget>("OptionsAssembler")->isVisible());
    CloseWith(MsgAnswer::No);
}

TEST_F(WindowTest, UnitCommandsAreEnabledOnlyOnTheUnitsPage) {
    Start();
    auto* side = Find<QTabWidget>("SideControl");
    const char* unitItems[] = {"NewUnit1",     "Open1",    "Save1",    "SaveAs1", "RemoveThisFile1",
                               "CompileUnit1", "Copy1",    "Cut1",     "Paste1",  "Delete1",
                               "Find2",        "Replace2", "GotoLine2"};
    const char* alwaysItems[] = {"NewProject1", "OpenProject1", "SaveProjectAs1", "SaveAll1",
                                 "Exit1",       "Make1",        "Run1",           "Debug1"};
    for (int page : {1, 2, 0}) {
        side->setCurrentIndex(page);
        for (const char* name : unitItems) {
            EXPECT_EQ(Find<QAction>(name)->isEnabled(), page == 0) << name << " on page " << page;
        }
        for (const char* name : alwaysItems) EXPECT_TRUE(Find<QAction>(name)->isEnabled()) << name;
        for (const char* name : {"FileNew", "FileRemove", "FileOpenBut", "FileSave"}) {
            EXPECT_EQ(Find<QToolButton>(name)->isEnabled(), page == 0) << name;
        }
        EXPECT_EQ(Find<QToolButton>("InsertButton")->isVisible(), page == 0);
    }
    CloseWith(MsgAnswer::No);
}

namespace {
// Records the documents the window asks the desktop to open.
class RecordingSystem : public PosixSystem {
public:
    using PosixSystem::PosixSystem;
    bool OpenDocument(const QString& document, const QString& workingDir) override {
        opened << workingDir + QLatin1Char('|') + document;
        return false;
    }
    QStringList opened;
};
}  // namespace

TEST_F(WindowTest, F1OpensTheHelpPageOnEverySidePage) {
    auto* recorder = new RecordingSystem(exe.path());
    system.reset(recorder);
    Start();
    auto* side = Find<QTabWidget>("SideControl");
    for (int page : {0, 1, 2}) {
        side->setCurrentIndex(page);
        QTest::keyClick(form.get(), Qt::Key_F1);
    }
    const QString expected = exe.path() + QStringLiteral("Help|contents.htm");
    EXPECT_EQ(recorder->opened, QStringList({expected, expected, expected}));
    CloseWith(MsgAnswer::No);
}

TEST_F(WindowTest, BaseConverterOpensBesideTheWindowWithoutBlockingIt) {
    Start();
    Trigger("BaseConverter1");
    QWidget* converter = &form->BaseConverter();
    EXPECT_TRUE(converter->isVisible());
    EXPECT_FALSE(converter->isModal());
    converter->close();
    EXPECT_FALSE(converter->isVisible());
    Trigger("BaseConverter1");
    EXPECT_TRUE(converter->isVisible());
    CloseWith(MsgAnswer::No);
}
