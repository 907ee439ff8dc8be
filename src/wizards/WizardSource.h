#pragma once
// The readable form of the sample wizards that ship with Velmora, and the step
// that turns it into wizard files. A source file (*.wiz) reads:
//
//   # comments and blank lines, only before the first snippet
//   @wizard DOS EXE
//   @snippet EXE skeleton
//   ...the snippet's lines, exactly as they are to be inserted...
//   @snippet Next snippet
//   ...
//
// Blank lines at the end of a snippet are dropped, so snippets can be set
// apart by blank lines. Snippet lines may not hold tab characters or end in
// blanks, which keeps the inserted text independent of tab settings.
#include <memory>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "wizards/Wizards.h"

// The wizard a source describes, or null with `error` saying which line is wrong.
std::unique_ptr<TWizard> ParseWizardSource(const QByteArray& text, QString& error);

// Parses every "*.wiz" of `sourceDir` (ending in '/') and, when all of them are
// sound, writes one wizard file each into `wizardsDir` with TWizard::SaveToFile.
// `written` receives the bare names of the files written, in source order.
bool GenerateWizardFiles(const QString& sourceDir, const QString& wizardsDir, QStringList& written,
                         QString& error);
