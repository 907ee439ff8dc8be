#pragma once
// Runs one tool as a child process with its standard output in a file, without
// blocking: the caller waits for the signals, so its event loop keeps running.
#include <memory>

#include <QObject>
#include <QString>
#include <QTimer>

class QProcess;

enum class RunOutcome {
    Finished,          // the tool ran and ended by itself; its exit code is not looked at
    NotStarted,        // the program could not be started
    Cancelled,         // the tool was started and then stopped by Cancel
    OutputNotCreated,  // the output file could not be created, so nothing was started
};

class ToolRunner : public QObject {
    Q_OBJECT
public:
    explicit ToolRunner(QObject* parent = nullptr);
    // A tool still running is killed and reaped, so no child outlives its runner.
    ~ToolRunner() override;

    // Creates `outputFile` anew (empty) and starts `commandLine`, split by the
    // Windows rules; the first word is the program, looked up on PATH when it
    // names no directory. The tool inherits the current directory, standard
    // input and standard error. Exactly one of finished() or failedToStart()
    // follows, possibly before Start returns. Ignored while a tool runs.
    void Start(const QString& commandLine, const QString& outputFile);
    // Asks a running tool to terminate, and kills it when it has not ended
    // after the grace period. finished() follows once it has ended.
    void Cancel();
    void SetKillGracePeriod(int milliseconds) { killGraceMs_ = milliseconds; }

    bool IsRunning() const { return running_; }
    // The running tool's process id, or 0.
    qint64 ProcessId() const;
    // The outcome of the latest run, valid once it has ended.
    RunOutcome Outcome() const { return outcome_; }
    // The system's reason when the outcome is OutputNotCreated.
    QString OutputError() const { return outputError_; }

signals:
    void finished();
    void failedToStart();

private:
    void Fail(RunOutcome outcome = RunOutcome::NotStarted);
    void KillNow();

    std::unique_ptr<QProcess> process_;
    QTimer killTimer_;
    int killGraceMs_ = 2000;
    bool running_ = false;
    bool cancelled_ = false;
    RunOutcome outcome_ = RunOutcome::NotStarted;
    QString outputError_;
};
