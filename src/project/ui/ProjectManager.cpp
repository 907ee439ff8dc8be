#include "project/ui/ProjectManager.h"

#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/System.h"
#include "project/ProjectFile.h"
#include "store/RecordFile.h"
#include "units/UnitDialogs.h"
#include "units/ui/TUnit.h"
#include "units/ui/UnitManager.h"

namespace {

FileDialogState ProjectSaveDialog(const QString& fileName) {
    return {kProjectFilter, QStringLiteral("Projects"), QStringLiteral("vpj"), fileName};
}

FileDialogState ProjectOpenDialog() {
    return {kProjectFilter, QStringLiteral("Projects"), QString(), QString()};
}

QString Error() { return QStringLiteral("Error"); }

}  // namespace

ProjectManager::ProjectManager(UnitManager& units, Dialogs& dialogs, System& system,
                               QObject* parent)
    : QObject(parent), units_(units), dialogs_(dialogs), system_(system) {}

QString ProjectManager::ProjectDirectory() const { return Paths::DirectoryPart(ProjectFileName); }

void ProjectManager::FillLibDirList() {
    const QString lib = system_.ExecutableDirectory() + QStringLiteral("Lib/");
    FillFileList(system_, lib + QStringLiteral("*.lib"), libDirBox_);
    FillFileList(system_, lib + QStringLiteral("*.obj"), libDirBox_);
}

void ProjectManager::FillProjectLists(const QString& directory) {
    curProjectBox_.Clear();
    FillFileList(system_, directory + QStringLiteral("*.lib"), curProjectBox_);
    FillFileList(system_, directory + QStringLiteral("*.obj"), curProjectBox_);
    resourceBox_.Clear();
    FillFileList(system_, directory + QStringLiteral("*.res"), resourceBox_);
}

void ProjectManager::ResetProject() {
    units_.CloseAllUnits();
    options_.Reset();
    curProjectBox_.Clear();
    resourceBox_.Clear();
    libDirBox_.UncheckAll();
    ProjectFileName = QStringLiteral("Untitled.vpj");
    ProjectNamed = false;
}

bool ProjectManager::ReportSaveFailure() {
    dialogs_.MessageBox(QStringLiteral("Could not save file."), Error(), MsgButtons::OkCancel);
    return false;
}

bool ProjectManager::WriteProjectFile(const QString& path) {
    const QString directory = Paths::DirectoryPart(path);
    RecordWriter f;
    WriteRecordString(f, kProjectMagic);
    WriteRecordString(f, kProjectVersion);
    qint32 count = 0;
    for (int i = 0; i < units_.Count(); ++i) {
        if (units_.At(i)->HasFile) ++count;
    }
    WriteRecordInteger(f, count);
    for (int i = 0; i < units_.Count(); ++i) units_.At(i)->WriteProjectRecord(f, directory);
    WriteProjectOptions(f, options_);
    WriteCheckedNames(f, libDirBox_);
    WriteCheckedNames(f, curProjectBox_);
    WriteCheckedNames(f, resourceBox_);
    // A project that is not on disk is not saved: Make, Run and the close
    // query must stop rather than go on with nothing written.
    if (!WriteFileSafely(path, f.data())) return ReportSaveFailure();
    ProjectFileName = path;
    ProjectNamed = true;
    return true;
}

bool ProjectManager::SaveProject() {
    if (ProjectNamed) return WriteProjectFile(ProjectFileName);
    return SaveProjectAs();
}

bool ProjectManager::SaveProjectAs() {
    const std::optional<QString> chosen = dialogs_.SaveFile(ProjectSaveDialog(ProjectFileName));
    if (!chosen) return false;
    const QString oldName = ProjectFileName;
    const std::vector<CheckList::Entry> oldProjectEntries = curProjectBox_.Entries();
    const std::vector<CheckList::Entry> oldResourceEntries = resourceBox_.Entries();
    ProjectFileName = *chosen;
    FillProjectLists(Paths::DirectoryPart(*chosen));
    if (WriteProjectFile(ProjectFileName)) return true;
    // Nothing was written: the project stays as it was before the command.
    ProjectFileName = oldName;
    curProjectBox_.Clear();
    for (const CheckList::Entry& e : oldProjectEntries) curProjectBox_.Append(e.text, e.checked);
    resourceBox_.Clear();
    for (const CheckList::Entry& e : oldResourceEntries) resourceBox_.Append(e.text, e.checked);
    return false;
}

bool ProjectManager::SaveAll() {
    for (int i = 0; i < units_.Count(); ++i) {
        TUnit* unit = units_.At(i);
        if (unit->HasFile) {
            // The build must never run on a stale file.
            if (!unit->SaveFile()) return ReportSaveFailure();
        } else {
            const std::optional<QString> chosen =
                dialogs_.SaveFile(AssemblySave(Paths::FileNamePart(unit->FileName)));
            if (!chosen) return false;
            if (!unit->SaveFileAs(*chosen)) return ReportSaveFailure();
        }
        units_.UpdateButtonCaption(i);
    }
    return SaveProject();
}

void ProjectManager::LoadProject() {
    const std::optional<QString> chosen = dialogs_.OpenFile(ProjectOpenDialog());
    if (!chosen) return;
    const QString path = *chosen;
    const QString directory = Paths::DirectoryPart(path);
    FillProjectLists(directory);

    QByteArray bytes;
    const bool opened = ReadWholeFile(path, bytes);
    RecordReader f(bytes);
    if (!opened || ReadRecordString(f) != kProjectMagic || !f.ok()) {
        dialogs_.MessageBox(path + QStringLiteral(" is not a valid project file."), Error(),
                            MsgButtons::OkCancel);
        return;
    }
    if (ReadRecordString(f) != kProjectVersion || !f.ok()) {
        dialogs_.MessageBox(QStringLiteral("Incorrect file version..."), Error(),
                            MsgButtons::OkCancel);
        return;
    }

    const qint32 count = ReadRecordInteger(f);
    // No writer stores a negative count; reading the options from here would
    // take unit records for option values.
    if (f.ok() && count < 0) f.Fail();
    for (qint32 n = 0; f.ok() && n < count; ++n) {
        units_.NewUnit();
        const int last = units_.Count() - 1;
        TUnit* unit = units_.At(last);
        if (unit->ReadProjectRecord(f, directory, system_)) {
            units_.UpdateButtonCaption(last);
        } else if (!f.ok()) {
            units_.RemoveUnitAt(last);  // the record itself was cut short
        } else {
            dialogs_.MessageBox(QStringLiteral("Could not load ") + unit->FileName +
                                    QStringLiteral(", it has been removed from the project"),
                                Error(), MsgButtons::OkCancel);
            units_.RemoveUnitAt(last);
        }
    }
    if (f.ok()) ReadProjectOptions(f, options_);
    if (f.ok()) ReadCheckedNames(f, libDirBox_, kLibDirSuffix, dialogs_);
    if (f.ok()) ReadCheckedNames(f, curProjectBox_, kProjectDirSuffix, dialogs_);
    if (f.ok()) ReadCheckedNames(f, resourceBox_, kProjectDirSuffix, dialogs_);

    if (!f.ok()) {
        // Keep what was read, but leave the project untitled so that a later
        // save cannot silently overwrite the damaged file.
        dialogs_.MessageBox(path + QStringLiteral(" is damaged. The units and options read before "
                                                  "the damage were kept; the project is untitled."),
                            Error(), MsgButtons::OkCancel);
        ProjectFileName = QStringLiteral("Untitled.vpj");
        ProjectNamed = false;
        return;
    }
    ProjectNamed = true;
    ProjectFileName = path;
}

bool ProjectManager::AskSaveProject() {
    switch (dialogs_.MessageBox(QStringLiteral("Save changes to project?"),
                                QStringLiteral("Confirm"), MsgButtons::YesNoCancel)) {
        case MsgAnswer::Yes:
            return SaveAll();
        case MsgAnswer::No:
            return true;
        default:
            return false;
    }
}
