#pragma once
// Make, Compile Unit, Run, Debug and Dos Shell: writes the response files, runs
// each tool with its output captured in Velmora.msg, keeps the lines that
// matter and fills the message list, whose lines lead back to the source.
#include <functional>

#include <QObject>
#include <QStringList>

#include "build/Switches.h"

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
    // that can cancel it; false when the tool could not be started.
    bool RunCaptured(const QString& commandLine, const QString& label);
    // Both return false when the build was cancelled or a response file could
    // not be written, so that Run and Debug do not go on.
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
    bool Assemble(int unitIndex, int count);
    bool BuildForRun();
    void ReportFileError(const QString& path);

    UnitManager& units_;
    ProjectManager& project_;
    TConfigDataList& config_;
    QListWidget* messageList_;
    Dialogs& dialogs_;
    System& system_;
    QWidget* window_;
    BuildHooks hooks_;
    bool cancelled_ = false;
    bool fileError_ = false;
    bool busy_ = false;
};
