#pragma once
#include "platform/Dialogs.h"

class QWidget;

// Dialogs shown with Qt's own boxes and file dialogs, owned by `parent`.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    MsgAnswer MessageBox(const QString& text, const QString& caption, MsgButtons buttons) override;
    void ShowMessage(const QString& text) override;
    QString InputBox(const QString& caption, const QString& prompt,
                     const QString& defaultText) override;
    std::optional<QString> OpenFile(const FileDialogState& state) override;
    std::optional<QString> SaveFile(const FileDialogState& state) override;

private:
    std::optional<QString> RunFileDialog(const FileDialogState& state, bool save);
    QWidget* parent_;
};

// "desc|mask|desc|mask" as a Qt name-filter list, with "*.*" read as "every file".
QStringList QtNameFilters(const QString& filter);
