#include "CommandRoute.h"

#include "CCmdTarget.h"
#include "CCmdUI.h"

#include <algorithm>

CommandRoute::CommandRoute(std::vector<CCmdTarget *> targets)
    : m_targets(std::move(targets))
{
    std::erase(m_targets, nullptr);
}

void CommandRoute::Update(CCmdUI &cmdUI) const
{
    for (CCmdTarget *target : m_targets) {
        if (target->OnCmdUpdate(cmdUI))
            break;
    }
    if (!cmdUI.m_bEnableChanged) {
        const bool handled = std::ranges::any_of(
            m_targets, [&](const CCmdTarget *target) { return target->HasCommandHandler(cmdUI.m_nID); });
        cmdUI.Enable(handled);
    }
}

bool CommandRoute::IsEnabled(int id) const
{
    CCmdUI probe(id, nullptr);
    Update(probe);
    return probe.IsEnabled();
}

bool CommandRoute::Execute(int id) const
{
    // A key or a stale button may ask for a command that has become
    // disabled since the items were last updated: it does nothing then.
    if (!IsEnabled(id))
        return false;
    for (CCmdTarget *target : m_targets) {
        if (target->OnCmdMsg(id))
            return true;
    }
    return false;
}
