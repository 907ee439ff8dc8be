// The unit list and the unit commands: selector buttons, New Unit, Open,
// Save, Save As, Remove and the Edit commands.
#include <QAbstractButton>
#include <QClipboard>
#include <QFile>
#include <QToolButton>

#include "units/ui/UnitHost.h"

namespace {

using UnitListTest = UnitHostTest;

const QString kFilter = QStringLiteral("Assembly Files (*.asm)|*.asm|All Files (*.*)|*.*");

QStringList Names(std::initializer_list<const char*> names) {
    QStringList list;
    for (const char* n : names) list << QString::fromLatin1(n);
    return list;
}

QStringList Captions(const UnitManager& units) {
    QStringList captions;
    for (int i = 0; i < units.Count(); ++i) captions << units.ButtonAt(i)->text();
    return captions;
}

QList<int> Tops(const UnitManager& units) {
    QList<int> tops;
    for (int i = 0; i < units.Count(); ++i) tops << units.ButtonAt(i)->geometry().top();
    return tops;
}

// Exactly the current unit is shown, and its button is the one pressed.
void ExpectShown(const UnitManager& units, int current) {
    EXPECT_EQ(units.CurrentUnit(), current);
    for (int i = 0; i < units.Count(); ++i) {
        EXPECT_EQ(units.At(i)->isVisible(), i == current) << "unit " << i;
        EXPECT_EQ(units.ButtonAt(i)->isChecked(), i == current) << "button " << i;
    }
}

TEST_F(UnitListTest, NewUnitsGetButtonsOneBelowTheOther) {
    EXPECT_EQ(units->CurrentUnit(), -1);
    for (int i = 0; i < 3; ++i) units->NewUnit();
    EXPECT_EQ(Captions(*units), Names({"Unit1.asm", "Unit2.asm", "Unit3.asm"}));
    EXPECT_EQ(Tops(*units), QList<int>({0, 24, 48}));
    ExpectShown(*units, 2);
    for (int i = 0; i < 3; ++i) {
        auto* button = qobject_cast<QToolButton*>(units->ButtonAt(i));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->parentWidget(), unitsPage);
        EXPECT_EQ(button->width(), 136);
        EXPECT_EQ(button->geometry().left(), 0);
        EXPECT_TRUE(button->autoRaise()) << "flat";
        EXPECT_TRUE(button->isCheckable());
        EXPECT_FALSE(units->At(i)->HasFile);
        EXPECT_FALSE(units->At(i)->Modified);
        EXPECT_EQ(units->At(i)->StatusPanel, status);
        EXPECT_EQ(units->At(i)->parentWidget(), workArea);
    }
    EXPECT_GE(unitsPage->height(), 48 + units->ButtonAt(2)->height());
    // The shown editor fills the work area.
    QApplication::processEvents();
    EXPECT_EQ(units->Current()->geometry(),
              workArea->contentsRect().marginsRemoved(workArea->layout()->contentsMargins()));
}

TEST_F(UnitListTest, NewUnitTakesTheSmallestFreeNumber) {
    for (int i = 0; i < 3; ++i) units->NewUnit();
    units->SelectUnit(1);
    units->RemoveUnit();
    units->NewUnit();
    EXPECT_EQ(units->Current()->FileName, QStringLiteral("Unit2.asm"));
    // A unit with a full path does not block its number.
    units->At(0)->FileName = files.File(QStringLiteral("Unit1.asm"));
    units->NewUnit();
    EXPECT_EQ(units->Current()->FileName, QStringLiteral("Unit1.asm"));
}

TEST_F(UnitListTest, ButtonClickSelectsItsUnit) {
    for (int i = 0; i < 3; ++i) units->NewUnit();
    QTest::mouseClick(units->ButtonAt(0), Qt::LeftButton);
    ExpectShown(*units, 0);
    QTest::mouseClick(units->ButtonAt(1), Qt::LeftButton);
    ExpectShown(*units, 1);
    // Selecting does not move the focus.
    EXPECT_NE(QApplication::focusWidget(), units->At(1));
}

TEST_F(UnitListTest, SelectBeyondTheEndAndHide) {
    units->NewUnit();
    units->NewUnit();
    units->HideUnits();
    EXPECT_EQ(units->CurrentUnit(), 1);
    EXPECT_FALSE(units->At(0)->isVisible());
    EXPECT_FALSE(units->At(1)->isVisible());
    units->SelectUnit(2);
    EXPECT_EQ(units->CurrentUnit(), -1);
    EXPECT_EQ(units->Current(), nullptr);
}

TEST_F(UnitListTest, OpenAddsTheFileAsANewUnit) {
    const QString path = files.Write(QStringLiteral("hello.asm"), "mov ax,1\nret\n");
    units->NewUnit();
    dialogs.Open(path).Open(path);
    ASSERT_TRUE(units->OpenUnit());
    ASSERT_TRUE(units->OpenUnit());
    const auto& shown = dialogs.shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].file.filter, kFilter);
    EXPECT_EQ(shown[0].file.initialDir, QStringLiteral("Projects"));
    EXPECT_TRUE(shown[0].file.defaultExt.isEmpty());
    EXPECT_TRUE(shown[0].file.fileName.isEmpty());
    // The same file twice gives two independent units with the same caption.
    EXPECT_EQ(Captions(*units), Names({"Unit1.asm", "hello.asm", "hello.asm"}));
    ExpectShown(*units, 2);
    TUnit* unit = units->Current();
    EXPECT_EQ(unit->FileName, path);
    EXPECT_TRUE(unit->HasFile);
    EXPECT_FALSE(unit->Modified);
    EXPECT_EQ(unit->Text(), QByteArray("mov ax,1\r\nret\r\n"));
}

TEST_F(UnitListTest, OpenCancelledChangesNothing) {
    units->NewUnit();
    dialogs.Open(std::nullopt);
    EXPECT_FALSE(units->OpenUnit());
    EXPECT_EQ(units->Count(), 1);
    ExpectShown(*units, 0);
}

TEST_F(UnitListTest, OpenOfAnUnreadableFileSaysSoAndAddsNoUnit) {
    units->NewUnit();
    for (const QString& path :
         {files.File(QStringLiteral("missing.asm")), files.MakeDir(QStringLiteral("folder.asm"))}) {
        dialogs.Open(path).Box(MsgAnswer::Ok, QStringLiteral("Could not open ") + path);
        EXPECT_FALSE(units->OpenUnit());
        EXPECT_EQ(dialogs.shown().back().caption, QStringLiteral("Error"));
        EXPECT_EQ(dialogs.shown().back().buttons, MsgButtons::OkCancel);
        EXPECT_EQ(units->Count(), 1);
        ExpectShown(*units, 0);
    }
}

TEST_F(UnitListTest, SaveOfANewUnitAsksForAName) {
    units->NewUnit();
    TUnit* unit = units->Current();
    unit->SetText("mov ax,1\r\n");
    const QString path = files.File(QStringLiteral("a.asm"));
    dialogs.Save(path);
    ASSERT_TRUE(units->SaveUnit());
    const auto& dialog = dialogs.shown().back().file;
    EXPECT_EQ(dialog.fileName, QStringLiteral("Unit1.asm"));
    EXPECT_EQ(dialog.filter, kFilter);
    EXPECT_EQ(dialog.defaultExt, QStringLiteral("asm"));
    EXPECT_EQ(dialog.initialDir, QStringLiteral("Projects"));
    EXPECT_EQ(units->ButtonAt(0)->text(), QStringLiteral("a.asm"));
    EXPECT_EQ(unit->FileName, path);
    EXPECT_TRUE(unit->HasFile);
    EXPECT_FALSE(unit->Modified);
    EXPECT_EQ(TempDir::Read(path), QByteArray("mov ax,1\r\n"));

    // From now on Save writes without a dialog.
    unit->SetText("ret\r\n");
    ASSERT_TRUE(units->SaveUnit());
    EXPECT_EQ(TempDir::Read(path), QByteArray("ret\r\n"));
    EXPECT_EQ(dialogs.shown().size(), 1u);
}

TEST_F(UnitListTest, SaveAsProposesTheFileNamePart) {
    const QString path = files.Write(QStringLiteral("work/a.asm"), "x");
    dialogs.Open(path);
    ASSERT_TRUE(units->OpenUnit());
    const QString other = files.File(QStringLiteral("b.asm"));
    dialogs.Save(other);
    ASSERT_TRUE(units->SaveUnitAs());
    EXPECT_EQ(dialogs.shown().back().file.fileName, QStringLiteral("a.asm"));
    EXPECT_EQ(units->Current()->FileName, other);
    EXPECT_EQ(units->ButtonAt(0)->text(), QStringLiteral("b.asm"));
    EXPECT_EQ(TempDir::Read(other), QByteArray("x"));

    dialogs.Save(std::nullopt);
    EXPECT_FALSE(units->SaveUnitAs());
    EXPECT_EQ(units->Current()->FileName, other);
}

TEST_F(UnitListTest, SaveThatCannotWriteSaysSo) {
    const QString path = files.Write(QStringLiteral("gone/a.asm"), "x");
    dialogs.Open(path);
    ASSERT_TRUE(units->OpenUnit());
    TUnit* unit = units->Current();
    unit->SetText("typed\r\n");
    QDir(files.File(QStringLiteral("gone"))).removeRecursively();
    dialogs.Box(MsgAnswer::Ok, QStringLiteral("Could not save file"));
    EXPECT_FALSE(units->SaveUnit());
    EXPECT_EQ(dialogs.shown().back().caption, QStringLiteral("Error"));
    EXPECT_EQ(dialogs.shown().back().buttons, MsgButtons::OkCancel);
    EXPECT_TRUE(unit->Modified);
    EXPECT_EQ(unit->Text(), QByteArray("typed\r\n"));
}

TEST_F(UnitListTest, SaveAsThatCannotWriteKeepsTheUnit) {
    files.Write(QStringLiteral("plain"), "x");
    units->NewUnit();
    units->Current()->SetText("typed");
    dialogs.Save(files.File(QStringLiteral("plain/a.asm")))
        .Box(MsgAnswer::Cancel, QStringLiteral("Could not save file"));
    EXPECT_FALSE(units->SaveUnit());
    EXPECT_EQ(units->Current()->FileName, QStringLiteral("Unit1.asm"));
    EXPECT_FALSE(units->Current()->HasFile);
    EXPECT_TRUE(units->Current()->Modified);
    EXPECT_EQ(units->ButtonAt(0)->text(), QStringLiteral("Unit1.asm"));
}

TEST_F(UnitListTest, RemoveAnUnmodifiedUnitAsksNothing) {
    units->NewUnit();
    units->NewUnit();
    units->RemoveUnit();
    EXPECT_EQ(units->Count(), 1);
    EXPECT_EQ(Captions(*units), Names({"Unit1.asm"}));
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(UnitListTest, RemoveAModifiedUnit) {
    const QString question = QStringLiteral("File is modified, save changes?");
    units->NewUnit();
    units->Current()->SetText("typed");

    dialogs.Box(MsgAnswer::Cancel, question);
    units->RemoveUnit();
    EXPECT_EQ(units->Count(), 1);
    EXPECT_EQ(dialogs.shown().back().caption, QStringLiteral("Confirm"));
    EXPECT_EQ(dialogs.shown().back().buttons, MsgButtons::YesNoCancel);

    dialogs.Box(MsgAnswer::No, question);
    units->RemoveUnit();
    EXPECT_EQ(units->Count(), 0);
    EXPECT_EQ(units->CurrentUnit(), -1);

    // Yes on a unit without a file and a cancelled save dialog: removed unsaved.
    units->NewUnit();
    units->Current()->SetText("typed");
    dialogs.Box(MsgAnswer::Yes, question).Save(std::nullopt);
    units->RemoveUnit();
    EXPECT_EQ(units->Count(), 0);
    EXPECT_EQ(dialogs.shown().back().file.fileName, QStringLiteral("Unit1.asm"));
}

TEST_F(UnitListTest, RemoveAnsweredYesSavesFirst) {
    const QString path = files.Write(QStringLiteral("a.asm"), "old");
    dialogs.Open(path);
    ASSERT_TRUE(units->OpenUnit());
    units->Current()->SetText("new");
    dialogs.Box(MsgAnswer::Yes);
    units->RemoveUnit();
    EXPECT_EQ(units->Count(), 0);
    EXPECT_EQ(TempDir::Read(path), QByteArray("new"));

    units->NewUnit();
    units->Current()->SetText("fresh");
    const QString chosen = files.File(QStringLiteral("fresh.asm"));
    dialogs.Box(MsgAnswer::Yes).Save(chosen);
    units->RemoveUnit();
    EXPECT_EQ(units->Count(), 0);
    EXPECT_EQ(TempDir::Read(chosen), QByteArray("fresh"));
}

TEST_F(UnitListTest, RemoveWhoseSaveFailsKeepsTheUnit) {
    const QString path = files.Write(QStringLiteral("gone/a.asm"), "old");
    dialogs.Open(path);
    ASSERT_TRUE(units->OpenUnit());
    units->Current()->SetText("typed");
    QDir(files.File(QStringLiteral("gone"))).removeRecursively();
    dialogs.Box(MsgAnswer::Yes).Box(MsgAnswer::Ok, QStringLiteral("Could not save file"));
    units->RemoveUnit();
    EXPECT_EQ(units->Count(), 1);
    EXPECT_EQ(units->Current()->Text(), QByteArray("typed"));
    EXPECT_TRUE(units->Current()->Modified);

    files.Write(QStringLiteral("plain"), "x");
    units->NewUnit();
    units->Current()->SetText("typed");
    dialogs.Box(MsgAnswer::Yes)
        .Save(files.File(QStringLiteral("plain/b.asm")))
        .Box(MsgAnswer::Ok, QStringLiteral("Could not save file"));
    units->RemoveUnit();
    EXPECT_EQ(units->Count(), 2);
    EXPECT_EQ(units->Current()->FileName, QStringLiteral("Unit1.asm"));
}

TEST_F(UnitListTest, RemovingTheThirdOfFourClosesTheGap) {
    for (int i = 0; i < 4; ++i) units->NewUnit();
    units->SelectUnit(2);
    units->RemoveUnit();
    EXPECT_EQ(Captions(*units), Names({"Unit1.asm", "Unit2.asm", "Unit4.asm"}));
    EXPECT_EQ(Tops(*units), QList<int>({0, 24, 48}));
    ExpectShown(*units, 0);
}

TEST_F(UnitListTest, WithoutUnitsTheCommandsDoNothing) {
    units->NewUnit();
    units->RemoveUnit();
    ASSERT_EQ(units->CurrentUnit(), -1);
    QApplication::clipboard()->setText(QStringLiteral("x"));
    units->Copy();
    units->Cut();
    units->Paste();
    units->Delete();
    EXPECT_FALSE(units->SaveUnit());
    EXPECT_FALSE(units->SaveUnitAs());
    units->RemoveUnit();
    units->GotoLine();
    units->FindDialogFind();
    units->ReplaceDialogReplace();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(unitsPage->height(), 0);
}

TEST_F(UnitListTest, EditCommandsActOnTheCurrentUnit) {
    TUnit* other = UnitWith("other");
    TUnit* unit = UnitWith("mov ax, bx");
    unit->SetSelection(4, 2);
    units->Copy();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("ax"));
    EXPECT_FALSE(unit->Modified);
    units->Cut();
    EXPECT_EQ(unit->Text(), QByteArray("mov , bx"));
    EXPECT_TRUE(unit->Modified);
    unit->SetSelection(7, 0);
    units->Paste();
    EXPECT_EQ(unit->Text(), QByteArray("mov , baxx"));
    // Delete clears the selection only; with none it deletes nothing.
    unit->SetSelection(0, 4);
    units->Delete();
    EXPECT_EQ(unit->Text(), QByteArray(", baxx"));
    units->Delete();
    EXPECT_EQ(unit->Text(), QByteArray(", baxx"));
    EXPECT_EQ(other->Text(), QByteArray("other"));
}

TEST_F(UnitListTest, RemoveUnitAtAndCloseAll) {
    for (int i = 0; i < 3; ++i) units->NewUnit();
    units->SelectUnit(2);
    units->RemoveUnitAt(0);
    EXPECT_EQ(Captions(*units), Names({"Unit2.asm", "Unit3.asm"}));
    EXPECT_EQ(Tops(*units), QList<int>({0, 24}));
    ExpectShown(*units, 1);
    // Removing the current unit leaves none current until the next one is added.
    units->RemoveUnitAt(1);
    EXPECT_EQ(units->CurrentUnit(), -1);
    EXPECT_FALSE(units->At(0)->isVisible());
    units->NewUnit();
    ExpectShown(*units, 1);

    units->CloseAllUnits();
    EXPECT_EQ(units->Count(), 0);
    EXPECT_EQ(units->CurrentUnit(), -1);
    EXPECT_TRUE(unitsPage->findChildren<QAbstractButton*>().isEmpty());
    EXPECT_TRUE(workArea->findChildren<TUnit*>().isEmpty());
}

TEST_F(UnitListTest, UpdateButtonCaptionUsesTheFileNamePart) {
    units->NewUnit();
    units->Current()->FileName = QStringLiteral("/work/src/io.asm");
    units->UpdateButtonCaption(0);
    EXPECT_EQ(units->ButtonAt(0)->text(), QStringLiteral("io.asm"));
}

}  // namespace
