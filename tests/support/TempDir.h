#pragma once
// A temporary directory for one test, removed afterwards, with helpers to
// write and read files in it.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class TempDir {
public:
    TempDir();
    // The directory path, ending in '/'.
    QString path() const { return path_; }
    QString File(const QString& relative) const { return path_ + relative; }
    // Writes bytes to a file below the directory, creating parent directories.
    QString Write(const QString& relative, const QByteArray& bytes) const;
    QString MakeDir(const QString& relative) const;
    static QByteArray Read(const QString& path);

private:
    QTemporaryDir dir_;
    QString path_;
};
