#pragma once

#include <functional>
#include <initializer_list>
#include <vector>

class CCmdTarget;
class CCmdUI;

// One entry of a message map: a range of command ids bound to a command
// handler or to an update handler (which decides enabling, check mark and
// text of the command's items).
struct MessageMapEntry {
    enum class Kind { Command, Update };

    Kind kind;
    int firstId;
    int lastId;
    std::function<void(CCmdTarget &, int id)> command;
    std::function<void(CCmdTarget &, CCmdUI &)> update;
};

// A class's message map: its own entries as a table, then its base class's
// map. Declared once per class as a function-local static:
//
//   const MessageMap *CMainFrame::GetMessageMap() const
//   {
//       static const MessageMap map(CMDIFrameWnd::GetMessageMap(), {
//           MapCommand(ID_GENERATE, &CMainFrame::OnGenerate),
//       });
//       return &map;
//   }
class MessageMap {
public:
    MessageMap(const MessageMap *base, std::initializer_list<MessageMapEntry> entries);

    // The first entry of the kind covering the id, this map before its base.
    const MessageMapEntry *Find(MessageMapEntry::Kind kind, int id) const;

private:
    const MessageMap *m_pBase;
    std::vector<MessageMapEntry> m_entries;
};

template <class T>
MessageMapEntry MapCommand(int id, void (T::*handler)())
{
    return {MessageMapEntry::Kind::Command, id, id,
            [handler](CCmdTarget &target, int) { (static_cast<T &>(target).*handler)(); }, {}};
}

// A handler for a range of ids that needs to know which one was chosen.
template <class T>
MessageMapEntry MapCommandRange(int firstId, int lastId, void (T::*handler)(int id))
{
    return {MessageMapEntry::Kind::Command, firstId, lastId,
            [handler](CCmdTarget &target, int id) { (static_cast<T &>(target).*handler)(id); }, {}};
}

template <class T>
MessageMapEntry MapUpdateRange(int firstId, int lastId, void (T::*handler)(CCmdUI *cmdUI))
{
    return {MessageMapEntry::Kind::Update, firstId, lastId, {},
            [handler](CCmdTarget &target, CCmdUI &cmdUI) { (static_cast<T &>(target).*handler)(&cmdUI); }};
}

template <class T>
MessageMapEntry MapUpdate(int id, void (T::*handler)(CCmdUI *cmdUI))
{
    return MapUpdateRange(id, id, handler);
}
