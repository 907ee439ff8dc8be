#include "build/ui/ToolProgressDialog.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

ToolProgressDialog::ToolProgressDialog(const QString& label, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ToolProgress"));
    setWindowTitle(QStringLiteral("Velmora"));
    setWindowModality(Qt::ApplicationModal);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    label_ = new QLabel(label, this);
    label_->setObjectName(QStringLiteral("ToolProgressLabel"));
    auto* bar = new QProgressBar(this);
    bar->setRange(0, 0);  // a tool reports no progress; the bar only shows it is alive
    bar->setTextVisible(false);
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("ToolProgressCancel"));
    cancelButton_->setAutoDefault(false);
    connect(cancelButton_, &QPushButton::clicked, this, &ToolProgressDialog::Cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(bar);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancelButton_);
    layout->addLayout(buttons);
    setMinimumWidth(320);
}

RunOutcome ToolProgressDialog::Run(const QString& commandLine, const QString& outputFile) {
    QEventLoop loop;
    bool done = false;
    const auto end = [&] {
        done = true;
        loop.quit();
    };
    connect(&runner_, &ToolRunner::finished, &loop, end);
    connect(&runner_, &ToolRunner::failedToStart, &loop, end);
    cancelButton_->setEnabled(true);

    runner_.Start(commandLine, outputFile);
    if (!done) {
        // Most tools end within moments; showing the box only after a short
        // delay spares the user a flicker per unit. Meanwhile user input is
        // held back, which keeps every other command from starting.
        QTimer showTimer;
        showTimer.setSingleShot(true);
        connect(&showTimer, &QTimer::timeout, &loop, &QEventLoop::quit);
        showTimer.start(showDelayMs_);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (!done) {
        show();
        raise();
        activateWindow();
        loop.exec();
        hide();
    }
    return runner_.Outcome();
}

void ToolProgressDialog::Cancel() {
    if (!runner_.IsRunning()) return;
    cancelButton_->setEnabled(false);
    runner_.Cancel();
}

void ToolProgressDialog::reject() { Cancel(); }

void ToolProgressDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    Cancel();
}

bool RunCaptured(QWidget* parent, const QString& commandLine, const QString& outputFile,
                 const QString& label, RunOutcome& outcome) {
    ToolProgressDialog dialog(label, parent);
    outcome = dialog.Run(commandLine, outputFile);
    return outcome == RunOutcome::Finished || outcome == RunOutcome::Cancelled;
}
