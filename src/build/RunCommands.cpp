#include "build/RunCommands.h"

#include "platform/Ansi.h"
#include "platform/Paths.h"
#include "project/ProjectOptions.h"
#include "store/ConfigData.h"
#include "store/RecordFile.h"

namespace {

QString PickPiece(qint32 index, std::initializer_list<const char*> pieces) {
    if (index < 0 || index >= static_cast<qint32>(pieces.size())) return QString();
    return QString::fromLatin1(pieces.begin()[index]);
}

}  // namespace

QString BuiltProgramExtension(const TProjectOptions& o) {
    if (o.Flag(TProjectOptions::LO16_UseThisLinker)) {
        return PickPiece(o.Choice(TProjectOptions::LO16_ImageType), {".exe", ".dll", ".com"});
    }
    return PickPiece(o.Choice(TProjectOptions::LO32_OutputType), {".exe", ".dll"});
}

QString BuiltProgramBase(const QString& projectFileName, const TProjectOptions& options) {
    const QString executable = options.Text(TProjectOptions::Project_Executable);
    if (executable.isEmpty()) return StripExtension(projectFileName);
    // The linker runs in the project's directory and drops any directory typed here.
    return Paths::DirectoryPart(projectFileName) + StripExtension(Paths::FileNamePart(executable));
}

QString RunCommandLine(const QString& projectFileName, const TProjectOptions& options) {
    return BuiltProgramBase(projectFileName, options) + BuiltProgramExtension(options);
}

std::optional<QString> DebugCommandLine(const TConfigDataList& configList,
                                        const QString& shortProjectFileName,
                                        const TProjectOptions& options) {
    const TConfigData* directory = configList.Find(kTasmExecDirectoryKey);
    if (directory == nullptr) return std::nullopt;
    const TConfigData* debugger = configList.Find(kSelectedDebuggerKey);
    if (debugger == nullptr) return std::nullopt;

    const qsizetype zero = directory->Data.indexOf('\0');
    const QString toolsDir =
        Ansi::ToString(zero < 0 ? directory->Data : directory->Data.left(zero));
    // The index is the value's first byte, read as a signed number; an empty
    // value has no index and so names no debugger.
    const int index = debugger->Data.isEmpty() ? -1 : static_cast<signed char>(debugger->Data[0]);
    // Each debugger name brings its own separator: the stored directory is a
    // full path without a trailing one.
    return toolsDir + PickPiece(index, {"/td.exe ", "/tdw.exe ", "/td32.exe "}) +
           BuiltProgramBase(shortProjectFileName, options) + BuiltProgramExtension(options);
}
