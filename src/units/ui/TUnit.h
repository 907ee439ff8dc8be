#pragma once
// One source unit: an assembly file held in an editor pane of its own. The
// pane keeps the file's bytes as they are (8-bit, CR LF line breaks), so every
// offset below is a byte offset and a file round-trips byte for byte.
#include <array>

#include <Qsci/qsciscintilla.h>
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include "units/UnitText.h"

class QLabel;
class RecordReader;
class RecordWriter;
class System;

class TUnit : public QsciScintilla {
    Q_OBJECT
public:
    explicit TUnit(QWidget* parent = nullptr);
    ~TUnit() override;

    // Path of the source file; a bare name such as Unit1.asm for a new unit.
    QString FileName;
    // The text has been loaded from or saved to FileName.
    bool HasFile = false;
    // The text changed since the last successful load or save.
    bool Modified = false;
    // The last character typed was Return; the change it causes indents the new line.
    bool EnterPressed = false;
    // The status-bar panel that shows the caret position; not owned.
    QLabel* StatusPanel = nullptr;
    // The columns Tab moves to: 2 to 20 by 2, then 24 to 80 by 4.
    const std::array<qint32, UnitText::kTabStopCount> TabStops;

    // Reads the file, every line break made CR LF; on failure nothing changes.
    bool LoadFile(const QString& path);
    // Writes the text to FileName; false at once for a unit without a file.
    bool SaveFile();
    bool SaveFileAs(const QString& path);
    // Makes `projectDir` the current directory, reads one record string and
    // loads the file it names, resolved against that directory ('\' counts as
    // a separator). On a failed load FileName still holds the resolved path.
    bool ReadProjectRecord(RecordReader& file, const QString& projectDir, System& system);
    // Writes FileName relative to `projectDir`; a unit without a file writes nothing.
    bool WriteProjectRecord(RecordWriter& file, const QString& projectDir) const;
    // Selects line `line` (from 0) without its line break; for an index that is
    // not a line, only drops the selection.
    void SelectLine(int line);
    // Inserts the texts as whole lines above the caret's line, as one undo step.
    void InsertLines(const QStringList& texts);
    // "line,column" of the selection start, both from 1, into StatusPanel.
    void ShowCaretPosition();

    // Handlers the unit installs on itself.
    void UnitChange();
    // Runs for every typed character before the editor sees it; returns true
    // when the character is swallowed (Tab always is).
    bool UnitKeyPress(char key);
    void UnitKeyUp();
    void UnitMouseDown();

    // The text as bytes, and byte-level access for the commands and tests.
    QByteArray Text() const;
    // The editor's own buffer, valid until the next change of the text.
    QByteArrayView TextView() const;
    // Replaces the whole text; not an undo step. Fires the change handler.
    void SetText(const QByteArray& bytes);
    qsizetype TextLength() const;
    qsizetype SelStart() const;
    qsizetype SelLength() const;
    // Anchor at `start`, caret at start + length; scrolls the caret into view.
    void SetSelection(qsizetype start, qsizetype length);
    // Replaces the bytes from `start` to start + length and leaves the caret after them.
    void ReplaceRange(qsizetype start, qsizetype length, const QByteArray& bytes);
    // Replaces `length` bytes at each of the ascending `offsets` (offsets into
    // the text as it is now) by `bytes`, as one undo step and one change, and
    // leaves the caret after the last replacement.
    void ReplaceOccurrences(const QList<qsizetype>& offsets, qsizetype length,
                            const QByteArray& bytes);
    int LineCount() const;
    int LineFromPosition(qsizetype offset) const;
    qsizetype LineStart(int line) const;
    // Length of a line without its line break.
    qsizetype LineLength(int line) const;

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    // The clipboard carries windows-1252 text; pasted line breaks become CR LF.
    QByteArray fromMimeData(const QMimeData* source, bool& rectangular) const override;
    QMimeData* toMimeData(const QByteArray& text, bool rectangular) const override;

private:
    void InstallKeyMap();
    bool WantsKey(const QKeyEvent* e) const;
    void InsertBytesAt(qsizetype position, const QByteArray& bytes);
    bool ReplaceAllText(const QByteArray& bytes);
    void AutoIndentNewLine();
    void UpdateLineNumberWidth();

    bool changeHandlerOff_ = false;
    bool indentPending_ = false;
    int lineNumberDigits_ = 0;
};
