#pragma once
#include <array>

#include "project/ProjectOptions.h"

class CheckList;
class QWidget;

// The five option panels of the Options page, in button order: Project,
// Assembler, 16-Bit Linker, 32-Bit Linker, Library Files. All start hidden.
std::array<QWidget*, 5> BuildOptionPanels(TProjectOptions& options, CheckList& libDirBox,
                                          CheckList& curProjectBox, CheckList& resourceBox,
                                          QWidget* parent);
