#pragma once

#include "ScriptFile.h"

#include <Qsci/qsciscintillabase.h>

#include <QByteArray>
#include <QByteArrayView>

#include <memory>

class QMenu;

// The edit window of a script: its text is raw 8-bit bytes, exactly as in the
// file. Nothing is decoded or converted: CR LF, lone LF and lone CR all show
// as line breaks and stay as they are; typed Enter inserts CR LF; bytes above
// 127 show in one 8-bit code page (Latin-1 glyphs, which are Windows-1252's
// from 0xA0 up; 0x80 to 0x9F, which the 8-bit drawing cannot show as
// Windows-1252 characters, show as their hex value) and go to and come from
// the clipboard as Windows-1252. Lines wrap at the window's edge between
// words, with no horizontal scroll bar; tab stops lie every 8 average
// character widths (rounded to whole space widths).
//
// Typing and pasting never make the text longer than kMaxBytes: an insertion
// that would is refused whole, and the text stays as it was. There is one
// level of undo, and a second Undo undoes the first. Every change the user
// makes, Undo included, emits userChanged; setting the text does not.
class ScriptEditor : public QsciScintillaBase {
    Q_OBJECT

public:
    static constexpr qsizetype kMaxBytes = ScriptFile::kMaxBytes;

    explicit ScriptEditor(QWidget *parent = nullptr);

    // Replaces the whole text, with nothing to undo. Wrapping is switched on
    // only after the text is in and the window is shown, so that a long text
    // wraps the visible lines first and the rest when idle.
    void SetText(QByteArrayView bytes);
    // The text, valid until the next change; no copy is made.
    QByteArrayView Bytes() const;
    QByteArray Text() const { return Bytes().toByteArray(); }
    qsizetype Length() const;

    QByteArray SelectedBytes() const;
    void SetSelection(qsizetype anchor, qsizetype caret);

    // Shows and edits the same text as other, with the same undo: every window
    // of one script shows one text. The text lives while any window shows it.
    void ShareDocumentOf(ScriptEditor &other);

    // The edit commands and the states that enable them.
    bool CanUndo() const;
    bool HasSelection() const;
    static bool ClipboardHasText();
    void Undo();
    void Cut();
    void Copy() const;
    void Paste();
    void Clear();

signals:
    void userChanged();

protected:
    QMimeData *toMimeData(const QByteArray &text, bool rectangular) const override;

    void changeEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    struct Shared;
    class UserEdit;

    long Call(unsigned int message, qsizetype wParam = 0, qsizetype lParam = 0) const;

    void ConfigureView();
    void ConfigureKeys();
    void ApplyFont();
    void OnModified(int position, int modificationType, int length);
    // Puts bytes in the place of the selection, unless the text would grow
    // beyond kMaxBytes; returns whether it did.
    bool ReplaceSelection(QByteArrayView bytes);
    void ReplaceRange(qsizetype start, qsizetype end, QByteArrayView bytes);
    void PasteFrom(const QMimeData *source);
    QMenu *CreateContextMenu();

    std::shared_ptr<Shared> m_shared;
    int m_userEditDepth = 0;
    bool m_changedInUserEdit = false;
};
