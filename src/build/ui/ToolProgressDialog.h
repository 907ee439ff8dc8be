#pragma once
// A modal box that names the tool running and offers Cancel, while a local
// event loop keeps the window repainting until the tool ends.
#include <QDialog>
#include <QString>

#include "build/ToolRunner.h"

class QLabel;
class QPushButton;

class ToolProgressDialog : public QDialog {
    Q_OBJECT
public:
    // objectName "ToolProgress"; the label is "ToolProgressLabel", the button
    // "ToolProgressCancel".
    explicit ToolProgressDialog(const QString& label, QWidget* parent = nullptr);

    // Runs the tool to its end. The box appears only when the tool takes longer
    // than the show delay; until then user input waits in the queue, so no
    // other command can start either way.
    RunOutcome Run(const QString& commandLine, const QString& outputFile);

    void SetShowDelay(int milliseconds) { showDelayMs_ = milliseconds; }
    void SetKillGracePeriod(int milliseconds) { runner_.SetKillGracePeriod(milliseconds); }
    // The system's reason when the output file could not be created.
    QString OutputError() const { return runner_.OutputError(); }

public slots:
    // Stops the running tool; the box stays until it has ended.
    void Cancel();

protected:
    // Escape and the window's close button cancel the tool instead of closing the box.
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    ToolRunner runner_;
    QLabel* label_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    int showDelayMs_ = 400;
};

// Runs `commandLine` with its standard output in `outputFile` under a
// ToolProgressDialog labelled `label`. True when the tool could be started
// (outcome Finished or Cancelled), false when it could not (NotStarted or
// OutputNotCreated).
bool RunCaptured(QWidget* parent, const QString& commandLine, const QString& outputFile,
                 const QString& label, RunOutcome& outcome);
