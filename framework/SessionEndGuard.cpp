#include "SessionEndGuard.h"

#include <QEvent>
#include <QGuiApplication>
#include <QSessionManager>

SessionEndGuard::SessionEndGuard(Query query)
    : m_query(std::move(query))
{
    // The manager waits while the handler runs: a direct connection, as the
    // signal requires.
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        connect(
            app, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager &manager) {
                if (!CommitData(manager.allowsInteraction()))
                    manager.cancel();
                manager.release();
            },
            Qt::DirectConnection);
    }
}

bool SessionEndGuard::CommitData(bool allowsInteraction)
{
    SetEnding(false);
    const bool mayEnd = m_query(allowsInteraction);
    SetEnding(mayEnd);
    return mayEnd;
}

void SessionEndGuard::SetEnding(bool ending)
{
    if (ending == m_bEnding)
        return;
    m_bEnding = ending;
    if (QCoreApplication *app = QCoreApplication::instance()) {
        if (ending)
            app->installEventFilter(this);
        else
            app->removeEventFilter(this);
    }
}

bool SessionEndGuard::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
        SetEnding(false);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
