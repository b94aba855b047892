#include "HelpMode.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

HelpMode::HelpMode(QObject *parent)
    : QObject(parent)
{
}

HelpMode::~HelpMode()
{
    Leave();
}

void HelpMode::Enter()
{
    if (m_bActive)
        return;
    m_bActive = true;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    QCoreApplication::instance()->installEventFilter(this);
    emit ActiveChanged(true);
}

void HelpMode::Leave()
{
    if (!m_bActive)
        return;
    m_bActive = false;
    QApplication::restoreOverrideCursor();
    emit ActiveChanged(false);
}

bool HelpMode::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (!m_bActive || !watched->isWidgetType())
            break;
        m_bSwallowRelease = true;
        Leave();
        emit HelpRequested(static_cast<QWidget *>(watched));
        return true;
    case QEvent::MouseButtonRelease:
        if (m_bSwallowRelease && watched->isWidgetType()) {
            m_bSwallowRelease = false;
            QCoreApplication::instance()->removeEventFilter(this);
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (m_bActive && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            Leave();
            QCoreApplication::instance()->removeEventFilter(this);
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
