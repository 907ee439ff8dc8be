#include "units/ui/TUnit.h"

#include <algorithm>

#include <Qsci/qscicommandset.h>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>

#include "platform/Ansi.h"
#include "platform/Paths.h"
#include "platform/System.h"
#include "store/RecordFile.h"

namespace {

struct KeyBinding {
    QKeyCombination key;
    int command;
};

// Everything the editor does on its own with a key: caret movement, selection,
// plain deletion, line breaks, undo and redo. Every other chord is left to the
// main window's menus, so no key edits the text in a way nobody asked for.
const std::array<KeyBinding, 34>& KeyMap() {
    using B = QsciScintillaBase;
    static const std::array<KeyBinding, 34> map = {{
        {Qt::Key_Down, B::SCI_LINEDOWN},
        {Qt::SHIFT | Qt::Key_Down, B::SCI_LINEDOWNEXTEND},
        {Qt::Key_Up, B::SCI_LINEUP},
        {Qt::SHIFT | Qt::Key_Up, B::SCI_LINEUPEXTEND},
        {Qt::Key_Left, B::SCI_CHARLEFT},
        {Qt::SHIFT | Qt::Key_Left, B::SCI_CHARLEFTEXTEND},
        {Qt::Key_Right, B::SCI_CHARRIGHT},
        {Qt::SHIFT | Qt::Key_Right, B::SCI_CHARRIGHTEXTEND},
        {Qt::CTRL | Qt::Key_Left, B::SCI_WORDLEFT},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Left, B::SCI_WORDLEFTEXTEND},
        {Qt::CTRL | Qt::Key_Right, B::SCI_WORDRIGHT},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Right, B::SCI_WORDRIGHTEXTEND},
        {Qt::Key_Home, B::SCI_HOME},
        {Qt::SHIFT | Qt::Key_Home, B::SCI_HOMEEXTEND},
        {Qt::Key_End, B::SCI_LINEEND},
        {Qt::SHIFT | Qt::Key_End, B::SCI_LINEENDEXTEND},
        {Qt::CTRL | Qt::Key_Home, B::SCI_DOCUMENTSTART},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Home, B::SCI_DOCUMENTSTARTEXTEND},
        {Qt::CTRL | Qt::Key_End, B::SCI_DOCUMENTEND},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_End, B::SCI_DOCUMENTENDEXTEND},
        {Qt::Key_PageUp, B::SCI_PAGEUP},
        {Qt::SHIFT | Qt::Key_PageUp, B::SCI_PAGEUPEXTEND},
        {Qt::Key_PageDown, B::SCI_PAGEDOWN},
        {Qt::SHIFT | Qt::Key_PageDown, B::SCI_PAGEDOWNEXTEND},
        {Qt::Key_Backspace, B::SCI_DELETEBACK},
        {Qt::SHIFT | Qt::Key_Backspace, B::SCI_DELETEBACK},
        {Qt::Key_Delete, B::SCI_CLEAR},
        {Qt::Key_Return, B::SCI_NEWLINE},
        {Qt::SHIFT | Qt::Key_Return, B::SCI_NEWLINE},
        {Qt::Key_Enter, B::SCI_NEWLINE},
        {Qt::SHIFT | Qt::Key_Enter, B::SCI_NEWLINE},
        {Qt::CTRL | Qt::Key_Z, B::SCI_UNDO},
        {Qt::CTRL | Qt::Key_Y, B::SCI_REDO},
        {Qt::CTRL | Qt::Key_A, B::SCI_SELECTALL},
    }};
    return map;
}

constexpr Qt::KeyboardModifiers kChordModifiers =
    Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

QKeyCombination Combination(const QKeyEvent* e) {
    return QKeyCombination(e->modifiers() & ~Qt::KeypadModifier, Qt::Key(e->key()));
}

bool IsTabKey(const QKeyEvent* e) { return e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab; }

bool IsReturnKey(const QKeyEvent* e) {
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

// Printable text typed without Ctrl, Alt or Meta.
bool IsTyping(const QKeyEvent* e) {
    return !(e->modifiers() & kChordModifiers) && !e->text().isEmpty() && e->text()[0].isPrint();
}

class UndoStep {
public:
    explicit UndoStep(QsciScintillaBase& editor) : editor_(editor) {
        editor_.SendScintilla(QsciScintillaBase::SCI_BEGINUNDOACTION);
    }
    ~UndoStep() { editor_.SendScintilla(QsciScintillaBase::SCI_ENDUNDOACTION); }
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

private:
    QsciScintillaBase& editor_;
};

}  // namespace

TUnit::TUnit(QWidget* parent) : QsciScintilla(parent), TabStops(UnitText::kTabStops) {
    setObjectName(QStringLiteral("Unit"));
    // 8-bit text with CR LF line ends: one byte is one character, as in the file.
    setUtf8(false);
    SendScintilla(SCI_SETCODEPAGE, 0L);
    setEolMode(EolWindows);
    SendScintilla(SCI_SETPASTECONVERTENDINGS, 1L);
    setWrapMode(WrapNone);
    SendScintilla(SCI_SETHSCROLLBAR, 1L);
    SendScintilla(SCI_SETVSCROLLBAR, 1L);

    // Tab and Return do only what UnitKeyPress and UnitChange say.
    setAutoIndent(false);
    setTabIndents(false);
    setBackspaceUnindents(false);
    setIndentationsUseTabs(false);
    setTabWidth(8);
    SendScintilla(SCI_SETMULTIPLESELECTION, 0L);

    QFont font(QStringLiteral("Courier New"), 10);
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                      QStringLiteral("DejaVu Sans Mono"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    setFont(font);
    setMarginsFont(font);

    setMarginType(0, NumberMargin);
    setMarginLineNumbers(0, true);
    for (int margin = 1; margin < 5; ++margin) setMarginWidth(margin, 0);
    UpdateLineNumberWidth();

    InstallKeyMap();

    connect(this, &QsciScintilla::textChanged, this, &TUnit::UnitChange);
    connect(this, &QsciScintilla::linesChanged, this, &TUnit::UpdateLineNumberWidth);
}

TUnit::~TUnit() = default;

void TUnit::InstallKeyMap() {
    SendScintilla(SCI_CLEARALLCMDKEYS);
    // The command set is only a mirror of the keys for QsciScintilla's own
    // shortcut check; emptied, it claims no key.
    standardCommands()->clearKeys();
    standardCommands()->clearAlternateKeys();
    for (const KeyBinding& b : KeyMap()) {
        int modifiers = 0;
        if (b.key.keyboardModifiers() & Qt::ShiftModifier) modifiers |= SCMOD_SHIFT;
        if (b.key.keyboardModifiers() & Qt::ControlModifier) modifiers |= SCMOD_CTRL;
        const int key = commandKey(b.key.key(), modifiers);
        if (key == 0) continue;
        SendScintilla(SCI_ASSIGNCMDKEY, static_cast<unsigned long>(key + (modifiers << 16)),
                      static_cast<long>(b.command));
    }
}

bool TUnit::WantsKey(const QKeyEvent* e) const {
    if (IsTabKey(e)) return !(e->modifiers() & kChordModifiers);
    if (IsTyping(e)) return true;
    const QKeyCombination combination = Combination(e);
    for (const KeyBinding& b : KeyMap()) {
        if (b.key == combination) return true;
    }
    return false;
}

bool TUnit::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride) {
        // Claim only the keys the editor acts on; every other chord stays a
        // shortcut of the main window even while this pane has the focus.
        auto* ke = static_cast<QKeyEvent*>(e);
        ke->setAccepted(WantsKey(ke));
        return ke->isAccepted();
    }
    return QsciScintilla::event(e);
}

void TUnit::keyPressEvent(QKeyEvent* e) {
    if (!WantsKey(e)) {
        e->ignore();
        return;
    }
    indentPending_ = false;
    char typed = 0;
    if (IsTabKey(e)) {
        typed = '\t';
    } else if (IsReturnKey(e)) {
        typed = '\r';
    } else if (IsTyping(e)) {
        typed = Ansi::FromString(e->text()).at(0);
    }
    if (typed != 0 && UnitKeyPress(typed)) {
        e->accept();
        return;
    }
    if (typed == '\r') {
        // The line break and the blanks that indent the new line are one undo step.
        UndoStep step(*this);
        QsciScintilla::keyPressEvent(e);
        if (indentPending_) AutoIndentNewLine();
        EnterPressed = false;
        return;
    }
    if (typed != 0) {
        const QByteArray bytes = Ansi::FromString(e->text());
        // The editor's own typing knows only Latin-1; the windows-1252 letters
        // that Latin-1 lacks (€, Š, “ ...) go in as their bytes here.
        const bool special = std::any_of(bytes.begin(), bytes.end(), [](char c) {
            const auto b = static_cast<unsigned char>(c);
            return b >= 0x80 && b <= 0x9F;
        });
        if (special) {
            SendScintilla(SCI_REPLACESEL, 0UL, bytes.constData());
            e->accept();
            return;
        }
    }
    QsciScintilla::keyPressEvent(e);
}

void TUnit::keyReleaseEvent(QKeyEvent* e) {
    QsciScintilla::keyReleaseEvent(e);
    UnitKeyUp();
}

void TUnit::mousePressEvent(QMouseEvent* e) {
    QsciScintilla::mousePressEvent(e);
    UnitMouseDown();
}

QByteArray TUnit::fromMimeData(const QMimeData* source, bool& rectangular) const {
    const QByteArray base = QsciScintilla::fromMimeData(source, rectangular);
    if (base.isNull()) return base;
    return UnitText::NormalizeLineBreaks(Ansi::FromString(source->text()));
}

QMimeData* TUnit::toMimeData(const QByteArray& text, bool rectangular) const {
    QMimeData* data = QsciScintilla::toMimeData(text, rectangular);
    data->setText(Ansi::ToString(text));
    return data;
}

bool TUnit::UnitKeyPress(char key) {
    EnterPressed = key == '\r';
    if (key != '\t') return false;
    const qsizetype p = SelStart();
    const int line = LineFromPosition(p);
    const qsizetype start = LineStart(line);
    const qsizetype column = p - start;
    if (column < TabStops.back()) {
        const int stop = UnitText::NextTabStop(static_cast<int>(column));
        UndoStep step(*this);
        // The blanks go in at the selection start; the selection is dropped.
        SetSelection(p, 0);
        InsertBytesAt(p, QByteArray(stop - column, ' '));
        SetSelection(start + stop, 0);
    }
    return true;
}

void TUnit::UnitChange() {
    if (changeHandlerOff_) return;
    Modified = true;
    // The editor forbids edits while it reports one, so the indent of a new
    // line is made once the Return key has been handled.
    if (EnterPressed) indentPending_ = true;
}

void TUnit::AutoIndentNewLine() {
    indentPending_ = false;
    const qsizetype p = SelStart();
    const int line = LineFromPosition(p);
    if (line < 1) return;
    const qsizetype above = LineStart(line - 1);
    const qsizetype aboveLength = LineLength(line - 1);
    qsizetype blanks = 0;
    while (blanks < aboveLength &&
           SendScintilla(SCI_GETCHARAT, static_cast<unsigned long>(above + blanks)) == ' ') {
        ++blanks;
    }
    if (blanks == 0) return;
    changeHandlerOff_ = true;
    InsertBytesAt(LineStart(line), QByteArray(blanks, ' '));
    SetSelection(p + blanks, 0);
    changeHandlerOff_ = false;
}

void TUnit::UnitKeyUp() { ShowCaretPosition(); }

void TUnit::UnitMouseDown() { ShowCaretPosition(); }

void TUnit::ShowCaretPosition() {
    if (!StatusPanel) return;
    const qsizetype p = SelStart();
    const int line = LineFromPosition(p);
    StatusPanel->setText(QString::number(line + 1) + QLatin1Char(',') +
                         QString::number(p - LineStart(line) + 1));
}

QByteArray TUnit::Text() const { return TextView().toByteArray(); }

QByteArrayView TUnit::TextView() const {
    const long length = SendScintilla(SCI_GETLENGTH);
    const auto* data = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    return QByteArrayView(data, length);
}

bool TUnit::ReplaceAllText(const QByteArray& bytes) {
    const QByteArray old = Text();
    SendScintilla(SCI_SETSTATUS, 0L);
    SendScintilla(SCI_SETUNDOCOLLECTION, 0L);
    SendScintilla(SCI_CLEARALL);
    SendScintilla(SCI_ADDTEXT, static_cast<uintptr_t>(bytes.size()), bytes.constData());
    bool ok = SendScintilla(SCI_GETSTATUS) == 0 && TextLength() == bytes.size();
    if (!ok) {
        SendScintilla(SCI_CLEARALL);
        SendScintilla(SCI_ADDTEXT, static_cast<uintptr_t>(old.size()), old.constData());
        SendScintilla(SCI_SETSTATUS, 0L);
    }
    SendScintilla(SCI_SETUNDOCOLLECTION, 1L);
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_GOTOPOS, 0L);
    return ok;
}

void TUnit::SetText(const QByteArray& bytes) { ReplaceAllText(bytes); }

bool TUnit::LoadFile(const QString& path) {
    QByteArray bytes;
    if (!ReadWholeFile(path, bytes)) return false;
    const bool oldModified = Modified;
    if (!ReplaceAllText(UnitText::NormalizeLineBreaks(bytes))) {
        Modified = oldModified;
        return false;
    }
    FileName = path;
    Modified = false;
    HasFile = true;
    return true;
}

bool TUnit::SaveFile() {
    if (!HasFile) return false;
    if (!WriteFileSafely(FileName, Text())) return false;
    Modified = false;
    return true;
}

bool TUnit::SaveFileAs(const QString& path) {
    if (!WriteFileSafely(path, Text())) return false;
    FileName = path;
    Modified = false;
    HasFile = true;
    return true;
}

bool TUnit::ReadProjectRecord(RecordReader& file, const QString& projectDir, System& system) {
    system.SetCurrentDirectory(projectDir);
    const QString text = ReadRecordString(file);
    if (!file.ok()) return false;
    FileName = Paths::ResolvePath(text, system.CurrentDirectory());
    return LoadFile(FileName);
}

bool TUnit::WriteProjectRecord(RecordWriter& file, const QString& projectDir) const {
    if (!HasFile) return false;
    WriteRecordString(file, UnitText::ProjectRecordPath(FileName, projectDir));
    return true;
}

void TUnit::SelectLine(int line) {
    if (line < 0 || line >= LineCount()) {
        const long caret = SendScintilla(SCI_GETCURRENTPOS);
        SendScintilla(SCI_SETEMPTYSELECTION, static_cast<unsigned long>(caret));
        return;
    }
    SetSelection(LineStart(line), LineLength(line));
}

void TUnit::InsertLines(const QStringList& texts) {
    if (texts.isEmpty()) return;
    QByteArray block;
    for (const QString& text : texts) block += Ansi::FromString(text) + "\r\n";
    block = UnitText::NormalizeLineBreaks(block);
    const qsizetype start = LineStart(LineFromPosition(SelStart()));
    UndoStep step(*this);
    InsertBytesAt(start, block);
    SetSelection(start + block.size(), 0);
}

void TUnit::InsertBytesAt(qsizetype position, const QByteArray& bytes) {
    SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(position),
                  static_cast<long>(position));
    SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(bytes.size()), bytes.constData());
}

void TUnit::ReplaceRange(qsizetype start, qsizetype length, const QByteArray& bytes) {
    SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(start),
                  static_cast<long>(start + length));
    SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(bytes.size()), bytes.constData());
    SetSelection(start + bytes.size(), 0);
}

void TUnit::ReplaceOccurrences(const QList<qsizetype>& offsets, qsizetype length,
                               const QByteArray& bytes) {
    if (offsets.isEmpty()) return;
    {
        UndoStep step(*this);
        // Reports of each single edit are paused: a bulk replace is one change.
        const long mask = SendScintilla(SCI_GETMODEVENTMASK);
        SendScintilla(SCI_SETMODEVENTMASK, 0L);
        // From the last occurrence back, so the earlier offsets stay valid.
        for (qsizetype i = offsets.size() - 1; i >= 0; --i) {
            SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(offsets[i]),
                          static_cast<long>(offsets[i] + length));
            SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(bytes.size()),
                          bytes.constData());
        }
        SendScintilla(SCI_SETMODEVENTMASK, mask);
    }
    const qsizetype shift = (offsets.size() - 1) * (bytes.size() - length);
    SetSelection(offsets.back() + shift + bytes.size(), 0);
    UpdateLineNumberWidth();
    UnitChange();
}

qsizetype TUnit::TextLength() const { return SendScintilla(SCI_GETLENGTH); }

qsizetype TUnit::SelStart() const { return SendScintilla(SCI_GETSELECTIONSTART); }

qsizetype TUnit::SelLength() const { return SendScintilla(SCI_GETSELECTIONEND) - SelStart(); }

void TUnit::SetSelection(qsizetype start, qsizetype length) {
    SendScintilla(SCI_SETSEL, static_cast<unsigned long>(start), static_cast<long>(start + length));
}

int TUnit::LineCount() const { return static_cast<int>(SendScintilla(SCI_GETLINECOUNT)); }

int TUnit::LineFromPosition(qsizetype offset) const {
    return static_cast<int>(
        SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(offset)));
}

qsizetype TUnit::LineStart(int line) const {
    return SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
}

qsizetype TUnit::LineLength(int line) const {
    return SendScintilla(SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line)) -
           LineStart(line);
}

void TUnit::UpdateLineNumberWidth() {
    int digits = 4;
    for (int lines = LineCount(); lines >= 10000; lines /= 10) ++digits;
    if (digits == lineNumberDigits_) return;
    lineNumberDigits_ = digits;
    setMarginWidth(0, QString(digits + 1, QLatin1Char('0')));
}
