#pragma once
// Command lines of Run and Debug: the built program, and Turbo Debugger from
// the stored tools directory.
#include <optional>

#include <QString>

class TConfigDataList;
class TProjectOptions;

// ".exe", ".dll" or ".com" by the image type of the linker in use; empty for
// an index without an extension.
QString BuiltProgramExtension(const TProjectOptions& options);
// The built program's path without its extension, as the linker names it:
// the project's directory and the bare name of "Executable Name" up to its
// first "." when that is set, else the project file's path up to its first ".".
QString BuiltProgramBase(const QString& projectFileName, const TProjectOptions& options);
// BuiltProgramBase, then the built program's extension; not quoted.
QString RunCommandLine(const QString& projectFileName, const TProjectOptions& options);
// The stored tools directory, "/td.exe ", "/tdw.exe " or "/td32.exe " by the
// stored debugger index (nothing for another index), then BuiltProgramBase of
// the short project path and the extension. None when either key is missing.
std::optional<QString> DebugCommandLine(const TConfigDataList& configList,
                                        const QString& shortProjectFileName,
                                        const TProjectOptions& options);
