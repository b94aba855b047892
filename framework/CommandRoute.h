#pragma once

#include <vector>

class CCmdTarget;
class CCmdUI;

// The targets a command visits, in order: the active view, its document,
// its child frame, the main frame, the application. Missing ones are left
// out. A command that no target handles is disabled.
class CommandRoute {
public:
    explicit CommandRoute(std::vector<CCmdTarget *> targets);

    // Decides the item's state: the first update handler on the route
    // answers; without one, the item is enabled exactly when some target
    // has a command handler for it.
    void Update(CCmdUI &cmdUI) const;
    bool IsEnabled(int id) const;
    // Carries the command out if it is enabled; true if a handler ran.
    bool Execute(int id) const;

private:
    std::vector<CCmdTarget *> m_targets;
};
