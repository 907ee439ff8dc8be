#include "platform/Paths.h"

#include <QDir>
#include <QStringList>

namespace Paths {
namespace {

qsizetype LastSeparator(const QString& path) {
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        const QChar c = path[i];
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':')) return i;
    }
    return -1;
}

}  // namespace

QString FileNamePart(const QString& path) { return path.mid(LastSeparator(path) + 1); }

QString DirectoryPart(const QString& path) { return path.left(LastSeparator(path) + 1); }

QString WithTrailingSeparator(const QString& dir) {
    // No directory at all stays so; it must not turn into the root.
    if (dir.isEmpty()) return dir;
    QString out = dir;
    while (out.size() > 1 && out.endsWith(QLatin1Char('/'))) out.chop(1);
    if (!out.endsWith(QLatin1Char('/'))) out += QLatin1Char('/');
    return out;
}

QString RelativePath(const QString& path, const QString& directory) {
    // Both must be absolute to share a root; otherwise keep the path as it is.
    if (!path.startsWith(QLatin1Char('/')) || !directory.startsWith(QLatin1Char('/'))) return path;
    QStringList from = DirectoryPart(directory).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QStringList to = DirectoryPart(path).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    qsizetype common = 0;
    while (common < from.size() && common < to.size() && from[common] == to[common]) ++common;
    QString result;
    for (qsizetype i = common; i < from.size(); ++i) result += QStringLiteral("../");
    for (qsizetype i = common; i < to.size(); ++i) result += to[i] + QLatin1Char('/');
    return result + FileNamePart(path);
}

QString ResolvePath(const QString& text, const QString& base) {
    QString unixText = text;
    unixText.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(QDir(base).absoluteFilePath(unixText));
}

}  // namespace Paths
