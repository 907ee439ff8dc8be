#pragma once
// Every box and file dialog Velmora shows goes through this interface, so that
// tests can script the answers and record what the user would have seen.
#include <optional>

#include <QString>

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

// The state a file dialog opens with. `filter` is "desc|mask|desc|mask";
// `initialDir` is taken relative to the current directory when it is relative.
struct FileDialogState {
    QString filter;
    QString initialDir;
    QString defaultExt;
    QString fileName;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal box with a caption and buttons; returns the button pressed.
    virtual MsgAnswer MessageBox(const QString& text, const QString& caption,
                                 MsgButtons buttons) = 0;
    // A plain notice with one OK button, captioned with the application title.
    virtual void ShowMessage(const QString& text) = 0;
    // A one-line prompt; Cancel returns `defaultText`.
    virtual QString InputBox(const QString& caption, const QString& prompt,
                             const QString& defaultText) = 0;
    // File dialogs return the chosen path, or nothing when cancelled.
    virtual std::optional<QString> OpenFile(const FileDialogState& state) = 0;
    virtual std::optional<QString> SaveFile(const FileDialogState& state) = 0;
};

inline const QString& ApplicationTitle() {
    static const QString title = QStringLiteral("Velmora");
    return title;
}
