#include "ScriptEditor.h"
#include "ScriptSamples.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using Sci = QsciScintillaBase;

namespace {

class ScriptEditorTest : public ::testing::Test {
protected:
    ScriptEditorTest()
        : changes(&editor, &ScriptEditor::userChanged)
    {
    }

    void Type(const QString &text) { QTest::keyClicks(&editor, text); }
    // Characters beyond Latin-1, as a keyboard layout or input method types them.
    void TypeCharacters(const QString &text)
    {
        for (const QChar character : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
            QApplication::sendEvent(&editor, &press);
        }
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(&editor, key, modifiers);
    }
    static void SetClipboard(const QString &text) { QApplication::clipboard()->setText(text); }

    ScriptEditor editor;
    QSignalSpy changes;
};

} // namespace

TEST_F(ScriptEditorTest, TextComesBackByteForByte)
{
    const std::vector<ScriptSample> cases = RoundTripSamples(ScriptEditor::kMaxBytes);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        editor.SetText(c.bytes);
        EXPECT_EQ(editor.Length(), c.bytes.size());
        EXPECT_EQ(editor.Bytes(), c.bytes);
        EXPECT_EQ(editor.Text(), c.bytes);
        EXPECT_FALSE(editor.CanUndo());
    }
    EXPECT_EQ(changes.count(), 0) << "setting the text is no user change";
}

TEST_F(ScriptEditorTest, EveryLineEndShowsAsALineBreak)
{
    editor.SetText("one\rtwo\nthree\r\nfour");
    EXPECT_EQ(editor.SendScintilla(Sci::SCI_GETLINECOUNT), 4);
    EXPECT_EQ(editor.Bytes(), "one\rtwo\nthree\r\nfour") << "nothing converted";
}

TEST_F(ScriptEditorTest, TypingInsertsCodePageBytesAndEnterInsertsCrLf)
{
    editor.SetText("a\nb");
    editor.SetSelection(1, 1);
    TypeCharacters(QString::fromUtf8("x\u00e9\u20ac\u0416"));
    Press(Qt::Key_Return);
    Press(Qt::Key_Tab);
    EXPECT_EQ(editor.Bytes(), QByteArray("ax\xE9\x80?\r\n\t\nb"));
    Press(Qt::Key_A, Qt::ControlModifier);
    Press(Qt::Key_Z, Qt::ControlModifier);  // a menu command, not the edit window's key
    Press(Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(editor.Bytes(), QByteArray("ax\xE9\x80?\r\n\t\nb"));
    EXPECT_EQ(editor.SelectedBytes(), editor.Bytes());
}

TEST_F(ScriptEditorTest, TypingAtTheLimitAddsNothing)
{
    const QByteArray full = ScriptOfSize(ScriptEditor::kMaxBytes);
    editor.SetText(full);
    editor.SetSelection(500, 500);
    Type("x");
    Press(Qt::Key_Return);
    Press(Qt::Key_Tab);
    EXPECT_EQ(editor.Bytes(), full);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_FALSE(editor.CanUndo());

    // One byte short of the limit: a character fits, a CR LF does not.
    const QByteArray almost = full.left(ScriptEditor::kMaxBytes - 1);
    editor.SetText(almost);
    editor.SetSelection(10, 10);
    Press(Qt::Key_Return);
    EXPECT_EQ(editor.Bytes(), almost);
    Type("y");
    EXPECT_EQ(editor.Length(), ScriptEditor::kMaxBytes);
    EXPECT_EQ(editor.Bytes().sliced(10, 1), "y");

    // Typing over a selection at the limit replaces it.
    editor.SetSelection(0, 1);
    Type("z");
    EXPECT_EQ(editor.Length(), ScriptEditor::kMaxBytes);
    EXPECT_EQ(editor.Bytes().first(1), "z");
}

TEST_F(ScriptEditorTest, PasteThatWouldPassTheLimitAddsNothing)
{
    SetClipboard("abc");
    const QByteArray text = ScriptOfSize(ScriptEditor::kMaxBytes - 2);
    editor.SetText(text);
    editor.SetSelection(5, 5);
    editor.Paste();
    EXPECT_EQ(editor.Bytes(), text) << "three bytes do not fit in two; none is added";
    EXPECT_EQ(changes.count(), 0);

    editor.SetSelection(5, 6);
    editor.Paste();  // over one selected byte, three fit
    EXPECT_EQ(editor.Length(), ScriptEditor::kMaxBytes);
    EXPECT_EQ(editor.Bytes().sliced(5, 3), "abc");
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(ScriptEditorTest, SecondUndoUndoesTheFirst)
{
    editor.SetText("base_terrain GRASS\r\n");
    editor.SetSelection(13, 18);
    Type("DESERT");
    EXPECT_EQ(editor.Bytes(), "base_terrain DESERT\r\n");

    editor.Undo();
    EXPECT_EQ(editor.Bytes(), "base_terrain GRASS\r\n");
    EXPECT_EQ(editor.SelectedBytes(), "GRASS") << "the restored text is selected";
    editor.Undo();
    EXPECT_EQ(editor.Bytes(), "base_terrain DESERT\r\n");
    editor.Undo();
    EXPECT_EQ(editor.Bytes(), "base_terrain GRASS\r\n");
    EXPECT_TRUE(editor.CanUndo());
    EXPECT_EQ(changes.count(), 6 + 3) << "every typed key and every Undo is a change";
}

TEST_F(ScriptEditorTest, UndoTakesBackTypingUpToTheLastCaretMove)
{
    editor.SetText("ab");
    editor.SetSelection(1, 1);
    Type("xyz");
    Press(Qt::Key_Backspace);
    Press(Qt::Key_Backspace);
    Press(Qt::Key_Backspace);
    Press(Qt::Key_Backspace);  // past where the typing began: takes the "a"
    Type("Q");
    EXPECT_EQ(editor.Bytes(), "Qb");
    editor.Undo();
    EXPECT_EQ(editor.Bytes(), "ab") << "typing and Backspace are one change";

    editor.SetSelection(2, 2);
    Type("cd");
    Press(Qt::Key_Left);
    Press(Qt::Key_Right);
    Type("e");
    Press(Qt::Key_Delete);  // nothing after the caret: no change
    EXPECT_EQ(editor.Bytes(), "abcde");
    editor.Undo();
    EXPECT_EQ(editor.Bytes(), "abcd") << "the caret move ended the first piece of typing";

    editor.SetSelection(1, 1);
    Press(Qt::Key_Delete);
    Press(Qt::Key_Delete);
    EXPECT_EQ(editor.Bytes(), "ad");
    editor.Undo();
    EXPECT_EQ(editor.Bytes(), "abcd");
    EXPECT_EQ(editor.SelectedBytes(), "bc");
}

TEST_F(ScriptEditorTest, CutCopyPasteGoThroughTheClipboardAsWindows1252)
{
    editor.SetText(QByteArray("x\x93q\x94\xE9\0z", 7));
    EXPECT_FALSE(editor.HasSelection());
    editor.SetSelection(0, 6);
    ASSERT_TRUE(editor.HasSelection());
    editor.Copy();
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("x\u201cq\u201d\u00e9") + QChar(0));
    EXPECT_EQ(changes.count(), 0) << "copying changes nothing";

    editor.SetSelection(1, 4);
    editor.Cut();
    EXPECT_EQ(editor.Bytes(), QByteArray("x\xE9\0z", 4));
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("\u201cq\u201d"));
    EXPECT_FALSE(editor.HasSelection());

    SetClipboard(QString::fromUtf8("\u20ac\u0416\r\n") + QChar(0));
    editor.Paste();
    EXPECT_EQ(editor.Bytes(), QByteArray("x\x80?\r\n\0\xE9\0z", 9));
    editor.Undo();
    EXPECT_EQ(editor.Bytes(), QByteArray("x\xE9\0z", 4)) << "Undo takes the paste back whole";
    EXPECT_EQ(changes.count(), 3);
}

TEST_F(ScriptEditorTest, ClipboardTextEnablesPaste)
{
    QApplication::clipboard()->clear();
    EXPECT_FALSE(ScriptEditor::ClipboardHasText());
    auto *image = new QMimeData;
    image->setData("image/png", "not text");
    QApplication::clipboard()->setMimeData(image);
    EXPECT_FALSE(ScriptEditor::ClipboardHasText());
    SetClipboard("text");
    EXPECT_TRUE(ScriptEditor::ClipboardHasText());
}

TEST_F(ScriptEditorTest, CaretMovesAndSelectingAreNoChange)
{
    editor.SetText("line one\r\nline two\r\n");
    Press(Qt::Key_Down);
    Press(Qt::Key_End, Qt::ShiftModifier);
    Press(Qt::Key_A, Qt::ControlModifier);
    editor.Copy();
    Press(Qt::Key_Delete, Qt::ShiftModifier);  // Cut is a menu command
    EXPECT_EQ(editor.Bytes(), "line one\r\nline two\r\n");
    EXPECT_EQ(changes.count(), 0);
    EXPECT_FALSE(editor.CanUndo());
}

TEST_F(ScriptEditorTest, WindowsOnOneTextShareItAndItsUndo)
{
    editor.SetText("shared");
    auto second = std::make_unique<ScriptEditor>();
    QSignalSpy secondChanges(second.get(), &ScriptEditor::userChanged);
    second->ShareDocumentOf(editor);
    EXPECT_EQ(second->Bytes(), "shared");

    second->SetSelection(6, 6);
    QTest::keyClicks(second.get(), " text");
    EXPECT_EQ(editor.Bytes(), "shared text");
    EXPECT_EQ(secondChanges.count(), 5);
    EXPECT_EQ(changes.count(), 0) << "only the window that was edited reports it";

    ASSERT_TRUE(editor.CanUndo());
    editor.Undo();
    EXPECT_EQ(second->Bytes(), "shared");
    EXPECT_EQ(changes.count(), 1);

    second.reset();
    EXPECT_EQ(editor.Bytes(), "shared") << "the text outlives the other window";
    editor.Undo();
    EXPECT_EQ(editor.Bytes(), "shared text");
}

TEST_F(ScriptEditorTest, ShownWindowWrapsWordsAtItsEdgeWithoutAHorizontalScrollBar)
{
    editor.resize(200, 300);
    editor.SetText("word word word word word word word word word word word word word word\r\n"
                   "averyveryveryveryveryveryveryveryveryveryveryveryverylongword\r\n");
    EXPECT_EQ(editor.SendScintilla(Sci::SCI_GETWRAPMODE), Sci::SC_WRAP_NONE) << "not before it is shown";
    editor.SetSelection(3, 3);
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    EXPECT_EQ(editor.SendScintilla(Sci::SCI_GETWRAPMODE), Sci::SC_WRAP_WORD);
    EXPECT_EQ(editor.SendScintilla(Sci::SCI_GETHSCROLLBAR), 0);
    EXPECT_GT(editor.SendScintilla(Sci::SCI_WRAPCOUNT, 0UL), 1);
    EXPECT_GT(editor.SendScintilla(Sci::SCI_WRAPCOUNT, 1UL), 1) << "a word longer than the width breaks at the edge";
    EXPECT_EQ(editor.SendScintilla(Sci::SCI_GETCURRENTPOS), 3) << "switching wrapping on moves no caret";
    EXPECT_FALSE(editor.CanUndo());
    EXPECT_EQ(changes.count(), 0);

    // A text set into the shown window wraps as well, and leaves no undo.
    Type("x");
    editor.SetText("again a long line of words that is wider than the window and wraps");
    EXPECT_EQ(editor.SendScintilla(Sci::SCI_GETWRAPMODE), Sci::SC_WRAP_WORD);
    EXPECT_GT(editor.SendScintilla(Sci::SCI_WRAPCOUNT, 0UL), 1);
    EXPECT_FALSE(editor.CanUndo());
}

TEST_F(ScriptEditorTest, TabStopsLieEveryEightAverageCharacterWidths)
{
    editor.SetText("\tx\t\ty");
    const QFontMetricsF metrics(editor.font());
    const double stop = 8 * metrics.averageCharWidth();
    const double tolerance = metrics.horizontalAdvance(' ') / 2 + 1;
    const auto x = [this](long position) {
        return double(editor.SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0UL, position));
    };
    EXPECT_NEAR(x(1) - x(0), stop, tolerance);
    EXPECT_NEAR(x(4) - x(0), 3 * stop, 3 * tolerance);
}
