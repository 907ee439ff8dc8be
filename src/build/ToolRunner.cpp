#include "build/ToolRunner.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "platform/PosixSystem.h"

ToolRunner::ToolRunner(QObject* parent) : QObject(parent) {
    killTimer_.setSingleShot(true);
    connect(&killTimer_, &QTimer::timeout, this, &ToolRunner::KillNow);
}

ToolRunner::~ToolRunner() {
    if (!process_) return;
    process_->disconnect(this);
    if (process_->state() != QProcess::NotRunning) {
        // A killed process ends at once; waiting here only reaps it, so the
        // destructor does not leave a zombie or a running tool behind.
        process_->kill();
        process_->waitForFinished(5000);
    }
}

qint64 ToolRunner::ProcessId() const { return process_ ? process_->processId() : 0; }

void ToolRunner::Start(const QString& commandLine, const QString& outputFile) {
    if (running_) return;
    cancelled_ = false;
    outcome_ = RunOutcome::NotStarted;
    outputError_.clear();

    // The output file is emptied even when the tool then fails to start, so it
    // never shows an older tool's output.
    QFile output(outputFile);
    if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        outputError_ = output.errorString();
        return Fail(RunOutcome::OutputNotCreated);
    }
    output.close();

    QStringList words = SplitCommandLine(commandLine);
    if (words.isEmpty()) return Fail();
    QString program = words.takeFirst();
    if (!program.contains(QLatin1Char('/'))) {
        program = QStandardPaths::findExecutable(program);
        if (program.isEmpty()) return Fail();
    }

    if (process_) process_->disconnect(this);
    process_ = std::make_unique<QProcess>();
    process_->setProgram(program);
    process_->setArguments(words);
    process_->setInputChannelMode(QProcess::ForwardedInputChannel);
    process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_->setStandardOutputFile(outputFile, QIODevice::Truncate);
    connect(process_.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart && running_) Fail();
    });
    connect(process_.get(), &QProcess::finished, this, [this] {
        if (!running_) return;
        running_ = false;
        killTimer_.stop();
        outcome_ = cancelled_ ? RunOutcome::Cancelled : RunOutcome::Finished;
        emit finished();
    });
    running_ = true;
    process_->start();
}

void ToolRunner::Cancel() {
    if (!running_ || !process_ || process_->state() == QProcess::NotRunning) return;
    if (cancelled_) return;
    cancelled_ = true;
    process_->terminate();
    killTimer_.start(killGraceMs_);
}

void ToolRunner::Fail(RunOutcome outcome) {
    running_ = false;
    killTimer_.stop();
    outcome_ = outcome;
    emit failedToStart();
}

void ToolRunner::KillNow() {
    if (running_ && process_) process_->kill();
}
