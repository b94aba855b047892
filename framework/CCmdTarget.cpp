#include "CCmdTarget.h"

#include "CCmdUI.h"

const MessageMap *CCmdTarget::GetMessageMap() const
{
    static const MessageMap map(nullptr, {});
    return &map;
}

bool CCmdTarget::OnCmdMsg(int id)
{
    const MessageMapEntry *entry = GetMessageMap()->Find(MessageMapEntry::Kind::Command, id);
    if (!entry)
        return false;
    // The handler may destroy this target (closing a document does): nothing
    // of it is touched afterwards.
    entry->command(*this, id);
    return true;
}

bool CCmdTarget::OnCmdUpdate(CCmdUI &cmdUI)
{
    const MessageMapEntry *entry = GetMessageMap()->Find(MessageMapEntry::Kind::Update, cmdUI.m_nID);
    if (!entry)
        return false;
    cmdUI.m_bContinueRouting = false;
    entry->update(*this, cmdUI);
    return !cmdUI.m_bContinueRouting;
}

bool CCmdTarget::HasCommandHandler(int id) const
{
    return GetMessageMap()->Find(MessageMapEntry::Kind::Command, id) != nullptr;
}
