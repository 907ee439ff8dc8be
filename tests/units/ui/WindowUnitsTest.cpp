// The units inside the real main window: start-up, focus on activation, and
// the command shortcuts typed while an editor has the focus.
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "shell/TForm1.h"
#include "shell/TForm3.h"
#include "support/WindowFixture.h"
#include "units/ui/FindDialog.h"
#include "units/ui/TUnit.h"
#include "units/ui/UnitManager.h"

namespace {

void Type(QWidget* w, const char* text) {
    for (const char* c = text; *c != '\0'; ++c) QTest::keyClick(w, *c);
}

}  // namespace

TEST_F(WindowTest, StartUpOpensUnit1WithTheFocus) {
    Start();
    UnitManager& units = form->Units();
    ASSERT_EQ(units.Count(), 1);
    EXPECT_EQ(units.CurrentUnit(), 0);
    TUnit* unit = units.At(0);
    EXPECT_EQ(unit->FileName, QStringLiteral("Unit1.asm"));
    EXPECT_FALSE(unit->HasFile);
    EXPECT_TRUE(unit->isVisible());
    EXPECT_TRUE(WaitUntil([&] { return unit->hasFocus(); }));
    EXPECT_EQ(units.ButtonAt(0)->text(), QStringLiteral("Unit1.asm"));
    EXPECT_TRUE(units.ButtonAt(0)->isChecked());

    // Typing goes into the unit and the status panel follows the caret.
    Type(unit, "mov ax,1");
    EXPECT_EQ(unit->Text(), QByteArray("mov ax,1"));
    EXPECT_TRUE(unit->Modified);
    EXPECT_EQ(Find<QLabel>("StatusPanel0")->text(), QStringLiteral("1,9"));
    CloseWith(MsgAnswer::No);
}

TEST_F(WindowTest, MenuShortcutsReachTheirCommandsFromAFocusedEditor) {
    Start();
    UnitManager& units = form->Units();
    TUnit* unit = units.At(0);
    EXPECT_TRUE(WaitUntil([&] { return unit->hasFocus(); }));

    QTest::keyClick(unit, Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(units.Count(), 2);
    EXPECT_EQ(units.Current()->FileName, QStringLiteral("Unit2.asm"));
    TUnit* second = units.Current();
    second->setFocus();

    dialogs.Save(std::nullopt);  // Ctrl+S on a new unit asks for a name
    QTest::keyClick(second, Qt::Key_S, Qt::ControlModifier);
    dialogs.Open(std::nullopt);
    QTest::keyClick(second, Qt::Key_O, Qt::ControlModifier);
    dialogs.Input(QString(), QStringLiteral("Enter the line number."));
    dialogs.Message(QStringLiteral("Not a valid line number."));
    QTest::keyClick(second, Qt::Key_G, Qt::ControlModifier);
    QTest::keyClick(second, Qt::Key_F, Qt::ControlModifier);
    ASSERT_NE(units.Find(), nullptr);
    EXPECT_TRUE(units.Find()->isVisible());
    units.Find()->hide();
    second->setFocus();
    // Make saves everything first; cancelling the first save dialog stops it.
    dialogs.Save(std::nullopt);
    QTest::keyClick(second, Qt::Key_F9, Qt::ControlModifier);
    EXPECT_EQ(dialogs.Pending(), 0);
    EXPECT_EQ(units.Count(), 2);
    CloseWith(MsgAnswer::No);
}

TEST_F(WindowTest, UnitShortcutsDoNothingOffTheUnitsPage) {
    Start();
    auto* side = Find<QTabWidget>("SideControl");
    for (int page : {1, 2}) {
        side->setCurrentIndex(page);
        side->setFocus();
        QTest::keyClick(side, Qt::Key_N, Qt::ControlModifier);
        QTest::keyClick(side, Qt::Key_O, Qt::ControlModifier);
        QTest::keyClick(side, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(side, Qt::Key_G, Qt::ControlModifier);
        EXPECT_EQ(form->Units().Count(), 1) << "page " << page;
        EXPECT_FALSE(form->Units().At(0)->isVisible());
    }
    EXPECT_TRUE(dialogs.shown().empty());
    side->setCurrentIndex(0);
    EXPECT_TRUE(form->Units().At(0)->isVisible());
    CloseWith(MsgAnswer::No);
}

TEST_F(WindowTest, ActivationFocusesTheFirstUnitOnlyWhenItIsOnShow) {
    Start();
    UnitManager& units = form->Units();
    units.NewUnit();  // Unit2 is current, Unit1 hidden
    TUnit* second = units.Current();
    second->setFocus();
    EXPECT_TRUE(WaitUntil([&] { return second->hasFocus(); }));
    // A modal dialog closes and the window becomes active again, as the
    // window manager would make it.
    auto reactivate = [this] {
        QTimer::singleShot(0, form.get(), [this] { form->Settings().reject(); });
        form->Settings1Click();
        QApplication::setActiveWindow(nullptr);
        QApplication::setActiveWindow(form.get());
        QApplication::processEvents();
    };
    reactivate();
    EXPECT_FALSE(units.At(0)->isVisible());
    EXPECT_TRUE(second->hasFocus());

    // With the first unit on show again, activation hands it the focus, even
    // from another control.
    units.SelectUnit(0);
    QWidget* combo = Find<QWidget>("WizardSelect");
    combo->setFocus();
    EXPECT_TRUE(WaitUntil([&] { return combo->hasFocus(); }));
    reactivate();
    EXPECT_TRUE(WaitUntil([&] { return units.At(0)->hasFocus(); }));
    CloseWith(MsgAnswer::No);
}
