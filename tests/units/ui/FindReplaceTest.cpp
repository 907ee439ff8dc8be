// Find, Replace and Goto Line on the current unit, driven through the
// modeless dialogs' own buttons.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "units/ui/FindDialog.h"
#include "units/ui/ReplaceDialog.h"
#include "units/ui/UnitHost.h"

namespace {

const QString kNotFound = QStringLiteral("Search string not found.");

class FindReplaceTest : public UnitHostTest {
protected:
    template <class T>
    static T* Child(QWidget* dialog, const char* name) {
        T* child = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    static void Click(QWidget* dialog, const char* name) {
        QTest::mouseClick(Child<QAbstractButton>(dialog, name), Qt::LeftButton);
    }
    // Types the find text into the Find dialog and sets its options by clicking.
    FindDialog* OpenFind(const QString& text, bool up = false, bool matchCase = false,
                         bool wholeWord = false) {
        units->ShowFindDialog();
        FindDialog* dialog = units->Find();
        Child<QLineEdit>(dialog, "FindText")->setText(text);
        if (up != !dialog->Down()) Click(dialog, up ? "Up" : "Down");
        if (matchCase != dialog->MatchCase()) Click(dialog, "MatchCase");
        if (wholeWord != dialog->WholeWord()) Click(dialog, "WholeWord");
        return dialog;
    }
    ReplaceDialog* OpenReplace(const QString& find, const QString& with) {
        units->ShowReplaceDialog();
        ReplaceDialog* dialog = units->Replace();
        Child<QLineEdit>(dialog, "FindText")->setText(find);
        Child<QLineEdit>(dialog, "ReplaceText")->setText(with);
        return dialog;
    }
    static std::pair<qsizetype, qsizetype> Selection(const TUnit* unit) {
        return {unit->SelStart(), unit->SelLength()};
    }
    using Sel = std::pair<qsizetype, qsizetype>;
};

TEST_F(FindReplaceTest, DialogsAreModelessAndBesideTheWindow) {
    units->NewUnit();
    units->ShowFindDialog();
    units->ShowReplaceDialog();
    for (QDialog* dialog :
         {static_cast<QDialog*>(units->Find()), static_cast<QDialog*>(units->Replace())}) {
        EXPECT_FALSE(dialog->isModal());
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->parentWidget(), &window);
        EXPECT_TRUE(dialog->isWindow());
    }
    EXPECT_EQ(units->Find()->objectName(), QStringLiteral("FindDialog"));
    EXPECT_EQ(units->Replace()->objectName(), QStringLiteral("ReplaceDialog"));
    EXPECT_EQ(units->Replace()->findChild<QRadioButton*>(), nullptr) << "Replace always runs down";
    for (const char* name : {"FindNext", "Replace", "ReplaceAll", "Cancel"})
        Child<QPushButton>(units->Replace(), name);
}

TEST_F(FindReplaceTest, FindNextWalksDownAndStopsAtTheEnd) {
    TUnit* unit = UnitWith("a a a");
    unit->SetSelection(0, 0);
    FindDialog* dialog = OpenFind(QStringLiteral("a"));
    for (qsizetype offset : {0, 2, 4}) {
        Click(dialog, "FindNext");
        EXPECT_EQ(Selection(unit), Sel(offset, 1));
        EXPECT_EQ(QApplication::focusWidget(), unit);
    }
    dialogs.Message(kNotFound);
    Click(dialog, "FindNext");
    EXPECT_EQ(Selection(unit), Sel(5, 0));
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(FindReplaceTest, FindUpGoesBackwards) {
    TUnit* unit = UnitWith("mov ax, ax");
    unit->SetSelection(10, 0);
    FindDialog* dialog = OpenFind(QStringLiteral("ax"), true);
    ASSERT_FALSE(dialog->Down());
    Click(dialog, "FindNext");
    EXPECT_EQ(Selection(unit), Sel(8, 2));
    Click(dialog, "FindNext");
    EXPECT_EQ(Selection(unit), Sel(4, 2));
    // Nothing before: an Up search that fails leaves the selection alone.
    dialogs.Message(kNotFound);
    Click(dialog, "FindNext");
    EXPECT_EQ(Selection(unit), Sel(4, 2));
}

TEST_F(FindReplaceTest, SearchOptions) {
    const struct {
        QByteArray text;
        const char* find;
        bool matchCase;
        bool wholeWord;
        qsizetype hit;  // -1: not found
    } cases[] = {
        {"mov ax", "ax", false, false, 4},    {"ab a", "a", false, true, 3},
        {"foo12 foo", "foo", false, true, 6}, {"my_label my", "my", false, true, 0},
        {"mov ax", "MOV", false, false, 0},   {"mov ax", "MOV", true, false, -1},
        {"MOV mov", "mov", true, false, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " / " + c.find);
        TUnit* unit = UnitWith(c.text);
        unit->SetSelection(0, 0);
        FindDialog* dialog = OpenFind(QString::fromLatin1(c.find), false, c.matchCase, c.wholeWord);
        if (c.hit < 0) dialogs.Message(kNotFound);
        Click(dialog, "FindNext");
        if (c.hit >= 0) {
            EXPECT_EQ(Selection(unit), Sel(c.hit, qstrlen(c.find)));
        }
    }
}

TEST_F(FindReplaceTest, DialogsKeepTheirTextsAndOptions) {
    units->NewUnit();
    OpenFind(QStringLiteral("label"), true, true, true);
    Click(units->Find(), "Cancel");
    EXPECT_FALSE(units->Find()->isVisible());
    units->ShowFindDialog();
    EXPECT_EQ(units->Find()->FindText(), QStringLiteral("label"));
    EXPECT_FALSE(units->Find()->Down());
    EXPECT_TRUE(units->Find()->MatchCase());
    EXPECT_TRUE(units->Find()->WholeWord());
    // An empty find text cannot start a search.
    Child<QLineEdit>(units->Find(), "FindText")->clear();
    EXPECT_FALSE(Child<QPushButton>(units->Find(), "FindNext")->isEnabled());
}

TEST_F(FindReplaceTest, ReplaceAllDoesNotRunIntoTheInsertedText) {
    TUnit* unit = UnitWith("ab a");
    unit->SetSelection(2, 1);
    ReplaceDialog* dialog = OpenReplace(QStringLiteral("a"), QStringLiteral("xa"));
    dialogs.Message(QStringLiteral("Replaced 2 occurences."));
    Click(dialog, "ReplaceAll");
    EXPECT_EQ(unit->Text(), QByteArray("xab xa"));
    EXPECT_TRUE(unit->Modified);
    EXPECT_EQ(Selection(unit), Sel(6, 0));
    // All replacements are one undo step.
    QTest::keyClick(unit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(unit->Text(), QByteArray("ab a"));
}

TEST_F(FindReplaceTest, ReplaceAllWithoutAHit) {
    TUnit* unit = UnitWith("mov ax, bx");
    unit->SetSelection(4, 2);
    ReplaceDialog* dialog = OpenReplace(QStringLiteral("cx"), QStringLiteral("dx"));
    dialogs.Message(kNotFound);
    Click(dialog, "ReplaceAll");
    EXPECT_EQ(unit->Text(), QByteArray("mov ax, bx"));
    EXPECT_FALSE(unit->Modified);
    EXPECT_EQ(Selection(unit), Sel(0, 0));
}

TEST_F(FindReplaceTest, ReplaceTheSelectedOccurrenceThenSelectTheNext) {
    TUnit* unit = UnitWith("abc abc abc");
    unit->SetSelection(4, 3);
    ReplaceDialog* dialog = OpenReplace(QStringLiteral("ABC"), QStringLiteral("X"));
    Click(dialog, "Replace");
    EXPECT_EQ(unit->Text(), QByteArray("abc X abc"));
    EXPECT_EQ(Selection(unit), Sel(6, 3));
    Click(dialog, "Replace");
    EXPECT_EQ(unit->Text(), QByteArray("abc X X"));
    EXPECT_EQ(Selection(unit), Sel(7, 0));
    dialogs.Message(kNotFound);
    Click(dialog, "Replace");
    EXPECT_EQ(unit->Text(), QByteArray("abc X X"));
}

TEST_F(FindReplaceTest, ReplaceDialogFindNextRunsDown) {
    TUnit* unit = UnitWith("ax ax");
    unit->SetSelection(5, 0);
    ReplaceDialog* dialog = OpenReplace(QStringLiteral("ax"), QString());
    dialogs.Message(kNotFound);
    Click(dialog, "FindNext");
    unit->SetSelection(0, 0);
    Click(dialog, "FindNext");
    EXPECT_EQ(Selection(unit), Sel(0, 2));
    Click(dialog, "Replace");
    EXPECT_EQ(unit->Text(), QByteArray(" ax"));
    EXPECT_EQ(Selection(unit), Sel(1, 2));
}

// While the Units page is not active the current unit is hidden: the dialog
// events and Goto Line then do nothing at all.
TEST_F(FindReplaceTest, NothingHappensWhileTheUnitsPageIsInactive) {
    TUnit* unit = UnitWith("a a");
    unit->SetSelection(1, 0);
    bool unitsPage = false;
    units->canActOnUnits = [&unitsPage] { return unitsPage; };
    Click(OpenFind(QStringLiteral("zzz")), "FindNext");
    Click(OpenReplace(QStringLiteral("a"), QStringLiteral("b")), "ReplaceAll");
    Click(units->Replace(), "FindNext");
    units->GotoLine();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(unit->Text(), QByteArray("a a"));
    EXPECT_EQ(Selection(unit), Sel(1, 0));

    unitsPage = true;
    Click(units->Find(), "Cancel");
    Click(OpenFind(QStringLiteral("a")), "FindNext");
    EXPECT_EQ(Selection(unit), Sel(2, 1));
}

TEST_F(FindReplaceTest, GotoLine) {
    const QByteArray text = "mov ax,1\r\nint 21h\r\nret";
    const struct {
        const char* entry;
        qsizetype start;
        qsizetype length;  // -1: "Not a valid line number." and nothing changes
    } cases[] = {
        // A number that names no line only drops the selection, at the caret.
        {"1", 0, 8},  {"2", 10, 7},  {"3", 19, 3},          {"0", 5, 0},   {"4", 5, 0},
        {"-3", 5, 0}, {"+2", 10, 7}, {"-2147483648", 5, 0}, {"12a", 2, 3}, {"", 2, 3},
    };
    TUnit* unit = UnitWith(text);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        unit->SetSelection(2, 3);
        dialogs.Clear();
        dialogs.Input(QString::fromLatin1(c.entry), QStringLiteral("Enter the line number."));
        const bool valid = c.entry[0] != '\0' && QByteArray(c.entry) != "12a";
        if (!valid) dialogs.Message(QStringLiteral("Not a valid line number."));
        window.setFocus();
        units->GotoLine();
        EXPECT_EQ(dialogs.shown().front().caption, QStringLiteral("Goto Line"));
        EXPECT_EQ(Selection(unit), Sel(c.start, c.length));
        EXPECT_EQ(QApplication::focusWidget() == unit, valid);
        EXPECT_EQ(unit->Text(), text);
    }
}

}  // namespace
