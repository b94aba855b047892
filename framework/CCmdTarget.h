#pragma once

#include "MessageMap.h"

// Something on the command route: a view, a document, a frame or the
// application. Its message map says which command ids it handles.
class CCmdTarget {
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget &) = delete;
    CCmdTarget &operator=(const CCmdTarget &) = delete;

    // Carries out the command if the map has a handler for it; true if so.
    bool OnCmdMsg(int id);
    // Asks the map's update handler, or, failing one, whether the map has a
    // command handler (which then enables the item). False when this target
    // has nothing to say, so the route goes on to the next one.
    bool OnCmdUpdate(CCmdUI &cmdUI);
    bool HasCommandHandler(int id) const;

protected:
    // Each class with commands of its own overrides this (see MessageMap).
    virtual const MessageMap *GetMessageMap() const;
};
