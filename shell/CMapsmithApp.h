#pragma once

#include "CWinApp.h"

// The program's application object: registers the script document type,
// makes the main window and opens a new script in it.
class CMapsmithApp : public CWinApp {
public:
    bool InitInstance() override;

protected:
    const MessageMap *GetMessageMap() const override;
};
