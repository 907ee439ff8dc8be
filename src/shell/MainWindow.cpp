#include "shell/MainWindow.h"

#include <QApplication>

int RunVelmora(QApplication& app) { return app.exec(); }
