#pragma once
// The Settings dialog: the directory of the Turbo Assembler tools and the
// debugger. It lives for the whole run; its controls keep what the user left in
// them, and only "OK" stores the values in the configuration store.
#include <QDialog>

class QButtonGroup;
class QLineEdit;
class TConfigDataList;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    // Reads its start values from `config`, which the main window has loaded.
    TForm3(TConfigDataList& config, QWidget* parent = nullptr);

    // The tools directory as the dialog shows it now; builds read it at every run.
    QString ToolsDirectory() const;
    void SetToolsDirectory(const QString& dir);
    // 0 td.exe, 1 tdw.exe, 2 td32.exe; -1 when none is selected.
    int DebuggerIndex() const;
    void SetDebuggerIndex(int index);

    void Button1Click();
    void BrowseClick();

private:
    TConfigDataList& config_;
    QLineEdit* dir_;
    QButtonGroup* debugger_;
};
