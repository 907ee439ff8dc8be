#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace {
const char* KindName(ScriptedDialogs::Kind k) {
    switch (k) {
        case ScriptedDialogs::Kind::Box:
            return "message box";
        case ScriptedDialogs::Kind::Message:
            return "plain message";
        case ScriptedDialogs::Kind::Input:
            return "input box";
        case ScriptedDialogs::Kind::OpenFile:
            return "open dialog";
        case ScriptedDialogs::Kind::SaveFile:
            return "save dialog";
    }
    return "?";
}
}  // namespace

ScriptedDialogs::~ScriptedDialogs() {
    EXPECT_TRUE(queue_.empty()) << queue_.size() << " queued dialog answer(s) were never asked for";
}

ScriptedDialogs& ScriptedDialogs::Box(MsgAnswer answer, const QString& expectText) {
    queue_.push_back({Kind::Box, answer, {}, {}, expectText});
    return *this;
}
ScriptedDialogs& ScriptedDialogs::Message(const QString& expectText) {
    queue_.push_back({Kind::Message, MsgAnswer::Ok, {}, {}, expectText});
    return *this;
}
ScriptedDialogs& ScriptedDialogs::Input(const QString& answer, const QString& expectPrompt) {
    queue_.push_back({Kind::Input, MsgAnswer::Ok, answer, {}, expectPrompt});
    return *this;
}
ScriptedDialogs& ScriptedDialogs::Open(std::optional<QString> path) {
    queue_.push_back({Kind::OpenFile, MsgAnswer::Ok, {}, std::move(path), {}});
    return *this;
}
ScriptedDialogs& ScriptedDialogs::Save(std::optional<QString> path) {
    queue_.push_back({Kind::SaveFile, MsgAnswer::Ok, {}, std::move(path), {}});
    return *this;
}

QStringList ScriptedDialogs::BoxTexts() const {
    QStringList texts;
    for (const Shown& s : shown_) {
        if (s.kind == Kind::Box || s.kind == Kind::Message) texts << s.text;
    }
    return texts;
}

bool ScriptedDialogs::Take(Kind kind, const QString& shownText, Answer& out) {
    if (queue_.empty()) {
        ADD_FAILURE() << "unexpected " << KindName(kind) << ": " << shownText.toStdString();
        return false;
    }
    if (queue_.front().kind != kind) {
        ADD_FAILURE() << "expected a " << KindName(queue_.front().kind) << " but got a "
                      << KindName(kind) << ": " << shownText.toStdString();
        return false;
    }
    out = queue_.front();
    queue_.pop_front();
    if (!out.expect.isEmpty()) {
        EXPECT_EQ(out.expect.toStdString(), shownText.toStdString());
    }
    return true;
}

MsgAnswer ScriptedDialogs::MessageBox(const QString& text, const QString& caption,
                                      MsgButtons buttons) {
    shown_.push_back({Kind::Box, text, caption, buttons, {}});
    Answer a;
    if (!Take(Kind::Box, text, a)) return MsgAnswer::Cancel;
    return a.box;
}

void ScriptedDialogs::ShowMessage(const QString& text) {
    shown_.push_back({Kind::Message, text, ApplicationTitle(), MsgButtons::Ok, {}});
    Answer a;
    Take(Kind::Message, text, a);
}

QString ScriptedDialogs::InputBox(const QString& caption, const QString& prompt,
                                  const QString& defaultText) {
    shown_.push_back({Kind::Input, prompt, caption, MsgButtons::OkCancel, {}});
    Answer a;
    if (!Take(Kind::Input, prompt, a)) return defaultText;
    return a.text;
}

std::optional<QString> ScriptedDialogs::OpenFile(const FileDialogState& state) {
    shown_.push_back({Kind::OpenFile, state.fileName, QString(), MsgButtons::OkCancel, state});
    Answer a;
    if (!Take(Kind::OpenFile, state.filter, a)) return std::nullopt;
    return a.path;
}

std::optional<QString> ScriptedDialogs::SaveFile(const FileDialogState& state) {
    shown_.push_back({Kind::SaveFile, state.fileName, QString(), MsgButtons::OkCancel, state});
    Answer a;
    if (!Take(Kind::SaveFile, state.filter, a)) return std::nullopt;
    return a.path;
}
