#include "OneLevelUndo.h"

#include <algorithm>

void OneLevelUndo::Clear()
{
    m_change.reset();
    m_open = false;
}

void OneLevelUndo::Seal()
{
    m_open = false;
}

void OneLevelUndo::Inserted(qsizetype position, qsizetype length)
{
    if (m_open && position == m_change->position + m_change->insertedLength) {
        m_change->insertedLength += length;
        return;
    }
    m_change = Change{position, length, {}};
    m_open = true;
}

void OneLevelUndo::Removed(qsizetype position, QByteArrayView bytes)
{
    if (m_open) {
        Change &change = *m_change;
        const qsizetype end = change.position + change.insertedLength;
        if (position + bytes.size() == end) {
            // Backspace: first into what the change inserted, then into the
            // text before it, which joins what the change removed.
            const qsizetype fromInserted = std::min(bytes.size(), change.insertedLength);
            const QByteArrayView before = bytes.first(bytes.size() - fromInserted);
            change.insertedLength -= fromInserted;
            change.position -= before.size();
            change.removed.prepend(before);
            return;
        }
        if (position == end) {
            // Delete at the end of the change: the text after it joins.
            change.removed.append(bytes);
            return;
        }
    }
    m_change = Change{position, 0, bytes.toByteArray()};
    m_open = true;
}
