// The wizards inside the real main window: loading at start-up, the editor's
// commands with their prompts, snippet editing, insertion and saving at close.
#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "store/RecordFile.h"
#include "support/WindowFixture.h"
#include "units/ui/TUnit.h"
#include "units/ui/UnitManager.h"
#include "wizards/Wizards.h"
#include "wizards/ui/WizardEditor.h"

namespace {

class WizardPageTest : public WindowTest {
protected:
    QString Dir() const { return exe.path() + QStringLiteral("Wizards/"); }

    void MakeWizard(const QString& name, const QList<std::pair<QString, QStringList>>& snippets) {
        TWizard wizard(name);
        for (const auto& [snippetName, lines] : snippets) {
            auto s = std::make_unique<TSnippet>();
            s->Name = snippetName;
            s->Lines = lines;
            wizard.AddSnippet(std::move(s));
        }
        ASSERT_TRUE(wizard.SaveToFile(Dir()));
    }

    QStringList Items(const QComboBox* combo) const {
        QStringList out;
        for (int i = 0; i < combo->count(); ++i) out << combo->itemText(i);
        return out;
    }
    QStringList Items(const QListWidget* list) const {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }
    void ShowWizardsPage() { Find<QTabWidget>("SideControl")->setCurrentIndex(2); }
    void Click(const char* name) { QTest::mouseClick(Find<QToolButton>(name), Qt::LeftButton); }
    void ClickSnippet(int row) {
        auto* box = Find<QListWidget>("EditSnippetsBox");
        const QRect r = box->visualItemRect(box->item(row));
        QTest::mouseClick(box->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    }
    // Picks entry `index` of a toolbar list with the keyboard, as a user can.
    void Pick(const char* comboName, int index) {
        auto* combo = Find<QComboBox>(comboName);
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < index; ++i) QTest::keyClick(combo, Qt::Key_Down);
        ASSERT_EQ(combo->currentIndex(), index);
    }
};

}  // namespace

TEST_F(WizardPageTest, LoadsEveryGoodFileInOrderAndSkipsARefusedOne) {
    MakeWizard(QStringLiteral("Alpha"), {{QStringLiteral("a1"), {QStringLiteral("nop")}}});
    exe.Write(QStringLiteral("Wizards/Broken.vwz"), QByteArray("not a wizard"));
    MakeWizard(QStringLiteral("Gamma"), {});
    dialogs.Box(MsgAnswer::Ok, QStringLiteral("Broken.vwz is not a valid wizard file."));
    Start();
    WizardEditor& w = form->Wizards();
    ASSERT_EQ(w.WizardList.Count(), 2);
    ASSERT_EQ(w.ButtonCount(), 2);
    EXPECT_EQ(w.ButtonAt(0)->text(), QStringLiteral("Alpha"));
    EXPECT_EQ(w.ButtonAt(1)->text(), QStringLiteral("Gamma"));
    EXPECT_EQ(w.ButtonAt(0)->y(), 0);
    EXPECT_EQ(w.ButtonAt(1)->y(), 24);
    EXPECT_EQ(w.CurrentWizard, 1);
    EXPECT_TRUE(w.ButtonAt(1)->isChecked());
    EXPECT_EQ(Items(Find<QComboBox>("WizardSelect")),
              QStringList({QStringLiteral("Alpha"), QStringLiteral("Gamma")}));
    const QByteArray broken = TempDir::Read(Dir() + QStringLiteral("Broken.vwz"));
    CloseWith(MsgAnswer::No);
    // The refused file is left as it was; the loaded wizards are written back.
    EXPECT_EQ(TempDir::Read(Dir() + QStringLiteral("Broken.vwz")), broken);
    EXPECT_TRUE(QFile::exists(Dir() + QStringLiteral("Alpha.vwz")));
}

TEST_F(WizardPageTest, WizardCommandsWithTheirPromptsAndDiskEffects) {
    MakeWizard(QStringLiteral("Old"), {{QStringLiteral("s"), {QStringLiteral("x")}}});
    Start();
    ShowWizardsPage();
    WizardEditor& w = form->Wizards();

    dialogs.Input(QStringLiteral("Old"), QStringLiteral("Please enter a name for the new wizard."));
    Click("AddWizardButton");
    ASSERT_EQ(w.WizardList.Count(), 2);  // same-named wizards are allowed
    EXPECT_EQ(w.CurrentWizard, 1);
    EXPECT_EQ(Items(Find<QComboBox>("WizardSelect")),
              QStringList({QStringLiteral("Old"), QStringLiteral("Old")}));

    // An empty answer ends the command; a name that cannot be a file is refused.
    dialogs.Input(QString());
    Click("AddWizardButton");
    dialogs.Input(QStringLiteral("../evil"));
    dialogs.Message();
    Click("AddWizardButton");
    EXPECT_EQ(w.WizardList.Count(), 2);
    EXPECT_FALSE(QFile::exists(exe.path() + QStringLiteral("evil.vwz")));

    // Rename the first wizard: its file moves to the new name at once.
    QTest::mouseClick(w.ButtonAt(0), Qt::LeftButton);
    EXPECT_EQ(w.CurrentWizard, 0);
    dialogs.Input(QStringLiteral("Fresh"),
                  QStringLiteral("Please enter the new name for the wizard."));
    Click("RenameWizardButton");
    EXPECT_EQ(w.ButtonAt(0)->text(), QStringLiteral("Fresh"));
    EXPECT_TRUE(QFile::exists(Dir() + QStringLiteral("Fresh.vwz")));
    EXPECT_FALSE(QFile::exists(Dir() + QStringLiteral("Old.vwz")));
    EXPECT_EQ(Items(Find<QComboBox>("WizardSelect")),
              QStringList({QStringLiteral("Fresh"), QStringLiteral("Old")}));

    // Delete asks, and No keeps the wizard; Yes deletes it and its file.
    const QString question = QStringLiteral(
        "By deleting the wizard you will also delete the file on disk. Are you sure you want to "
        "delete this wizard?");
    dialogs.Box(MsgAnswer::No, question);
    Click("DeleteWizardButton");
    EXPECT_EQ(w.WizardList.Count(), 2);
    dialogs.Box(MsgAnswer::Yes, question);
    Click("DeleteWizardButton");
    EXPECT_EQ(w.WizardList.Count(), 1);
    EXPECT_FALSE(QFile::exists(Dir() + QStringLiteral("Fresh.vwz")));
    EXPECT_EQ(w.CurrentWizard, 0);
    EXPECT_EQ(w.ButtonAt(0)->y(), 0);

    // Deleting the only wizard leaves nothing selected and New Snippet does nothing.
    dialogs.Box(MsgAnswer::Yes, question);
    Click("DeleteWizardButton");
    EXPECT_EQ(w.CurrentWizard, -1);
    EXPECT_EQ(Find<QComboBox>("WizardSelect")->count(), 0);
    EXPECT_EQ(Find<QListWidget>("EditSnippetsBox")->count(), 0);
    EXPECT_FALSE(Find<QPlainTextEdit>("EditMemo")->isVisible());
    Click("AddSnippetButton");
    EXPECT_TRUE(dialogs.Pending() == 0);
    CloseWith(MsgAnswer::No);
}

TEST_F(WizardPageTest, SnippetCommandsRefuseExistingNamesCaseSensitively) {
    MakeWizard(QStringLiteral("W"), {{QStringLiteral("Loop"), {}}});
    Start();
    ShowWizardsPage();
    auto* box = Find<QListWidget>("EditSnippetsBox");
    const QString exists = QStringLiteral("That name already exists. Please choose another.");

    dialogs.Input(QStringLiteral("loop"),
                  QStringLiteral("Please enter a name for the new snippet."));
    Click("AddSnippetButton");
    dialogs.Input(QStringLiteral("Loop")).Message(exists);
    Click("AddSnippetButton");
    EXPECT_EQ(Items(box), QStringList({QStringLiteral("Loop"), QStringLiteral("loop")}));

    ClickSnippet(0);
    dialogs
        .Input(QStringLiteral("Loop"), QStringLiteral("Please enter the new name for the snippet."))
        .Message(exists);
    Click("RenameSnippetButton");
    dialogs.Input(QStringLiteral("Again"));
    Click("RenameSnippetButton");
    EXPECT_EQ(Items(box), QStringList({QStringLiteral("Again"), QStringLiteral("loop")}));

    Click("DeleteSnippetButton");  // no question
    EXPECT_EQ(Items(box), QStringList({QStringLiteral("loop")}));
    ASSERT_EQ(form->Wizards().WizardList.At(0)->SnippetCount(), 1);
    EXPECT_EQ(form->Wizards().WizardList.At(0)->SnippetAt(0)->Name, QStringLiteral("loop"));
    CloseWith(MsgAnswer::No);
}

TEST_F(WizardPageTest, SnippetEditsAreKeptAcrossClicksAndWrittenAtClose) {
    MakeWizard(QStringLiteral("W"),
               {{QStringLiteral("one"), {QStringLiteral("push ax")}}, {QStringLiteral("two"), {}}});
    Start();
    ShowWizardsPage();
    auto* memo = Find<QPlainTextEdit>("EditMemo");
    EXPECT_FALSE(memo->isVisible());
    ClickSnippet(0);
    ASSERT_TRUE(memo->isVisible());
    // Every line is shown with its line break, so the caret at the end starts a new line.
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("push ax\n"));
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    QTest::keyClicks(memo, QStringLiteral("push bx"));
    ClickSnippet(1);
    EXPECT_EQ(memo->toPlainText(), QString());
    ClickSnippet(0);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("push ax\npush bx\n"));

    // Cancelling the close writes nothing; the real close writes the wizard.
    const QByteArray before = TempDir::Read(Dir() + QStringLiteral("W.vwz"));
    CloseWith(MsgAnswer::Cancel);
    EXPECT_EQ(TempDir::Read(Dir() + QStringLiteral("W.vwz")), before);
    CloseWith(MsgAnswer::No);
    TWizard reread;
    ASSERT_TRUE(reread.LoadFromFile(Dir(), QStringLiteral("W.vwz"), dialogs));
    ASSERT_EQ(reread.SnippetCount(), 2);
    EXPECT_EQ(reread.SnippetAt(0)->Lines,
              QStringList({QStringLiteral("push ax"), QStringLiteral("push bx")}));
}

TEST_F(WizardPageTest, InsertPutsTheSnippetAboveTheCaretLineAndKeepsTheFocus) {
    MakeWizard(QStringLiteral("A"),
               {{QStringLiteral("save"), {QStringLiteral("push ax"), QStringLiteral("push bx")}}});
    MakeWizard(QStringLiteral("B"), {});
    Start();
    TUnit* unit = form->Units().Current();
    unit->SetText(QByteArray("l1\r\nl2\r\nl3\r\nl4\r\nmiddle of five\r\nl6"));
    unit->SetSelection(unit->LineStart(4) + 3, 0);

    auto* insert = Find<QToolButton>("InsertButton");
    EXPECT_FALSE(insert->isEnabled());
    Pick("WizardSelect", 0);
    Pick("SnippetSelect", 0);
    EXPECT_TRUE(insert->isEnabled());
    unit->setFocus();
    ASSERT_TRUE(WaitUntil([&] { return unit->hasFocus(); }));
    QTest::mouseClick(insert, Qt::LeftButton);
    EXPECT_EQ(unit->Text(),
              QByteArray("l1\r\nl2\r\nl3\r\nl4\r\npush ax\r\npush bx\r\nmiddle of five\r\nl6"));
    EXPECT_TRUE(unit->Modified);
    EXPECT_TRUE(unit->hasFocus());

    // Another wizard picked: "Insert" stays enabled but inserts nothing.
    Pick("WizardSelect", 1);
    EXPECT_TRUE(insert->isEnabled());
    EXPECT_EQ(Find<QComboBox>("SnippetSelect")->count(), 0);
    const QByteArray text = unit->Text();
    QTest::mouseClick(insert, Qt::LeftButton);
    EXPECT_EQ(unit->Text(), text);

    // Without a unit (after New Project) nothing happens and nothing is shown.
    dialogs.Box(MsgAnswer::No, QStringLiteral("Save changes to project?"));
    Trigger("NewProject1");
    EXPECT_EQ(form->Units().CurrentUnit(), -1);
    Pick("WizardSelect", 0);
    Pick("SnippetSelect", 0);
    QTest::mouseClick(insert, Qt::LeftButton);
    CloseWith(MsgAnswer::No);
}

TEST_F(WizardPageTest, DottedFileNameLoadsAsItsFirstPartAndSavesUnderIt) {
    // Written as another program might have: the file name holds a dot.
    MakeWizard(QStringLiteral("My"), {{QStringLiteral("m"), {QStringLiteral("nop")}}});
    ASSERT_TRUE(
        QFile::rename(Dir() + QStringLiteral("My.vwz"), Dir() + QStringLiteral("My.Macros.vwz")));
    Start();
    ASSERT_EQ(form->Wizards().WizardList.Count(), 1);
    EXPECT_EQ(form->Wizards().WizardList.At(0)->Name(), QStringLiteral("My"));
    CloseWith(MsgAnswer::No);
    EXPECT_TRUE(QFile::exists(Dir() + QStringLiteral("My.vwz")));
    EXPECT_TRUE(QFile::exists(Dir() + QStringLiteral("My.Macros.vwz")));
}

TEST_F(WizardPageTest, EditorResizeFollowsThePanel) {
    MakeWizard(QStringLiteral("W"), {{QStringLiteral("s"), {}}});
    Start();
    ShowWizardsPage();
    QWidget* panel = Find<QWidget>("WizardEdit");
    form->resize(900, 650);
    QApplication::processEvents();
    EXPECT_EQ(Find<QListWidget>("EditSnippetsBox")->height(), panel->height() - 19);
    EXPECT_EQ(Find<QPlainTextEdit>("EditMemo")->width(), panel->width() - 296);
    CloseWith(MsgAnswer::No);
}
