#pragma once
// A small stand-in for the main window: a work area with a grid layout, a
// Units page for the selector buttons and a status panel, around a real
// UnitManager whose dialogs are answered by ScriptedDialogs.
#include <memory>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "platform/PosixSystem.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "units/ui/TUnit.h"
#include "units/ui/UnitManager.h"

class UnitHostTest : public ::testing::Test {
protected:
    UnitHostTest() : startDirectory(QDir::currentPath()), system(exe.path()) {
        window.resize(800, 500);
        auto* rows = new QVBoxLayout(&window);
        auto* row = new QHBoxLayout;
        rows->addLayout(row, 1);
        side = new QWidget(&window);
        side->setFixedWidth(144);
        unitsPage = new QWidget(side);
        row->addWidget(side);
        workArea = new QWidget(&window);
        new QGridLayout(workArea);
        row->addWidget(workArea, 1);
        status = new QLabel(&window);
        rows->addWidget(status);
        units =
            std::make_unique<UnitManager>(workArea, unitsPage, status, &window, dialogs, system);
        window.show();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    ~UnitHostTest() override {
        units.reset();
        // Reading a project record moves the current directory; give it back.
        QDir::setCurrent(startDirectory);
    }

    // A new unit holding `text`, shown, current and focused.
    TUnit* UnitWith(const QByteArray& text) {
        units->NewUnit();
        TUnit* unit = units->Current();
        unit->SetText(text);
        unit->Modified = false;
        unit->setFocus();
        QApplication::processEvents();
        return unit;
    }

    TempDir exe;
    TempDir files;
    QString startDirectory;
    ScriptedDialogs dialogs;
    PosixSystem system;
    QWidget window;
    QWidget* side = nullptr;
    QWidget* unitsPage = nullptr;
    QWidget* workArea = nullptr;
    QLabel* status = nullptr;
    std::unique_ptr<UnitManager> units;
};
