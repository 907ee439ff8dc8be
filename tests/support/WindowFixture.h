#pragma once
// Builds the real main window offscreen on a temporary executable directory,
// with every dialog answered by ScriptedDialogs.
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "platform/PosixSystem.h"
#include "shell/TForm1.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

class WindowTest : public ::testing::Test {
protected:
    WindowTest();
    ~WindowTest() override;

    // Creates and shows the window; put files into `exe` before calling it.
    TForm1& Start();
    // Closes the window through its close button, answering the close query.
    bool CloseWith(MsgAnswer answer);
    template <class T>
    T* Find(const char* name) const {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    // Triggers a menu item the way its shortcut does: enabling first, then the action.
    void Trigger(const char* actionName);

    TempDir exe;
    ScriptedDialogs dialogs;
    std::unique_ptr<PosixSystem> system;
    std::unique_ptr<TForm1> form;
    QString startDirectory;
};

// Waits until `condition` holds, processing events, for at most `ms`
// milliseconds. Use with EXPECT_TRUE: Qt Test's QTRY_ macros only return from
// the test function on failure, which gtest would count as a pass.
bool WaitUntil(const std::function<bool()>& condition, int ms = 10000);
