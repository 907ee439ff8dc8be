#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "platform/PosixSystem.h"
#include "store/RecordFile.h"
#include "support/RecordBytes.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "wizards/Wizards.h"

using namespace RecordBytes;

namespace {

QString L(const char* text) { return QString::fromLatin1(text); }

std::unique_ptr<TSnippet> Snippet(const char* name, QStringList lines) {
    auto s = std::make_unique<TSnippet>();
    s->Name = L(name);
    s->Lines = std::move(lines);
    return s;
}

QStringList SnippetNames(const TWizard& w) {
    QStringList names;
    for (const auto& s : w.Snippets()) names << s->Name;
    return names;
}

QStringList WizardNames(const TWizardList& list) {
    QStringList names;
    for (int i = 0; i < list.Count(); ++i) names << list.At(i)->Name();
    return names;
}

const QByteArray kHeader = QByteArray::fromHex(
    "14000000"
    "56656c6d6f72612057697a6172642046696c6500"  // "Velmora Wizard File"
    "05000000"
    "76312e6100");  // "v1.a"

// The snippet push with the lines push ax and push bx.
const QByteArray kPushSnippet = QByteArray::fromHex(
    "05000000"
    "7075736800"  // push
    "02000000"    // two lines
    "08000000"
    "7075736820617800"  // the seven bytes of push ax and a zero
    "08000000"
    "7075736820627800"  // push bx
);

class WizardFiles : public ::testing::Test {
protected:
    QString Dir() const { return exe_.path() + L("Wizards/"); }
    QString Write(const char* name, const QByteArray& bytes) const {
        return exe_.Write(L("Wizards/") + L(name), bytes);
    }
    QByteArray Read(const QString& name) const { return TempDir::Read(Dir() + name); }

    TempDir exe_;
    ScriptedDialogs dialogs_;
};

}  // namespace

TEST_F(WizardFiles, SnippetRecordAndHeaderAreByteExact) {
    RecordWriter w;
    Snippet("push", {L("push ax"), L("push bx")})->WriteTo(w);
    EXPECT_EQ(w.data().toHex(), kPushSnippet.toHex());

    TWizard wizard(L("Stack"));
    wizard.AddSnippet(Snippet("push", {L("push ax"), L("push bx")}));
    ASSERT_TRUE(wizard.SaveToFile(Dir()));  // also creates the missing Wizards directory
    EXPECT_EQ(Read(L("Stack.vwz")).toHex(), (kHeader + Int(1) + kPushSnippet).toHex());

    TWizard loaded(L("Stack"));
    ASSERT_TRUE(loaded.LoadFromFile(Dir(), L("Stack.vwz"), dialogs_));
    ASSERT_EQ(loaded.SnippetCount(), 1);
    EXPECT_EQ(loaded.SnippetAt(0)->Name, L("push"));
    EXPECT_EQ(loaded.SnippetAt(0)->Lines, QStringList({L("push ax"), L("push bx")}));
}

TEST_F(WizardFiles, EmptyWizardAndSnippetWithoutLinesRoundTrip) {
    TWizard empty(L("Empty"));
    ASSERT_TRUE(empty.SaveToFile(Dir()));
    EXPECT_EQ(Read(L("Empty.vwz")), kHeader + Int(0));

    TWizard sparse(L("Sparse"));
    sparse.AddSnippet(Snippet("blank", {}));
    // An empty line and bytes above 127 are kept as they are.
    sparse.AddSnippet(Snippet("odd", {QString(), QString(QChar(0x00E9)) + QChar(0x20AC)}));
    ASSERT_TRUE(sparse.SaveToFile(Dir()));
    EXPECT_EQ(
        Read(L("Sparse.vwz")).toHex(),
        (kHeader + Int(2) + Str("blank") + Int(0) + Str("odd") + Strs({"", "\xE9\x80"})).toHex());

    TWizardList list;
    ASSERT_TRUE(list.AddFromFile(Dir(), L("Empty.vwz"), dialogs_));
    ASSERT_TRUE(list.AddFromFile(Dir(), L("Sparse.vwz"), dialogs_));
    EXPECT_EQ(list.At(0)->SnippetCount(), 0);
    const TWizard& back = *list.At(1);
    EXPECT_EQ(SnippetNames(back), QStringList({L("blank"), L("odd")}));
    EXPECT_TRUE(back.SnippetAt(0)->Lines.isEmpty());
    EXPECT_EQ(back.SnippetAt(1)->Lines, sparse.SnippetAt(1)->Lines);
}

TEST_F(WizardFiles, LoadAllTakesTheDirectoryOrderAndSkipsRefusedFiles) {
    const QByteArray good = kHeader + Int(1) + kPushSnippet;
    Write("Gamma.vwz", good);
    Write("Broken.vwz", "not a wizard");
    Write("Delta.vwz", Str("Velmora Wizard File") + Str("v1.1") + Int(0));
    Write("alpha.vwz", good);
    Write("Notes.txt", "ignored");
    exe_.MakeDir(L("Wizards/Folder.vwz"));  // found by the search, cannot be read
    dialogs_.Box(MsgAnswer::Ok, L("Broken.vwz is not a valid wizard file."))
        .Box(MsgAnswer::Cancel, L("Incorrect file version..."))
        .Box(MsgAnswer::Ok, L("Folder.vwz is not a valid wizard file."));

    TWizardList list;
    PosixSystem system(exe_.path());
    EXPECT_EQ(list.LoadAll(Dir(), system, dialogs_), 2);
    EXPECT_EQ(WizardNames(list), QStringList({L("alpha"), L("Gamma")}));
    for (const auto& box : dialogs_.shown()) {
        EXPECT_EQ(box.caption, L("Error"));
        EXPECT_EQ(box.buttons, MsgButtons::OkCancel);
    }
    // Saving at close leaves the refused files alone.
    ASSERT_TRUE(list.SaveAll(Dir(), dialogs_));
    EXPECT_EQ(Read(L("Broken.vwz")), QByteArray("not a wizard"));
}

TEST_F(WizardFiles, NoOrEmptyWizardsDirectoryLoadsNothingQuietly) {
    PosixSystem system(exe_.path());
    TWizardList list;
    EXPECT_EQ(list.LoadAll(Dir(), system, dialogs_), 0);
    exe_.MakeDir(L("Wizards"));
    EXPECT_EQ(list.LoadAll(Dir(), system, dialogs_), 0);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(WizardFiles, ADottedFileLoadsUnderItsFirstPartAndIsSavedUnderThatName) {
    const QByteArray original = kHeader + Int(1) + kPushSnippet;
    Write("My.Macros.vwz", original);
    TWizardList list;
    ASSERT_TRUE(list.AddFromFile(Dir(), L("My.Macros.vwz"), dialogs_));
    EXPECT_EQ(list.At(0)->Name(), L("My"));
    list.At(0)->AddSnippet(Snippet("pop", {L("pop bx")}));
    ASSERT_TRUE(list.SaveAll(Dir(), dialogs_));
    EXPECT_EQ(Read(L("My.vwz")), kHeader + Int(2) + kPushSnippet + Str("pop") + Strs({"pop bx"}));
    EXPECT_EQ(Read(L("My.Macros.vwz")), original);
}

TEST_F(WizardFiles, OfTwoWizardsWithOneNameTheLaterOneWinsTheFile) {
    TWizardList list;
    list.Add(std::make_unique<TWizard>(L("Twin")))->AddSnippet(Snippet("first", {}));
    list.Add(std::make_unique<TWizard>(L("Twin")))->AddSnippet(Snippet("second", {}));
    ASSERT_TRUE(list.SaveAll(Dir(), dialogs_));
    EXPECT_EQ(Read(L("Twin.vwz")), kHeader + Int(1) + Str("second") + Int(0));
}

// Damage after a sound header: the complete snippets are kept, one box names
// the file, and the wizard is still loaded.
TEST_F(WizardFiles, DamagedFilesKeepTheSnippetsReadBeforeTheDamage) {
    const QByteArray a = Str("A") + Strs({"mov ax, 1"});
    const QByteArray b = Str("B") + Strs({"ret"});
    struct Case {
        const char* name;
        QByteArray afterHeader;
        QStringList kept;
    };
    const Case cases[] = {
        {"ends before the count", QByteArray::fromHex("0200"), {}},
        {"ends right after the count", Int(2), {}},
        {"ends inside the second snippet",
         Int(2) + a + Str("B") + Int(1) + Int(4) + "re",
         {L("A")}},
        {"count far beyond the file", Int(0x7FFFFFFF) + a + b, {L("A"), L("B")}},
        {"negative count", Int(-1) + a, {}},
        {"negative line count", Int(2) + a + Str("B") + Int(-2) + Str("ret"), {L("A")}},
        {"line count beyond the file", Int(2) + a + Str("B") + Int(1000000) + Str("ret"), {L("A")}},
        {"name length zero", Int(2) + a + Int(0) + Strs({}), {L("A")}},
        {"name length beyond the file", Int(2) + a + Int(0x40000000) + "B", {L("A")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Write("Hurt.vwz", kHeader + c.afterHeader);
        ScriptedDialogs dialogs;
        dialogs.Box(MsgAnswer::Ok,
                    L("Hurt.vwz is damaged; the snippets read before the damage were kept."));
        TWizardList list;
        ASSERT_TRUE(list.AddFromFile(Dir(), L("Hurt.vwz"), dialogs));
        EXPECT_EQ(list.At(0)->Name(), L("Hurt"));
        EXPECT_EQ(SnippetNames(*list.At(0)), c.kept);
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].caption, L("Error"));
        EXPECT_EQ(dialogs.shown()[0].buttons, MsgButtons::OkCancel);
    }
}

TEST_F(WizardFiles, AWizardThatCannotBeWrittenIsReportedByName) {
    // The Wizards "directory" is a file: nothing can be written below it.
    exe_.Write(L("Wizards"), "a file");
    TWizardList list;
    list.Add(std::make_unique<TWizard>(L("Alpha")))->AddSnippet(Snippet("s", {L("nop")}));
    dialogs_.Box(MsgAnswer::Ok, L("Could not save wizard Alpha to ") + Dir() + L("Alpha.vwz"));
    EXPECT_FALSE(list.SaveAll(Dir(), dialogs_));
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.shown()[0].caption, L("Error"));
    EXPECT_EQ(dialogs_.shown()[0].buttons, MsgButtons::OkCancel);
}

TEST_F(WizardFiles, OneUnwritableWizardDoesNotStopTheOthers) {
    exe_.MakeDir(L("Wizards/Blocked.vwz"));  // a directory where the file should go
    TWizardList list;
    list.Add(std::make_unique<TWizard>(L("Blocked")));
    list.Add(std::make_unique<TWizard>(L("a/../../Escape")));
    list.Add(std::make_unique<TWizard>(L("Fine")));
    dialogs_.Box(MsgAnswer::Ok, L("Could not save wizard Blocked to ") + Dir() + L("Blocked.vwz"))
        .Box(MsgAnswer::Ok,
             L("Could not save wizard a/../../Escape to ") + Dir() + L("a/../../Escape.vwz"));
    EXPECT_FALSE(list.SaveAll(Dir(), dialogs_));
    EXPECT_EQ(Read(L("Fine.vwz")), kHeader + Int(0));
    EXPECT_TRUE(QFileInfo(Dir() + L("Blocked.vwz")).isDir());
    EXPECT_FALSE(QFileInfo::exists(exe_.path() + L("../Escape.vwz")));
}

TEST(WizardNames, ValidityTable) {
    const std::pair<QString, bool> cases[] = {
        {L("Macros"), true},
        {L("DOS COM"), true},
        {L(" padded "), true},
        {QString(QChar(0x00C4)) + L("rger"), true},
        {QString(), false},
        {L("   "), false},
        {L("."), false},
        {L(".."), false},
        {L("..."), false},
        // Saved as My.Macros.vwz, it would come back as the wizard My.
        {L("My.Macros"), false},
        {L("Trailing."), false},
        {QString(244, QLatin1Char('a')), true},
        {QString(245, QLatin1Char('a')), false},
        // Two bytes each in the file name.
        {QString(122, QChar(0x00E9)), true},
        {QString(123, QChar(0x00E9)), false},
        {L("a/b"), false},
        {L("a\\b"), false},
        {L("C:x"), false},
        {L("tab\there"), false},
        {L("line\nbreak"), false},
        {QString(QChar(0x7F)), false},
        {L("x") + QChar(0x0081), false},  // an undefined windows-1252 byte
    };
    for (const auto& [name, valid] : cases) {
        EXPECT_EQ(IsValidWizardName(name), valid) << name.toStdString();
    }
}

// Every close rewrites the file, so the longest name must survive a replace,
// which goes through a temporary file with a longer name.
TEST_F(WizardFiles, TheLongestValidNameCanBeSavedOverItsOldFile) {
    TWizard wizard(QString(244, QLatin1Char('a')));
    ASSERT_TRUE(IsValidWizardName(wizard.Name()));
    ASSERT_TRUE(wizard.SaveToFile(Dir()));
    wizard.AddSnippet(Snippet("s", {}));
    EXPECT_TRUE(wizard.SaveToFile(Dir()));
    EXPECT_EQ(Read(wizard.Name() + L(".vwz")), kHeader + Int(1) + Str("s") + Int(0));
}

TEST_F(WizardFiles, DeleteAndRenameNeverLeaveTheWizardsDirectory) {
    const QString outside = exe_.Write(L("Victim.vwz"), "keep");
    Write("Alpha.vwz", "x");
    EXPECT_FALSE(DeleteWizardFile(Dir(), L("../Victim")));
    EXPECT_TRUE(QFileInfo::exists(outside));
    EXPECT_TRUE(DeleteWizardFile(Dir(), L("Alpha")));
    EXPECT_FALSE(QFileInfo::exists(Dir() + L("Alpha.vwz")));
    EXPECT_FALSE(DeleteWizardFile(Dir(), L("Alpha")));

    TWizard wizard(L("Old"));
    EXPECT_FALSE(RenameWizardFile(wizard, Dir(), L("../Victim")));
    EXPECT_EQ(wizard.Name(), L("Old"));
    EXPECT_EQ(TempDir::Read(outside), QByteArray("keep"));
}

TEST_F(WizardFiles, RenameWritesTheNewFileBeforeDeletingTheOld) {
    TWizard wizard(L("Old"));
    wizard.AddSnippet(Snippet("s", {L("nop")}));
    ASSERT_TRUE(wizard.SaveToFile(Dir()));
    const QByteArray bytes = Read(L("Old.vwz"));

    // The new file cannot be written: the wizard keeps its name and its file.
    exe_.MakeDir(L("Wizards/Blocked.vwz"));
    EXPECT_FALSE(RenameWizardFile(wizard, Dir(), L("Blocked")));
    EXPECT_EQ(wizard.Name(), L("Old"));
    EXPECT_EQ(Read(L("Old.vwz")), bytes);

    ASSERT_TRUE(RenameWizardFile(wizard, Dir(), L("New")));
    EXPECT_EQ(wizard.Name(), L("New"));
    EXPECT_EQ(Read(L("New.vwz")), bytes);
    EXPECT_FALSE(QFileInfo::exists(Dir() + L("Old.vwz")));

    // Renaming to the same name must not delete the file it has just written.
    ASSERT_TRUE(RenameWizardFile(wizard, Dir(), L("New")));
    EXPECT_EQ(Read(L("New.vwz")), bytes);
}

TEST(WizardModel, SnippetsAreFoundAndRemovedByExactNameFirstMatchOnly) {
    TWizard wizard(L("W"));
    TSnippet* first = wizard.AddSnippet(Snippet("Loop", {L("1")}));
    wizard.AddSnippet(Snippet("loop", {L("2")}));
    TSnippet* second = wizard.AddSnippet(Snippet("Loop", {L("3")}));
    EXPECT_EQ(wizard.FindSnippet(L("Loop")), first);
    EXPECT_EQ(wizard.FindSnippet(L("LOOP")), nullptr);
    EXPECT_EQ(wizard.SnippetAt(3), nullptr);
    EXPECT_EQ(wizard.SnippetAt(-1), nullptr);

    EXPECT_TRUE(wizard.RemoveSnippet(L("Loop")));
    EXPECT_EQ(SnippetNames(wizard), QStringList({L("loop"), L("Loop")}));
    EXPECT_EQ(wizard.FindSnippet(L("Loop")), second);
    EXPECT_FALSE(wizard.RemoveSnippet(L("none")));
    EXPECT_EQ(wizard.SnippetCount(), 2);

    TWizardList list;
    list.Add(std::make_unique<TWizard>(L("A")));
    list.Add(std::make_unique<TWizard>(L("B")));
    list.Delete(0);
    list.Delete(5);
    EXPECT_EQ(WizardNames(list), QStringList({L("B")}));
}
