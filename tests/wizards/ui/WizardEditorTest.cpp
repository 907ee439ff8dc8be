// The wizards in the main window: loading at start-up and writing at close,
// the selector buttons, the six editor commands with their prompts, the snippet
// text editor, and the toolbar lists with "Insert".
#include <functional>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "project/ui/ProjectManager.h"
#include "store/CheckList.h"
#include "store/ConfigData.h"
#include "units/ui/TUnit.h"
#include "units/ui/UnitManager.h"
#include "wizards/ui/WizardEditor.h"

#include "support/RecordBytes.h"
#include "support/WindowFixture.h"

using namespace RecordBytes;

namespace {

QString L(const char* text) { return QString::fromLatin1(text); }

QStringList Names(std::initializer_list<const char*> names) {
    QStringList list;
    for (const char* n : names) list << L(n);
    return list;
}

const QByteArray kHeader = Str("Velmora Wizard File") + Str("v1.a");
const QString kNameExists = L("That name already exists. Please choose another.");
const QString kDeleteQuestion =
    L("By deleting the wizard you will also delete the file on disk. Are you sure you want to "
      "delete this wizard?");

QByteArray Snippet(const QByteArray& name, const QList<QByteArray>& lines) {
    QByteArray b = Str(name) + Int(static_cast<qint32>(lines.size()));
    for (const QByteArray& line : lines) b += Str(line);
    return b;
}

QByteArray Wizard(const QList<QByteArray>& snippets) {
    QByteArray b = kHeader + Int(static_cast<qint32>(snippets.size()));
    for (const QByteArray& s : snippets) b += s;
    return b;
}

QString BadNameMessage(const QString& name) {
    return L("\"") + name +
           L("\" cannot be a wizard name. A wizard is kept in a file named after it, so its name "
             "cannot be blank or longer than a file name, and cannot contain a dot, /, \\, : or a "
             "control character.");
}

// A test double that also runs a step of the test while a box is up, to see
// what the window has and has not done at that moment.
class HookedDialogs : public ScriptedDialogs {
public:
    std::function<void(const QString&)> onBox;
    MsgAnswer MessageBox(const QString& text, const QString& caption, MsgButtons buttons) override {
        if (onBox) onBox(text);
        return ScriptedDialogs::MessageBox(text, caption, buttons);
    }
};

class WizardWindowTest : public WindowTest {
protected:
    // A window built on `hooked` dies before it.
    ~WizardWindowTest() override { form.reset(); }

    void PutWizard(const QString& fileName, const QByteArray& bytes) const {
        exe.Write(L("Wizards/") + fileName, bytes);
    }
    QString WizardsDir() const { return exe.path() + L("Wizards/"); }
    QByteArray ReadWizard(const char* fileName) const {
        return TempDir::Read(WizardsDir() + L(fileName));
    }
    bool WizardFileExists(const char* fileName) const {
        return QFileInfo::exists(WizardsDir() + L(fileName));
    }

    WizardEditor& Editor() const { return form->Wizards(); }
    QWidget* WizardEdit() const { return Find<QWidget>("WizardEdit"); }
    QListWidget* SnippetsBox() const { return Find<QListWidget>("EditSnippetsBox"); }
    QPlainTextEdit* Memo() const { return Find<QPlainTextEdit>("EditMemo"); }
    QComboBox* WizardSelect() const { return Find<QComboBox>("WizardSelect"); }
    QComboBox* SnippetSelect() const { return Find<QComboBox>("SnippetSelect"); }
    QToolButton* InsertButton() const { return Find<QToolButton>("InsertButton"); }
    TUnit* Unit() const { return form->Units().Current(); }

    // Picks a side page by clicking its tab.
    void ShowPage(int index) {
        QTabBar* bar = Find<QTabWidget>("SideControl")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        QApplication::processEvents();
        ASSERT_EQ(bar->currentIndex(), index);
    }
    void Click(const char* buttonName) {
        auto* b = Find<QAbstractButton>(buttonName);
        ASSERT_NE(b, nullptr) << buttonName;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void ClickWizard(int i) { QTest::mouseClick(Editor().ButtonAt(i), Qt::LeftButton); }
    void ClickSnippet(int row) {
        QListWidget* box = SnippetsBox();
        ASSERT_LT(row, box->count());
        const QRect r = box->visualItemRect(box->item(row));
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, r.center());
    }
    // Types at the end of the snippet text, after a click into the editor.
    void TypeAtEnd(const char* text) {
        QTest::mouseClick(Memo()->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
        QTest::keyClick(Memo(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(Memo(), L(text));
    }
    // Picks an entry of a closed drop-down list with the keyboard, as a user
    // does: Home goes to the first entry, each Down one further.
    static void Pick(QComboBox* combo, int index) {
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < index; ++i) QTest::keyClick(combo, Qt::Key_Down);
        ASSERT_EQ(combo->currentIndex(), index);
    }

    QStringList Captions() const {
        QStringList captions;
        for (int i = 0; i < Editor().ButtonCount(); ++i) captions << Editor().ButtonAt(i)->text();
        return captions;
    }
    QList<int> Tops() const {
        QList<int> tops;
        for (int i = 0; i < Editor().ButtonCount(); ++i)
            tops << Editor().ButtonAt(i)->geometry().top();
        return tops;
    }
    QList<bool> Pressed() const {
        QList<bool> pressed;
        for (int i = 0; i < Editor().ButtonCount(); ++i)
            pressed << Editor().ButtonAt(i)->isChecked();
        return pressed;
    }
    static QStringList Items(const QListWidget* box) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i) items << box->item(i)->text();
        return items;
    }
    static QStringList Items(const QComboBox* combo) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
        return items;
    }
    QStringList SnippetLines(int wizard, const char* snippet) const {
        const TSnippet* s = Editor().WizardList.At(wizard)->FindSnippet(L(snippet));
        return s != nullptr ? s->Lines : QStringList{L("<no snippet>")};
    }
    // The editor shows the current wizard with no snippet open.
    void ExpectWizardShown(int current, const QStringList& snippets) const {
        EXPECT_EQ(Editor().CurrentWizard, current);
        EXPECT_EQ(Items(SnippetsBox()), snippets);
        EXPECT_TRUE(SnippetsBox()->selectedItems().isEmpty());
        EXPECT_TRUE(Memo()->isHidden());
        EXPECT_TRUE(Memo()->toPlainText().isEmpty());
        QList<bool> pressed;
        for (int i = 0; i < Editor().ButtonCount(); ++i) pressed << (i == current);
        EXPECT_EQ(Pressed(), pressed);
    }

    HookedDialogs hooked;
};

TEST_F(WizardWindowTest, StartUpLoadsTheDirectoryInOrderAndSkipsRefusedFiles) {
    PutWizard(L("Alpha.vwz"), Wizard({Snippet("a1", {"nop"})}));
    PutWizard(L("beta.vwz"), Wizard({Snippet("b1", {}), Snippet("b2", {})}));
    PutWizard(L("Broken.vwz"), "not a wizard");
    PutWizard(L("Gamma.vwz"), Wizard({Snippet("g1", {"x"}), Snippet("g2", {"y"})}));
    PutWizard(L("Old.vwz"), Str("Velmora Wizard File") + Str("v1.1") + Int(0));
    PutWizard(L("Notes.txt"), "a note");
    dialogs.Box(MsgAnswer::Ok, L("Broken.vwz is not a valid wizard file."))
        .Box(MsgAnswer::Cancel, L("Incorrect file version..."));
    Start();
    ASSERT_EQ(dialogs.shown().size(), 2u);
    for (const auto& box : dialogs.shown()) {
        EXPECT_EQ(box.caption, L("Error"));
        EXPECT_EQ(box.buttons, MsgButtons::OkCancel);
    }

    // The refused files leave no gap; the last wizard loaded is current.
    EXPECT_EQ(Captions(), Names({"Alpha", "beta", "Gamma"}));
    EXPECT_EQ(Tops(), QList<int>({0, 24, 48}));
    for (int i = 0; i < Editor().ButtonCount(); ++i) {
        auto* b = qobject_cast<QToolButton*>(Editor().ButtonAt(i));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->width(), 136);
        EXPECT_EQ(b->x(), 0);
        EXPECT_TRUE(b->autoRaise()) << "flat";
        EXPECT_EQ(b->parentWidget(), Find<QWidget>("WizardButtonsPanel"));
    }
    ExpectWizardShown(2, Names({"g1", "g2"}));
    EXPECT_EQ(Items(WizardSelect()), Names({"Alpha", "beta", "Gamma"}));
    EXPECT_EQ(WizardSelect()->currentIndex(), -1);
    EXPECT_EQ(SnippetSelect()->count(), 0);
    EXPECT_FALSE(InsertButton()->isEnabled());
    EXPECT_TRUE(WizardEdit()->isHidden());

    // The refused files are not overwritten at close.
    ASSERT_TRUE(CloseWith(MsgAnswer::No));
    EXPECT_EQ(ReadWizard("Broken.vwz"), QByteArray("not a wizard"));
    EXPECT_EQ(ReadWizard("Old.vwz"), Str("Velmora Wizard File") + Str("v1.1") + Int(0));
    EXPECT_EQ(ReadWizard("Gamma.vwz"), Wizard({Snippet("g1", {"x"}), Snippet("g2", {"y"})}));
}

TEST_F(WizardWindowTest, WizardsLoadBeforeTheLibListAndTheStore) {
    PutWizard(L("Broken.vwz"), "junk");
    PutWizard(L("Good.vwz"), Wizard({}));
    // Whatever appears while the wizards load must still be seen by the two
    // steps that follow them.
    hooked.onBox = [this](const QString&) {
        exe.Write(L("Lib/late.lib"), "lib");
        TConfigDataList store;
        auto entry = std::make_unique<TConfigData>(4);
        entry->Name = kTasmExecDirectoryKey;
        entry->Data = "late";
        store.Put(std::move(entry));
        ASSERT_TRUE(store.Save(exe.path() + L("Velmora.ini")));
    };
    hooked.Box(MsgAnswer::Ok, L("Broken.vwz is not a valid wizard file."));
    form = std::make_unique<TForm1>(hooked, *system);
    hooked.onBox = nullptr;

    EXPECT_EQ(Captions(), Names({"Good"}));
    EXPECT_EQ(Editor().CurrentWizard, 0);
    const CheckList& lib = form->Project().LibDirBox();
    ASSERT_EQ(lib.Count(), 1);
    EXPECT_EQ(lib.At(0).text, L("late.lib"));
    const TConfigData* dir = form->ConfigList.Find(kTasmExecDirectoryKey);
    ASSERT_NE(dir, nullptr);
    EXPECT_EQ(dir->Data, QByteArray("late"));
}

TEST_F(WizardWindowTest, NewWizardsAreWrittenOnlyWhenTheWindowCloses) {
    Start();
    ShowPage(2);
    dialogs.Input(L("Fresh"));
    Click("AddWizardButton");
    dialogs.Input(L("Blocked"));
    Click("AddWizardButton");
    EXPECT_FALSE(QFileInfo::exists(WizardsDir())) << "a new wizard has no file yet";

    // Cancel in the close query writes nothing at all.
    EXPECT_FALSE(CloseWith(MsgAnswer::Cancel));
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(QFileInfo::exists(WizardsDir()));
    EXPECT_FALSE(QFileInfo::exists(exe.path() + L("Velmora.ini")));

    // The directory is made when missing; a wizard that cannot be written is
    // named, and the others are written all the same.
    exe.MakeDir(L("Wizards/Blocked.vwz"));
    dialogs.Box(MsgAnswer::No, L("Save changes to project?"))
        .Box(MsgAnswer::Ok,
             L("Could not save wizard Blocked to ") + WizardsDir() + L("Blocked.vwz"));
    ASSERT_TRUE(form->close());
    EXPECT_EQ(dialogs.shown().back().caption, L("Error"));
    EXPECT_EQ(ReadWizard("Fresh.vwz"), Wizard({}));
    EXPECT_TRUE(QFileInfo::exists(exe.path() + L("Velmora.ini")));
}

TEST_F(WizardWindowTest, TheStoreIsWrittenOnlyAfterTheWizards) {
    hooked.onBox = [this](const QString& text) {
        if (text.startsWith(L("Could not save wizard"))) {
            EXPECT_FALSE(QFileInfo::exists(exe.path() + L("Velmora.ini")));
        }
    };
    form = std::make_unique<TForm1>(hooked, *system);
    form->show();
    ShowPage(2);
    hooked.Input(L("Blocked"));
    Click("AddWizardButton");
    exe.MakeDir(L("Wizards/Blocked.vwz"));
    hooked.Box(MsgAnswer::No, L("Save changes to project?"))
        .Box(MsgAnswer::Ok,
             L("Could not save wizard Blocked to ") + WizardsDir() + L("Blocked.vwz"));
    ASSERT_TRUE(form->close());
    EXPECT_TRUE(QFileInfo::exists(exe.path() + L("Velmora.ini")));
}

TEST_F(WizardWindowTest, ADottedFileLoadsAsItsFirstPartAndIsWrittenUnderThatName) {
    const QByteArray bytes = Wizard({Snippet("push", {"push ax", "push bx"})});
    PutWizard(L("My.Macros.vwz"), bytes);
    Start();
    EXPECT_EQ(Captions(), Names({"My"}));
    EXPECT_EQ(Items(WizardSelect()), Names({"My"}));
    ASSERT_TRUE(CloseWith(MsgAnswer::No));
    EXPECT_EQ(ReadWizard("My.vwz"), bytes);
    EXPECT_EQ(ReadWizard("My.Macros.vwz"), bytes);
}

TEST_F(WizardWindowTest, EmptyWizardsAndSnippetsShowAndSaveAsEmpty) {
    PutWizard(L("Empty.vwz"), Wizard({}));
    PutWizard(L("Sparse.vwz"), Wizard({Snippet("blank", {})}));
    Start();
    ShowPage(2);
    ExpectWizardShown(1, Names({"blank"}));
    ClickSnippet(0);
    EXPECT_TRUE(Memo()->isVisible());
    EXPECT_TRUE(Memo()->toPlainText().isEmpty());
    EXPECT_EQ(SnippetLines(1, "blank"), QStringList());

    ClickWizard(0);
    ExpectWizardShown(0, QStringList());

    dialogs.Input(L("Fresh"));
    Click("AddWizardButton");
    dialogs.Input(L("none"));
    Click("AddSnippetButton");
    ASSERT_TRUE(CloseWith(MsgAnswer::No));
    EXPECT_EQ(ReadWizard("Empty.vwz"), kHeader + Int(0));
    EXPECT_EQ(ReadWizard("Sparse.vwz"), kHeader + Int(1) + Str("blank") + Int(0));
    EXPECT_EQ(ReadWizard("Fresh.vwz"), kHeader + Int(1) + Str("none") + Int(0));
}

TEST_F(WizardWindowTest, SameNamedWizardsShareTheListsAndTheLaterOneWinsTheFile) {
    PutWizard(L("Twin.vwz"), Wizard({Snippet("first", {"one"})}));
    Start();
    ShowPage(2);
    dialogs.Input(L("Twin"));
    Click("AddWizardButton");
    EXPECT_EQ(Captions(), Names({"Twin", "Twin"}));
    EXPECT_EQ(Tops(), QList<int>({0, 24}));
    ExpectWizardShown(1, QStringList());
    EXPECT_EQ(Items(WizardSelect()), Names({"Twin", "Twin"}));

    dialogs.Input(L("second"));
    Click("AddSnippetButton");
    ClickSnippet(0);
    TypeAtEnd("two");
    EXPECT_EQ(SnippetLines(1, "second"), Names({"two"}));

    // The snippet list of a name holds the snippets of every wizard of it,
    // and Insert takes them from every one.
    Pick(WizardSelect(), 0);
    EXPECT_EQ(Items(SnippetSelect()), Names({"first", "second"}));
    dialogs.Input(L("first"));
    Click("AddSnippetButton");
    ClickSnippet(1);
    TypeAtEnd("uno");
    ShowPage(0);
    Unit()->SetText("end\r\n");
    Unit()->SetSelection(0, 0);
    Pick(WizardSelect(), 1);
    EXPECT_EQ(Items(SnippetSelect()), Names({"first", "second", "first"}));
    Pick(SnippetSelect(), 0);
    QTest::mouseClick(InsertButton(), Qt::LeftButton);
    EXPECT_EQ(Unit()->Text(), QByteArray("one\r\nuno\r\nend\r\n"));

    ASSERT_TRUE(CloseWith(MsgAnswer::No));
    EXPECT_EQ(ReadWizard("Twin.vwz"),
              Wizard({Snippet("second", {"two"}), Snippet("first", {"uno"})}));
}

TEST_F(WizardWindowTest, CommandsWithoutAWizardDoNothing) {
    Start();
    ShowPage(2);
    // Any dialog here would fail the test: none is queued.
    for (const char* name : {"DeleteWizardButton", "RenameWizardButton", "AddSnippetButton",
                             "DeleteSnippetButton", "RenameSnippetButton"}) {
        Click(name);
    }
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(Editor().CurrentWizard, -1);
}

TEST_F(WizardWindowTest, NewWizardAsksForANameAndRefusesUnusableOnes) {
    Start();
    ShowPage(2);
    dialogs.Input(QString());  // also what Cancel returns
    Click("AddWizardButton");
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].caption, L("New wizard"));
    EXPECT_EQ(dialogs.shown()[0].text, L("Please enter a name for the new wizard."));
    EXPECT_EQ(Editor().ButtonCount(), 0);

    const QString refused[] = {L("a/b"), L("a\\b"), L("C:x"),       L("My.Macros"),
                               L("."),   L("   "),  L("tab\there"), QString(245, QLatin1Char('n'))};
    for (const QString& name : refused) {
        dialogs.Input(name).Message(BadNameMessage(name));
        Click("AddWizardButton");
        EXPECT_EQ(Editor().ButtonCount(), 0) << name.toStdString();
        EXPECT_EQ(Editor().WizardList.Count(), 0);
    }
    EXPECT_EQ(WizardSelect()->count(), 0);

    dialogs.Input(L("Macros"));
    Click("AddWizardButton");
    EXPECT_EQ(Captions(), Names({"Macros"}));
    ExpectWizardShown(0, QStringList());
    EXPECT_EQ(Items(WizardSelect()), Names({"Macros"}));
    EXPECT_EQ(WizardSelect()->currentIndex(), -1);
    EXPECT_FALSE(WizardFileExists("Macros.vwz"));
}

TEST_F(WizardWindowTest, RenameWizardMovesItsFileAtOnce) {
    const QByteArray bytes = Wizard({Snippet("s", {"nop"})});
    PutWizard(L("Old.vwz"), bytes);
    PutWizard(L("Other.vwz"), Wizard({}));
    Start();
    ShowPage(2);
    ClickWizard(0);

    dialogs.Input(QString());
    Click("RenameWizardButton");
    EXPECT_EQ(dialogs.shown().back().caption, L("New wizard"));
    EXPECT_EQ(dialogs.shown().back().text, L("Please enter the new name for the wizard."));
    dialogs.Input(L("bad/name")).Message(BadNameMessage(L("bad/name")));
    Click("RenameWizardButton");
    dialogs.Input(L("Old.Macros")).Message(BadNameMessage(L("Old.Macros")));
    Click("RenameWizardButton");
    EXPECT_EQ(Captions(), Names({"Old", "Other"}));
    EXPECT_EQ(ReadWizard("Old.vwz"), bytes);

    dialogs.Input(L("New"));
    Click("RenameWizardButton");
    EXPECT_EQ(Captions(), Names({"New", "Other"}));
    EXPECT_EQ(Items(WizardSelect()), Names({"New", "Other"}));
    EXPECT_EQ(Editor().CurrentWizard, 0);
    EXPECT_EQ(ReadWizard("New.vwz"), bytes);
    EXPECT_FALSE(WizardFileExists("Old.vwz"));

    // Renaming to its own name keeps the file it has just written.
    dialogs.Input(L("New"));
    Click("RenameWizardButton");
    EXPECT_EQ(ReadWizard("New.vwz"), bytes);

    // A name whose file cannot be written is reported, and nothing changes.
    exe.MakeDir(L("Wizards/Blocked.vwz"));
    dialogs.Input(L("Blocked"))
        .Box(MsgAnswer::Ok,
             L("Could not save wizard Blocked to ") + WizardsDir() + L("Blocked.vwz"));
    Click("RenameWizardButton");
    EXPECT_EQ(dialogs.shown().back().caption, L("Error"));
    EXPECT_EQ(Captions(), Names({"New", "Other"}));
    EXPECT_EQ(Editor().WizardList.At(0)->Name(), L("New"));
    EXPECT_EQ(ReadWizard("New.vwz"), bytes);
}

TEST_F(WizardWindowTest, DeleteWizardAsksAndDeletesItsFile) {
    PutWizard(L("A.vwz"), Wizard({Snippet("a", {})}));
    PutWizard(L("B.vwz"), Wizard({Snippet("b", {})}));
    PutWizard(L("C.vwz"), Wizard({Snippet("c", {})}));
    Start();
    ShowPage(2);
    ClickWizard(0);
    ExpectWizardShown(0, Names({"a"}));

    dialogs.Box(MsgAnswer::No, kDeleteQuestion);
    Click("DeleteWizardButton");
    EXPECT_EQ(dialogs.shown().back().caption, L("Confirm"));
    EXPECT_EQ(dialogs.shown().back().buttons, MsgButtons::YesNo);
    EXPECT_EQ(Captions(), Names({"A", "B", "C"}));
    EXPECT_TRUE(WizardFileExists("A.vwz"));

    dialogs.Box(MsgAnswer::Yes, kDeleteQuestion);
    Click("DeleteWizardButton");
    EXPECT_EQ(Captions(), Names({"B", "C"}));
    EXPECT_EQ(Tops(), QList<int>({0, 24}));
    ExpectWizardShown(0, Names({"b"}));
    EXPECT_EQ(Items(WizardSelect()), Names({"B", "C"}));
    EXPECT_FALSE(WizardFileExists("A.vwz"));

    // The buttons still select their own wizards after the gap is closed.
    ClickWizard(1);
    ExpectWizardShown(1, Names({"c"}));
    ASSERT_TRUE(CloseWith(MsgAnswer::No));
    EXPECT_FALSE(WizardFileExists("A.vwz"));
}

TEST_F(WizardWindowTest, DeletingTheOnlyWizardLeavesNothingSelected) {
    PutWizard(L("Only.vwz"), Wizard({Snippet("s", {"nop"})}));
    Start();
    ShowPage(2);
    ClickSnippet(0);
    ASSERT_TRUE(Memo()->isVisible());

    dialogs.Box(MsgAnswer::Yes, kDeleteQuestion);
    Click("DeleteWizardButton");
    EXPECT_EQ(Editor().ButtonCount(), 0);
    EXPECT_EQ(Editor().CurrentWizard, -1);
    EXPECT_EQ(SnippetsBox()->count(), 0);
    EXPECT_TRUE(Memo()->isHidden());
    EXPECT_TRUE(Memo()->toPlainText().isEmpty());
    EXPECT_EQ(WizardSelect()->count(), 0);
    EXPECT_FALSE(WizardFileExists("Only.vwz"));

    Click("AddSnippetButton");  // asks nothing
    EXPECT_EQ(dialogs.shown().size(), 1u);
    ASSERT_TRUE(CloseWith(MsgAnswer::No));
    EXPECT_TRUE(QDir(WizardsDir()).entryList(QDir::Files).isEmpty());
}

TEST_F(WizardWindowTest, SnippetCommandsAskAndRefuseTakenNames) {
    PutWizard(L("W.vwz"), Wizard({Snippet("Loop", {"l1"})}));
    Start();
    ShowPage(2);

    dialogs.Input(QString());
    Click("AddSnippetButton");
    EXPECT_EQ(dialogs.shown().back().caption, L("New snippet"));
    EXPECT_EQ(dialogs.shown().back().text, L("Please enter a name for the new snippet."));
    dialogs.Input(L("Loop")).Message(kNameExists);
    Click("AddSnippetButton");
    dialogs.Input(L("loop"));  // letter case counts
    Click("AddSnippetButton");
    EXPECT_EQ(Items(SnippetsBox()), Names({"Loop", "loop"}));
    EXPECT_TRUE(SnippetsBox()->selectedItems().isEmpty());

    // Without a selected snippet, Rename and Delete ask nothing.
    Click("RenameSnippetButton");
    Click("DeleteSnippetButton");
    EXPECT_EQ(dialogs.shown().size(), 4u);

    ClickSnippet(0);
    dialogs.Input(QString());
    Click("RenameSnippetButton");
    EXPECT_EQ(dialogs.shown().back().caption, L("Rename snippet"));
    EXPECT_EQ(dialogs.shown().back().text, L("Please enter the new name for the snippet."));
    dialogs.Input(L("Loop")).Message(kNameExists);  // its own name
    Click("RenameSnippetButton");
    dialogs.Input(L("loop")).Message(kNameExists);
    Click("RenameSnippetButton");
    EXPECT_EQ(Items(SnippetsBox()), Names({"Loop", "loop"}));
    dialogs.Input(L("Start"));
    Click("RenameSnippetButton");
    EXPECT_EQ(Items(SnippetsBox()), Names({"Start", "loop"}));
    EXPECT_EQ(SnippetsBox()->item(0)->toolTip(), L("Start")) << "the whole name, for a narrow list";
    ASSERT_EQ(SnippetsBox()->selectedItems().size(), 1);
    EXPECT_EQ(SnippetsBox()->selectedItems()[0]->text(), L("Start"));
    EXPECT_EQ(SnippetLines(0, "Start"), Names({"l1"}));

    // Delete asks nothing; the editor keeps the text, and edits there change
    // no snippet until another one is clicked.
    Click("DeleteSnippetButton");
    EXPECT_EQ(Items(SnippetsBox()), Names({"loop"}));
    EXPECT_TRUE(SnippetsBox()->selectedItems().isEmpty());
    EXPECT_TRUE(Memo()->isVisible());
    EXPECT_EQ(Memo()->toPlainText(), L("l1\n"));
    TypeAtEnd("typed");
    EXPECT_EQ(SnippetLines(0, "loop"), QStringList());
    EXPECT_EQ(Editor().WizardList.At(0)->SnippetCount(), 1);

    ASSERT_TRUE(CloseWith(MsgAnswer::No));
    EXPECT_EQ(ReadWizard("W.vwz"), Wizard({Snippet("loop", {})}));
}

TEST_F(WizardWindowTest, SnippetEditsAreKeptAcrossClicks) {
    PutWizard(L("W.vwz"), Wizard({Snippet("one", {"mov ax, 1"}), Snippet("two", {"nop", ""}),
                                  Snippet("three", {"a\xA0"
                                                    "b"})}));
    Start();
    ShowPage(2);
    ClickSnippet(0);
    EXPECT_TRUE(Memo()->isVisible());
    EXPECT_EQ(Memo()->toPlainText(), L("mov ax, 1\n"));
    TypeAtEnd("int 21h");
    EXPECT_EQ(SnippetLines(0, "one"), Names({"mov ax, 1", "int 21h"}));

    ClickSnippet(1);
    EXPECT_EQ(Memo()->toPlainText(), L("nop\n\n"));
    // An edit of the first line keeps the empty last line.
    QTest::keyClick(Memo(), Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(Memo(), Qt::Key_End);
    QTest::keyClick(Memo(), Qt::Key_X);
    EXPECT_EQ(SnippetLines(0, "two"), Names({"nopx", ""}));

    ClickSnippet(0);
    EXPECT_EQ(Memo()->toPlainText(), L("mov ax, 1\nint 21h\n"));
    ClickSnippet(1);
    EXPECT_EQ(Memo()->toPlainText(), L("nopx\n\n"));

    // A no-break space (byte A0) is not turned into a blank by an edit.
    ClickSnippet(2);
    QTest::keyClick(Memo(), Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(Memo(), Qt::Key_C);
    EXPECT_EQ(SnippetLines(0, "three"), QStringList({L("ca") + QChar(0xA0) + L("b")}));

    // Another wizard and back: the edits are still there, no snippet open.
    dialogs.Input(L("Other"));
    Click("AddWizardButton");
    ClickWizard(0);
    ExpectWizardShown(0, Names({"one", "two", "three"}));

    ASSERT_TRUE(CloseWith(MsgAnswer::No));
    EXPECT_EQ(ReadWizard("W.vwz"),
              Wizard({Snippet("one", {"mov ax, 1", "int 21h"}), Snippet("two", {"nopx", ""}),
                      Snippet("three", {"ca\xA0"
                                        "b"})}));
}

TEST_F(WizardWindowTest, ChoosingASnippetWithTheArrowKeysShowsIt) {
    PutWizard(L("W.vwz"), Wizard({Snippet("one", {"1"}), Snippet("two", {"2"})}));
    Start();
    ShowPage(2);
    ClickSnippet(0);
    QTest::keyClick(SnippetsBox(), Qt::Key_Down);
    ASSERT_EQ(SnippetsBox()->currentRow(), 1);
    EXPECT_EQ(Memo()->toPlainText(), L("2\n"));
    TypeAtEnd("x");
    EXPECT_EQ(SnippetLines(0, "one"), Names({"1"}));
    EXPECT_EQ(SnippetLines(0, "two"), Names({"2", "x"}));
}

TEST_F(WizardWindowTest, InsertPutsTheSnippetAboveTheCaretLineAndKeepsTheFocus) {
    PutWizard(L("Macros.vwz"), Wizard({Snippet("Push", {"push ax", "push bx"}),
                                       Snippet("Pop", {"pop bx", "pop ax"})}));
    Start();
    TUnit* unit = Unit();
    unit->SetText("l1\r\nl2\r\nl3\r\nl4\r\nline five\r\nl6\r\n");
    unit->Modified = false;
    unit->SetSelection(unit->LineStart(4) + 4, 0);  // in the middle of line 5
    unit->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), unit);

    Pick(WizardSelect(), 0);
    EXPECT_EQ(Items(SnippetSelect()), Names({"Push", "Pop"}));
    EXPECT_EQ(SnippetSelect()->currentIndex(), -1);
    EXPECT_FALSE(InsertButton()->isEnabled());
    Pick(SnippetSelect(), 0);
    EXPECT_TRUE(InsertButton()->isEnabled());

    QTest::mouseClick(InsertButton(), Qt::LeftButton);
    EXPECT_EQ(unit->Text(),
              QByteArray("l1\r\nl2\r\nl3\r\nl4\r\npush ax\r\npush bx\r\nline five\r\nl6\r\n"));
    EXPECT_TRUE(unit->Modified);
    EXPECT_EQ(unit->SelStart(), unit->LineStart(6));
    EXPECT_EQ(QApplication::focusWidget(), unit);

    // "Insert" shows on the Units page only and keeps its enabled state.
    ShowPage(2);
    EXPECT_TRUE(InsertButton()->isHidden());
    EXPECT_TRUE(InsertButton()->isEnabled());
    ShowPage(0);
    EXPECT_TRUE(InsertButton()->isVisible());
    EXPECT_TRUE(InsertButton()->isEnabled());
}

TEST_F(WizardWindowTest, InsertWithoutAUnitDoesNothing) {
    PutWizard(L("Macros.vwz"), Wizard({Snippet("Push", {"push ax"})}));
    Start();
    dialogs.Box(MsgAnswer::No, L("Save changes to project?"));
    Trigger("NewProject1");
    ASSERT_EQ(form->Units().Count(), 0);
    Pick(WizardSelect(), 0);
    Pick(SnippetSelect(), 0);
    ASSERT_TRUE(InsertButton()->isEnabled());
    QTest::mouseClick(InsertButton(), Qt::LeftButton);
    EXPECT_EQ(form->Units().Count(), 0);
    EXPECT_EQ(dialogs.shown().size(), 1u);
}

TEST_F(WizardWindowTest, InsertStaysEnabledWhenAnotherWizardIsPickedAndThenInsertsNothing) {
    PutWizard(L("A.vwz"), Wizard({Snippet("s", {"from a"})}));
    PutWizard(L("B.vwz"), Wizard({Snippet("t", {"from b"})}));
    Start();
    Pick(WizardSelect(), 0);
    Pick(SnippetSelect(), 0);
    ASSERT_TRUE(InsertButton()->isEnabled());

    Pick(WizardSelect(), 1);
    EXPECT_EQ(Items(SnippetSelect()), Names({"t"}));
    EXPECT_EQ(SnippetSelect()->currentIndex(), -1);
    EXPECT_TRUE(InsertButton()->isEnabled());
    QTest::mouseClick(InsertButton(), Qt::LeftButton);
    EXPECT_TRUE(Unit()->Text().isEmpty());
    EXPECT_FALSE(Unit()->Modified);

    // A new wizard refills the wizard list with nothing picked; the snippet
    // list stays as it was, and Insert again inserts nothing.
    Pick(SnippetSelect(), 0);
    ShowPage(2);
    dialogs.Input(L("C"));
    Click("AddWizardButton");
    ShowPage(0);
    EXPECT_EQ(Items(WizardSelect()), Names({"A", "B", "C"}));
    EXPECT_EQ(WizardSelect()->currentIndex(), -1);
    EXPECT_EQ(Items(SnippetSelect()), Names({"t"}));
    EXPECT_TRUE(InsertButton()->isEnabled());
    QTest::mouseClick(InsertButton(), Qt::LeftButton);
    EXPECT_TRUE(Unit()->Text().isEmpty());
}

TEST_F(WizardWindowTest, TheEditorShowsOnTheWizardsPageOnlyAndKeepsItsState) {
    PutWizard(L("A.vwz"), Wizard({Snippet("s", {"nop"})}));
    PutWizard(L("B.vwz"), Wizard({}));
    Start();
    ShowPage(2);
    EXPECT_TRUE(WizardEdit()->isVisible());
    EXPECT_FALSE(Unit()->isVisible());
    ClickWizard(0);
    ClickSnippet(0);
    for (int page : {0, 1}) {
        ShowPage(page);
        EXPECT_TRUE(WizardEdit()->isHidden()) << page;
        ShowPage(2);
        EXPECT_TRUE(WizardEdit()->isVisible());
        EXPECT_EQ(Editor().CurrentWizard, 0);
        EXPECT_EQ(Pressed(), QList<bool>({true, false}));
        EXPECT_TRUE(Memo()->isVisible());
        EXPECT_EQ(Memo()->toPlainText(), L("nop\n"));
    }
}

TEST_F(WizardWindowTest, WizardEditResizeFollowsThePanel) {
    PutWizard(L("A.vwz"), Wizard({Snippet("s", {"nop"})}));
    Start();
    ShowPage(2);
    ClickSnippet(0);

    EXPECT_EQ(SnippetsBox()->geometry().topLeft(), QPoint(0, 8));
    EXPECT_EQ(SnippetsBox()->width(), 161);
    const char* buttons[] = {"AddWizardButton",  "DeleteWizardButton",  "RenameWizardButton",
                             "AddSnippetButton", "DeleteSnippetButton", "RenameSnippetButton"};
    const char* captions[] = {"New Wizard",  "Delete Wizard",  "Rename Wizard",
                              "New Snippet", "Delete Snippet", "Rename Snippet"};
    for (int i = 0; i < 6; ++i) {
        auto* b = Find<QToolButton>(buttons[i]);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), L(captions[i]));
        EXPECT_EQ(b->geometry(), QRect(168, 8 + 24 * i, 108, 25)) << buttons[i];
        EXPECT_TRUE(b->autoRaise());
        EXPECT_LT(b->fontMetrics().horizontalAdvance(b->text()), b->width())
            << "caption clipped: " << captions[i];
    }
    EXPECT_EQ(Memo()->geometry().topLeft(), QPoint(284, 8));
    EXPECT_EQ(Memo()->font().pixelSize(), 13);
    EXPECT_EQ(Memo()->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(Memo()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(Memo()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    for (const QSize window : {QSize(739, 555), QSize(1000, 700), QSize(640, 420)}) {
        form->resize(window);
        QApplication::processEvents();
        const QSize panel = WizardEdit()->size();
        ASSERT_EQ(panel, WizardEdit()->parentWidget()->size()) << "fills the work area";
        EXPECT_EQ(SnippetsBox()->height(), panel.height() - 19);
        EXPECT_EQ(Memo()->width(), panel.width() - 296);
        EXPECT_EQ(Memo()->height(), panel.height() - 19);
    }
}

}  // namespace
