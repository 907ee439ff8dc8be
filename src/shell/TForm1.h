#pragma once
// The main window: the composition root. It builds the layout, owns one object
// per subsystem and wires every menu item, shortcut, toolbar button and control
// event to a handler named after it. Handlers are a line or two each.
#include <array>

#include <QMainWindow>

#include "store/ConfigData.h"

class BuildDriver;
class Dialogs;
class ProjectManager;
class System;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class UnitManager;
class WizardEditor;
class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class QTabWidget;
class QToolButton;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    TForm1(Dialogs& dialogs, System& system, QWidget* parent = nullptr);
    ~TForm1() override;

    // Configuration store, loaded at start-up and written at close.
    TConfigDataList ConfigList;
    int OptionPage = 1;

    UnitManager& Units() { return *units_; }
    ProjectManager& Project() { return *project_; }
    WizardEditor& Wizards() { return *wizards_; }
    BuildDriver& Build() { return *build_; }
    TForm2& About() { return *form2_; }
    TForm3& Settings() { return *form3_; }
    TForm4& BaseConverter() { return *form4_; }
    TForm5& ResourceShell() { return *form5_; }

    void ShowMessagePanel();
    void HideMessagePanel();
    void UpdateCaption();
    void ButtonUnitsClick();
    void ButtonOptionsClick();
    void ButtonWizardsClick();
    void ShowOptionsPage(int n);
    void HideOptionsPages();
    bool IsUnitsPageActive() const;

    // Menu enabling, run when a top-level menu opens and whenever the side page changes.
    void File1Click();
    void Edit1Click();
    void Project1Click();

    void SideControlChange(int index);
    void FormActivate();
    bool FormCloseQuery();
    void FormClose();

    // Command handlers.
    void FileNewClick();
    void NewProject1Click();
    void FileOpenButClick();
    void ProjectOpenClick();
    void FileSaveClick();
    void SaveAs1Click();
    void SaveProjectAs1Click();
    void SaveAll1Click();
    void Exit1Click();
    void Copy1Click();
    void Cut1Click();
    void Paste1Click();
    void Delete1Click();
    void Find2Click();
    void Replace2Click();
    void GotoLine2Click();
    void FileRemoveClick();
    void CompileResources1Click();
    void CompileUnit1Click();
    void ProgMakeClick();
    void ProgRunClick();
    void ProgDebugClick();
    void BaseConverter1Click();
    void DosShell1Click();
    void ViewMessagesItemClick();
    void Settings1Click();
    void Contents1Click();
    void About1Click();
    void HideMessages1Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void BuildMenus();
    void BuildToolbar(QWidget* panel);
    void BuildSideArea(QWidget* row);
    void BuildWorkArea();
    void BuildWizardEditor();
    void WireCommands();
    QAction* AddItem(QMenu* menu, const char* name, const QString& caption,
                     const QKeySequence& shortcut = QKeySequence());
    // Connects the menu item or toolbar button `name` to a handler of this window.
    void On(const char* name, void (TForm1::*handler)());
    void MakeExecutableDirectoryCurrent();

    Dialogs& dialogs_;
    System& system_;

    UnitManager* units_ = nullptr;
    ProjectManager* project_ = nullptr;
    WizardEditor* wizards_ = nullptr;
    BuildDriver* build_ = nullptr;

    // Widgets the handlers reach.
    QListWidget* messageList_ = nullptr;
    QSplitter* messageSplitter_ = nullptr;
    QTabWidget* sideControl_ = nullptr;
    QWidget* workArea_ = nullptr;
    QWidget* unitButtonsPanel_ = nullptr;
    QWidget* wizardButtonsPanel_ = nullptr;
    std::array<QToolButton*, 5> optionButtons_{};
    std::array<QWidget*, 5> optionPanels_{};
    QWidget* wizardEdit_ = nullptr;
    QPlainTextEdit* editMemo_ = nullptr;
    QListWidget* editSnippetsBox_ = nullptr;
    QComboBox* wizardSelect_ = nullptr;
    QComboBox* snippetSelect_ = nullptr;
    QToolButton* insertButton_ = nullptr;
    std::array<QToolButton*, 4> unitToolButtons_{};  // FileNew, FileRemove, FileOpenBut, FileSave
    QLabel* statusPanel0_ = nullptr;
    QLabel* statusPanel1_ = nullptr;

    QMenu* file1_ = nullptr;
    QMenu* edit1_ = nullptr;
    QMenu* project1_ = nullptr;
    QAction* viewMessagesItem_ = nullptr;

    TForm2* form2_ = nullptr;
    TForm3* form3_ = nullptr;
    TForm4* form4_ = nullptr;
    TForm5* form5_ = nullptr;
};

class QApplication;
// Builds Velmora's windows on the real platform and runs the message loop.
int RunVelmora(QApplication& app);
