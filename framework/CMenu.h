#pragma once

#include <vector>

class CommandActions;
class QMenu;
class QWidget;

// A menu bar's popups built from a menu resource, their items being the
// shared command actions. The popups belong to the parent widget.
class CMenu {
public:
    // False if the resource does not exist.
    bool LoadMenu(int id, CommandActions &actions, QWidget *parent);

    const std::vector<QMenu *> &Popups() const { return m_popups; }
    // The popup that holds the window commands, which also lists the open
    // windows; nullptr if the menu has none.
    QMenu *WindowPopup() const;

private:
    std::vector<QMenu *> m_popups;
};
