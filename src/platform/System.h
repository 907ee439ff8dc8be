#pragma once
// The operating-system services Velmora uses, behind one interface so tests can
// give it a temporary executable directory.
#include <QString>
#include <QStringList>

class System {
public:
    virtual ~System() = default;
    // The directory of Velmora's executable, ending in '/'.
    virtual QString ExecutableDirectory() const = 0;
    virtual QString CurrentDirectory() const = 0;
    virtual bool SetCurrentDirectory(const QString& dir) = 0;
    // Bare names of the entries (files and directories) in `mask`'s directory
    // that match its wildcard part, case-insensitively, sorted by name without
    // regard to letter case.
    virtual QStringList FindFiles(const QString& mask) const = 0;
    // The path itself when it names an existing file or directory, else "".
    virtual QString ShortPath(const QString& path) const = 0;
    // Starts a command line (split by the Windows rules) without waiting.
    virtual bool StartDetached(const QString& commandLine) = 0;
    // The desktop's "open" of a document in a working directory.
    virtual bool OpenDocument(const QString& document, const QString& workingDir) = 0;
};
