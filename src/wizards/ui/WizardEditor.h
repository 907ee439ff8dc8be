#pragma once
// The wizards at run time: their selector buttons on the Wizards page, the
// wizard editor (snippet list, six command buttons, snippet text) and the two
// toolbar lists with "Insert". The model and its files are in Wizards.h.
#include <vector>

#include <QObject>

#include "wizards/Wizards.h"

class Dialogs;
class System;
class UnitManager;
class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QListWidget;
class QPlainTextEdit;
class QToolButton;
class QWidget;

struct WizardEditorWidgets {
    QWidget* buttonsPanel;  // holds the wizard selector buttons
    QWidget* wizardEdit;
    QListWidget* editSnippetsBox;
    QPlainTextEdit* editMemo;
    QComboBox* wizardSelect;
    QComboBox* snippetSelect;
    QToolButton* insertButton;
    QAbstractButton* addWizard;
    QAbstractButton* deleteWizard;
    QAbstractButton* renameWizard;
    QAbstractButton* addSnippet;
    QAbstractButton* deleteSnippet;
    QAbstractButton* renameSnippet;
};

class WizardEditor : public QObject {
    Q_OBJECT
public:
    WizardEditor(const WizardEditorWidgets& widgets, UnitManager& units, Dialogs& dialogs,
                 System& system, QObject* parent = nullptr);

    TWizardList WizardList;
    int CurrentWizard = -1;
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    QAbstractButton* ButtonAt(int i) const { return buttons_.at(static_cast<std::size_t>(i)); }
    QString WizardsDirectory() const;

    void LoadWizards();
    void SaveWizards();
    void SelectWizard(int index);
    void HideWizardEditor();
    void NewWizard(const QString& name);
    bool RenameWizard(const QString& newName);
    void DeleteWizard();
    bool NewSnippet(const QString& name);
    bool RenameSnippet(const QString& oldName, const QString& newName);
    void DeleteSnippet(const QString& name);
    void FillWizardCombo();
    void FillSnippetCombo(const QString& wizardName);
    void InsertSnippet(const QString& wizardName, const QString& snippetName);

    void AddWizardButtonClick();
    void DeleteWizardButtonClick();
    void RenameWizardButtonClick();
    void AddSnippetButtonClick();
    void DeleteSnippetButtonClick();
    void RenameSnippetButtonClick();
    void EditSnippetsBoxClick();
    void EditMemoChange();
    void WizardSelectChange();
    void SnippetSelectChange();
    void InsertButtonClick();
    void WizardEditResize();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddButton(const QString& caption);
    void PlaceButtons();
    void ClearEditor();
    bool CheckName(const QString& name);
    TWizard* Current() const;

    WizardEditorWidgets w_;
    UnitManager& units_;
    Dialogs& dialogs_;
    System& system_;
    QButtonGroup* group_;
    std::vector<QAbstractButton*> buttons_;
    bool fillingMemo_ = false;
    bool updatingList_ = false;
};
