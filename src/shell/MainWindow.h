#pragma once
class QApplication;
int RunVelmora(QApplication& app);
