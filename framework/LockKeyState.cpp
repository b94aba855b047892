#include "LockKeyState.h"

#include <QCoreApplication>
#include <QKeyEvent>

LockKeyState::LockKeyState(QObject *parent)
    : QObject(parent)
{
    const std::optional<LockFlags> indicators = QueryXkbLocks();
    m_source = indicators ? Source::KeyboardIndicators : Source::KeyPresses;
    m_flags = indicators.value_or(LockFlags{});
    QCoreApplication::instance()->installEventFilter(this);
}

bool LockKeyState::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ApplicationActivate:
        if (m_source == Source::KeyboardIndicators)
            Refresh();
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto *key = static_cast<QKeyEvent *>(event);
        const int code = key->key();
        if (code != Qt::Key_CapsLock && code != Qt::Key_NumLock && code != Qt::Key_ScrollLock)
            break;
        if (m_source == Source::KeyboardIndicators) {
            Refresh();
        } else if (event->type() == QEvent::KeyPress && !key->isAutoRepeat() && watched->isWindowType()) {
            // A key event visits its window, then the focus widget and its
            // parents: count it once, at the window.
            LockFlags flags = m_flags;
            bool &lock = code == Qt::Key_CapsLock ? flags.caps : code == Qt::Key_NumLock ? flags.num : flags.scroll;
            lock = !lock;
            Set(flags);
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void LockKeyState::Refresh()
{
    if (const std::optional<LockFlags> indicators = QueryXkbLocks())
        Set(*indicators);
}

void LockKeyState::Set(const LockFlags &flags)
{
    if (flags.caps == m_flags.caps && flags.num == m_flags.num && flags.scroll == m_flags.scroll)
        return;
    m_flags = flags;
    emit Changed();
}
