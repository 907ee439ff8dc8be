#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempDir::TempDir() : path_(QDir(dir_.path()).canonicalPath() + QLatin1Char('/')) {}

QString TempDir::Write(const QString& relative, const QByteArray& bytes) const {
    const QString full = path_ + relative;
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
    return full;
}

QString TempDir::MakeDir(const QString& relative) const {
    QDir().mkpath(path_ + relative);
    return path_ + relative;
}

QByteArray TempDir::Read(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QByteArray();
    return f.readAll();
}
