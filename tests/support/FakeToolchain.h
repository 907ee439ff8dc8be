#pragma once
// The fake Turbo Assembler toolchain (tests/fixtures/faketool.cpp) installed in
// a tools directory, and a check that a test leaves no child process behind.
#include <QList>
#include <QString>
#include <QStringList>

// Links the fake tool into `toolsDir` as tasm.exe, tasmx.exe, tasm32.exe,
// tlink.exe, tlink32.exe, td.exe, tdw.exe and td32.exe.
bool InstallFakeTools(const QString& toolsDir);
// The fake tools' log in `toolsDir` ("" while no tool has run).
QString FakeToolLog(const QString& toolsDir);

// Process ids of this process's children, zombies included.
QList<qint64> ChildProcesses();
// Kills and reaps every child; returns how many there were.
int KillChildProcesses();
