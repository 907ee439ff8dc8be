#pragma once
// The main window: the composition root. It builds the layout, owns one object
// per subsystem and wires every menu item, shortcut, toolbar button and control
// event to a handler named after it. Handlers are a line or two each.
#include <array>

#include <QMainWindow>
#include <QStringList>

#include "project/ProjectOptions.h"
#include "store/CheckList.h"
#include "store/ConfigData.h"

class Dialogs;
class System;
class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class QTabWidget;
class QToolButton;
class QButtonGroup;
class QScrollArea;
class TForm2;
class TForm3;
class TForm4;
class TForm5;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    TForm1(Dialogs& dialogs, System& system, QWidget* parent = nullptr);
    ~TForm1() override;

    // Configuration store, loaded at start-up and written at close.
    TConfigDataList ConfigList;
    QStringList BuildMessages;
    int OptionPage = 1;

    void ShowMessagePanel();
    void HideMessagePanel();
    void UpdateCaption();
    void ButtonUnitsClick();
    void ButtonOptionsClick();
    void ButtonWizardsClick();
    void ShowOptionsPage(int n);
    void HideOptionsPages();

    // Menu enabling, run when a top-level menu opens and whenever the side page changes.
    void File1Click();
    void Edit1Click();
    void Project1Click();

    void SideControlChange(int index);
    void ViewMessagesItemClick();
    void HideMessages1Click();
    void Exit1Click();
    void FormActivate();
    bool FormCloseQuery();
    void FormClose();
    void Settings1Click();
    void About1Click();
    void Contents1Click();
    void BaseConverter1Click();
    void CompileResources1Click();

    // The secondary windows, created after the main window and alive until it ends.
    TForm2& About() { return *form2_; }
    TForm3& Settings() { return *form3_; }
    TForm4& BaseConverter() { return *form4_; }
    TForm5& ResourceShell() { return *form5_; }

    TProjectOptions& Options() { return options_; }
    CheckList& LibDirBox() { return libDirBox_; }
    CheckList& CurProjectBox() { return curProjectBox_; }
    CheckList& ResourceBox() { return resourceBox_; }
    QString ProjectFileName;
    bool ProjectNamed = false;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void BuildMenus();
    void BuildToolbar(QWidget* panel);
    void BuildSideArea(QWidget* row);
    void BuildWizardEditor();
    QAction* AddItem(QMenu* menu, const char* name, const QString& caption,
                     const QKeySequence& shortcut = QKeySequence());
    bool IsUnitsPageActive() const;
    // Connects the menu item `name` to a handler of this window.
    void On(const char* name, void (TForm1::*handler)());

    Dialogs& dialogs_;
    System& system_;

    TProjectOptions options_;
    CheckList libDirBox_;
    CheckList curProjectBox_;
    CheckList resourceBox_;

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
