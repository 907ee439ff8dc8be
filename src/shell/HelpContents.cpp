#include "shell/HelpContents.h"

#include "platform/System.h"

void ShowHelpContents(System& system) {
    system.OpenDocument(QStringLiteral("contents.htm"),
                        system.ExecutableDirectory() + QStringLiteral("Help"));
}
