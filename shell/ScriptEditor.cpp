#include "ScriptEditor.h"

#include "AnsiCodePage.h"
#include "OneLevelUndo.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

using Sci = QsciScintillaBase;

// What every window on one text shares: its undo, and whether one of them is
// in the middle of a user's edit (the others then ignore the change).
struct ScriptEditor::Shared {
    OneLevelUndo undo;
    int editsUnderway = 0;
};

// Brackets one user action (a key, a mouse action, a command). Changes of the
// text inside it are the user's: they go to the undo, and the outermost
// bracket emits userChanged once if anything changed.
class ScriptEditor::UserEdit {
public:
    explicit UserEdit(ScriptEditor &editor)
        : m_editor(editor)
        , m_shared(editor.m_shared)
    {
        if (m_editor.m_userEditDepth++ == 0)
            m_editor.m_changedInUserEdit = false;
        ++m_shared->editsUnderway;
    }
    ~UserEdit()
    {
        --m_shared->editsUnderway;
        if (--m_editor.m_userEditDepth == 0 && m_editor.m_changedInUserEdit)
            emit m_editor.userChanged();
    }
    UserEdit(const UserEdit &) = delete;
    UserEdit &operator=(const UserEdit &) = delete;

    bool Changed() const { return m_editor.m_changedInUserEdit; }

private:
    ScriptEditor &m_editor;
    std::shared_ptr<Shared> m_shared;  // kept even if the editor switches documents meanwhile
};

namespace {

struct KeyCommand {
    int key;
    int modifiers;
    int command;
};

// The keys the edit window handles itself: moving, selecting and deleting.
// Everything else is either typed text, or a command of the window's menus
// (Undo, Cut, Copy, Paste and their keys), so that each goes through one place.
constexpr KeyCommand kKeyCommands[] = {
    {Sci::SCK_DOWN, 0, Sci::SCI_LINEDOWN},
    {Sci::SCK_DOWN, Sci::SCMOD_SHIFT, Sci::SCI_LINEDOWNEXTEND},
    {Sci::SCK_DOWN, Sci::SCMOD_CTRL, Sci::SCI_LINESCROLLDOWN},
    {Sci::SCK_UP, 0, Sci::SCI_LINEUP},
    {Sci::SCK_UP, Sci::SCMOD_SHIFT, Sci::SCI_LINEUPEXTEND},
    {Sci::SCK_UP, Sci::SCMOD_CTRL, Sci::SCI_LINESCROLLUP},
    {Sci::SCK_LEFT, 0, Sci::SCI_CHARLEFT},
    {Sci::SCK_LEFT, Sci::SCMOD_SHIFT, Sci::SCI_CHARLEFTEXTEND},
    {Sci::SCK_LEFT, Sci::SCMOD_CTRL, Sci::SCI_WORDLEFT},
    {Sci::SCK_LEFT, Sci::SCMOD_CTRL | Sci::SCMOD_SHIFT, Sci::SCI_WORDLEFTEXTEND},
    {Sci::SCK_RIGHT, 0, Sci::SCI_CHARRIGHT},
    {Sci::SCK_RIGHT, Sci::SCMOD_SHIFT, Sci::SCI_CHARRIGHTEXTEND},
    {Sci::SCK_RIGHT, Sci::SCMOD_CTRL, Sci::SCI_WORDRIGHT},
    {Sci::SCK_RIGHT, Sci::SCMOD_CTRL | Sci::SCMOD_SHIFT, Sci::SCI_WORDRIGHTEXTEND},
    {Sci::SCK_HOME, 0, Sci::SCI_HOMEWRAP},
    {Sci::SCK_HOME, Sci::SCMOD_SHIFT, Sci::SCI_HOMEWRAPEXTEND},
    {Sci::SCK_HOME, Sci::SCMOD_CTRL, Sci::SCI_DOCUMENTSTART},
    {Sci::SCK_HOME, Sci::SCMOD_CTRL | Sci::SCMOD_SHIFT, Sci::SCI_DOCUMENTSTARTEXTEND},
    {Sci::SCK_END, 0, Sci::SCI_LINEENDWRAP},
    {Sci::SCK_END, Sci::SCMOD_SHIFT, Sci::SCI_LINEENDWRAPEXTEND},
    {Sci::SCK_END, Sci::SCMOD_CTRL, Sci::SCI_DOCUMENTEND},
    {Sci::SCK_END, Sci::SCMOD_CTRL | Sci::SCMOD_SHIFT, Sci::SCI_DOCUMENTENDEXTEND},
    {Sci::SCK_PRIOR, 0, Sci::SCI_PAGEUP},
    {Sci::SCK_PRIOR, Sci::SCMOD_SHIFT, Sci::SCI_PAGEUPEXTEND},
    {Sci::SCK_NEXT, 0, Sci::SCI_PAGEDOWN},
    {Sci::SCK_NEXT, Sci::SCMOD_SHIFT, Sci::SCI_PAGEDOWNEXTEND},
    {Sci::SCK_DELETE, 0, Sci::SCI_CLEAR},
    {Sci::SCK_DELETE, Sci::SCMOD_CTRL, Sci::SCI_DELWORDRIGHT},
    {Sci::SCK_BACK, 0, Sci::SCI_DELETEBACK},
    {Sci::SCK_BACK, Sci::SCMOD_SHIFT, Sci::SCI_DELETEBACK},
    {Sci::SCK_BACK, Sci::SCMOD_CTRL, Sci::SCI_DELWORDLEFT},
    {'A', Sci::SCMOD_CTRL, Sci::SCI_SELECTALL},
};

struct MenuEntry {
    const char *label;  // nullptr for a separator
    bool (*enabled)(const ScriptEditor &);
    void (*run)(ScriptEditor &);
};

const MenuEntry kContextMenu[] = {
    {"&Undo", [](const ScriptEditor &e) { return e.CanUndo(); }, [](ScriptEditor &e) { e.Undo(); }},
    {nullptr, nullptr, nullptr},
    {"Cu&t", [](const ScriptEditor &e) { return e.HasSelection(); }, [](ScriptEditor &e) { e.Cut(); }},
    {"&Copy", [](const ScriptEditor &e) { return e.HasSelection(); }, [](ScriptEditor &e) { e.Copy(); }},
    {"&Paste", [](const ScriptEditor &) { return ScriptEditor::ClipboardHasText(); }, [](ScriptEditor &e) { e.Paste(); }},
    {"&Delete", [](const ScriptEditor &e) { return e.HasSelection(); }, [](ScriptEditor &e) { e.Clear(); }},
    {nullptr, nullptr, nullptr},
    {"Select &All", [](const ScriptEditor &e) { return e.Length() > 0; },
     [](ScriptEditor &e) { e.SendScintilla(Sci::SCI_SELECTALL); }},
};

// The bytes a key types, if it types any: Enter gives CR LF, Tab a tab, and
// a printable character its byte in the code page. Keys held with Ctrl, Alt
// or Meta type nothing.
std::optional<QByteArray> TypedBytes(const QKeyEvent &event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QByteArray("\r\n");
    case Qt::Key_Tab:
        return QByteArray("\t");
    default:
        break;
    }
    const QString text = event.text();
    if (text.isEmpty() || !text.front().isPrint())
        return std::nullopt;
    return UnicodeToAnsi(text);
}

} // namespace

ScriptEditor::ScriptEditor(QWidget *parent)
    : QsciScintillaBase(parent)
    , m_shared(std::make_shared<Shared>())
{
    ConfigureView();
    ConfigureKeys();
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int modificationType, const char *, int length, int, int, int, int, int, int) {
                OnModified(position, modificationType, length);
            });
}

long ScriptEditor::Call(unsigned int message, qsizetype wParam, qsizetype lParam) const
{
    return SendScintilla(message, static_cast<unsigned long>(wParam), static_cast<long>(lParam));
}

void ScriptEditor::ConfigureView()
{
    Call(SCI_SETCODEPAGE, 0);
    Call(SCI_SETLEXER, SCLEX_NULL);
    Call(SCI_STYLESETCHARACTERSET, STYLE_DEFAULT, SC_CHARSET_ANSI);
    for (int margin = 0; margin <= 4; ++margin)
        Call(SCI_SETMARGINWIDTHN, margin, 0);
    Call(SCI_SETHSCROLLBAR, 0);
    Call(SCI_SETEOLMODE, SC_EOL_CRLF);
    // Our own one-level undo stands in for the editor component's history.
    Call(SCI_SETUNDOCOLLECTION, 0);
    Call(SCI_SETMODEVENTMASK, SC_MOD_INSERTTEXT | SC_MOD_BEFOREDELETE);
    for (int byte = 0x80; byte < 0xA0; ++byte) {
        const char encoded[2] = {static_cast<char>(byte), '\0'};
        SendScintilla(SCI_SETREPRESENTATION, encoded, QByteArray("x" + QByteArray::number(byte, 16).toUpper()).constData());
    }
    // Text is not dropped here; files dropped on the window go on to the main window.
    setAcceptDrops(false);
    viewport()->setAcceptDrops(false);
    ApplyFont();
}

void ScriptEditor::ConfigureKeys()
{
    Call(SCI_CLEARALLCMDKEYS);
    for (const KeyCommand &binding : kKeyCommands)
        Call(SCI_ASSIGNCMDKEY, binding.key | (binding.modifiers << 16), binding.command);
}

void ScriptEditor::ApplyFont()
{
    const QFont current = font();
    const qreal points = current.pointSizeF() > 0 ? current.pointSizeF()
                                                    : current.pixelSize() * 72.0 / logicalDpiY();
    SendScintilla(SCI_STYLESETFONT, static_cast<uintptr_t>(STYLE_DEFAULT), current.family().toLatin1().constData());
    Call(SCI_STYLESETSIZEFRACTIONAL, STYLE_DEFAULT, qRound(points * int(SC_FONT_SIZE_MULTIPLIER)));
    Call(SCI_STYLESETWEIGHT, STYLE_DEFAULT, current.weight());
    Call(SCI_STYLESETITALIC, STYLE_DEFAULT, current.italic() ? 1 : 0);
    Call(SCI_STYLECLEARALL);
    // Tab stops every 8 average character widths, in the whole space widths
    // in which the component measures them.
    const QFontMetricsF metrics(current, this);
    Call(SCI_SETTABWIDTH, std::max(1, qRound(8 * metrics.averageCharWidth() / metrics.horizontalAdvance(' '))));
}

void ScriptEditor::SetText(QByteArrayView bytes)
{
    Call(SCI_SETWRAPMODE, SC_WRAP_NONE);
    Call(SCI_CLEARALL);
    SendScintilla(SCI_APPENDTEXT, static_cast<uintptr_t>(bytes.size()), bytes.data());
    m_shared->undo.Clear();
    if (isVisible())
        Call(SCI_SETWRAPMODE, SC_WRAP_WORD);
}

QByteArrayView ScriptEditor::Bytes() const
{
    return QByteArrayView(static_cast<const char *>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER)), Length());
}

qsizetype ScriptEditor::Length() const
{
    return Call(SCI_GETLENGTH);
}

QByteArray ScriptEditor::SelectedBytes() const
{
    const qsizetype start = Call(SCI_GETSELECTIONSTART);
    const qsizetype length = Call(SCI_GETSELECTIONEND) - start;
    return QByteArray(reinterpret_cast<const char *>(Call(SCI_GETRANGEPOINTER, start, length)), length);
}

void ScriptEditor::SetSelection(qsizetype anchor, qsizetype caret)
{
    m_shared->undo.Seal();
    Call(SCI_SETSEL, anchor, caret);
}

void ScriptEditor::ShareDocumentOf(ScriptEditor &other)
{
    // The component counts the windows on a document and frees it with the last.
    SendScintilla(SCI_SETDOCPOINTER, 0, other.SendScintillaPtrResult(SCI_GETDOCPOINTER));
    m_shared = other.m_shared;
}

bool ScriptEditor::CanUndo() const
{
    return m_shared->undo.CanUndo();
}

bool ScriptEditor::HasSelection() const
{
    return Call(SCI_GETSELECTIONEMPTY) == 0;
}

bool ScriptEditor::ClipboardHasText()
{
    const QMimeData *data = QApplication::clipboard()->mimeData(QClipboard::Clipboard);
    return data && data->hasText();
}

void ScriptEditor::Undo()
{
    if (!CanUndo())
        return;
    const OneLevelUndo::Change change = m_shared->undo.Last();
    UserEdit edit(*this);
    // Reversing the change reports its own edits, which make up the change
    // that a second Undo reverses.
    m_shared->undo.Seal();
    ReplaceRange(change.position, change.position + change.insertedLength, change.removed);
    m_shared->undo.Seal();
    Call(SCI_SETSEL, change.position, change.position + change.removed.size());
}

void ScriptEditor::Cut()
{
    if (!HasSelection())
        return;
    Copy();
    Clear();
}

void ScriptEditor::Copy() const
{
    if (HasSelection())
        QApplication::clipboard()->setMimeData(toMimeData(SelectedBytes(), false), QClipboard::Clipboard);
}

void ScriptEditor::Paste()
{
    PasteFrom(QApplication::clipboard()->mimeData(QClipboard::Clipboard));
}

void ScriptEditor::Clear()
{
    if (!HasSelection())
        return;
    UserEdit edit(*this);
    m_shared->undo.Seal();
    ReplaceSelection({});
    m_shared->undo.Seal();
}

void ScriptEditor::PasteFrom(const QMimeData *source)
{
    if (!source || !source->hasText())
        return;
    UserEdit edit(*this);
    m_shared->undo.Seal();
    ReplaceSelection(UnicodeToAnsi(source->text()));
    m_shared->undo.Seal();
}

bool ScriptEditor::ReplaceSelection(QByteArrayView bytes)
{
    const qsizetype start = Call(SCI_GETSELECTIONSTART);
    const qsizetype end = Call(SCI_GETSELECTIONEND);
    if (Length() - (end - start) + bytes.size() > kMaxBytes) {
        QApplication::beep();
        return false;
    }
    ReplaceRange(start, end, bytes);
    Call(SCI_GOTOPOS, Call(SCI_GETTARGETEND));
    return true;
}

void ScriptEditor::ReplaceRange(qsizetype start, qsizetype end, QByteArrayView bytes)
{
    Call(SCI_SETTARGETRANGE, start, end);
    // The component wants a pointer even for no bytes.
    SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(bytes.size()), bytes.isEmpty() ? "" : bytes.data());
}

void ScriptEditor::OnModified(int position, int modificationType, int length)
{
    if (m_userEditDepth == 0) {
        // A change that is no user's edit here: another window's edit (it
        // keeps the shared undo itself), or a change the undo did not see,
        // after which its record no longer fits the text.
        if (m_shared->editsUnderway == 0)
            m_shared->undo.Clear();
        return;
    }
    m_changedInUserEdit = true;
    if (modificationType & SC_MOD_BEFOREDELETE) {
        const auto *bytes = reinterpret_cast<const char *>(Call(SCI_GETRANGEPOINTER, position, length));
        m_shared->undo.Removed(position, QByteArrayView(bytes, length));
    } else if (modificationType & SC_MOD_INSERTTEXT) {
        m_shared->undo.Inserted(position, length);
    }
}

QMimeData *ScriptEditor::toMimeData(const QByteArray &text, bool) const
{
    auto *data = new QMimeData;
    data->setText(AnsiToUnicode(text));
    return data;
}

void ScriptEditor::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        ApplyFont();
    QsciScintillaBase::changeEvent(event);
}

QMenu *ScriptEditor::CreateContextMenu()
{
    auto *menu = new QMenu(this);
    for (const MenuEntry &entry : kContextMenu) {
        if (!entry.label) {
            menu->addSeparator();
            continue;
        }
        QAction *action = menu->addAction(QString::fromLatin1(entry.label));
        action->setEnabled(entry.enabled(*this));
        const auto run = entry.run;
        connect(action, &QAction::triggered, this, [this, run] { run(*this); });
    }
    return menu;
}

void ScriptEditor::contextMenuEvent(QContextMenuEvent *event)
{
    const std::unique_ptr<QMenu> menu(CreateContextMenu());
    menu->exec(event->globalPos());
}

void ScriptEditor::inputMethodEvent(QInputMethodEvent *event)
{
    // Composed text arrives whole; a composition in progress is not shown in
    // the text, which must hold only what the user typed.
    if (!event->commitString().isEmpty()) {
        UserEdit edit(*this);
        ReplaceSelection(UnicodeToAnsi(event->commitString()));
    }
    event->accept();
}

void ScriptEditor::keyPressEvent(QKeyEvent *event)
{
    UserEdit edit(*this);
    if (const std::optional<QByteArray> typed = TypedBytes(*event)) {
        ReplaceSelection(*typed);
        event->accept();
        return;
    }
    const auto selection = [this] { return std::pair(Call(SCI_GETANCHOR), Call(SCI_GETCURRENTPOS)); };
    const auto before = selection();
    // Only the component's key commands: it would type a key's text even
    // with Ctrl or Alt held, and all typing goes through TypedBytes.
    QKeyEvent command(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                      event->nativeVirtualKey(), event->nativeModifiers(), QString(), event->isAutoRepeat(),
                      event->count(), event->device());
    QsciScintillaBase::keyPressEvent(&command);
    event->setAccepted(command.isAccepted());
    // Moving the caret ends the typing that Undo takes back in one piece.
    if (!edit.Changed() && selection() != before)
        m_shared->undo.Seal();
}

void ScriptEditor::mousePressEvent(QMouseEvent *event)
{
    m_shared->undo.Seal();
    if (event->button() == Qt::MiddleButton) {
        QClipboard *clipboard = QApplication::clipboard();
        if (clipboard->supportsSelection()) {
            setFocus(Qt::MouseFocusReason);
            const QPoint at = event->position().toPoint();
            Call(SCI_SETEMPTYSELECTION, SendScintilla(SCI_POSITIONFROMPOINT, static_cast<unsigned long>(at.x()),
                                                      static_cast<long>(at.y())));
            PasteFrom(clipboard->mimeData(QClipboard::Selection));
        }
        event->accept();
        return;
    }
    // Ctrl would start a rectangular selection, whose edits land on many
    // lines at once; here it is a plain click.
    QMouseEvent plain(event->type(), event->position(), event->scenePosition(), event->globalPosition(),
                      event->button(), event->buttons(), event->modifiers() & ~Qt::ControlModifier,
                      event->pointingDevice());
    UserEdit edit(*this);
    QsciScintillaBase::mousePressEvent(&plain);
}

void ScriptEditor::mouseMoveEvent(QMouseEvent *event)
{
    // Dragging the selection out to another program may remove it here.
    UserEdit edit(*this);
    QsciScintillaBase::mouseMoveEvent(event);
}

void ScriptEditor::showEvent(QShowEvent *event)
{
    QsciScintillaBase::showEvent(event);
    if (Call(SCI_GETWRAPMODE) == SC_WRAP_NONE)
        Call(SCI_SETWRAPMODE, SC_WRAP_WORD);
}
