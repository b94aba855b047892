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
                const bool mayEnd = m_query(manager.allowsInteraction());
                manager.release();
                if (!mayEnd)
                    manager.cancel();
            },
            Qt::DirectConnection);
    }
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
