#pragma once

// The wait cursor shows from the first BeginWaitCursor to the matching last
// EndWaitCursor: calls nest by counting.
void AfxBeginWaitCursor();
void AfxEndWaitCursor();
int AfxWaitCursorDepth();

// Shows the wait cursor for the lifetime of the object.
class CWaitCursor {
public:
    CWaitCursor() { AfxBeginWaitCursor(); }
    ~CWaitCursor() { AfxEndWaitCursor(); }
    CWaitCursor(const CWaitCursor &) = delete;
    CWaitCursor &operator=(const CWaitCursor &) = delete;
};
