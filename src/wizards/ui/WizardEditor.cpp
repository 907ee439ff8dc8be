#include "wizards/ui/WizardEditor.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QToolButton>

#include "platform/Dialogs.h"
#include "platform/System.h"
#include "store/RecordFile.h"
#include "units/ui/TUnit.h"
#include "units/ui/UnitManager.h"

namespace {

const QString kNameExists = QStringLiteral("That name already exists. Please choose another.");

// A memo's lines end at its last line break: "" has no lines, "a\n" one,
// "a\n\n" two. The raw text keeps a no-break space (byte A0) as it is, where
// the plain text would turn it into a blank.
QStringList MemoLines(const QPlainTextEdit* memo) {
    QString text = memo->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    if (text.isEmpty()) return {};
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    return text.split(QLatin1Char('\n'));
}

// A snippet name in the list; the list is narrow, so the whole name is also
// its tool tip.
void AddSnippetItem(QListWidget* box, const QString& name) {
    auto* item = new QListWidgetItem(name, box);
    item->setToolTip(name);
}

// The memo text of a snippet: every line followed by its line break, so that
// MemoLines gives the same lines back, a last empty line included.
QString MemoText(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) text += line + QLatin1Char('\n');
    return text;
}

}  // namespace

WizardEditor::WizardEditor(const WizardEditorWidgets& widgets, UnitManager& units, Dialogs& dialogs,
                           System& system, QObject* parent)
    : QObject(parent),
      w_(widgets),
      units_(units),
      dialogs_(dialogs),
      system_(system),
      group_(new QButtonGroup(this)) {
    group_->setExclusive(true);
    connect(group_, &QButtonGroup::buttonClicked, this, [this](QAbstractButton* b) {
        for (std::size_t i = 0; i < buttons_.size(); ++i) {
            if (buttons_[i] == b) SelectWizard(static_cast<int>(i));
        }
    });
    connect(w_.addWizard, &QAbstractButton::clicked, this, &WizardEditor::AddWizardButtonClick);
    connect(w_.deleteWizard, &QAbstractButton::clicked, this,
            &WizardEditor::DeleteWizardButtonClick);
    connect(w_.renameWizard, &QAbstractButton::clicked, this,
            &WizardEditor::RenameWizardButtonClick);
    connect(w_.addSnippet, &QAbstractButton::clicked, this, &WizardEditor::AddSnippetButtonClick);
    connect(w_.deleteSnippet, &QAbstractButton::clicked, this,
            &WizardEditor::DeleteSnippetButtonClick);
    connect(w_.renameSnippet, &QAbstractButton::clicked, this,
            &WizardEditor::RenameSnippetButtonClick);
    connect(w_.editSnippetsBox, &QListWidget::itemClicked, this,
            &WizardEditor::EditSnippetsBoxClick);
    // Choosing a snippet with the arrow keys is a click too; otherwise the
    // memo would go on showing one snippet while its edits went to another.
    connect(w_.editSnippetsBox, &QListWidget::itemSelectionChanged, this, [this] {
        if (!updatingList_ && !w_.editSnippetsBox->selectedItems().isEmpty())
            EditSnippetsBoxClick();
    });
    connect(w_.editMemo, &QPlainTextEdit::textChanged, this, &WizardEditor::EditMemoChange);
    // Only the user's picks run the handlers; refilling a list does not.
    connect(w_.wizardSelect, &QComboBox::activated, this, &WizardEditor::WizardSelectChange);
    connect(w_.snippetSelect, &QComboBox::activated, this, &WizardEditor::SnippetSelectChange);
    connect(w_.insertButton, &QToolButton::clicked, this, &WizardEditor::InsertButtonClick);
    w_.wizardEdit->installEventFilter(this);
}

QString WizardEditor::WizardsDirectory() const {
    return system_.ExecutableDirectory() + QStringLiteral("Wizards/");
}

TWizard* WizardEditor::Current() const {
    if (CurrentWizard < 0 || CurrentWizard >= WizardList.Count()) return nullptr;
    return WizardList.At(CurrentWizard);
}

void WizardEditor::AddButton(const QString& caption) {
    auto* b = new QToolButton(w_.buttonsPanel);
    b->setText(caption);
    b->setCheckable(true);
    b->setAutoRaise(true);
    group_->addButton(b);
    buttons_.push_back(b);
    PlaceButtons();
    b->show();
}

void WizardEditor::PlaceButtons() {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->setGeometry(0, 24 * static_cast<int>(i), 136, 25);
        buttons_[i]->setObjectName(QStringLiteral("WizardButton%1").arg(i));
    }
    w_.buttonsPanel->resize(136, 24 * static_cast<int>(buttons_.size()) + 1);
}

void WizardEditor::LoadWizards() {
    const QString dir = WizardsDirectory();
    for (const QString& name : system_.FindFiles(dir + QStringLiteral("*.vwz"))) {
        if (!WizardList.AddFromFile(dir, name, dialogs_)) continue;
        AddButton(StripExtension(name));
        SelectWizard(WizardList.Count() - 1);
    }
    FillWizardCombo();
}

void WizardEditor::SaveWizards() { WizardList.SaveAll(WizardsDirectory(), dialogs_); }

void WizardEditor::ClearEditor() {
    fillingMemo_ = true;
    w_.editMemo->clear();
    fillingMemo_ = false;
    w_.editMemo->hide();
    updatingList_ = true;
    w_.editSnippetsBox->clear();
    updatingList_ = false;
}

void WizardEditor::SelectWizard(int index) {
    if (index < 0 || index >= WizardList.Count()) {
        ClearEditor();
        return;
    }
    CurrentWizard = index;
    ClearEditor();
    buttons_[static_cast<std::size_t>(index)]->setChecked(true);
    const TWizard* wizard = WizardList.At(index);
    for (int i = 0; i < wizard->SnippetCount(); ++i) {
        AddSnippetItem(w_.editSnippetsBox, wizard->SnippetAt(i)->Name);
    }
}

void WizardEditor::HideWizardEditor() { w_.wizardEdit->hide(); }

bool WizardEditor::CheckName(const QString& name) {
    if (IsValidWizardName(name)) return true;
    dialogs_.ShowMessage(
        QStringLiteral("\"%1\" cannot be a wizard name. A wizard is kept in a file named after "
                       "it, so its name cannot be blank or longer than a file name, and cannot "
                       "contain a dot, /, \\, : or a control character.")
            .arg(name));
    return false;
}

void WizardEditor::NewWizard(const QString& name) {
    WizardList.Add(std::make_unique<TWizard>(name));
    AddButton(name);
    SelectWizard(WizardList.Count() - 1);
    FillWizardCombo();
}

bool WizardEditor::RenameWizard(const QString& newName) {
    TWizard* wizard = Current();
    if (wizard == nullptr) return false;
    // The wizard is written under its new name before the old file goes, so it
    // never lives without a file.
    if (!RenameWizardFile(*wizard, WizardsDirectory(), newName)) {
        dialogs_.MessageBox(QStringLiteral("Could not save wizard ") + newName +
                                QStringLiteral(" to ") +
                                WizardFilePath(WizardsDirectory(), newName),
                            QStringLiteral("Error"), MsgButtons::OkCancel);
        return false;
    }
    buttons_[static_cast<std::size_t>(CurrentWizard)]->setText(newName);
    FillWizardCombo();
    return true;
}

void WizardEditor::DeleteWizard() {
    TWizard* wizard = Current();
    if (wizard == nullptr) return;
    DeleteWizardFile(WizardsDirectory(), wizard->Name());
    WizardList.Delete(CurrentWizard);
    QAbstractButton* b = buttons_[static_cast<std::size_t>(CurrentWizard)];
    buttons_.erase(buttons_.begin() + CurrentWizard);
    group_->removeButton(b);
    delete b;
    if (!buttons_.empty()) {
        PlaceButtons();
        SelectWizard(0);
    } else {
        PlaceButtons();
        CurrentWizard = -1;
        ClearEditor();
    }
    FillWizardCombo();
}

bool WizardEditor::NewSnippet(const QString& name) {
    TWizard* wizard = Current();
    if (wizard == nullptr || wizard->FindSnippet(name) != nullptr) return false;
    auto snippet = std::make_unique<TSnippet>();
    snippet->Name = name;
    wizard->AddSnippet(std::move(snippet));
    return true;
}

bool WizardEditor::RenameSnippet(const QString& oldName, const QString& newName) {
    TWizard* wizard = Current();
    if (wizard == nullptr || wizard->FindSnippet(newName) != nullptr) return false;
    for (int i = 0; i < wizard->SnippetCount(); ++i) {
        if (wizard->SnippetAt(i)->Name == oldName) wizard->SnippetAt(i)->Name = newName;
    }
    return true;
}

void WizardEditor::DeleteSnippet(const QString& name) {
    if (TWizard* wizard = Current()) wizard->RemoveSnippet(name);
}

void WizardEditor::FillWizardCombo() {
    w_.wizardSelect->clear();
    for (int i = 0; i < WizardList.Count(); ++i) w_.wizardSelect->addItem(WizardList.At(i)->Name());
    w_.wizardSelect->setCurrentIndex(-1);
}

void WizardEditor::FillSnippetCombo(const QString& wizardName) {
    w_.snippetSelect->clear();
    for (int i = 0; i < WizardList.Count(); ++i) {
        const TWizard* wizard = WizardList.At(i);
        if (wizard->Name() != wizardName) continue;
        for (int s = 0; s < wizard->SnippetCount(); ++s) {
            w_.snippetSelect->addItem(wizard->SnippetAt(s)->Name);
        }
    }
    w_.snippetSelect->setCurrentIndex(-1);
}

void WizardEditor::InsertSnippet(const QString& wizardName, const QString& snippetName) {
    TUnit* unit = units_.Current();
    if (unit == nullptr) return;
    for (int i = 0; i < WizardList.Count(); ++i) {
        const TWizard* wizard = WizardList.At(i);
        if (wizard->Name() != wizardName) continue;
        for (int s = 0; s < wizard->SnippetCount(); ++s) {
            const TSnippet* snippet = wizard->SnippetAt(s);
            if (snippet->Name == snippetName) unit->InsertLines(QStringList(snippet->Lines));
        }
    }
}

void WizardEditor::AddWizardButtonClick() {
    const QString name =
        dialogs_.InputBox(QStringLiteral("New wizard"),
                          QStringLiteral("Please enter a name for the new wizard."), QString());
    if (name.isEmpty() || !CheckName(name)) return;
    NewWizard(name);
}

void WizardEditor::DeleteWizardButtonClick() {
    if (Current() == nullptr) return;
    const MsgAnswer answer = dialogs_.MessageBox(
        QStringLiteral("By deleting the wizard you will also delete the file on disk. Are you sure "
                       "you want to delete this wizard?"),
        QStringLiteral("Confirm"), MsgButtons::YesNo);
    if (answer != MsgAnswer::No) DeleteWizard();
}

void WizardEditor::RenameWizardButtonClick() {
    if (Current() == nullptr) return;
    const QString name =
        dialogs_.InputBox(QStringLiteral("New wizard"),
                          QStringLiteral("Please enter the new name for the wizard."), QString());
    if (name.isEmpty() || !CheckName(name)) return;
    RenameWizard(name);
}

void WizardEditor::AddSnippetButtonClick() {
    if (Current() == nullptr) return;
    const QString name =
        dialogs_.InputBox(QStringLiteral("New snippet"),
                          QStringLiteral("Please enter a name for the new snippet."), QString());
    if (name.isEmpty()) return;
    if (NewSnippet(name)) {
        AddSnippetItem(w_.editSnippetsBox, name);
    } else {
        dialogs_.ShowMessage(kNameExists);
    }
}

void WizardEditor::DeleteSnippetButtonClick() {
    QListWidgetItem* item = w_.editSnippetsBox->currentItem();
    if (Current() == nullptr || item == nullptr || !item->isSelected()) return;
    DeleteSnippet(item->text());
    // Removing the item may select its neighbour on the way; the memo keeps
    // the deleted snippet's text and nothing stays selected.
    updatingList_ = true;
    delete item;
    w_.editSnippetsBox->setCurrentItem(nullptr);
    w_.editSnippetsBox->clearSelection();
    updatingList_ = false;
}

void WizardEditor::RenameSnippetButtonClick() {
    QListWidgetItem* item = w_.editSnippetsBox->currentItem();
    if (Current() == nullptr || item == nullptr || !item->isSelected()) return;
    const QString name =
        dialogs_.InputBox(QStringLiteral("Rename snippet"),
                          QStringLiteral("Please enter the new name for the snippet."), QString());
    if (name.isEmpty()) return;
    if (RenameSnippet(item->text(), name)) {
        item->setText(name);
        item->setToolTip(name);
    } else {
        dialogs_.ShowMessage(kNameExists);
    }
}

void WizardEditor::EditSnippetsBoxClick() {
    QListWidgetItem* item = w_.editSnippetsBox->currentItem();
    TWizard* wizard = Current();
    if (wizard == nullptr || item == nullptr || !item->isSelected()) return;
    const TSnippet* snippet = wizard->FindSnippet(item->text());
    fillingMemo_ = true;
    w_.editMemo->clear();
    w_.editMemo->show();
    if (snippet != nullptr && !snippet->Lines.isEmpty()) {
        w_.editMemo->setPlainText(MemoText(snippet->Lines));
    }
    fillingMemo_ = false;
}

void WizardEditor::EditMemoChange() {
    if (fillingMemo_) return;
    QListWidgetItem* item = w_.editSnippetsBox->currentItem();
    TWizard* wizard = Current();
    if (wizard == nullptr || item == nullptr || !item->isSelected()) return;
    if (TSnippet* snippet = wizard->FindSnippet(item->text()))
        snippet->Lines = MemoLines(w_.editMemo);
}

void WizardEditor::WizardSelectChange() {
    if (w_.wizardSelect->currentIndex() < 0) {
        w_.snippetSelect->clear();
        return;
    }
    FillSnippetCombo(w_.wizardSelect->currentText());
}

void WizardEditor::SnippetSelectChange() {
    w_.insertButton->setEnabled(w_.snippetSelect->currentIndex() >= 0);
}

void WizardEditor::InsertButtonClick() {
    const QString wizard =
        w_.wizardSelect->currentIndex() >= 0 ? w_.wizardSelect->currentText() : QString();
    const QString snippet =
        w_.snippetSelect->currentIndex() >= 0 ? w_.snippetSelect->currentText() : QString();
    InsertSnippet(wizard, snippet);
}

void WizardEditor::WizardEditResize() {
    const QSize size = w_.wizardEdit->size();
    w_.editSnippetsBox->resize(w_.editSnippetsBox->width(), qMax(0, size.height() - 19));
    w_.editMemo->resize(qMax(0, size.width() - 296), qMax(0, size.height() - 19));
}

bool WizardEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == w_.wizardEdit && event->type() == QEvent::Resize) WizardEditResize();
    return QObject::eventFilter(watched, event);
}
