#include "build/ui/BuildDriver.h"

#include <QListWidget>

#include "build/MessageRules.h"
#include "build/RunCommands.h"
#include "build/ui/ToolProgressDialog.h"
#include "platform/Ansi.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/System.h"
#include "project/ui/ProjectManager.h"
#include "store/ConfigData.h"
#include "store/RecordFile.h"
#include "units/ui/TUnit.h"
#include "units/ui/UnitManager.h"

namespace {
QString Error() { return QStringLiteral("Error"); }
}  // namespace

BuildDriver::BuildDriver(UnitManager& units, ProjectManager& project, TConfigDataList& config,
                         QListWidget* messageList, Dialogs& dialogs, System& system,
                         QWidget* window, BuildHooks hooks, QObject* parent)
    : QObject(parent),
      units_(units),
      project_(project),
      config_(config),
      messageList_(messageList),
      dialogs_(dialogs),
      system_(system),
      window_(window),
      hooks_(std::move(hooks)) {
    connect(messageList_, &QListWidget::itemDoubleClicked, this, &BuildDriver::MessageListDblClick);
}

QString BuildDriver::MessageFileName() const {
    return system_.ExecutableDirectory() + QStringLiteral("Velmora.msg");
}

bool BuildDriver::RunCaptured(const QString& commandLine, const QString& label) {
    ToolProgressDialog progress(label, window_);
    if (progressShowDelay >= 0) progress.SetShowDelay(progressShowDelay);
    const RunOutcome outcome = progress.Run(commandLine, MessageFileName());
    if (outcome == RunOutcome::Cancelled) cancelled_ = true;
    return outcome != RunOutcome::NotStarted;
}

void BuildDriver::ReportFileError(const QString& path) {
    fileError_ = true;
    dialogs_.MessageBox(QStringLiteral("Could not write ") + path + QLatin1Char('.'), Error(),
                        MsgButtons::Ok);
}

bool BuildDriver::Assemble(int unitIndex, int count) {
    const TUnit* unit = units_.At(unitIndex);
    if (!WriteAssemblerResponse(system_, project_.Options(), unit->FileName)) {
        ReportFileError(system_.ExecutableDirectory() + QStringLiteral("Tasm.rsp"));
        return false;
    }
    const QString command =
        AssemblerCommand(AssemblerPath(hooks_.toolsDirectory(), project_.Options()),
                         ShortExecutableDirectory(system_));
    const QString label = QStringLiteral("Assembling %1 (%2 of %3)")
                              .arg(Paths::FileNamePart(unit->FileName))
                              .arg(unitIndex + 1)
                              .arg(count);
    if (!RunCaptured(command, label)) {
        dialogs_.MessageBox(QStringLiteral("Could not run assembler executable."), Error(),
                            MsgButtons::Ok);
        return false;
    }
    AddAssemblerMessages();
    return !cancelled_;
}

bool BuildDriver::MakeProject() {
    BuildMessages.clear();
    cancelled_ = false;
    fileError_ = false;
    const int count = units_.Count();
    for (int i = 0; i < count; ++i) {
        if (!Assemble(i, count)) return false;
    }
    system_.SetCurrentDirectory(project_.ProjectDirectory());

    LinkerInputs inputs;
    inputs.options = &project_.Options();
    inputs.projectFileName = project_.ProjectFileName;
    for (int i = 0; i < count; ++i) inputs.unitFileNames << units_.At(i)->FileName;
    inputs.libDirChecked = project_.LibDirBox().CheckedTexts();
    inputs.curProjectChecked = project_.CurProjectBox().CheckedTexts();
    inputs.resourceChecked = project_.ResourceBox().CheckedTexts();
    inputs.exeDir = system_.ExecutableDirectory();
    inputs.shortExeDir = ShortExecutableDirectory(system_);
    inputs.currentDirectory = system_.CurrentDirectory();
    const LinkerResponses responses = BuildLinkerResponses(inputs, system_);
    if (!WriteLinkerResponses(responses)) {
        ReportFileError(system_.ExecutableDirectory() + QStringLiteral("Tlink.rsp"));
        return false;
    }
    Flags = responses.flags;
    const QString command = LinkerCommand(LinkerPath(hooks_.toolsDirectory(), project_.Options()),
                                          inputs.shortExeDir, Flags);
    const QString label =
        QStringLiteral("Linking ") + StripExtension(Paths::FileNamePart(project_.ProjectFileName));
    if (!RunCaptured(command, label)) {
        dialogs_.MessageBox(QStringLiteral("Could not run linker executable."), Error(),
                            MsgButtons::Ok);
    }
    AddLinkerMessages();
    return !cancelled_;
}

bool BuildDriver::CompileCurrentUnit() {
    BuildMessages.clear();
    cancelled_ = false;
    fileError_ = false;
    if (units_.CurrentUnit() < 0) return false;
    return Assemble(units_.CurrentUnit(), 1);
}

namespace {
QByteArray ReadMessageFile(const QString& path) {
    QByteArray bytes;
    ReadWholeFile(path, bytes);
    return bytes;
}
}  // namespace

void BuildDriver::AddAssemblerMessages() {
    BuildMessages << AssemblerMessageLines(ReadMessageFile(MessageFileName()));
}

void BuildDriver::AddLinkerMessages() {
    BuildMessages << LinkerMessageLines(ReadMessageFile(MessageFileName()));
}

void BuildDriver::ShowBuildMessages() {
    messageList_->clear();
    messageList_->addItems(BuildMessages);
    if (messageList_->count() == 0) {
        hooks_.hideMessagePanel();
    } else {
        hooks_.showMessagePanel();
    }
}

void BuildDriver::ProgMakeClick() {
    if (busy_ || !project_.SaveAll()) return;
    busy_ = true;
    MakeProject();
    busy_ = false;
    // A response file that could not be written ends the command before the list is shown.
    if (!fileError_) ShowBuildMessages();
}

void BuildDriver::CompileUnit1Click() {
    // Without a current unit there is nothing to compile.
    if (busy_ || units_.CurrentUnit() < 0 || !units_.SaveUnit()) return;
    busy_ = true;
    CompileCurrentUnit();
    busy_ = false;
    if (!fileError_) ShowBuildMessages();
}

bool BuildDriver::BuildForRun() {
    if (busy_ || !project_.SaveAll()) return false;
    busy_ = true;
    const bool completed = MakeProject();
    busy_ = false;
    if (fileError_) return false;
    ShowBuildMessages();
    // Any kept line stops Run and Debug, a warning as much as an error; so does Cancel.
    return completed && messageList_->count() == 0;
}

void BuildDriver::ProgRunClick() {
    if (!BuildForRun()) return;
    if (!system_.StartDetached(RunCommandLine(project_.ProjectFileName, project_.Options()))) {
        dialogs_.ShowMessage(QStringLiteral("Could not run executable."));
    }
}

void BuildDriver::ProgDebugClick() {
    if (!BuildForRun()) return;
    const std::optional<QString> command =
        DebugCommandLine(config_, system_.ShortPath(project_.ProjectFileName), project_.Options());
    if (!command) return;
    if (!system_.StartDetached(*command)) {
        dialogs_.ShowMessage(QStringLiteral("Could not run executable."));
    }
}

void BuildDriver::DosShell1Click() {
    // Linux has no command.com: open the desktop's terminal, which starts the user's shell.
    for (const char* terminal : {"x-terminal-emulator", "xterm", "gnome-terminal", "konsole"}) {
        if (system_.StartDetached(QString::fromLatin1(terminal))) return;
    }
    dialogs_.MessageBox(QStringLiteral("Could not run command.com."), Error(),
                        MsgButtons::OkCancel);
}

void BuildDriver::MessageListDblClick() {
    if (!hooks_.unitsPageActive()) return;
    QListWidgetItem* item = messageList_->currentItem();
    if (item == nullptr || !item->isSelected()) return;
    GoToMessage(item->text());
}

void BuildDriver::GoToMessage(const QString& line) {
    const std::optional<MessageLocation> where = ParseMessageLocation(line);
    if (!where) return;
    for (int i = 0; i < units_.Count(); ++i) {
        TUnit* unit = units_.At(i);
        if (Ansi::LowerCase(Paths::FileNamePart(unit->FileName)) != where->fileNamePartLower)
            continue;
        // A hidden editor cannot take the focus: show the unit first.
        units_.SelectUnit(i);
        unit->SelectLine(where->lineNumber - 1);
        unit->setFocus();
    }
}
