#include "units/ui/UnitManager.h"

#include <algorithm>

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "units/UnitDialogs.h"
#include "units/UnitText.h"
#include "units/ui/FindDialog.h"
#include "units/ui/ReplaceDialog.h"
#include "units/ui/TUnit.h"

namespace {
constexpr int kButtonWidth = 136;
constexpr int kButtonHeight = 25;
constexpr int kButtonSpacing = 24;
}  // namespace

UnitManager::UnitManager(QWidget* workArea, QWidget* unitsPage, QLabel* statusPanel,
                         QWidget* dialogParent, Dialogs& dialogs, System& /*system*/,
                         QObject* parent)
    : QObject(parent),
      workArea_(workArea),
      unitsPage_(unitsPage),
      statusPanel_(statusPanel),
      dialogs_(dialogs),
      buttonGroup_(new QButtonGroup(this)),
      findDialog_(new FindDialog(dialogParent)),
      replaceDialog_(new ReplaceDialog(dialogParent)) {
    buttonGroup_->setExclusive(true);
    connect(buttonGroup_, &QButtonGroup::buttonClicked, this, &UnitManager::UnitButtonClick);
    connect(findDialog_.data(), &FindDialog::Find, this, &UnitManager::FindDialogFind);
    connect(replaceDialog_.data(), &ReplaceDialog::Find, this, &UnitManager::ReplaceDialogFind);
    connect(replaceDialog_.data(), &ReplaceDialog::Replace, this,
            &UnitManager::ReplaceDialogReplace);
    LayOutButtons();
}

UnitManager::~UnitManager() {
    // The editors and buttons belong to the work area and the Units page; the
    // dialogs to their parent window, unless they were given none.
    if (findDialog_ && !findDialog_->parent()) delete findDialog_;
    if (replaceDialog_ && !replaceDialog_->parent()) delete replaceDialog_;
}

TUnit* UnitManager::Current() const {
    return currentUnit_ >= 0 && currentUnit_ < Count() ? units_[currentUnit_] : nullptr;
}

FindDialog* UnitManager::Find() const { return findDialog_; }

ReplaceDialog* UnitManager::Replace() const { return replaceDialog_; }

QAbstractButton* UnitManager::ButtonAt(int i) const { return buttons_.at(i); }

void UnitManager::NewUnit() {
    QStringList names;
    for (const TUnit* unit : units_) names << unit->FileName;
    auto* unit = new TUnit(workArea_);
    unit->FileName = UnitText::UnitFileName(UnitText::NextUnitNumber(names));
    unit->HasFile = false;
    unit->Modified = false;
    AddUnit(unit, unit->FileName);
}

void UnitManager::AddUnit(TUnit* unit, const QString& caption) {
    // Hidden explicitly, so the layout does not show it before SelectUnit does.
    unit->hide();
    if (auto* grid = qobject_cast<QGridLayout*>(workArea_->layout())) grid->addWidget(unit, 0, 0);
    unit->StatusPanel = statusPanel_;
    units_ << unit;

    auto* button = new QToolButton(unitsPage_);
    button->setObjectName(QStringLiteral("UnitButton"));
    button->setText(caption);
    button->setAutoRaise(true);
    button->setCheckable(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    buttonGroup_->addButton(button);
    buttons_ << button;
    LayOutButtons();
    button->show();

    SelectUnit(Count() - 1);
}

void UnitManager::LayOutButtons() {
    for (int i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->setGeometry(0, kButtonSpacing * i, kButtonWidth, kButtonHeight);
    }
    const int height = buttons_.isEmpty() ? 0 : kButtonSpacing * (Count() - 1) + kButtonHeight;
    unitsPage_->resize(kButtonWidth, height);
}

void UnitManager::SelectUnit(int index) {
    if (index < 0 || index >= Count()) {
        currentUnit_ = -1;
        return;
    }
    HideUnits();
    units_[index]->show();
    buttons_[index]->setChecked(true);
    currentUnit_ = index;
}

void UnitManager::HideUnits() {
    for (TUnit* unit : units_) unit->hide();
}

void UnitManager::UnitButtonClick(QAbstractButton* button) {
    const int index = static_cast<int>(buttons_.indexOf(button));
    if (index >= 0) SelectUnit(index);
}

bool UnitManager::OpenUnit() {
    const std::optional<QString> path = dialogs_.OpenFile(AssemblyOpen());
    if (!path) return false;
    auto* unit = new TUnit(workArea_);
    unit->hide();
    unit->FileName = *path;
    if (!unit->LoadFile(*path)) {
        // An empty unit under the name of a file that could not be read would
        // overwrite that file at the next Save All.
        delete unit;
        dialogs_.MessageBox(QStringLiteral("Could not open ") + *path, QStringLiteral("Error"),
                            MsgButtons::OkCancel);
        return false;
    }
    AddUnit(unit, Paths::FileNamePart(*path));
    return true;
}

void UnitManager::ShowSaveError() {
    dialogs_.MessageBox(QStringLiteral("Could not save file"), QStringLiteral("Error"),
                        MsgButtons::OkCancel);
}

bool UnitManager::SaveUnit() {
    TUnit* unit = Current();
    if (!unit) return false;
    if (!unit->HasFile) return SaveUnitAs();
    if (!unit->SaveFile()) {
        ShowSaveError();
        return false;
    }
    UpdateButtonCaption(currentUnit_);
    return true;
}

bool UnitManager::SaveUnitAs() {
    TUnit* unit = Current();
    if (!unit) return false;
    const std::optional<QString> path =
        dialogs_.SaveFile(AssemblySave(Paths::FileNamePart(unit->FileName)));
    if (!path) return false;
    if (!unit->SaveFileAs(*path)) {
        ShowSaveError();
        return false;
    }
    UpdateButtonCaption(currentUnit_);
    return true;
}

void UnitManager::RemoveUnit() {
    TUnit* unit = Current();
    if (!unit) return;
    if (unit->Modified) {
        const MsgAnswer answer =
            dialogs_.MessageBox(QStringLiteral("File is modified, save changes?"),
                                QStringLiteral("Confirm"), MsgButtons::YesNoCancel);
        if (answer == MsgAnswer::Cancel) return;
        if (answer == MsgAnswer::Yes) {
            bool saved = true;
            if (unit->HasFile) {
                saved = unit->SaveFile();
            } else if (const std::optional<QString> path =
                           dialogs_.SaveFile(AssemblySave(Paths::FileNamePart(unit->FileName)))) {
                saved = unit->SaveFileAs(*path);
            }
            // A save that failed keeps the unit, so nothing typed is lost; a
            // cancelled dialog only skips the save.
            if (!saved) {
                ShowSaveError();
                return;
            }
        }
    }
    RemoveUnitAt(currentUnit_);
    if (units_.isEmpty()) {
        currentUnit_ = -1;
        return;
    }
    SelectUnit(0);
}

void UnitManager::RemoveUnitAt(int index) {
    if (index < 0 || index >= Count()) return;
    delete units_.takeAt(index);
    delete buttons_.takeAt(index);
    if (currentUnit_ == index) {
        currentUnit_ = -1;
    } else if (currentUnit_ > index) {
        --currentUnit_;
    }
    LayOutButtons();
}

void UnitManager::CloseAllUnits() {
    qDeleteAll(units_);
    units_.clear();
    qDeleteAll(buttons_);
    buttons_.clear();
    currentUnit_ = -1;
    LayOutButtons();
}

void UnitManager::UpdateButtonCaption(int index) {
    if (index < 0 || index >= Count()) return;
    buttons_[index]->setText(Paths::FileNamePart(units_[index]->FileName));
}

void UnitManager::Copy() {
    if (TUnit* unit = Current()) unit->copy();
}

void UnitManager::Cut() {
    if (TUnit* unit = Current()) unit->cut();
}

void UnitManager::Paste() {
    if (TUnit* unit = Current()) unit->paste();
}

void UnitManager::Delete() {
    TUnit* unit = Current();
    if (unit && unit->SelLength() > 0) unit->removeSelectedText();
}

void UnitManager::ShowFindDialog() {
    findDialog_->show();
    findDialog_->raise();
    findDialog_->activateWindow();
}

void UnitManager::ShowReplaceDialog() {
    replaceDialog_->show();
    replaceDialog_->raise();
    replaceDialog_->activateWindow();
}

bool UnitManager::CanAct() const {
    return Current() != nullptr && (!canActOnUnits || canActOnUnits());
}

void UnitManager::GotoLine() {
    if (!CanAct()) return;
    const QString entry = dialogs_.InputBox(QStringLiteral("Goto Line"),
                                            QStringLiteral("Enter the line number."), QString());
    const std::optional<qint32> number = UnitText::ParseLineNumber(entry);
    if (!number) {
        dialogs_.ShowMessage(QStringLiteral("Not a valid line number."));
        return;
    }
    TUnit* unit = Current();
    // Numbers below 1 name no line; subtracting first would overflow at the bottom.
    unit->SelectLine(*number >= 1 ? *number - 1 : -1);
    unit->setFocus();
}

bool UnitManager::SearchUnit(const SearchOptions& options, TUnit* unit) {
    if (!unit) return false;
    qsizetype from = unit->SelStart();
    if (options.down) {
        // Down starts after the selection, so Find Next moves on to the next hit.
        from += unit->SelLength();
        unit->SetSelection(from, 0);
    }
    const QByteArrayView text = unit->TextView();
    const qsizetype hit = FindOccurrence(text.data(), text.size(), from, options);
    if (hit < 0) return false;
    unit->SetSelection(hit, options.findText.size());
    unit->setFocus();
    return true;
}

bool UnitManager::ReplaceInUnit(const SearchOptions& options, TUnit* unit) {
    if (!unit) return false;
    SearchOptions down = options;
    down.down = true;
    // A selected occurrence is found again by the search that follows.
    unit->SetSelection(unit->SelStart(), 0);
    if (down.replaceAll) {
        unit->SetSelection(0, 0);
        const QByteArrayView text = unit->TextView();
        const QList<qsizetype> offsets = ReplaceAllOffsets(text.data(), text.size(), down);
        if (offsets.isEmpty()) return false;
        unit->ReplaceOccurrences(offsets, down.findText.size(), down.replaceText);
        unit->setFocus();
        dialogs_.ShowMessage(QStringLiteral("Replaced ") + QString::number(offsets.size()) +
                             QStringLiteral(" occurences."));
        return true;
    }
    if (!SearchUnit(down, unit)) return false;
    unit->ReplaceRange(unit->SelStart(), unit->SelLength(), down.replaceText);
    SearchUnit(down, unit);
    return true;
}

void UnitManager::FindDialogFind() {
    if (!CanAct()) return;
    if (!SearchUnit(findDialog_->Options(), Current()))
        dialogs_.ShowMessage(QStringLiteral("Search string not found."));
}

void UnitManager::ReplaceDialogFind() {
    if (!CanAct()) return;
    if (!SearchUnit(replaceDialog_->Options(), Current()))
        dialogs_.ShowMessage(QStringLiteral("Search string not found."));
}

void UnitManager::ReplaceDialogReplace() {
    if (!CanAct()) return;
    if (!ReplaceInUnit(replaceDialog_->Options(), Current()))
        dialogs_.ShowMessage(QStringLiteral("Search string not found."));
}
