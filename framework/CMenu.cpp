#include "CMenu.h"

#include "CommandActions.h"
#include "MenuResource.h"
#include "ResourceIds.h"

#include <QAction>
#include <QMenu>

bool CMenu::LoadMenu(int id, CommandActions &actions, QWidget *parent)
{
    const MenuResource *resource = FindMenuResource(id);
    if (!resource)
        return false;
    for (const PopupResource &popupResource : resource->popups) {
        auto *popup = new QMenu(QString::fromLatin1(popupResource.title), parent);
        for (const MenuItemResource &item : popupResource.items) {
            if (item.IsSeparator()) {
                popup->addSeparator();
                continue;
            }
            QAction *action = actions.Action(item.id);
            action->setText(QString::fromLatin1(item.text));
            if (item.state == MenuItemState::Grayed)
                action->setEnabled(false);
            popup->addAction(action);
        }
        m_popups.push_back(popup);
    }
    return true;
}

QMenu *CMenu::WindowPopup() const
{
    for (QMenu *popup : m_popups) {
        for (const QAction *action : popup->actions()) {
            if (CommandActions::CommandId(action) == ID_WINDOW_NEW)
                return popup;
        }
    }
    return nullptr;
}
