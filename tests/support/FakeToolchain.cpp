#include "support/FakeToolchain.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

namespace {

QStringList FakeToolNames() {
    return {QStringLiteral("tasm.exe"),    QStringLiteral("tasmx.exe"),
            QStringLiteral("tasm32.exe"),  QStringLiteral("tlink.exe"),
            QStringLiteral("tlink32.exe"), QStringLiteral("td.exe"),
            QStringLiteral("tdw.exe"),     QStringLiteral("td32.exe")};
}

}  // namespace

bool InstallFakeTools(const QString& toolsDir) {
    const QString tool = QStringLiteral(VELMORA_FAKETOOL);
    QDir().mkpath(toolsDir);
    for (const QString& name : FakeToolNames()) {
        const QString link = QDir(toolsDir).filePath(name);
        QFile::remove(link);
        if (!QFile::link(tool, link)) return false;
    }
    return true;
}

QString FakeToolLog(const QString& toolsDir) {
    QFile log(QDir(toolsDir).filePath(QStringLiteral("faketool.log")));
    if (!log.open(QIODevice::ReadOnly)) return QString();
    return QString::fromLatin1(log.readAll());
}

QList<qint64> ChildProcesses() {
    QList<qint64> children;
    const qint64 self = getpid();
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& entry : entries) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        if (!isPid) continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly)) continue;
        // "pid (name) state ppid ...": the name may hold blanks and parentheses.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields[1].toLongLong() == self) children << pid;
    }
    return children;
}

int KillChildProcesses() {
    const QList<qint64> children = ChildProcesses();
    for (qint64 pid : children) {
        ::kill(static_cast<pid_t>(pid), SIGKILL);
        ::waitpid(static_cast<pid_t>(pid), nullptr, 0);
    }
    return static_cast<int>(children.size());
}
