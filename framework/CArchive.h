#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <utility>

// A document's file content on its way in or out, as raw bytes: loading
// hands the bytes read from the file to the document, storing collects the
// bytes the document writes. Nothing is converted either way.
class CArchive {
public:
    enum class Mode { load, store };

    // An archive that loads the bytes read from a file.
    explicit CArchive(QByteArray bytes)
        : m_mode(Mode::load)
        , m_loaded(std::move(bytes))
    {
    }
    // An archive that collects bytes to store.
    CArchive()
        : m_mode(Mode::store)
    {
    }

    bool IsLoading() const { return m_mode == Mode::load; }
    bool IsStoring() const { return m_mode == Mode::store; }

    // Loading: the file's bytes.
    const QByteArray &Bytes() const { return m_loaded; }

    // Storing: the bytes to write. They are not copied, so they must stay
    // unchanged until the archive has been written out.
    void Write(QByteArrayView bytes)
    {
        m_stored = bytes;
        m_bWritten = true;
    }
    QByteArrayView Written() const { return m_stored; }
    // Whether anything stored its content: a document that stores nothing
    // has no content to save.
    bool HasWritten() const { return m_bWritten; }

private:
    Mode m_mode;
    QByteArray m_loaded;
    QByteArrayView m_stored;
    bool m_bWritten = false;
};
