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

namespace {

// Holds a flag up for the length of a command, however the command ends.
class BusyScope {
public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& busy_;
};

QByteArray ReadMessageFile(const QString& path) {
    QByteArray bytes;
    ReadWholeFile(path, bytes);
    return bytes;
}

}  // namespace

RunOutcome BuildDriver::RunCaptured(const QString& commandLine, const QString& label) {
    ToolProgressDialog progress(label, window_);
    if (progressShowDelay >= 0) progress.SetShowDelay(progressShowDelay);
    const RunOutcome outcome = progress.Run(commandLine, MessageFileName());
    outputError_ = progress.OutputError();
    return outcome;
}

bool BuildDriver::ReportFileError(const FileWriteError& error) {
    dialogs_.MessageBox(QStringLiteral("Could not write ") + error.path + QStringLiteral(": ") +
                            error.reason + QLatin1Char('.'),
                        Error(), MsgButtons::Ok);
    return false;
}

bool BuildDriver::Assemble(int unitIndex, int ordinal, int count) {
    const TUnit* unit = units_.At(unitIndex);
    FileWriteError writeError;
    if (!WriteAssemblerResponse(system_, project_.Options(), unit->FileName, &writeError)) {
        return ReportFileError(writeError);
    }
    const QString command =
        AssemblerCommand(AssemblerPath(hooks_.toolsDirectory(), project_.Options()),
                         ShortExecutableDirectory(system_));
    const QString label = QStringLiteral("Assembling %1 (%2 of %3)")
                              .arg(Paths::FileNamePart(unit->FileName))
                              .arg(ordinal)
                              .arg(count);
    switch (RunCaptured(command, label)) {
        case RunOutcome::OutputNotCreated:
            return ReportFileError({MessageFileName(), outputError_});
        case RunOutcome::NotStarted:
            dialogs_.MessageBox(QStringLiteral("Could not run assembler executable."), Error(),
                                MsgButtons::Ok);
            return false;
        case RunOutcome::Cancelled:
            // What the tool printed before it was stopped is still worth seeing.
            AddAssemblerMessages();
            return false;
        case RunOutcome::Finished:
            break;
    }
    AddAssemblerMessages();
    return true;
}

bool BuildDriver::Link() {
    LinkerInputs inputs;
    inputs.options = &project_.Options();
    inputs.projectFileName = project_.ProjectFileName;
    for (int i = 0; i < units_.Count(); ++i) inputs.unitFileNames << units_.At(i)->FileName;
    inputs.libDirChecked = project_.LibDirBox().CheckedTexts();
    inputs.curProjectChecked = project_.CurProjectBox().CheckedTexts();
    inputs.resourceChecked = project_.ResourceBox().CheckedTexts();
    inputs.exeDir = system_.ExecutableDirectory();
    inputs.shortExeDir = ShortExecutableDirectory(system_);
    inputs.currentDirectory = system_.CurrentDirectory();
    const LinkerResponses responses = BuildLinkerResponses(inputs, system_);
    FileWriteError writeError;
    const bool written = WriteLinkerResponses(responses, &writeError);
    // The flags tell which optional files this link wrote; after a failed write
    // no file from the failed one on counts.
    Flags = LinkerResponseFlags{};
    for (const ResponseFile& file : responses.files) {
        if (!written && file.path == writeError.path) break;
        if (file.name == QLatin1String("Tmap.rsp")) Flags.MapResponseWritten = true;
        if (file.name == QLatin1String("Tlib.rsp")) Flags.LibResponseWritten = true;
        if (file.name == QLatin1String("Tdef.rsp")) Flags.DefResponseWritten = true;
        if (file.name == QLatin1String("Tres.rsp")) Flags.ResResponseWritten = true;
    }
    if (!written) return ReportFileError(writeError);

    const QString command = LinkerCommand(LinkerPath(hooks_.toolsDirectory(), project_.Options()),
                                          inputs.shortExeDir, Flags);
    const QString label =
        QStringLiteral("Linking ") + StripExtension(Paths::FileNamePart(project_.ProjectFileName));
    switch (RunCaptured(command, label)) {
        case RunOutcome::OutputNotCreated:
            return ReportFileError({MessageFileName(), outputError_});
        case RunOutcome::NotStarted:
            dialogs_.MessageBox(QStringLiteral("Could not run linker executable."), Error(),
                                MsgButtons::Ok);
            return false;
        case RunOutcome::Cancelled:
            AddLinkerMessages();
            return false;
        case RunOutcome::Finished:
            break;
    }
    AddLinkerMessages();
    return true;
}

bool BuildDriver::MakeProject() {
    BuildMessages.clear();
    // The assembler writes each object file into the current directory, and the
    // linker looks for them in the project's: both run there.
    system_.SetCurrentDirectory(project_.ProjectDirectory());
    const int count = units_.Count();
    for (int i = 0; i < count; ++i) {
        if (!Assemble(i, i + 1, count)) return false;
    }
    return Link();
}

bool BuildDriver::CompileCurrentUnit() {
    BuildMessages.clear();
    if (units_.CurrentUnit() < 0) return false;
    return Assemble(units_.CurrentUnit(), 1, 1);
}

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
    if (busy_) return;
    const BusyScope busy(busy_);
    if (!project_.SaveAll()) return;
    MakeProject();
    ShowBuildMessages();
}

void BuildDriver::CompileUnit1Click() {
    // Without a current unit there is nothing to compile.
    if (busy_ || units_.CurrentUnit() < 0) return;
    const BusyScope busy(busy_);
    if (!units_.SaveUnit()) return;
    CompileCurrentUnit();
    ShowBuildMessages();
}

bool BuildDriver::BuildForRun() {
    if (busy_) return false;
    const BusyScope busy(busy_);
    if (!project_.SaveAll()) return false;
    const bool completed = MakeProject();
    ShowBuildMessages();
    // Any kept line stops Run and Debug, a warning as much as an error.
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
    // Linux has no command.com: open the desktop's terminal, which starts the
    // user's shell in the current directory.
    const char* const terminals[] = {"x-terminal-emulator", "xterm", "gnome-terminal", "konsole"};
    for (const char* terminal : terminals) {
        if (system_.StartDetached(QString::fromLatin1(terminal))) return;
    }
    dialogs_.MessageBox(
        QStringLiteral("Could not run x-terminal-emulator, xterm, gnome-terminal or konsole."),
        Error(), MsgButtons::OkCancel);
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
