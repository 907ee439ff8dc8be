#pragma once
// The pieces of the project file that need no window: the options block and
// the directory scans that fill the library lists.
#include <QString>

#include "project/ProjectOptions.h"

class CheckList;
class RecordReader;
class RecordWriter;
class System;

inline const QString kProjectMagic = QStringLiteral("Velmora Project File");
inline const QString kProjectVersion = QStringLiteral("v1.1");
inline const QString kLibDirSuffix =
    QStringLiteral(" not found in VelmoraLib, this cancause linking errors");
inline const QString kProjectDirSuffix =
    QStringLiteral(" not found in project dir, this cancause linking errors");
inline const QString kProjectFilter =
    QStringLiteral("Project Files (*.vpj)|*.vpj|All Files (*.*)|*.*");

// Every option, in file order: texts as strings, flags as bytes, choices as integers.
void WriteProjectOptions(RecordWriter& f, const TProjectOptions& options);
// Assigns each option that was read completely, in file order, and stops at the
// first one that was not; false when the file ended or was damaged on the way.
bool ReadProjectOptions(RecordReader& f, TProjectOptions& options);

// Appends an unchecked, lower-cased entry for every name matching `mask`
// (a directory followed by a wildcard pattern), in directory-search order.
void FillFileList(const System& system, const QString& mask, CheckList& list);
