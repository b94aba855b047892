#pragma once

#include "CDocument.h"

// One open script. It holds no copy of the text: its content is the text of
// its first view's edit window, which every window of the script shares.
class CMapsmithDoc : public CDocument {
public:
    // Hands the archive to the first view, which reads or writes its text raw.
    void Serialize(CArchive &archive) override;
};
