#include "CommandActions.h"

#include "AcceleratorResource.h"
#include "AfxResources.h"

#include <QAction>
#include <QWidget>

namespace {

const char *const kCommandIdProperty = "mapsmithCommandId";

} // namespace

CommandActions::CommandActions(QWidget *owner, std::function<void(int)> send)
    : QObject(owner)
    , m_pOwner(owner)
    , m_send(std::move(send))
{
}

QAction *CommandActions::Action(int id)
{
    if (QAction *existing = Find(id))
        return existing;
    const CommandPrompt prompt = AfxLoadPrompt(id);
    auto *action = new QAction(prompt.tooltip, this);
    action->setProperty(kCommandIdProperty, id);
    action->setStatusTip(prompt.status);
    action->setToolTip(prompt.tooltip);
    // Keys of the command work anywhere in the owner window, also when no
    // menu or button shows the command.
    m_pOwner->addAction(action);
    connect(action, &QAction::triggered, this, [this, id] { m_send(id); });
    m_actions.emplace(id, action);
    return action;
}

QAction *CommandActions::Find(int id) const
{
    const auto found = m_actions.find(id);
    return found == m_actions.end() ? nullptr : found->second;
}

std::optional<int> CommandActions::CommandId(const QAction *action)
{
    const QVariant id = action ? action->property(kCommandIdProperty) : QVariant();
    if (!id.isValid())
        return std::nullopt;
    return id.toInt();
}

bool CommandActions::LoadAccelTable(int id)
{
    const std::vector<AcceleratorResource> *table = FindAcceleratorTable(id);
    if (!table)
        return false;
    for (const AcceleratorResource &entry : *table) {
        QAction *action = Action(entry.id);
        QList<QKeySequence> keys = action->shortcuts();
        keys.append(QKeySequence(entry.key));
        action->setShortcuts(keys);
    }
    return true;
}
