#pragma once
// The unit list of the main window: the open units in their order, one
// selector button per unit on the Units page, the current unit, and the
// commands that act on it (New Unit, Open, Save, Save As, Remove, the
// clipboard, Find, Replace and Goto Line).
#include <functional>

#include <QList>
#include <QObject>
#include <QPointer>

#include "units/Search.h"

class Dialogs;
class FindDialog;
class QAbstractButton;
class QButtonGroup;
class QLabel;
class QWidget;
class ReplaceDialog;
class System;
class TUnit;

class UnitManager : public QObject {
    Q_OBJECT
public:
    // `workArea` has a QGridLayout whose cell (0, 0) the shown editor fills;
    // the selector buttons are children of `unitsPage`, which grows to hold
    // them; `statusPanel` shows the caret position; the Find and Replace
    // dialogs are parented to `dialogParent` (the main window). The units
    // reach the system only through ReadProjectRecord, which gets it there.
    UnitManager(QWidget* workArea, QWidget* unitsPage, QLabel* statusPanel, QWidget* dialogParent,
                Dialogs& dialogs, System& system, QObject* parent = nullptr);
    ~UnitManager() override;

    int Count() const { return static_cast<int>(units_.size()); }
    TUnit* At(int i) const { return units_.at(i); }
    int CurrentUnit() const { return currentUnit_; }
    // The current unit, or nullptr when there is none.
    TUnit* Current() const;
    QAbstractButton* ButtonAt(int i) const;

    // Adds a unit named Unit<n>.asm with the smallest free n and makes it current.
    void NewUnit();
    // Shows that unit and makes it current; an index at or beyond the end only
    // sets CurrentUnit to -1. The keyboard focus does not move.
    void SelectUnit(int index);
    // Hides every editor; CurrentUnit is unchanged.
    void HideUnits();
    void UnitButtonClick(QAbstractButton* button);

    // The unit commands; each does nothing (false) without a current unit.
    bool OpenUnit();
    bool SaveUnit();
    bool SaveUnitAs();
    void RemoveUnit();

    // Destroys a unit and its button without asking and closes the gap. The
    // current unit stays current; removing the current one leaves none current.
    void RemoveUnitAt(int index);
    // Destroys every unit and button; CurrentUnit becomes -1.
    void CloseAllUnits();
    // Sets button `index`'s caption to the file-name part of its unit's FileName.
    void UpdateButtonCaption(int index);

    void Copy();
    void Cut();
    void Paste();
    void Delete();

    void ShowFindDialog();
    void ShowReplaceDialog();
    void GotoLine();
    FindDialog* Find() const;
    ReplaceDialog* Replace() const;

    // Selects the next occurrence in `unit` and gives it the focus; true when found.
    bool SearchUnit(const SearchOptions& options, TUnit* unit);
    // Replace, or Replace All (which reports "Replaced N occurences."); true
    // when at least one occurrence was replaced.
    bool ReplaceInUnit(const SearchOptions& options, TUnit* unit);

    // The dialog events; each reports "Search string not found." on a miss.
    void FindDialogFind();
    void ReplaceDialogFind();
    void ReplaceDialogReplace();

    // Set by the main window: true while the Units side page is active. The
    // find and replace events and Goto Line do nothing while it says false,
    // because the current unit is hidden then and cannot take the focus.
    std::function<bool()> canActOnUnits;

private:
    bool CanAct() const;
    void AddUnit(TUnit* unit, const QString& caption);
    void LayOutButtons();
    void ShowSaveError();

    QWidget* workArea_;
    QWidget* unitsPage_;
    QLabel* statusPanel_;
    Dialogs& dialogs_;
    QButtonGroup* buttonGroup_;
    // Guarded: the dialogs die with their parent window, which may go first.
    QPointer<FindDialog> findDialog_;
    QPointer<ReplaceDialog> replaceDialog_;

    QList<TUnit*> units_;
    QList<QAbstractButton*> buttons_;
    int currentUnit_ = -1;
};
