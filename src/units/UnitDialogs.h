#pragma once
// The two file dialogs every unit command uses. Their starting directory
// "Projects" is relative, so it is taken from the current directory at the
// moment the dialog opens.
#include <QString>

#include "platform/Dialogs.h"

inline const QString& AssemblyFilter() {
    static const QString filter =
        QStringLiteral("Assembly Files (*.asm)|*.asm|All Files (*.*)|*.*");
    return filter;
}

// `AssemblyOpen`: no default extension and no proposed name.
inline FileDialogState AssemblyOpen() {
    return {AssemblyFilter(), QStringLiteral("Projects"), QString(), QString()};
}

// `AssemblySave`: adds ".asm" to a name typed without an extension.
inline FileDialogState AssemblySave(const QString& proposedName) {
    return {AssemblyFilter(), QStringLiteral("Projects"), QStringLiteral("asm"), proposedName};
}
