#include "platform/PosixSystem.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include "platform/Paths.h"

PosixSystem::PosixSystem(QString executableDirectory)
    : executableDirectory_(std::move(executableDirectory)) {}

QString PosixSystem::ExecutableDirectory() const {
    if (!executableDirectory_.isEmpty()) return Paths::WithTrailingSeparator(executableDirectory_);
    return Paths::WithTrailingSeparator(QCoreApplication::applicationDirPath());
}

QString PosixSystem::CurrentDirectory() const { return QDir::currentPath(); }

bool PosixSystem::SetCurrentDirectory(const QString& dir) { return QDir::setCurrent(dir); }

QStringList PosixSystem::FindFiles(const QString& mask) const {
    const QString dir = Paths::DirectoryPart(mask);
    const QString pattern = Paths::FileNamePart(mask);
    QDir d(dir.isEmpty() ? QStringLiteral(".") : dir);
    QStringList names = d.entryList(
        QStringList{pattern}, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDir::NoSort);
    // NTFS returns names in upper-case order; sorting the same way makes the
    // order of every listing deterministic and the same as on Windows.
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = QString::compare(a.toUpper(), b.toUpper(), Qt::CaseSensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

QString PosixSystem::ShortPath(const QString& path) const {
    if (path.isEmpty() || !QFileInfo::exists(path)) return QString();
    return path;
}

bool PosixSystem::StartDetached(const QString& commandLine) {
    QStringList words = SplitCommandLine(commandLine);
    if (words.isEmpty()) return false;
    const QString program = words.takeFirst();
    return QProcess::startDetached(program, words);
}

bool PosixSystem::OpenDocument(const QString& document, const QString& workingDir) {
    const QString path = QDir(workingDir).absoluteFilePath(document);
    if (!QFileInfo::exists(path)) return false;
    // xdg-open is what QDesktopServices uses on Linux; calling it directly keeps
    // Qt GUI out of the core library.
    return QProcess::startDetached(QStringLiteral("xdg-open"),
                                   {QUrl::fromLocalFile(path).toString()}, workingDir);
}

QStringList SplitCommandLine(const QString& commandLine) {
    QStringList words;
    QString word;
    bool inQuotes = false;
    bool haveWord = false;
    for (qsizetype i = 0; i < commandLine.size(); ++i) {
        const QChar c = commandLine[i];
        if (c == QLatin1Char('\\')) {
            qsizetype n = 0;
            while (i + n < commandLine.size() && commandLine[i + n] == QLatin1Char('\\')) ++n;
            if (i + n < commandLine.size() && commandLine[i + n] == QLatin1Char('"')) {
                word += QString(n / 2, QLatin1Char('\\'));
                if (n % 2 == 1) {
                    word += QLatin1Char('"');
                    i += n;
                } else {
                    i += n - 1;
                }
            } else {
                word += QString(n, QLatin1Char('\\'));
                i += n - 1;
            }
            haveWord = true;
        } else if (c == QLatin1Char('"')) {
            inQuotes = !inQuotes;
            haveWord = true;
        } else if ((c == QLatin1Char(' ') || c == QLatin1Char('\t')) && !inQuotes) {
            if (haveWord) words << word;
            word.clear();
            haveWord = false;
        } else {
            word += c;
            haveWord = true;
        }
    }
    if (haveWord) words << word;
    return words;
}
