#pragma once
// The open project: its file name, options and library selections, and the
// operations that reset, save and load it. The units themselves belong to the
// unit list; the project reads and writes their records.
#include <QObject>
#include <QString>

#include "project/ProjectOptions.h"
#include "store/CheckList.h"

class Dialogs;
class System;
class UnitManager;

class ProjectManager : public QObject {
    Q_OBJECT
public:
    ProjectManager(UnitManager& units, Dialogs& dialogs, System& system, QObject* parent = nullptr);

    TProjectOptions& Options() { return options_; }
    const TProjectOptions& Options() const { return options_; }
    CheckList& LibDirBox() { return libDirBox_; }
    CheckList& CurProjectBox() { return curProjectBox_; }
    CheckList& ResourceBox() { return resourceBox_; }
    const CheckList& LibDirBox() const { return libDirBox_; }
    const CheckList& CurProjectBox() const { return curProjectBox_; }
    const CheckList& ResourceBox() const { return resourceBox_; }

    // Full path of the project file; "Untitled.vpj" while the project has none.
    QString ProjectFileName;
    // The project was saved to or loaded from ProjectFileName.
    bool ProjectNamed = false;
    // The directory part of ProjectFileName, ending in '/'.
    QString ProjectDirectory() const;

    // Start-up: the libraries and object files of Lib beside the executable.
    void FillLibDirList();
    void FillProjectLists(const QString& directory);
    void ResetProject();

    bool WriteProjectFile(const QString& path);
    bool SaveProject();
    bool SaveProjectAs();
    bool SaveAll();
    // Asks for a project file and reads it into the (just reset) project.
    void LoadProject();
    // "Save changes to project?": true when the caller may go on.
    bool AskSaveProject();

private:
    bool ReportSaveFailure();

    UnitManager& units_;
    Dialogs& dialogs_;
    System& system_;
    TProjectOptions options_;
    CheckList libDirBox_;
    CheckList curProjectBox_;
    CheckList resourceBox_;
};
