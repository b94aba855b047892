#pragma once

#include <QString>

class QAction;
class QMenu;

// The question "is this command enabled (checked, titled) right now?" asked
// of the command route for one user-interface item: a menu item, a toolbar
// button or a key, all of which share one action per command id. An update
// handler answers by calling Enable, SetCheck or SetText. Without an action
// it only records the answer (IsEnabled).
class CCmdUI {
public:
    CCmdUI(int id, QAction *action, QMenu *menu = nullptr);

    const int m_nID;

    void Enable(bool on = true);
    void SetCheck(bool checked = true);
    void SetText(const QString &text);
    // Lets the next target on the route answer instead.
    void ContinueRouting();

    bool IsEnabled() const { return m_bEnabled; }
    QAction *Action() const { return m_pAction; }
    // The menu being opened, or nullptr when the toolbar or keys are updated.
    QMenu *Menu() const { return m_pMenu; }

    bool m_bEnableChanged = false;
    bool m_bContinueRouting = false;

private:
    bool m_bEnabled = false;
    QAction *m_pAction;
    QMenu *m_pMenu;
};
