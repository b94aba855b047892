#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

class QAction;
class QMdiArea;
class QMenu;

// The list of open document windows at the end of the Window menu: one
// numbered entry per window in the order they were opened, the active one
// checked; choosing an entry activates its window.
class WindowMenuList : public QObject {
public:
    WindowMenuList(QMdiArea *area, QObject *parent);

    // Replaces the list in the popup with the windows open now.
    void Rebuild(QMenu *popup);

private:
    QMdiArea *m_pArea;
    std::vector<QPointer<QAction>> m_entries;
};
