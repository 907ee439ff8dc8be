#pragma once
#include "platform/System.h"

// System on Linux and other POSIX systems.
class PosixSystem : public System {
public:
    // An empty `executableDirectory` means the directory of the running program.
    explicit PosixSystem(QString executableDirectory = QString());

    QString ExecutableDirectory() const override;
    QString CurrentDirectory() const override;
    bool SetCurrentDirectory(const QString& dir) override;
    QStringList FindFiles(const QString& mask) const override;
    QString ShortPath(const QString& path) const override;
    bool StartDetached(const QString& commandLine) override;
    bool OpenDocument(const QString& document, const QString& workingDir) override;

private:
    QString executableDirectory_;
};

// Splits a command line into words by the Windows rules: blanks separate,
// double quotes group, and a backslash before a quote escapes it.
QStringList SplitCommandLine(const QString& commandLine);
