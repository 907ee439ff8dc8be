#pragma once
// Make, Compile Unit, Run, Debug and Dos Shell: writes the response files, runs
// each tool with its output captured in Velmora.msg, keeps the lines that
// matter and fills the message list, whose lines lead back to the source.
#include <functional>

#include <QObject>
#include <QStringList>

#include "build/Switches.h"
#include "build/ToolRunner.h"

class Dialogs;
class ProjectManager;
class QListWidget;
class QWidget;
class System;
class TConfigDataList;
class UnitManager;

// What the driver needs from the main window.
struct BuildHooks {
    std::function<QString()>
        toolsDirectory;  // the Settings dialog's directory, read at every build
    std::function<void()> showMessagePanel;
    std::function<void()> hideMessagePanel;
    std::function<bool()> unitsPageActive;
};

class BuildDriver : public QObject {
    Q_OBJECT
public:
    BuildDriver(UnitManager& units, ProjectManager& project, TConfigDataList& config,
                QListWidget* messageList, Dialogs& dialogs, System& system, QWidget* window,
                BuildHooks hooks, QObject* parent = nullptr);

    QStringList BuildMessages;
    LinkerResponseFlags Flags{};

    QString MessageFileName() const;
    // Runs one tool with its output in the message file, behind a progress box
    // that can cancel it. Started means Finished or Cancelled.
    RunOutcome RunCaptured(const QString& commandLine, const QString& label);
    // Both return false when the build did not run to its end: cancelled, a
    // tool that could not be started, or a file that could not be written.
    // Run and Debug then start nothing.
    bool MakeProject();
    bool CompileCurrentUnit();
    void AddAssemblerMessages();
    void AddLinkerMessages();
    void ShowBuildMessages();

    void ProgMakeClick();
    void CompileUnit1Click();
    void ProgRunClick();
    void ProgDebugClick();
    void DosShell1Click();
    void MessageListDblClick();
    void GoToMessage(const QString& line);

    // For tests: the progress box's delay before it shows.
    int progressShowDelay = -1;

private:
    bool Assemble(int unitIndex, int ordinal, int count);
    bool Link();
    bool BuildForRun();
    bool ReportFileError(const FileWriteError& error);

    UnitManager& units_;
    ProjectManager& project_;
    TConfigDataList& config_;
    QListWidget* messageList_;
    Dialogs& dialogs_;
    System& system_;
    QWidget* window_;
    BuildHooks hooks_;
    QString outputError_;  // why the message file could not be created
    bool busy_ = false;
};
