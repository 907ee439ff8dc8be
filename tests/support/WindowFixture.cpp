#include "support/WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTest>

WindowTest::WindowTest() : startDirectory(QDir::currentPath()) {
    system = std::make_unique<PosixSystem>(exe.path());
}

WindowTest::~WindowTest() {
    form.reset();
    // Commands move the process's current directory; leave it as it was.
    QDir::setCurrent(startDirectory);
}

TForm1& WindowTest::Start() {
    form = std::make_unique<TForm1>(dialogs, *system);
    form->show();
    form->activateWindow();
    QApplication::setActiveWindow(form.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    return *form;
}

bool WindowTest::CloseWith(MsgAnswer answer) {
    dialogs.Box(answer, QStringLiteral("Save changes to project?"));
    return form->close();
}

void WindowTest::Trigger(const char* actionName) {
    QAction* a = Find<QAction>(actionName);
    ASSERT_NE(a, nullptr) << actionName;
    if (a->isEnabled()) a->trigger();
}

bool WaitUntil(const std::function<bool()>& condition, int ms) {
    return QTest::qWaitFor(condition, ms);
}
