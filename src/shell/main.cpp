#include <QApplication>

#include "shell/TForm1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmora"));
    return RunVelmora(app);
}
