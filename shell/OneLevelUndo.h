#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// The one level of undo of an edit window: the last change of the text, as
// the range it now occupies and the bytes it replaced. Keys typed one after
// another at the end of the change (characters, Backspace, Delete) grow the
// same change, until it is sealed: by moving the caret, or by a command that
// is a change of its own (Paste, Cut, Undo). Reversing the change is itself
// a change, so a second Undo undoes the first.
class OneLevelUndo {
public:
    struct Change {
        qsizetype position = 0;
        qsizetype insertedLength = 0;  // bytes at position that the change put there
        QByteArray removed;            // bytes the change took away from position
    };

    bool CanUndo() const { return m_change.has_value(); }
    // The change that Undo reverses; only while CanUndo.
    const Change &Last() const { return *m_change; }

    // Forgets the change (the whole text was replaced).
    void Clear();
    // The next edit starts a new change.
    void Seal();

    // Reports one edit of the text, as it happens.
    void Inserted(qsizetype position, qsizetype length);
    void Removed(qsizetype position, QByteArrayView bytes);

private:
    std::optional<Change> m_change;
    bool m_open = false;
};
