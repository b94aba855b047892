#include "WindowMenuList.h"

#include "AfxResources.h"
#include "ResourceIds.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

WindowMenuList::WindowMenuList(QMdiArea *area, QObject *parent)
    : QObject(parent)
    , m_pArea(area)
{
}

void WindowMenuList::Rebuild(QMenu *popup)
{
    for (const QPointer<QAction> &entry : m_entries)
        delete entry;
    m_entries.clear();

    const QList<QMdiSubWindow *> windows = m_pArea->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty())
        return;
    m_entries.emplace_back(popup->addSeparator());
    const QString prompt = AfxLoadString(AFX_IDS_MDICHILD).value_or(QString());
    int number = 0;
    for (QMdiSubWindow *window : windows) {
        ++number;
        QString title = window->windowTitle();
        title.replace(QLatin1Char('&'), QLatin1String("&&"));
        // Only the first nine get a mnemonic digit.
        const QString text = number <= 9 ? QStringLiteral("&%1 %2").arg(number).arg(title)
                                         : QStringLiteral("%1 %2").arg(number).arg(title);
        QAction *entry = popup->addAction(text);
        entry->setStatusTip(prompt);
        entry->setCheckable(true);
        entry->setChecked(window == m_pArea->currentSubWindow());
        QPointer<QMdiSubWindow> target(window);
        connect(entry, &QAction::triggered, this, [this, target] {
            if (!target)
                return;
            if (target->isMinimized())
                target->showNormal();
            m_pArea->setActiveSubWindow(target);
        });
        m_entries.emplace_back(entry);
    }
}
