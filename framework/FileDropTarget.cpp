#include "FileDropTarget.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

// The local files a drop carries, in order; empty when it carries none.
QStringList LocalFiles(const QMimeData *data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}

} // namespace

FileDropTarget::FileDropTarget(QWidget *window, Receiver receive)
    : QObject(window)
    , m_window(window)
    , m_receive(std::move(receive))
{
    // Drops over widgets that do not take drops go to the window itself.
    window->setAcceptDrops(true);
    QCoreApplication::instance()->installEventFilter(this);
}

FileDropTarget::~FileDropTarget()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
    if (m_window)
        m_window->setAcceptDrops(false);
}

bool FileDropTarget::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (!m_window || !widget || widget->window() != m_window)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    const QStringList paths = LocalFiles(drop->mimeData());
    if (paths.isEmpty())
        return false;
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        m_receive(paths);
    return true;
}
