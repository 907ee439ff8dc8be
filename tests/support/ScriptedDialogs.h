#pragma once
// The test double for Dialogs: a test queues the answers to the dialogs it
// expects, in order; every dialog shown is recorded, and a dialog nobody
// queued (or one of another kind than queued) fails the test.
#include <deque>
#include <vector>

#include <QStringList>

#include "platform/Dialogs.h"

class ScriptedDialogs : public Dialogs {
public:
    enum class Kind { Box, Message, Input, OpenFile, SaveFile };

    struct Shown {
        Kind kind;
        QString text;     // box text or input prompt
        QString caption;  // box caption or input caption; "Velmora" for ShowMessage
        MsgButtons buttons = MsgButtons::Ok;
        FileDialogState file;  // for file dialogs
    };

    ~ScriptedDialogs() override;

    // Answers, consumed in order. `expectText`, when given, must equal the text shown.
    ScriptedDialogs& Box(MsgAnswer answer, const QString& expectText = QString());
    ScriptedDialogs& Message(const QString& expectText = QString());
    ScriptedDialogs& Input(const QString& answer, const QString& expectPrompt = QString());
    ScriptedDialogs& Open(std::optional<QString> path);
    ScriptedDialogs& Save(std::optional<QString> path);

    // Everything shown so far, in order.
    const std::vector<Shown>& shown() const { return shown_; }
    // Texts of the boxes and messages shown so far.
    QStringList BoxTexts() const;
    int Pending() const { return static_cast<int>(queue_.size()); }
    void Clear() { shown_.clear(); }

    MsgAnswer MessageBox(const QString& text, const QString& caption, MsgButtons buttons) override;
    void ShowMessage(const QString& text) override;
    QString InputBox(const QString& caption, const QString& prompt,
                     const QString& defaultText) override;
    std::optional<QString> OpenFile(const FileDialogState& state) override;
    std::optional<QString> SaveFile(const FileDialogState& state) override;

private:
    struct Answer {
        Kind kind;
        MsgAnswer box = MsgAnswer::Ok;
        QString text;  // input answer
        std::optional<QString> path;
        QString expect;
    };
    bool Take(Kind kind, const QString& shownText, Answer& out);

    std::deque<Answer> queue_;
    std::vector<Shown> shown_;
};
