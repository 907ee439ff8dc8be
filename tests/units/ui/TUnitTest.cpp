// The editor pane: Tab stops, auto-indent, caret position, files, project
// records, lines, and the keys it leaves to the main window.
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QMimeData>

#include "store/RecordFile.h"
#include "units/ui/UnitHost.h"

namespace {

using TUnitTest = UnitHostTest;

void Press(TUnit* unit, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(unit, key, modifiers);
}

TEST_F(TUnitTest, ConstructionDefaults) {
    TUnit unit;
    EXPECT_TRUE(unit.FileName.isEmpty());
    EXPECT_FALSE(unit.HasFile);
    EXPECT_FALSE(unit.Modified);
    EXPECT_FALSE(unit.EnterPressed);
    EXPECT_EQ(unit.TabStops.size(), 25u);
    EXPECT_EQ(unit.SendScintilla(QsciScintillaBase::SCI_GETCODEPAGE), 0);
    EXPECT_EQ(unit.SendScintilla(QsciScintillaBase::SCI_GETEOLMODE),
              QsciScintillaBase::SC_EOL_CRLF);
    EXPECT_EQ(unit.wrapMode(), QsciScintilla::WrapNone);
    EXPECT_GT(unit.marginWidth(0), 0) << "line numbers are shown";
    EXPECT_TRUE(unit.marginLineNumbers(0));
}

TEST_F(TUnitTest, TypingGoesIntoTheText) {
    TUnit* unit = UnitWith("");
    QTest::keyClicks(unit, QStringLiteral("mov ax"));
    EXPECT_EQ(unit->Text(), QByteArray("mov ax"));
    EXPECT_TRUE(unit->Modified);
}

TEST_F(TUnitTest, TabMovesToTheNextStopWithBlanks) {
    const struct {
        int column;
        int stop;  // -1: nothing happens
    } cases[] = {{0, 2}, {19, 20}, {20, 24}, {79, 80}, {80, -1}, {85, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.column);
        const QByteArray before = "x\r\n" + QByteArray(c.column, 'a') + "bc";
        TUnit* unit = UnitWith(before);
        const qsizetype lineStart = 3;
        unit->SetSelection(lineStart + c.column, 0);
        Press(unit, Qt::Key_Tab);
        EXPECT_FALSE(unit->Text().contains('\t'));
        if (c.stop < 0) {
            EXPECT_EQ(unit->Text(), before);
            EXPECT_EQ(unit->SelStart(), lineStart + c.column);
            EXPECT_FALSE(unit->Modified);
            continue;
        }
        EXPECT_EQ(unit->Text(),
                  "x\r\n" + QByteArray(c.column, 'a') + QByteArray(c.stop - c.column, ' ') + "bc");
        EXPECT_EQ(unit->SelStart(), lineStart + c.stop);
        EXPECT_EQ(unit->SelLength(), 0);
        EXPECT_TRUE(unit->Modified);
        // The rewrite is one undo step.
        Press(unit, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(unit->Text(), before);
    }
}

TEST_F(TUnitTest, TabDropsTheSelectionAndInsertsAtItsStart) {
    TUnit* unit = UnitWith("abcdef");
    unit->SetSelection(1, 3);
    Press(unit, Qt::Key_Tab);
    EXPECT_EQ(unit->Text(), QByteArray("a bcdef"));
    EXPECT_EQ(unit->SelStart(), 2);
    EXPECT_EQ(unit->SelLength(), 0);
}

TEST_F(TUnitTest, ReturnIndentsLikeTheLineAbove) {
    const struct {
        QByteArray line;
        qsizetype caret;
        QByteArray after;
        qsizetype caretAfter;
    } cases[] = {
        {"    mov ax,1", 12, "    mov ax,1\r\n    ", 18},
        {"\tmov ax,1", 9, "\tmov ax,1\r\n", 11},
        {"mov ax,1", 8, "mov ax,1\r\n", 10},
        // The text carried down keeps its own blanks behind the inserted ones.
        {"  ab", 3, "  a\r\n  b", 7},
        {"  a  b", 4, "  a \r\n   b", 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        TUnit* unit = UnitWith(c.line);
        unit->SetSelection(c.caret, 0);
        Press(unit, Qt::Key_Return);
        EXPECT_EQ(unit->Text(), c.after);
        EXPECT_EQ(unit->SelStart(), c.caretAfter);
        EXPECT_TRUE(unit->Modified);
        EXPECT_FALSE(unit->EnterPressed);
        // Line break and indent go back together.
        Press(unit, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(unit->Text(), c.line);
        Press(unit, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(unit->Text(), c.after);
    }
}

TEST_F(TUnitTest, StatusPanelShowsLineAndColumn) {
    TUnit* unit = UnitWith("first\r\nsecond\r\nthird line\r\n");
    unit->SetSelection(20, 0);
    status->clear();
    // A press just right of the line numbers, on the first line.
    int margins = 0;
    for (int m = 0; m < 5; ++m) margins += unit->marginWidth(m);
    QTest::mouseClick(unit->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(margins + 1, 3));
    EXPECT_EQ(unit->SelStart(), 0);
    EXPECT_EQ(status->text(), QStringLiteral("1,1"));

    // Line 3 starts at 15; the caret goes from column 5 to before the seventh character.
    unit->SetSelection(15 + 5, 0);
    Press(unit, Qt::Key_Right);
    EXPECT_EQ(status->text(), QStringLiteral("3,7"));

    // Commands that move the caret leave the panel alone.
    unit->SelectLine(0);
    EXPECT_EQ(status->text(), QStringLiteral("3,7"));
}

TEST_F(TUnitTest, LoadFileMakesEveryLineBreakCrLf) {
    const struct {
        QByteArray file;
        QByteArray text;
    } cases[] = {
        {"a\rb\r", "a\r\nb\r\n"},
        {"a\nb\n", "a\r\nb\r\n"},
        {"a\n\rb", "a\r\nb"},
        {"a\r\nb", "a\r\nb"},
    };
    for (const auto& c : cases) {
        const QString path = files.Write(QStringLiteral("in.asm"), c.file);
        TUnit* unit = UnitWith("old");
        unit->Modified = true;
        ASSERT_TRUE(unit->LoadFile(path));
        EXPECT_EQ(unit->Text(), c.text);
        EXPECT_EQ(unit->FileName, path);
        EXPECT_TRUE(unit->HasFile);
        EXPECT_FALSE(unit->Modified);
        EXPECT_EQ(unit->SelStart(), 0);
        // Loading is not an edit the user can undo.
        Press(unit, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(unit->Text(), c.text);
    }
}

TEST_F(TUnitTest, EveryByteRoundTrips) {
    QByteArray bytes;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n') bytes.append(static_cast<char>(b));
    }
    bytes += "\r\n";
    ASSERT_EQ(bytes.size(), 256);
    const QString in = files.Write(QStringLiteral("all.asm"), bytes);
    TUnit* unit = UnitWith("");
    ASSERT_TRUE(unit->LoadFile(in));
    EXPECT_EQ(unit->Text(), bytes);
    EXPECT_EQ(unit->TextLength(), 256);
    const QString out = files.File(QStringLiteral("copy.asm"));
    ASSERT_TRUE(unit->SaveFileAs(out));
    EXPECT_EQ(TempDir::Read(out), bytes);
}

TEST_F(TUnitTest, SaveWritesCrLfAndNothingMore) {
    const QString path = files.Write(QStringLiteral("lf.asm"), "mov ax,1\nret");
    TUnit* unit = UnitWith("");
    ASSERT_TRUE(unit->LoadFile(path));
    unit->Modified = true;
    ASSERT_TRUE(unit->SaveFile());
    EXPECT_FALSE(unit->Modified);
    EXPECT_EQ(TempDir::Read(path), QByteArray("mov ax,1\r\nret"));

    unit->SetText("");
    ASSERT_TRUE(unit->SaveFile());
    EXPECT_TRUE(TempDir::Read(path).isEmpty());
    EXPECT_TRUE(QFile::exists(path));
}

TEST_F(TUnitTest, SaveFileWithoutAFileFails) {
    TUnit* unit = UnitWith("text");
    unit->Modified = true;
    EXPECT_FALSE(unit->SaveFile());
    EXPECT_TRUE(unit->Modified);
    EXPECT_FALSE(QFile::exists(unit->FileName));
}

TEST_F(TUnitTest, FailedLoadLeavesEverythingAsItWas) {
    for (const QString& path :
         {files.File(QStringLiteral("missing.asm")), files.MakeDir(QStringLiteral("dir"))}) {
        TUnit* unit = UnitWith("keep\r\n");
        unit->Modified = true;
        EXPECT_FALSE(unit->LoadFile(path));
        EXPECT_EQ(unit->FileName, QStringLiteral("Unit1.asm"));
        EXPECT_FALSE(unit->HasFile);
        EXPECT_TRUE(unit->Modified);
        EXPECT_EQ(unit->Text(), QByteArray("keep\r\n"));
        units->CloseAllUnits();
    }
}

TEST_F(TUnitTest, FailedSaveAsChangesNothing) {
    files.Write(QStringLiteral("plain"), "x");
    TUnit* unit = UnitWith("text");
    unit->Modified = true;
    EXPECT_FALSE(unit->SaveFileAs(files.File(QStringLiteral("plain/a.asm"))));
    EXPECT_EQ(unit->FileName, QStringLiteral("Unit1.asm"));
    EXPECT_FALSE(unit->HasFile);
    EXPECT_TRUE(unit->Modified);
}

TEST_F(TUnitTest, SelectLine) {
    TUnit* unit = UnitWith("mov ax,1\r\nint 21h\r\nret");
    const struct {
        int line;
        qsizetype start;
        qsizetype length;
    } cases[] = {{0, 0, 8}, {1, 10, 7}, {2, 19, 3}};
    for (const auto& c : cases) {
        unit->SelectLine(c.line);
        EXPECT_EQ(unit->SelStart(), c.start) << c.line;
        EXPECT_EQ(unit->SelLength(), c.length) << c.line;
    }
    for (int line : {-1, 3, 100}) {
        unit->SetSelection(2, 4);
        unit->SelectLine(line);
        EXPECT_EQ(unit->SelLength(), 0) << line;
    }
}

TEST_F(TUnitTest, InsertLinesGoAboveTheCaretLine) {
    const QByteArray before = "l1\r\nl2\r\nline3\r\nl4";
    TUnit* unit = UnitWith(before);
    unit->SetSelection(8 + 2, 0);  // the middle of line 3
    unit->InsertLines({QStringLiteral("a"), QStringLiteral("b")});
    EXPECT_EQ(unit->Text(), QByteArray("l1\r\nl2\r\na\r\nb\r\nline3\r\nl4"));
    EXPECT_EQ(unit->SelStart(), 14);
    EXPECT_EQ(unit->LineFromPosition(unit->SelStart()), 4);
    EXPECT_TRUE(unit->Modified);
    Press(unit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(unit->Text(), before);

    TUnit* empty = UnitWith("");
    empty->InsertLines({QStringLiteral("a"), QString(QChar(0x20AC))});
    EXPECT_EQ(empty->Text(), QByteArray("a\r\n\x80\r\n"));
    EXPECT_EQ(empty->SelStart(), 6);
}

class ProjectRecordTest : public UnitHostTest {
protected:
    TUnit* SavedUnit(const QString& relative) {
        TUnit* unit = UnitWith("; code\r\n");
        EXPECT_TRUE(unit->SaveFileAs(files.Write(relative, QByteArray())));
        return unit;
    }
    static QString Record(const TUnit* unit, const QString& dir, bool* written = nullptr) {
        RecordWriter w;
        const bool ok = unit->WriteProjectRecord(w, dir);
        if (written) *written = ok;
        RecordReader r(w.data());
        return w.data().isEmpty() ? QString() : ReadRecordString(r);
    }
};

TEST_F(ProjectRecordTest, WritesThePathRelativeToTheProject) {
    const QString project = files.MakeDir(QStringLiteral("proj")) + QLatin1Char('/');
    EXPECT_EQ(Record(SavedUnit(QStringLiteral("proj/main.asm")), project),
              QStringLiteral("main.asm"));
    EXPECT_EQ(Record(SavedUnit(QStringLiteral("proj/src/io.asm")), project),
              QStringLiteral("src/io.asm"));
    EXPECT_EQ(Record(SavedUnit(QStringLiteral("lib.asm")), project), QStringLiteral("../lib.asm"));

    bool written = true;
    units->NewUnit();
    EXPECT_EQ(Record(units->Current(), project, &written), QString());
    EXPECT_FALSE(written);
}

TEST_F(ProjectRecordTest, ReadsRecordsWrittenHereAndOnWindows) {
    const QString project = files.MakeDir(QStringLiteral("proj")) + QLatin1Char('/');
    files.Write(QStringLiteral("proj/src/io.asm"), "io\r\n");
    files.Write(QStringLiteral("lib.asm"), "lib\n");
    const struct {
        const char* record;
        const char* resolved;
        QByteArray text;
    } cases[] = {
        {"src\\io.asm", "proj/src/io.asm", "io\r\n"},
        {"src/io.asm", "proj/src/io.asm", "io\r\n"},
        {"../lib.asm", "lib.asm", "lib\r\n"},
        {"..\\lib.asm", "lib.asm", "lib\r\n"},
        {"./src/../src/io.asm", "proj/src/io.asm", "io\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record);
        RecordWriter w;
        WriteRecordString(w, QString::fromLatin1(c.record));
        RecordReader r(w.data());
        QDir::setCurrent(startDirectory);
        units->NewUnit();
        TUnit* unit = units->Current();
        ASSERT_TRUE(unit->ReadProjectRecord(r, project, system));
        EXPECT_EQ(unit->FileName, files.File(QString::fromLatin1(c.resolved)));
        EXPECT_EQ(unit->Text(), c.text);
        EXPECT_TRUE(unit->HasFile);
        EXPECT_FALSE(unit->Modified);
        // The project directory stays current, so the unit dialogs start there.
        EXPECT_EQ(QDir::currentPath() + QLatin1Char('/'), project);
    }
}

TEST_F(ProjectRecordTest, MissingFileKeepsTheResolvedName) {
    const QString project = files.MakeDir(QStringLiteral("proj")) + QLatin1Char('/');
    RecordWriter w;
    WriteRecordString(w, QStringLiteral("gone.asm"));
    RecordReader r(w.data());
    units->NewUnit();
    TUnit* unit = units->Current();
    EXPECT_FALSE(unit->ReadProjectRecord(r, project, system));
    EXPECT_EQ(unit->FileName, project + QStringLiteral("gone.asm"));
    EXPECT_FALSE(unit->HasFile);
    EXPECT_TRUE(unit->Text().isEmpty());

    // A record cut short reads nothing and loads nothing.
    RecordReader damaged(QByteArray("\x09\x00\x00\x00gon", 7));
    EXPECT_FALSE(unit->ReadProjectRecord(damaged, project, system));
}

TEST_F(ProjectRecordTest, WriteThenReadGivesTheSameUnit) {
    const QString project = files.MakeDir(QStringLiteral("proj")) + QLatin1Char('/');
    TUnit* saved = SavedUnit(QStringLiteral("proj/sub/a.asm"));
    RecordWriter w;
    ASSERT_TRUE(saved->WriteProjectRecord(w, project));
    RecordReader r(w.data());
    units->NewUnit();
    ASSERT_TRUE(units->Current()->ReadProjectRecord(r, project, system));
    EXPECT_EQ(units->Current()->FileName, saved->FileName);
    EXPECT_EQ(units->Current()->Text(), QByteArray("; code\r\n"));
}

// Every shortcut of the command table reaches the window's action while the
// editor has the focus, and the editor does nothing with it.
TEST_F(TUnitTest, MenuShortcutsReachTheWindow) {
    const QKeySequence keys[] = {
        Qt::CTRL | Qt::Key_N,      Qt::CTRL | Qt::Key_O,     Qt::CTRL | Qt::Key_S,
        Qt::CTRL | Qt::Key_C,      Qt::CTRL | Qt::Key_X,     Qt::CTRL | Qt::Key_V,
        Qt::CTRL | Qt::Key_Delete, Qt::CTRL | Qt::Key_F,     Qt::CTRL | Qt::Key_R,
        Qt::CTRL | Qt::Key_G,      Qt::CTRL | Qt::Key_F9,    QKeySequence(Qt::Key_F9),
        Qt::CTRL | Qt::Key_F10,    QKeySequence(Qt::Key_F1),
    };
    const QByteArray text = "mov ax, bx\r\nint 21h";
    TUnit* unit = UnitWith(text);
    for (const QKeySequence& key : keys) {
        SCOPED_TRACE(key.toString().toStdString());
        QAction action(&window);
        action.setShortcut(key);
        window.addAction(&action);
        int fired = 0;
        QObject::connect(&action, &QAction::triggered, [&fired] { ++fired; });
        unit->SetSelection(4, 2);
        ASSERT_EQ(QApplication::focusWidget(), unit);
        const QKeyCombination combination = key[0];
        QTest::keyClick(unit, combination.key(), combination.keyboardModifiers());
        EXPECT_EQ(fired, 1);
        EXPECT_EQ(unit->Text(), text);
        window.removeAction(&action);
    }
}

// The editor's own key map would duplicate, cut or transpose lines, change
// case, delete words or toggle overtype; none of those keys edits here.
TEST_F(TUnitTest, UndescribedKeysDoNothing) {
    const QKeyCombination keys[] = {
        Qt::CTRL | Qt::Key_D,
        Qt::CTRL | Qt::Key_L,
        Qt::CTRL | Qt::Key_T,
        Qt::CTRL | Qt::Key_U,
        Qt::CTRL | Qt::SHIFT | Qt::Key_U,
        Qt::CTRL | Qt::SHIFT | Qt::Key_L,
        Qt::CTRL | Qt::Key_Backspace,
        Qt::CTRL | Qt::Key_Delete,
        Qt::SHIFT | Qt::Key_Delete,
        Qt::SHIFT | Qt::Key_Insert,
        Qt::CTRL | Qt::Key_Insert,
        Qt::ALT | Qt::Key_Backspace,
        Qt::ALT | Qt::Key_M,
        Qt::CTRL | Qt::Key_BracketLeft,
        Qt::CTRL | Qt::Key_Tab,
        Qt::CTRL | Qt::Key_Return,
    };
    const QByteArray text = "mov ax, bx\r\nint 21h";
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    TUnit* unit = UnitWith(text);
    for (QKeyCombination key : keys) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        unit->SetSelection(4, 2);
        QTest::keyClick(unit, key.key(), key.keyboardModifiers());
        EXPECT_EQ(unit->Text(), text);
    }
    // Insert does not switch to overtype: typing still inserts.
    unit->SetSelection(0, 0);
    Press(unit, Qt::Key_Insert);
    QTest::keyClicks(unit, QStringLiteral("x"));
    EXPECT_EQ(unit->Text(), "x" + text);
}

TEST_F(TUnitTest, ClipboardCarriesWindows1252Text) {
    TUnit* unit = UnitWith(
        "a\x80"
        "b");
    unit->SetSelection(1, 1);
    units->Copy();
    EXPECT_EQ(QApplication::clipboard()->text(), QString(QChar(0x20AC)));

    QApplication::clipboard()->setText(QString(QChar(0x20AC)) + QStringLiteral("1\n2"));
    unit->SetSelection(0, 0);
    units->Paste();
    EXPECT_EQ(unit->Text(), QByteArray("\x80"
                                       "1\r\n2a\x80"
                                       "b"));
    EXPECT_TRUE(unit->Modified);
}

TEST_F(TUnitTest, TypingAWindows1252Letter) {
    TUnit* unit = UnitWith("");
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x20AC)));
    QApplication::sendEvent(unit, &press);
    EXPECT_EQ(unit->Text(), QByteArray("\x80"));
}

}  // namespace
