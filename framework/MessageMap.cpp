#include "MessageMap.h"

MessageMap::MessageMap(const MessageMap *base, std::initializer_list<MessageMapEntry> entries)
    : m_pBase(base)
    , m_entries(entries)
{
}

const MessageMapEntry *MessageMap::Find(MessageMapEntry::Kind kind, int id) const
{
    for (const MessageMap *map = this; map; map = map->m_pBase) {
        for (const MessageMapEntry &entry : map->m_entries) {
            if (entry.kind == kind && entry.firstId <= id && id <= entry.lastId)
                return &entry;
        }
    }
    return nullptr;
}
