#pragma once
// The tool invocations of a build: the assembler's and linker's switch texts,
// their response files and their command lines. Everything here is computed
// from its arguments; only the Write* helpers touch the disk.
#include <vector>

#include <QString>
#include <QStringList>

class System;
class TProjectOptions;

// Which file could not be written, and the system's reason.
struct FileWriteError {
    QString path;
    QString reason;
};

// --- Assembler ---------------------------------------------------------------

// The switch text of the assembler options; it always ends with "/t /m".
QString AssemblerSwitches(const TProjectOptions& options);
// The tools directory, trimmed of blanks and control characters, with one
// trailing '/', followed by the chosen assembler's lower-case file name (or
// nothing when no assembler is chosen).
QString AssemblerPath(const QString& toolsDir, const TProjectOptions& options);
// The two lines of "Tasm.rsp", each ended by CR LF.
QString AssemblerResponseText(const QString& switches, const QString& shortUnitPath);
// `assemblerPath` + " @" + `shortExeDir` + "Tasm.rsp".
QString AssemblerCommand(const QString& assemblerPath, const QString& shortExeDir);
// Writes "Tasm.rsp" for the unit file `unitFileName` into the executable's
// directory; false when the file could not be written, with the reason in `error`.
bool WriteAssemblerResponse(const System& system, const TProjectOptions& options,
                            const QString& unitFileName, FileWriteError* error = nullptr);

// --- Linker ------------------------------------------------------------------

// The 32-bit set when "Use 32-Bit Linker" is checked, else the 16-bit set.
// A non-empty switch text always ends with a blank.
QString LinkerSwitches(const TProjectOptions& options);
// The trimmed tools directory with one trailing '/', then "tlink.exe" when
// "Use 16-Bit Linker" is checked, else "tlink32.exe".
QString LinkerPath(const QString& toolsDir, const TProjectOptions& options);

// Which optional response files the latest link wrote; the linker command
// names exactly these.
struct LinkerResponseFlags {
    bool MapResponseWritten = false;
    bool LibResponseWritten = false;
    bool DefResponseWritten = false;
    bool ResResponseWritten = false;
    friend bool operator==(const LinkerResponseFlags&, const LinkerResponseFlags&) = default;
};

// Everything the linker's response files are made of, read at the moment of the link.
struct LinkerInputs {
    const TProjectOptions* options = nullptr;
    QString projectFileName;        // full path of the project file
    QStringList unitFileNames;      // full paths, in unit-list order
    QStringList libDirChecked;      // checked names of the Lib directory list, in list order
    QStringList curProjectChecked;  // checked names of the project directory list
    QStringList resourceChecked;    // checked names of the resource list
    QString exeDir;                 // the executable's directory, ending in '/'
    QString shortExeDir;            // its short form (see ShortExecutableDirectory)
    // Bare names are looked up here (the project's directory while linking).
    QString currentDirectory;
};

struct ResponseFile {
    QString name;  // e.g. "Tlink.rsp"
    QString path;  // exeDir + name
    QString text;  // the lines, each ended by CR LF
    friend bool operator==(const ResponseFile&, const ResponseFile&) = default;
};

struct LinkerResponses {
    std::vector<ResponseFile> files;  // "Tlink.rsp" first, then the optional ones written
    LinkerResponseFlags flags;
};

// The response files of one link, in the order they are written. `system`
// supplies the short forms; bare names are looked up in `currentDirectory`.
LinkerResponses BuildLinkerResponses(const LinkerInputs& inputs, const System& system);
// Writes every file of `responses`, stopping at the first that cannot be
// written; that file and the reason go into `error`.
bool WriteLinkerResponses(const LinkerResponses& responses, FileWriteError* error = nullptr);
// The linker command: "@" fields for Tlink.rsp and every optional file that
// was written, each in its own comma-separated position, trailing commas removed.
QString LinkerCommand(const QString& linkerPath, const QString& shortExeDir,
                      const LinkerResponseFlags& flags);

// --- Shared helpers ------------------------------------------------------------

// The short form of the executable's directory, ending in '/'; empty when it
// does not exist.
QString ShortExecutableDirectory(const System& system);
// The short form of `name`: an absolute name is passed to the system as it is;
// a relative one is looked up in `currentDirectory` and stays relative.
QString ShortFormIn(const System& system, const QString& currentDirectory, const QString& name);
// Each line followed by CR LF.
QString ResponseLines(const QStringList& lines);
// Writes `text` as windows-1252 bytes, replacing the file; false on failure,
// with the reason in `error`.
bool WriteResponseFile(const QString& path, const QString& text, FileWriteError* error = nullptr);
